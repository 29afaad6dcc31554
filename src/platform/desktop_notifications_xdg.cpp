#include "platform/desktop_notifications.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>

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
