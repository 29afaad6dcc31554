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
