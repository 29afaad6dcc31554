#pragma once

#include "framework/tbx_theme.h"
#include "framework/tbx_types.h"
#include "theme/color_sets.h"

#include <QPoint>
#include <QPointer>
#include <QWidgetAction>

class TImageList;

enum TTBXToolPaletteOption {
    tpoCustomImages = 0x1,   // cells are drawn by the item only, never from the menu's image list
    tpoNoAutoSelect = 0x2,   // a click does not move SelectedCell
};
Q_DECLARE_FLAGS(TTBXToolPaletteOptions, TTBXToolPaletteOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TTBXToolPaletteOptions)

class TTBXCustomToolPalette;

// Lets the owner of a palette redirect a click to another cell or refuse it.
class TTBXCellClickFilter
{
public:
    virtual ~TTBXCellClickFilter() = default;
    // False refuses the click; ACol and ARow may be changed.
    virtual bool CellClick(TTBXCustomToolPalette &palette, int &ACol, int &ARow) = 0;
};

// A grid of cells hosted in a themed popup menu (add it with addAction).
// Cells are (column, row); a column of -1 means "no cell". The menu makes
// one viewer widget per open menu; the selection lives here.
class TTBXCustomToolPalette : public QWidgetAction
{
    Q_OBJECT
public:
    explicit TTBXCustomToolPalette(QObject *parent = nullptr);
    ~TTBXCustomToolPalette() override;

    // Counts are bytes: values are cut to 0..255.
    int ColCount() const { return FColCount; }
    void SetColCount(int value);
    int RowCount() const { return FRowCount; }
    void SetRowCount(int value);
    TTBXToolPaletteOptions PaletteOptions() const { return FPaletteOptions; }
    void SetPaletteOptions(TTBXToolPaletteOptions value);

    QPoint SelectedCell() const { return FSelectedCell; }
    // The selection step: stores, repaints, NotifyChange (also when unchanged).
    void SetSelectedCell(QPoint cell);
    // The click filter, when there is one, may change the cell or refuse it.
    void ClickCell(int ACol, int ARow);
    // Not owned; nullptr for none.
    void SetCellClickFilter(TTBXCellClickFilter *filter) { FCellClickFilter = filter; }
    virtual void NotifyChange();

    // Hooks of the viewer. CellImageSize gets the menu's image size.
    virtual QSize CellImageSize(QSize listImageSize) const { return listImageSize; }
    virtual bool IsCellVisible(int ACol, int ARow) { Q_UNUSED(ACol) Q_UNUSED(ARow) return true; }
    virtual void DrawCellImage(QPainter &canvas, const TRect &rect, int ACol, int ARow, const TTBXItemInfo &info);
    virtual QString GetCellHint(int ACol, int ARow);
    // In the grid, within the image list when cells come from it, visible.
    bool IsCellValid(QPoint cell, const TImageList *images);

Q_SIGNALS:
    // A cell was picked, or the selection was set.
    void selectionChanged();

protected:
    QWidget *createWidget(QWidget *parent) override;
    void Invalidate();
    void Relayout();

private:
    quint8 FColCount = 1;
    quint8 FRowCount = 1;
    TTBXToolPaletteOptions FPaletteOptions;
    QPoint FSelectedCell{-1, 0};
    TTBXCellClickFilter *FCellClickFilter = nullptr;
};

// The colour grid of the "Color" and "Font Color..." submenus and of the
// Settings dialog's colour popups.
//
//   auto *cp = new TTBXColorPalette(menu);
//   cp->SetColorSet(csColorSet);           // none: the 40 default colours
//   connect(cp, &TTBXColorPalette::selectionChanged, this, [=] { use(cp->Color()); });
//   menu->addAction(cp);
//
// SetColor signals like a pick; PresetColor only marks the current colour
// (the submenus call it before they open). A pick closes
// the whole menu. Open standalone popups on a click (button released), not
// on the press: the release after a press would land on the grid.
class TTBXColorPalette final : public TTBXCustomToolPalette
{
    Q_OBJECT
public:
    explicit TTBXColorPalette(QObject *parent = nullptr);
    ~TTBXColorPalette() override;

    ::Color Color() const { return FColor; }
    void SetColor(::Color value);
    // SetColor without the change signal.
    void PresetColor(::Color value);
    TTBXCustomColorSet *ColorSet() const { return FColorSet; }
    void SetColorSet(TTBXCustomColorSet *value);

    ::Color GetCellColor(int ACol, int ARow);
    // First cell, row by row, whose colour equals `color` (system colours
    // resolved); (-1, 0) when none.
    QPoint FindCell(::Color color);

    QSize CellImageSize(QSize listImageSize) const override;
    bool IsCellVisible(int ACol, int ARow) override;
    void DrawCellImage(QPainter &canvas, const TRect &rect, int ACol, int ARow, const TTBXItemInfo &info) override;
    QString GetCellHint(int ACol, int ARow) override;
    void NotifyChange() override;

private:
    TTBXCustomColorSet &activeSet();

    ::Color FColor = ::Color::none();
    QPointer<TTBXCustomColorSet> FColorSet;
    TTBXDefaultColorSet FDefaultSet;
};
