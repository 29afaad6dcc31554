#pragma once

#include "framework/tbx_theme.h"
#include "framework/tbx_types.h"
#include "theme/color_sets.h"

#include <QPoint>
#include <QPointer>
#include <QWidgetAction>

class ImageList;

enum ToolPaletteOption {
    tpoCustomImages = 0x1,   // cells are drawn by the item only, never from the menu's image list
    tpoNoAutoSelect = 0x2,   // a click does not move SelectedCell
};
Q_DECLARE_FLAGS(TTBXToolPaletteOptions, ToolPaletteOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TTBXToolPaletteOptions)

class TTBXCustomToolPalette;

// Lets the owner of a palette redirect a click to another cell or refuse it.
class CellClickFilter
{
public:
    virtual ~CellClickFilter() = default;
    // False refuses the click; ACol and ARow may be changed.
    virtual bool cellClick(TTBXCustomToolPalette &palette, int &ACol, int &ARow) = 0;
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
    int ColCount() const { return m_colCount; }
    void setColCount(int value);
    int RowCount() const { return m_rowCount; }
    void setRowCount(int value);
    TTBXToolPaletteOptions PaletteOptions() const { return m_paletteOptions; }
    void setPaletteOptions(TTBXToolPaletteOptions value);

    QPoint SelectedCell() const { return m_selectedCell; }
    // The selection step: stores, repaints, NotifyChange (also when unchanged).
    void setSelectedCell(QPoint cell);
    // The click filter, when there is one, may change the cell or refuse it.
    void ClickCell(int ACol, int ARow);
    // Not owned; nullptr for none.
    void setCellClickFilter(CellClickFilter *filter) { m_cellClickFilter = filter; }
    virtual void NotifyChange();

    // Hooks of the viewer. CellImageSize gets the menu's image size.
    virtual QSize CellImageSize(QSize listImageSize) const { return listImageSize; }
    virtual bool IsCellVisible(int ACol, int ARow) { Q_UNUSED(ACol) Q_UNUSED(ARow) return true; }
    virtual void DrawCellImage(QPainter &canvas, const Rect &rect, int ACol, int ARow, const TTBXItemInfo &info);
    virtual QString GetCellHint(int ACol, int ARow);
    // In the grid, within the image list when cells come from it, visible.
    bool isCellValid(QPoint cell, const ImageList *images);

Q_SIGNALS:
    // A cell was picked, or the selection was set.
    void selectionChanged();

protected:
    QWidget *createWidget(QWidget *parent) override;
    void invalidate();
    void relayout();

private:
    quint8 m_colCount = 1;
    quint8 m_rowCount = 1;
    TTBXToolPaletteOptions m_paletteOptions;
    QPoint m_selectedCell{-1, 0};
    CellClickFilter *m_cellClickFilter = nullptr;
};

// The colour grid of the "Color" and "Font Color..." submenus and of the
// Settings dialog's colour popups.
//
//   auto *cp = new TTBXColorPalette(menu);
//   cp->setColorSet(csColorSet);           // none: the 40 default colours
//   connect(cp, &TTBXColorPalette::selectionChanged, this, [=] { use(cp->Color()); });
//   menu->addAction(cp);
//
// setColor signals like a pick; presetColor only marks the current colour
// (the submenus call it before they open). A pick closes
// the whole menu. Open standalone popups on a click (button released), not
// on the press: the release after a press would land on the grid.
class TTBXColorPalette final : public TTBXCustomToolPalette
{
    Q_OBJECT
public:
    explicit TTBXColorPalette(QObject *parent = nullptr);
    ~TTBXColorPalette() override;

    ::Color Color() const { return m_color; }
    void setColor(::Color value);
    // setColor without the change signal.
    void presetColor(::Color value);
    TTBXCustomColorSet *ColorSet() const { return m_colorSet; }
    void setColorSet(TTBXCustomColorSet *value);

    ::Color GetCellColor(int ACol, int ARow);
    // First cell, row by row, whose colour equals `color` (system colours
    // resolved); (-1, 0) when none.
    QPoint FindCell(::Color color);

    QSize CellImageSize(QSize listImageSize) const override;
    bool IsCellVisible(int ACol, int ARow) override;
    void DrawCellImage(QPainter &canvas, const Rect &rect, int ACol, int ARow, const TTBXItemInfo &info) override;
    QString GetCellHint(int ACol, int ARow) override;
    void NotifyChange() override;

private:
    TTBXCustomColorSet &activeSet();

    ::Color m_color = ::Color::none();
    QPointer<TTBXCustomColorSet> m_colorSet;
    TTBXDefaultColorSet m_defaultSet;
};
