#include "platform/late_tray_icon.h"

#include "platform/status_notifier_item.h"

LateTrayIcon::LateTrayIcon(const QIcon &icon, const QString &toolTip, QObject *parent)
    : QObject(parent)
    , m_icon(icon)
    , m_toolTip(toolTip)
    , m_qtShowsItem(m_presence.hasStatusNotifierHost())
{
    if (!m_qtShowsItem)
        connect(&m_presence, &TrayPresence::changed, this, &LateTrayIcon::trayChanged);
}

LateTrayIcon::~LateTrayIcon() = default;

void LateTrayIcon::trayChanged()
{
    const bool wanted = m_presence.hasStatusNotifierHost() && !m_presence.hasXEmbedTray();
    if (wanted) {
        if (!m_item) {
            m_item = new StatusNotifierItem(m_icon, m_toolTip, this);
            connect(m_item, &StatusNotifierItem::activated, this, &LateTrayIcon::activated);
        }
        // Again after a restart of the watcher: it forgot its items.
        if (!m_item->registerWithWatcher()) {
            delete m_item;
            m_item = nullptr;
        }
    } else if (m_item) {
        // Qt's icon has a tray now: one icon is enough.
        delete m_item;
        m_item = nullptr;
    }
}
