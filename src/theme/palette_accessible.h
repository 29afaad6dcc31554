#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QPoint>

class TTBXToolViewer;

// What a screen reader finds in a colour grid that the theme paints itself:
// a list whose items are the cells, named by their colours, the selected
// one checked, the hot one focused, each pressed to pick it.
class PaletteAccessible final : public QAccessibleWidget
{
public:
    explicit PaletteAccessible(TTBXToolViewer *viewer);
    ~PaletteAccessible() override;

    // Installs the factory that gives every palette viewer this interface.
    static void installFactory();
    // Tells a screen reader which cell the keys or the pointer moved to.
    static void hotCellMoved(TTBXToolViewer *viewer);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

    TTBXToolViewer *viewer() const;
    // The cells in reading order that exist (valid ones only).
    QList<QPoint> cells() const;

private:
    mutable QHash<int, QAccessible::Id> m_cellIds; // by index into cells()
};
