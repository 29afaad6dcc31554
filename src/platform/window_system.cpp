#include "platform/window_system.h"

#include <QByteArray>
#include <QtGlobal>

bool preferX11OnWayland()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return false;
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return false;
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    return true;
}
