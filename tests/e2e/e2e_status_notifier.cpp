#include "e2e_status_notifier.h"

#include <QDBusArgument>
#include <QDBusMessage>
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
