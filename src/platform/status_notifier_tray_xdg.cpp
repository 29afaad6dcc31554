#include "platform/status_notifier_tray.h"

#include "platform/desktop_notifications.h"
#include "platform/status_notifier_item.h"

StatusNotifierTray::StatusNotifierTray(const QIcon &icon, const QString &toolTip, QMenu *menu, QObject *parent)
    : QObject(parent)
    , m_icon(icon)
    , m_toolTip(toolTip)
    , m_menu(menu)
    , m_qtShowsItem(m_presence.hasStatusNotifierHost())
{
    connect(&m_presence, &TrayPresence::changed, this, &StatusNotifierTray::trayChanged);
    trayChanged();
}

StatusNotifierTray::~StatusNotifierTray() = default;

bool StatusNotifierTray::showMessage(const QString &title, const QString &text, int msecs)
{
    return m_item && showDesktopNotification(title, text, msecs);
}

void StatusNotifierTray::trayChanged()
{
    // Qt's XEmbed icon sits in an XEmbed tray by itself: one icon is enough.
    const bool wanted = m_presence.hasStatusNotifierHost() && (m_qtShowsItem || !m_presence.hasXEmbedTray());
    if (wanted) {
        if (!m_item) {
            m_item = new StatusNotifierItem(m_icon, m_toolTip, m_menu, this);
            connect(m_item, &StatusNotifierItem::activated, this, &StatusNotifierTray::activated);
        }
        // Again after a restart of the watcher: it forgot its items.
        if (!m_item->registerWithWatcher()) {
            delete m_item;
            m_item = nullptr;
        }
    } else if (m_item) {
        delete m_item;
        m_item = nullptr;
    }
}
