#include "theme/color_palette.h"

#include "framework/canvas.h"
#include "framework/image_list.h"
#include "framework/menu_metrics.h"
#include "framework/system_metrics.h"
#include "theme/tool_viewer.h"

#include <QActionEvent>
#include <QCoreApplication>
#include <QPainter>
#include <QSignalBlocker>

// ---- TTBXCustomToolPalette ----

TTBXCustomToolPalette::TTBXCustomToolPalette(QObject *parent) : QWidgetAction(parent) {}

TTBXCustomToolPalette::~TTBXCustomToolPalette() = default;

void TTBXCustomToolPalette::SetColCount(int value)
{
    const auto v = quint8(value);
    if (v != FColCount) {
        FColCount = v;
        Relayout();
    }
}

void TTBXCustomToolPalette::SetRowCount(int value)
{
    const auto v = quint8(value);
    if (v != FRowCount) {
        FRowCount = v;
        Relayout();
    }
}

void TTBXCustomToolPalette::SetPaletteOptions(TTBXToolPaletteOptions value)
{
    if (value != FPaletteOptions) {
        FPaletteOptions = value;
        Relayout();
    }
}

void TTBXCustomToolPalette::SetSelectedCell(QPoint cell)
{
    FSelectedCell = cell;
    Invalidate();
    NotifyChange();
}

void TTBXCustomToolPalette::ClickCell(int ACol, int ARow)
{
    const bool allowChange = !FCellClickFilter || FCellClickFilter->CellClick(*this, ACol, ARow);
    if (allowChange && !(FPaletteOptions & tpoNoAutoSelect))
        SetSelectedCell(QPoint(ACol, ARow));
}

void TTBXCustomToolPalette::NotifyChange()
{
    Q_EMIT selectionChanged();
}

void TTBXCustomToolPalette::DrawCellImage(QPainter &, const TRect &, int, int, const TTBXItemInfo &) {}

QString TTBXCustomToolPalette::GetCellHint(int, int)
{
    return QString();
}

bool TTBXCustomToolPalette::IsCellValid(QPoint cell, const TImageList *images)
{
    const int col = cell.x(), row = cell.y();
    if (col < 0 || col >= FColCount || row < 0 || row >= FRowCount)
        return false;
    if (!(FPaletteOptions & tpoCustomImages) && images && col + row * FColCount >= images->Count())
        return false;
    return IsCellVisible(col, row);
}

QWidget *TTBXCustomToolPalette::createWidget(QWidget *parent)
{
    return new TTBXToolViewer(this, parent);
}

void TTBXCustomToolPalette::Invalidate()
{
    for (QWidget *viewer : createdWidgets())
        viewer->update();
}

void TTBXCustomToolPalette::Relayout()
{
    for (QWidget *viewer : createdWidgets()) {
        if (auto *v = qobject_cast<TTBXToolViewer *>(viewer))
            v->Layout();
    }
    // The menus re-measure their items on ActionChanged.
    QActionEvent changed(QEvent::ActionChanged, this);
    for (QObject *host : associatedObjects())
        QCoreApplication::sendEvent(host, &changed);
}

// ---- TTBXColorPalette ----

TTBXColorPalette::TTBXColorPalette(QObject *parent) : TTBXCustomToolPalette(parent)
{
    SetColCount(FDefaultSet.ColCount());
    SetRowCount(FDefaultSet.RowCount());
    SetPaletteOptions(PaletteOptions() | tpoCustomImages);
}

TTBXColorPalette::~TTBXColorPalette()
{
    if (FColorSet)
        FColorSet->detach(this);
}

TTBXCustomColorSet &TTBXColorPalette::activeSet()
{
    return FColorSet ? *FColorSet : static_cast<TTBXCustomColorSet &>(FDefaultSet);
}

void TTBXColorPalette::SetColor(::Color value)
{
    FColor = value;
    SetSelectedCell(FindCell(value));
}

void TTBXColorPalette::PresetColor(::Color value)
{
    const QSignalBlocker quiet(this);
    SetColor(value);
}

void TTBXColorPalette::SetColorSet(TTBXCustomColorSet *value)
{
    if (value == FColorSet)
        return;
    if (FColorSet)
        FColorSet->detach(this);
    FColorSet = value;
    if (FColorSet)
        FColorSet->attach(this);
    SetColCount(activeSet().ColCount());
    SetRowCount(activeSet().RowCount());
    Relayout();
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

void TTBXColorPalette::DrawCellImage(QPainter &canvas, const TRect &rect, int ACol, int ARow,
                                     const TTBXItemInfo &info)
{
    TRect r = rect;
    Canvas::FrameRect(canvas, r, ::Color::system(COLOR_BTNSHADOW));
    // A disabled palette shows empty frames.
    if (info.Enabled)
        Canvas::FillRect(canvas, r, GetCellColor(ACol, ARow));
}

QString TTBXColorPalette::GetCellHint(int ACol, int ARow)
{
    return activeSet().GetName(ACol, ARow);
}

void TTBXColorPalette::NotifyChange()
{
    if (SelectedCell().x() >= 0)
        FColor = GetCellColor(SelectedCell().x(), SelectedCell().y());
    TTBXCustomToolPalette::NotifyChange();
}
