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

    TTBXCustomToolPalette *item() const { return m_item; }
    QPoint HotCell() const { return m_hotCell; }
    void setHotCell(QPoint cell);
    int GridLeft() const { return m_gridLeft; }
    QSize cellSize() const { return m_cellSize; }
    // Cell rectangle in widget coordinates.
    Rect cellRect(QPoint cell) const;
    // The cell under (x, y) whether or not it is valid.
    QPoint CellFromPoint(int x, int y) const;
    bool isValid(QPoint cell) const;

    // The menu's hot item moved onto the palette.
    void entering(bool hadPrevious, bool fromAbove);
    // Runs the key table; returns true when the palette took the key.
    bool handleKey(int key);
    void layoutCells();

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

    QPointer<TTBXCustomToolPalette> m_item;
    int m_colCount = 0;
    int m_rowCount = 0;
    QSize m_imageSize{16, 16};
    QSize m_cellSize;
    int m_gridLeft = 0;
    int m_rightGap = 0;
    int m_imageStripWidth = 0;
    QPoint m_hotCell{-1, 0};
    bool m_mouseDown = false;
};
