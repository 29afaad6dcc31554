#pragma once

// The status-notifier side of a test's desktop, asked over its bus as a
// tray host would: whether a host is up, which items registered, and an
// item to call (Activate, ContextMenu...).

#include <QDBusConnection>
#include <QDBusInterface>
#include <QList>
#include <QSize>
#include <QStringList>
#include <QVariant>

namespace E2eStatusNotifier {

bool hostRegistered(QDBusConnection &bus);
// As the watcher lists them: "service/path" or just "service".
QStringList items(QDBusConnection &bus);
// The sizes of the pictures an item offers its host.
QList<QSize> iconSizes(QDBusConnection &bus, const QString &entry);
// One of an item's properties as its host reads it (invalid: none).
QVariant property(QDBusConnection &bus, const QString &entry, const QString &name);

// One entry of the menu an item exports, as a host reads it.
struct MenuEntry
{
    int id = 0;
    QString label;        // empty for a separator
    bool separator = false;
    bool enabled = true;
    bool hasIcon = false;
};
// The item's exported menu, top to bottom; empty when it exports none.
QList<MenuEntry> menu(QDBusConnection &bus, const QString &entry);

} // namespace E2eStatusNotifier

// One item, clicked as its host does: false when the item is not there.
class E2eTrayItem final
{
public:
    E2eTrayItem(QDBusConnection &bus, const QString &entry);

    // A double click: two activations, as fast as a hand.
    bool doubleClick();
    // A right click where the host draws no menu: Context.
    bool rightClick();

private:
    QDBusInterface m_item;
};
