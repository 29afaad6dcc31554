#include "platform/desktop_notifications.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

bool statusNotifierHostRegistered()
{
    const QString watcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface() || !bus.interface()->isServiceRegistered(watcherService))
        return false;
    QDBusInterface watcher(watcherService, QStringLiteral("/StatusNotifierWatcher"), watcherService, bus);
    return watcher.property("IsStatusNotifierHostRegistered").toBool();
}

bool desktopShowsTrayMessages()
{
    return statusNotifierHostRegistered();
}

bool showDesktopNotification(const QString &title, const QString &text, int msecs)
{
    const QString service = QStringLiteral("org.freedesktop.Notifications");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage notify = QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/Notifications"),
                                                         service, QStringLiteral("Notify"));
    // The information icon by its freedesktop name, as Qt's tray sends it.
    notify << QStringLiteral("Paperlet") << uint(0) << QStringLiteral("dialog-information") << title << text
           << QStringList() << QVariantMap() << msecs;
    return bus.send(notify);
}
