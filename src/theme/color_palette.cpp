#include "theme/color_palette.h"

#include "framework/canvas.h"
#include "framework/image_list.h"
#include "framework/menu_metrics.h"
#include "framework/system_metrics.h"
#include "theme/tool_viewer.h"

#include <QActionEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QPainter>
#include <QSignalBlocker>

// ---- TTBXCustomToolPalette ----

TTBXCustomToolPalette::TTBXCustomToolPalette(QObject *parent) : QWidgetAction(parent) {}

TTBXCustomToolPalette::~TTBXCustomToolPalette() = default;

void TTBXCustomToolPalette::setColCount(int value)
{
    const auto v = quint8(value);
    if (v != m_colCount) {
        m_colCount = v;
        relayout();
    }
}

void TTBXCustomToolPalette::setRowCount(int value)
{
    const auto v = quint8(value);
    if (v != m_rowCount) {
        m_rowCount = v;
        relayout();
    }
}

void TTBXCustomToolPalette::setPaletteOptions(TTBXToolPaletteOptions value)
{
    if (value != m_paletteOptions) {
        m_paletteOptions = value;
        relayout();
    }
}

void TTBXCustomToolPalette::setSelectedCell(QPoint cell)
{
    m_selectedCell = cell;
    invalidate();
    NotifyChange();
}

void TTBXCustomToolPalette::ClickCell(int ACol, int ARow)
{
    const bool allowChange = !m_cellClickFilter || m_cellClickFilter->cellClick(*this, ACol, ARow);
    if (allowChange && !(m_paletteOptions & tpoNoAutoSelect))
        setSelectedCell(QPoint(ACol, ARow));
}

void TTBXCustomToolPalette::NotifyChange()
{
    Q_EMIT selectionChanged();
}

void TTBXCustomToolPalette::DrawCellImage(QPainter &, const Rect &, int, int, const TTBXItemInfo &) {}

QString TTBXCustomToolPalette::GetCellHint(int, int)
{
    return QString();
}

bool TTBXCustomToolPalette::isCellValid(QPoint cell, const ImageList *images)
{
    const int col = cell.x(), row = cell.y();
    if (col < 0 || col >= m_colCount || row < 0 || row >= m_rowCount)
        return false;
    if (!(m_paletteOptions & tpoCustomImages) && images && col + row * m_colCount >= images->count())
        return false;
    return IsCellVisible(col, row);
}

QWidget *TTBXCustomToolPalette::createWidget(QWidget *parent)
{
    // The menu's item for the grid is what a screen reader meets first in
    // the submenu: named, like the grid, by the submenu it fills.
    if (const auto *menu = qobject_cast<const QMenu *>(parent); menu && text().isEmpty())
        setText(menu->title());
    return new TTBXToolViewer(this, parent);
}

void TTBXCustomToolPalette::invalidate()
{
    for (QWidget *viewer : createdWidgets())
        viewer->update();
}

void TTBXCustomToolPalette::relayout()
{
    for (QWidget *viewer : createdWidgets()) {
        if (auto *v = qobject_cast<TTBXToolViewer *>(viewer))
            v->layoutCells();
    }
    // The menus re-measure their items on ActionChanged.
    QActionEvent changed(QEvent::ActionChanged, this);
    for (QObject *host : associatedObjects())
        QCoreApplication::sendEvent(host, &changed);
}

// ---- TTBXColorPalette ----

TTBXColorPalette::TTBXColorPalette(QObject *parent) : TTBXCustomToolPalette(parent)
{
    setColCount(m_defaultSet.ColCount());
    setRowCount(m_defaultSet.RowCount());
    setPaletteOptions(PaletteOptions() | tpoCustomImages);
}

TTBXColorPalette::~TTBXColorPalette()
{
    if (m_colorSet)
        m_colorSet->detach(this);
}

TTBXCustomColorSet &TTBXColorPalette::activeSet()
{
    return m_colorSet ? *m_colorSet : static_cast<TTBXCustomColorSet &>(m_defaultSet);
}

void TTBXColorPalette::setColor(::Color value)
{
    m_color = value;
    setSelectedCell(FindCell(value));
}

void TTBXColorPalette::presetColor(::Color value)
{
    const QSignalBlocker quiet(this);
    setColor(value);
}

void TTBXColorPalette::setColorSet(TTBXCustomColorSet *value)
{
    if (value == m_colorSet)
        return;
    if (m_colorSet)
        m_colorSet->detach(this);
    m_colorSet = value;
    if (m_colorSet)
        m_colorSet->attach(this);
    setColCount(activeSet().ColCount());
    setRowCount(activeSet().RowCount());
    relayout();
}

::Color TTBXColorPalette::GetCellColor(int ACol, int ARow)
{
    return activeSet().GetColor(ACol, ARow);
}

QPoint TTBXColorPalette::FindCell(::Color color)
{
    const ::Color wanted = color.resolved(sysColor);
    for (int row = 0; row < RowCount(); ++row) {
        for (int col = 0; col < ColCount(); ++col) {
            if (GetCellColor(col, row).resolved(sysColor) == wanted)
                return QPoint(col, row);
        }
    }
    return QPoint(-1, 0);
}

QSize TTBXColorPalette::CellImageSize(QSize) const
{
    return QSize(12, 12);
}

bool TTBXColorPalette::IsCellVisible(int ACol, int ARow)
{
    return GetCellColor(ACol, ARow) != ::Color::none();
}

void TTBXColorPalette::DrawCellImage(QPainter &canvas, const Rect &rect, int ACol, int ARow,
                                     const TTBXItemInfo &info)
{
    Rect r = rect;
    Canvas::frameRect(canvas, r, systemColor(SystemColor::ButtonShadow));
    // A disabled palette shows empty frames.
    if (info.Enabled)
        Canvas::fillRect(canvas, r, GetCellColor(ACol, ARow));
}

QString TTBXColorPalette::GetCellHint(int ACol, int ARow)
{
    return activeSet().GetName(ACol, ARow);
}

void TTBXColorPalette::NotifyChange()
{
    if (SelectedCell().x() >= 0)
        m_color = GetCellColor(SelectedCell().x(), SelectedCell().y());
    TTBXCustomToolPalette::NotifyChange();
}
