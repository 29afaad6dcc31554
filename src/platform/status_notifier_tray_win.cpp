#include "platform/status_notifier_tray.h"

// Windows always has its notification area, and Qt's icon is always in it.

StatusNotifierTray::StatusNotifierTray(const QIcon &icon, const QString &toolTip, QMenu *menu, QObject *parent)
    : QObject(parent)
    , m_icon(icon)
    , m_toolTip(toolTip)
    , m_menu(menu)
{
}

StatusNotifierTray::~StatusNotifierTray() = default;

bool StatusNotifierTray::showMessage(const QString &, const QString &, int)
{
    return false;
}

void StatusNotifierTray::trayChanged()
{
}
