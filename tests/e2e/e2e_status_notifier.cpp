#include "e2e_status_notifier.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

const QString WatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString WatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString ItemInterface = QStringLiteral("org.kde.StatusNotifierItem");

QString serviceOf(const QString &entry)
{
    return entry.section(QLatin1Char('/'), 0, 0);
}

QString pathOf(const QString &entry)
{
    const qsizetype slash = entry.indexOf(QLatin1Char('/'));
    return slash < 0 ? QStringLiteral("/StatusNotifierItem") : entry.mid(slash);
}

} // namespace

namespace E2eStatusNotifier {

bool hostRegistered(QDBusConnection &bus)
{
    QDBusInterface watcher(WatcherService, WatcherPath, WatcherService, bus);
    return watcher.isValid() && watcher.property("IsStatusNotifierHostRegistered").toBool();
}

QStringList items(QDBusConnection &bus)
{
    QDBusInterface watcher(WatcherService, WatcherPath, WatcherService, bus);
    return watcher.property("RegisteredStatusNotifierItems").toStringList();
}

QList<QSize> iconSizes(QDBusConnection &bus, const QString &entry)
{
    QDBusMessage get = QDBusMessage::createMethodCall(serviceOf(entry), pathOf(entry),
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << ItemInterface << QStringLiteral("IconPixmap");
    const QDBusMessage reply = bus.call(get);
    QList<QSize> sizes;
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return sizes;
    const QDBusArgument pixmaps = reply.arguments().first().value<QDBusVariant>().variant().value<QDBusArgument>();
    pixmaps.beginArray();
    while (!pixmaps.atEnd()) {
        int width = 0;
        int height = 0;
        QByteArray argb;
        pixmaps.beginStructure();
        pixmaps >> width >> height >> argb;
        pixmaps.endStructure();
        if (argb.size() == qsizetype(width) * height * 4)
            sizes.append(QSize(width, height));
    }
    pixmaps.endArray();
    return sizes;
}

QVariant property(QDBusConnection &bus, const QString &entry, const QString &name)
{
    QDBusMessage get = QDBusMessage::createMethodCall(serviceOf(entry), pathOf(entry),
                                                      QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << ItemInterface << name;
    const QDBusMessage reply = bus.call(get);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return reply.arguments().first().value<QDBusVariant>().variant();
}

QList<MenuEntry> menu(QDBusConnection &bus, const QString &entry)
{
    const QString path = property(bus, entry, QStringLiteral("Menu")).value<QDBusObjectPath>().path();
    if (path.isEmpty() || path == QLatin1String("/NO_DBUSMENU"))
        return {};
    QDBusMessage call = QDBusMessage::createMethodCall(serviceOf(entry), path, QStringLiteral("com.canonical.dbusmenu"),
                                                       QStringLiteral("GetLayout"));
    call << 0 << -1 << QStringList();
    const QDBusMessage reply = bus.call(call);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2)
        return {};
    // (ia{sv}av): the root, whose children are the entries.
    const QDBusArgument root = reply.arguments().at(1).value<QDBusArgument>();
    int rootId = -1;
    QVariantMap rootProperties;
    root.beginStructure();
    root >> rootId >> rootProperties;
    QList<MenuEntry> entries;
    root.beginArray();
    while (!root.atEnd()) {
        QDBusVariant child;
        root >> child;
        const QDBusArgument item = child.variant().value<QDBusArgument>();
        MenuEntry e;
        QVariantMap properties;
        item.beginStructure();
        item >> e.id >> properties;
        item.endStructure();
        e.separator = properties.value(QStringLiteral("type")).toString() == QLatin1String("separator");
        e.label = properties.value(QStringLiteral("label")).toString();
        e.enabled = properties.value(QStringLiteral("enabled"), true).toBool();
        e.hasIcon = !properties.value(QStringLiteral("icon-data")).toByteArray().isEmpty();
        entries.append(e);
    }
    root.endArray();
    root.endStructure();
    return entries;
}

} // namespace E2eStatusNotifier

E2eTrayItem::E2eTrayItem(QDBusConnection &bus, const QString &entry)
    : m_item(serviceOf(entry), pathOf(entry), ItemInterface, bus)
{
}

bool E2eTrayItem::doubleClick()
{
    if (!m_item.isValid())
        return false;
    m_item.asyncCall(QStringLiteral("Activate"), 0, 0);
    m_item.asyncCall(QStringLiteral("Activate"), 0, 0);
    return true;
}

bool E2eTrayItem::rightClick()
{
    if (!m_item.isValid())
        return false;
    m_item.asyncCall(QStringLiteral("ContextMenu"), 0, 0);
    return true;
}
