#include "platform/desktop_notifications.h"

bool statusNotifierHostRegistered()
{
    return false;
}

bool desktopShowsTrayMessages()
{
    // The notification area shows the balloons itself.
    return true;
}

bool showDesktopNotification(const QString &, const QString &, int)
{
    // Qt's tray icon shows Windows' own balloon.
    return false;
}
