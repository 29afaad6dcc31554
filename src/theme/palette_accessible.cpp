#include "theme/palette_accessible.h"

#include "theme/color_palette.h"
#include "theme/tool_viewer.h"

#include <QMenu>
#include <QPointer>

namespace {

class CellAccessible final : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    CellAccessible(TTBXToolViewer *viewer, QPoint cell)
        : m_viewer(viewer), m_cell(cell)
    {
    }

    bool isValid() const override { return m_viewer && m_viewer->item(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return parent() ? parent()->window() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(m_viewer); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid() || t != QAccessible::Name)
            return QString();
        return m_viewer->item()->GetCellHint(m_cell.x(), m_cell.y());
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        if (!isValid())
            return QRect();
        const Rect r = m_viewer->cellRect(m_cell);
        return QRect(m_viewer->mapToGlobal(QPoint(r.left, r.top)), QSize(r.width(), r.height()));
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.selectable = true;
        state.focusable = true;
        state.checkable = true;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        const bool selected = m_viewer->item()->SelectedCell() == m_cell;
        state.selected = selected;
        state.checked = selected;
        state.focused = m_viewer->HotCell() == m_cell;
        state.invisible = !m_viewer->isVisible();
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &name) override
    {
        // Queued: a pick closes the menu, which must not happen inside the
        // call of the assistive technology.
        if (name == pressAction() && isValid())
            QMetaObject::invokeMethod(m_viewer, [viewer = m_viewer, cell = m_cell] {
                if (viewer && viewer->item())
                    viewer->item()->ClickCell(cell.x(), cell.y());
            }, Qt::QueuedConnection);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<TTBXToolViewer> m_viewer;
    QPoint m_cell;
};

QAccessibleInterface *paletteFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("TTBXToolViewer"))
        if (auto *viewer = qobject_cast<TTBXToolViewer *>(object))
            return new PaletteAccessible(viewer);
    return nullptr;
}

} // namespace

PaletteAccessible::PaletteAccessible(TTBXToolViewer *viewer)
    : QAccessibleWidget(viewer, QAccessible::List)
{
}

PaletteAccessible::~PaletteAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_cellIds))
        QAccessible::deleteAccessibleInterface(id);
}

void PaletteAccessible::installFactory()
{
    QAccessible::installFactory(paletteFactory);
}

void PaletteAccessible::hotCellMoved(TTBXToolViewer *viewer)
{
    if (!QAccessible::isActive() || viewer->HotCell().x() < 0)
        return;
    const auto *palette = dynamic_cast<PaletteAccessible *>(QAccessible::queryAccessibleInterface(viewer));
    const int index = palette ? int(palette->cells().indexOf(viewer->HotCell())) : -1;
    if (index < 0)
        return;
    QAccessibleEvent event(viewer, QAccessible::Focus);
    event.setChild(index);
    QAccessible::updateAccessibility(&event);
}

TTBXToolViewer *PaletteAccessible::viewer() const
{
    return static_cast<TTBXToolViewer *>(widget());
}

QString PaletteAccessible::text(QAccessible::Text t) const
{
    QString text = QAccessibleWidget::text(t);
    // Named by the submenu it fills ("Color", "Font Color...").
    if (t == QAccessible::Name && text.isEmpty())
        for (const QWidget *w = viewer()->parentWidget(); w && text.isEmpty(); w = w->parentWidget())
            if (const auto *menu = qobject_cast<const QMenu *>(w))
                text = menu->title();
    return text;
}

QList<QPoint> PaletteAccessible::cells() const
{
    QList<QPoint> cells;
    const TTBXCustomToolPalette *item = viewer()->item();
    if (!item)
        return cells;
    for (int row = 0; row < item->RowCount(); ++row)
        for (int col = 0; col < item->ColCount(); ++col)
            if (viewer()->isValid(QPoint(col, row)))
                cells.append(QPoint(col, row));
    return cells;
}

int PaletteAccessible::childCount() const
{
    return int(cells().size());
}

QAccessibleInterface *PaletteAccessible::child(int index) const
{
    const QList<QPoint> all = cells();
    if (index < 0 || index >= all.size())
        return nullptr;
    // Cells keep one interface (and id) for as long as the viewer lives.
    if (const auto it = m_cellIds.constFind(index); it != m_cellIds.constEnd())
        return QAccessible::accessibleInterface(*it);
    auto *cell = new CellAccessible(viewer(), all.at(index));
    m_cellIds.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int PaletteAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (auto it = m_cellIds.constBegin(); it != m_cellIds.constEnd(); ++it)
        if (QAccessible::accessibleInterface(it.value()) == child)
            return it.key();
    return -1;
}

QAccessibleInterface *PaletteAccessible::childAt(int x, int y) const
{
    const QPoint local = viewer()->mapFromGlobal(QPoint(x, y));
    const QPoint cell = viewer()->CellFromPoint(local.x(), local.y());
    return child(int(cells().indexOf(cell)));
}
