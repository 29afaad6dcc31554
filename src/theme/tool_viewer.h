#pragma once

#include "framework/tbx_types.h"

#include <QPoint>
#include <QPointer>
#include <QWidget>

class QMenu;
class ImageList;
class TTBXCustomToolPalette;

// The widget that shows a palette item inside one open menu: lays the grid
// out, paints it through the theme and turns keys, mouse and tooltip
// requests into cell operations.
class TTBXToolViewer final : public QWidget
{
    Q_OBJECT
public:
    TTBXToolViewer(TTBXCustomToolPalette *item, QWidget *parent);

    QPoint HotCell() const { return FHotCell; }
    void SetHotCell(QPoint cell);
    int GridLeft() const { return FGridLeft; }
    QSize CellSize() const { return FCellSize; }
    // Cell rectangle in widget coordinates.
    TRect CellRect(QPoint cell) const;
    // The cell under (x, y) whether or not it is valid.
    QPoint CellFromPoint(int x, int y) const;
    bool IsValid(QPoint cell) const;

    // The menu's hot item moved onto the palette.
    void Entering(bool hadPrevious, bool fromAbove);
    // Runs the key table; returns true when the palette took the key.
    bool HandleKey(int key);
    void Layout();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QMenu *menu() const;
    const ImageList *images() const;
    bool isPopup() const;
    bool isHotItem() const;
    void trackMouse(QPoint pos);
    void invalidateCell(QPoint cell);

    QPointer<TTBXCustomToolPalette> FItem;
    int FColCount = 0;
    int FRowCount = 0;
    QSize FImageSize{16, 16};
    QSize FCellSize;
    int FGridLeft = 0;
    int FRightGap = 0;
    int FImageStripWidth = 0;
    QPoint FHotCell{-1, 0};
    bool FMouseDown = false;
};
