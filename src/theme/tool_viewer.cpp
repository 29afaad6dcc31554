#include "theme/tool_viewer.h"

#include "framework/image_list.h"
#include "framework/menu_metrics.h"
#include "framework/popup_menu.h"
#include "framework/theme_registry.h"
#include "theme/color_palette.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <optional>

namespace {
const QPoint kNoCell{-1, 0};
}

TTBXToolViewer::TTBXToolViewer(TTBXCustomToolPalette *item, QWidget *parent) : QWidget(parent), FItem(item)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (auto *themed = qobject_cast<PopupMenu *>(parent)) {
        connect(themed, &PopupMenu::itemEntered, this, [this, themed](QAction *action, bool had, bool fromAbove) {
            if (action == FItem) {
                Entering(had, fromAbove);
                // Entered by the mouse: the pointer decides at once. Only the
                // move being handled counts; after a key nothing under the
                // pointer is hot until it moves.
                if (const std::optional<QPoint> pointer = themed->movingPointer())
                    trackMouse(mapFromGlobal(*pointer));
                // QMenu gives a widget item the keyboard only when the item
                // was reached by a key press, not when its submenu opened on it.
                setFocus(Qt::TabFocusReason);
            }
            update();
        });
    }
    if (auto *m = qobject_cast<QMenu *>(parent)) {
        // Each opening lays out afresh: the menu's font or images may differ.
        connect(m, &QMenu::aboutToShow, this, [this] {
            SetHotCell(kNoCell);
            Layout();
        });
    }
    if (ThemeRegistry *registry = ThemeRegistry::instance())
        connect(registry, &ThemeRegistry::themeChanged, this, &TTBXToolViewer::Layout);
    Layout();
}

QMenu *TTBXToolViewer::menu() const
{
    return qobject_cast<QMenu *>(parentWidget());
}

const ImageList *TTBXToolViewer::images() const
{
    return MenuMetrics::ImagesOf(parentWidget());
}

bool TTBXToolViewer::isPopup() const
{
    return menu() != nullptr;
}

bool TTBXToolViewer::isHotItem() const
{
    const QMenu *m = menu();
    return m && FItem && m->activeAction() == FItem;
}

void TTBXToolViewer::Layout()
{
    if (!FItem)
        return;
    FColCount = FItem->ColCount();
    FRowCount = FItem->RowCount();
    const ImageList *list = images();
    const QSize listSize = list ? QSize(list->width(), list->height()) : QSize(16, 16);
    FImageSize = FItem->CellImageSize(listSize);
    FCellSize = FImageSize + QSize(6, 6);
    const TTBXTheme *theme = currentTheme();
    if (isPopup()) {
        FImageStripWidth = MenuMetrics::ImageStripWidth(parentWidget(), list, theme);
        const int m32 = theme ? theme->GetIntegerMetrics(TMI_MENU_IMGTEXTSPACE) : 3;
        const int m33 = theme ? theme->GetIntegerMetrics(TMI_MENU_LCAPTIONMARGIN) : 8;
        FRightGap = theme ? theme->GetIntegerMetrics(TMI_MENU_RCAPTIONMARGIN) : 3;
        FGridLeft = m32 + FImageStripWidth + m33 - 3;
    } else {
        FImageStripWidth = 0;
        FGridLeft = 0;
        FRightGap = 0;
    }
    updateGeometry();
    update();
}

QSize TTBXToolViewer::sizeHint() const
{
    const int width = FCellSize.width() * FColCount + FGridLeft + FRightGap;
    const int height = FCellSize.height() * FRowCount;
    return QSize(std::max(width, 8), std::max(height, 8));
}

TRect TTBXToolViewer::CellRect(QPoint cell) const
{
    const int left = FGridLeft + cell.x() * FCellSize.width();
    const int top = cell.y() * FCellSize.height();
    return {left, top, left + FCellSize.width(), top + FCellSize.height()};
}

QPoint TTBXToolViewer::CellFromPoint(int x, int y) const
{
    if (FCellSize.width() == 0 || FCellSize.height() == 0)
        return QPoint(0, 0);
    // Rounded down, not toward zero: the strip left of the grid is no cell.
    const auto floorDiv = [](int a, int b) { return a / b - (a % b != 0 && a < 0); };
    return QPoint(floorDiv(x - FGridLeft, FCellSize.width()), floorDiv(y, FCellSize.height()));
}

bool TTBXToolViewer::IsValid(QPoint cell) const
{
    return FItem && cell.x() >= 0 && cell.x() < FColCount && cell.y() >= 0 && cell.y() < FRowCount
        && FItem->IsCellValid(cell, images());
}

void TTBXToolViewer::SetHotCell(QPoint cell)
{
    if (cell == FHotCell)
        return;
    const QPoint old = FHotCell;
    FHotCell = cell;
    invalidateCell(old);
    invalidateCell(cell);
}

void TTBXToolViewer::invalidateCell(QPoint cell)
{
    if (cell.x() >= 0 && !rect().isEmpty())
        update(CellRect(cell).toQRect());
}

void TTBXToolViewer::Entering(bool hadPrevious, bool fromAbove)
{
    QPoint hot = kNoCell;
    if (hadPrevious && isPopup()) {
        if (fromAbove) {
            hot = QPoint(0, 0);
        } else {
            hot = QPoint(FColCount - 1, FRowCount - 1);
            while (hot.x() > 0 && !IsValid(hot))
                hot.rx()--;
        }
    }
    SetHotCell(hot);
}

bool TTBXToolViewer::HandleKey(int key)
{
    QPoint start = kNoCell;
    if (IsValid(FHotCell))
        start = FHotCell;
    else if (FItem && IsValid(FItem->SelectedCell()))
        start = FItem->SelectedCell();

    QPoint target;
    if (start.x() < 0) {
        target = QPoint(0, 0);
    } else {
        target = start;
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (IsValid(FHotCell))
                FItem->ClickCell(FHotCell.x(), FHotCell.y());
            return false;
        case Qt::Key_PageUp:
            target.setY(0);
            break;
        case Qt::Key_PageDown:
            target.setY(FRowCount - 1);
            break;
        case Qt::Key_Home:
            target.setX(0);
            break;
        case Qt::Key_End:
            target.setX(FColCount - 1);
            break;
        case Qt::Key_Left:
            if (target.x() == 0)
                target = QPoint(FColCount - 1, target.y() - 1);
            else
                target.rx()--;
            break;
        case Qt::Key_Right:
            if (target.x() >= FColCount - 1)
                target = QPoint(0, target.y() + 1);
            else
                target.rx()++;
            break;
        case Qt::Key_Up:
            target.ry()--;
            break;
        case Qt::Key_Down:
            target.ry()++;
            break;
        default:
            return false;
        }
    }
    if (target != start && IsValid(target)) {
        SetHotCell(target);
        update();
        return true;
    }
    return false;
}

void TTBXToolViewer::keyPressEvent(QKeyEvent *event)
{
    if (HandleKey(event->key()))
        event->accept();
    else
        event->ignore();   // the menu moves to the neighbouring item
}

void TTBXToolViewer::trackMouse(QPoint pos)
{
    const QPoint cell = CellFromPoint(pos.x(), pos.y());
    const bool enabled = FItem && FItem->isEnabled();
    SetHotCell(enabled && IsValid(cell) ? cell : kNoCell);
}

void TTBXToolViewer::mouseMoveEvent(QMouseEvent *event)
{
    trackMouse(event->position().toPoint());
    // The menu still tracks its hot item.
    event->ignore();
}

void TTBXToolViewer::mousePressEvent(QMouseEvent *event)
{
    FMouseDown = true;
    trackMouse(event->position().toPoint());
    update();
    event->accept();
}

void TTBXToolViewer::mouseReleaseEvent(QMouseEvent *event)
{
    FMouseDown = false;
    const QPoint cell = CellFromPoint(event->position().toPoint().x(), event->position().toPoint().y());
    QPointer<TTBXToolViewer> self(this);
    if (FItem && FItem->isEnabled() && IsValid(cell))
        FItem->ClickCell(cell.x(), cell.y());
    event->accept();
    // Whether or not a cell was hit, the whole menu finishes as after a click.
    PopupMenu::closeAllMenus();
    if (self)
        update();
}

void TTBXToolViewer::leaveEvent(QEvent *event)
{
    if (!FMouseDown && menu() && menu()->activeAction() != FItem)
        SetHotCell(kNoCell);
    QWidget::leaveEvent(event);
}

bool TTBXToolViewer::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QPoint cell = CellFromPoint(help->pos().x(), help->pos().y());
        if (FItem && IsValid(cell)) {
            // The tip belongs to one cell: entering another renews it.
            QToolTip::showText(help->globalPos(), FItem->GetCellHint(cell.x(), cell.y()), this,
                               CellRect(cell).toQRect());
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

void TTBXToolViewer::paintEvent(QPaintEvent *)
{
    if (!FItem)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    TTBXTheme *theme = currentTheme();
    const TRect whole = TRect::fromQRect(rect());

    TTBXItemInfo info;
    info.ViewKind = isPopup() ? VT_POPUPMENU : VT_TOOLBAR;
    info.Enabled = FItem->isEnabled();
    info.HasImage = true;
    info.ImageWidth = FImageSize.width();
    info.ImageHeight = FImageSize.height();
    info.ImageStripWidth = FImageStripWidth;

    if (theme) {
        theme->PaintBackgnd(p, whole, whole, whole, theme->GetViewColor(info.ViewKind), false, info.ViewKind);
        if (isPopup())
            theme->PaintMenuItemFrame(p, whole, info);
    } else {
        p.fillRect(rect(), palette().window());
    }

    quint8 hover = HOVER_NONE;
    if (isHotItem())
        hover = FItem->isEnabled() ? quint8(HOVER_MOUSE) : quint8(HOVER_NONE);

    const ImageList *list = images();
    for (int row = 0; row < FRowCount; ++row) {
        for (int col = 0; col < FColCount; ++col) {
            const QPoint cell(col, row);
            if (!IsValid(cell))
                continue;
            TTBXItemInfo cellInfo = info;
            const bool hot = cell == FHotCell;
            cellInfo.Hover = hot ? hover : quint8(HOVER_NONE);
            cellInfo.Pushed = hot && FMouseDown;
            cellInfo.Checked = cell == FItem->SelectedCell();
            const TRect r = CellRect(cell);
            if (theme)
                theme->PaintButton(p, r, cellInfo);
            const int left = (r.Left + r.Right - FImageSize.width()) / 2;
            const int top = (r.Top + r.Bottom - FImageSize.height()) / 2;
            const TRect imageRect{left, top, left + FImageSize.width(), top + FImageSize.height()};
            const int index = col + row * FColCount;
            if (!(FItem->PaletteOptions() & tpoCustomImages) && list && index < list->count() && theme)
                theme->PaintImage(p, imageRect, cellInfo, list, index);
            FItem->DrawCellImage(p, imageRect, col, row, cellInfo);
        }
    }
}
