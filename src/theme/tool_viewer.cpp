#include "theme/tool_viewer.h"

#include "framework/image_list.h"
#include "framework/menu_metrics.h"
#include "framework/popup_menu.h"
#include "framework/theme_registry.h"
#include "theme/color_palette.h"
#include "theme/palette_accessible.h"

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

TTBXToolViewer::TTBXToolViewer(TTBXCustomToolPalette *item, QWidget *parent) : QWidget(parent), m_item(item)
{
    PaletteAccessible::installFactory();
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (auto *themed = qobject_cast<PopupMenu *>(parent)) {
        connect(themed, &PopupMenu::itemEntered, this, [this, themed](QAction *action, bool had, bool fromAbove) {
            if (action == m_item) {
                entering(had, fromAbove);
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
            setHotCell(kNoCell);
            layoutCells();
        });
    }
    if (ThemeRegistry *registry = ThemeRegistry::instance())
        connect(registry, &ThemeRegistry::themeChanged, this, &TTBXToolViewer::layoutCells);
    layoutCells();
}

QMenu *TTBXToolViewer::menu() const
{
    return qobject_cast<QMenu *>(parentWidget());
}

const ImageList *TTBXToolViewer::images() const
{
    return MenuMetrics::imagesOf(parentWidget());
}

bool TTBXToolViewer::isPopup() const
{
    return menu() != nullptr;
}

bool TTBXToolViewer::isHotItem() const
{
    const QMenu *m = menu();
    return m && m_item && m->activeAction() == m_item;
}

void TTBXToolViewer::layoutCells()
{
    if (!m_item)
        return;
    m_colCount = m_item->ColCount();
    m_rowCount = m_item->RowCount();
    const ImageList *list = images();
    const QSize listSize = list ? QSize(list->width(), list->height()) : QSize(16, 16);
    m_imageSize = m_item->CellImageSize(listSize);
    m_cellSize = m_imageSize + QSize(6, 6);
    const TTBXTheme *theme = currentTheme();
    if (isPopup()) {
        m_imageStripWidth = MenuMetrics::ImageStripWidth(parentWidget(), list, theme);
        const int m32 = theme ? theme->GetIntegerMetrics(TMI_MENU_IMGTEXTSPACE) : 3;
        const int m33 = theme ? theme->GetIntegerMetrics(TMI_MENU_LCAPTIONMARGIN) : 8;
        m_rightGap = theme ? theme->GetIntegerMetrics(TMI_MENU_RCAPTIONMARGIN) : 3;
        m_gridLeft = m32 + m_imageStripWidth + m33 - 3;
    } else {
        m_imageStripWidth = 0;
        m_gridLeft = 0;
        m_rightGap = 0;
    }
    updateGeometry();
    update();
}

QSize TTBXToolViewer::sizeHint() const
{
    const int width = m_cellSize.width() * m_colCount + m_gridLeft + m_rightGap;
    const int height = m_cellSize.height() * m_rowCount;
    return QSize(std::max(width, 8), std::max(height, 8));
}

Rect TTBXToolViewer::cellRect(QPoint cell) const
{
    const int left = m_gridLeft + cell.x() * m_cellSize.width();
    const int top = cell.y() * m_cellSize.height();
    return {left, top, left + m_cellSize.width(), top + m_cellSize.height()};
}

QPoint TTBXToolViewer::CellFromPoint(int x, int y) const
{
    if (m_cellSize.width() == 0 || m_cellSize.height() == 0)
        return QPoint(0, 0);
    // Rounded down, not toward zero: the strip left of the grid is no cell.
    const auto floorDiv = [](int a, int b) { return a / b - (a % b != 0 && a < 0); };
    return QPoint(floorDiv(x - m_gridLeft, m_cellSize.width()), floorDiv(y, m_cellSize.height()));
}

bool TTBXToolViewer::isValid(QPoint cell) const
{
    return m_item && cell.x() >= 0 && cell.x() < m_colCount && cell.y() >= 0 && cell.y() < m_rowCount
        && m_item->isCellValid(cell, images());
}

void TTBXToolViewer::setHotCell(QPoint cell)
{
    if (cell == m_hotCell)
        return;
    const QPoint old = m_hotCell;
    m_hotCell = cell;
    invalidateCell(old);
    invalidateCell(cell);
    PaletteAccessible::hotCellMoved(this);
}

void TTBXToolViewer::invalidateCell(QPoint cell)
{
    if (cell.x() >= 0 && !rect().isEmpty())
        update(cellRect(cell).toQRect());
}

void TTBXToolViewer::entering(bool hadPrevious, bool fromAbove)
{
    QPoint hot = kNoCell;
    if (hadPrevious && isPopup()) {
        if (fromAbove) {
            hot = QPoint(0, 0);
        } else {
            hot = QPoint(m_colCount - 1, m_rowCount - 1);
            while (hot.x() > 0 && !isValid(hot))
                hot.rx()--;
        }
    }
    setHotCell(hot);
}

bool TTBXToolViewer::handleKey(int key)
{
    QPoint start = kNoCell;
    if (isValid(m_hotCell))
        start = m_hotCell;
    else if (m_item && isValid(m_item->SelectedCell()))
        start = m_item->SelectedCell();

    QPoint target;
    if (start.x() < 0) {
        target = QPoint(0, 0);
    } else {
        target = start;
        switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (isValid(m_hotCell))
                m_item->ClickCell(m_hotCell.x(), m_hotCell.y());
            return false;
        case Qt::Key_PageUp:
            target.setY(0);
            break;
        case Qt::Key_PageDown:
            target.setY(m_rowCount - 1);
            break;
        case Qt::Key_Home:
            target.setX(0);
            break;
        case Qt::Key_End:
            target.setX(m_colCount - 1);
            break;
        case Qt::Key_Left:
            if (target.x() == 0)
                target = QPoint(m_colCount - 1, target.y() - 1);
            else
                target.rx()--;
            break;
        case Qt::Key_Right:
            if (target.x() >= m_colCount - 1)
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
    if (target != start && isValid(target)) {
        setHotCell(target);
        update();
        return true;
    }
    return false;
}

void TTBXToolViewer::keyPressEvent(QKeyEvent *event)
{
    if (handleKey(event->key()))
        event->accept();
    else
        event->ignore();   // the menu moves to the neighbouring item
}

void TTBXToolViewer::trackMouse(QPoint pos)
{
    const QPoint cell = CellFromPoint(pos.x(), pos.y());
    const bool enabled = m_item && m_item->isEnabled();
    setHotCell(enabled && isValid(cell) ? cell : kNoCell);
}

void TTBXToolViewer::mouseMoveEvent(QMouseEvent *event)
{
    trackMouse(event->position().toPoint());
    // The menu still tracks its hot item.
    event->ignore();
}

void TTBXToolViewer::mousePressEvent(QMouseEvent *event)
{
    m_mouseDown = true;
    trackMouse(event->position().toPoint());
    update();
    event->accept();
}

void TTBXToolViewer::mouseReleaseEvent(QMouseEvent *event)
{
    m_mouseDown = false;
    const QPoint cell = CellFromPoint(event->position().toPoint().x(), event->position().toPoint().y());
    QPointer<TTBXToolViewer> self(this);
    if (m_item && m_item->isEnabled() && isValid(cell))
        m_item->ClickCell(cell.x(), cell.y());
    event->accept();
    // Whether or not a cell was hit, the whole menu finishes as after a click.
    PopupMenu::closeAllMenus();
    if (self)
        update();
}

void TTBXToolViewer::leaveEvent(QEvent *event)
{
    if (!m_mouseDown && menu() && menu()->activeAction() != m_item)
        setHotCell(kNoCell);
    QWidget::leaveEvent(event);
}

bool TTBXToolViewer::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QPoint cell = CellFromPoint(help->pos().x(), help->pos().y());
        if (m_item && isValid(cell)) {
            // The tip belongs to one cell: entering another renews it.
            QToolTip::showText(help->globalPos(), m_item->GetCellHint(cell.x(), cell.y()), this,
                               cellRect(cell).toQRect());
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
    if (!m_item)
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    TTBXTheme *theme = currentTheme();
    const Rect whole = Rect::fromQRect(rect());

    TTBXItemInfo info;
    info.ViewKind = isPopup() ? VT_POPUPMENU : VT_TOOLBAR;
    info.Enabled = m_item->isEnabled();
    info.HasImage = true;
    info.ImageWidth = m_imageSize.width();
    info.ImageHeight = m_imageSize.height();
    info.ImageStripWidth = m_imageStripWidth;

    if (theme) {
        theme->PaintBackgnd(p, whole, whole, whole, theme->GetViewColor(info.ViewKind), false, info.ViewKind);
        if (isPopup())
            theme->PaintMenuItemFrame(p, whole, info);
    } else {
        p.fillRect(rect(), palette().window());
    }

    quint8 hover = HOVER_NONE;
    if (isHotItem())
        hover = m_item->isEnabled() ? quint8(HOVER_MOUSE) : quint8(HOVER_NONE);

    const ImageList *list = images();
    for (int row = 0; row < m_rowCount; ++row) {
        for (int col = 0; col < m_colCount; ++col) {
            const QPoint cell(col, row);
            if (!isValid(cell))
                continue;
            TTBXItemInfo cellInfo = info;
            const bool hot = cell == m_hotCell;
            cellInfo.Hover = hot ? hover : quint8(HOVER_NONE);
            cellInfo.Pushed = hot && m_mouseDown;
            cellInfo.Checked = cell == m_item->SelectedCell();
            const Rect r = cellRect(cell);
            if (theme)
                theme->PaintButton(p, r, cellInfo);
            const int left = (r.left + r.right - m_imageSize.width()) / 2;
            const int top = (r.top + r.bottom - m_imageSize.height()) / 2;
            const Rect imageRect{left, top, left + m_imageSize.width(), top + m_imageSize.height()};
            const int index = col + row * m_colCount;
            if (!(m_item->PaletteOptions() & tpoCustomImages) && list && index < list->count() && theme)
                theme->PaintImage(p, imageRect, cellInfo, list, index);
            m_item->DrawCellImage(p, imageRect, col, row, cellInfo);
        }
    }
}
