#include "platform/late_tray_icon.h"

// Windows always has its notification area, and Qt's icon is always in it.

LateTrayIcon::LateTrayIcon(const QIcon &icon, const QString &toolTip, QObject *parent)
    : QObject(parent)
    , m_icon(icon)
    , m_toolTip(toolTip)
    , m_qtShowsItem(true)
{
}

LateTrayIcon::~LateTrayIcon() = default;

void LateTrayIcon::trayChanged()
{
}
