#include "platform/tray_presence.h"

#include "platform/desktop_notifications.h"

#include <QAbstractEventDispatcher>
#include <QAbstractNativeEventFilter>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusServiceWatcher>
#include <QGuiApplication>
#include <QList>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

const QString WatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString WatcherPath = QStringLiteral("/StatusNotifierWatcher");
const QString WatcherInterface = QStringLiteral("org.kde.StatusNotifierWatcher");

xcb_atom_t internAtom(xcb_connection_t *connection, const QByteArray &name)
{
    xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, uint16_t(name.size()), name.constData()), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

} // namespace

class TrayPresence::Watch final : public QAbstractNativeEventFilter
{
public:
    explicit Watch(TrayPresence &owner)
        : m_owner(owner)
    {
        watchX11();
        watchBus();
    }

    ~Watch() override
    {
        if (m_connection)
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }

    bool xembedTray() const
    {
        for (xcb_atom_t selection : m_selections) {
            xcb_get_selection_owner_reply_t *reply = xcb_get_selection_owner_reply(
                m_connection, xcb_get_selection_owner(m_connection, selection), nullptr);
            const bool owned = reply && reply->owner != XCB_WINDOW_NONE;
            std::free(reply);
            if (owned)
                return true;
        }
        return false;
    }

    // What Qt itself asks before it shows its icon as a status-notifier item.
    bool statusNotifierHost() const { return statusNotifierHostRegistered(); }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE)
            return false;
        const auto *client = static_cast<const xcb_client_message_event_t *>(message);
        if (client->type == m_manager && client->format == 32
            && m_selections.contains(xcb_atom_t(client->data.data32[1])))
            Q_EMIT m_owner.changed();
        return false;
    }

private:
    void watchX11()
    {
        auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        // Offscreen, the interface may be there without a connection.
        if (!x11 || !x11->connection())
            return;
        m_connection = x11->connection();
        m_manager = internAtom(m_connection, "MANAGER");
        int number = 0;
        for (auto it = xcb_setup_roots_iterator(xcb_get_setup(m_connection)); it.rem; xcb_screen_next(&it), ++number) {
            m_selections.append(internAtom(m_connection, "_NET_SYSTEM_TRAY_S" + QByteArray::number(number)));
            // A new tray manager tells the root window's structure listeners.
            const xcb_window_t root = it.data->root;
            xcb_get_window_attributes_reply_t *attributes =
                xcb_get_window_attributes_reply(m_connection, xcb_get_window_attributes(m_connection, root), nullptr);
            const uint32_t mask = (attributes ? attributes->your_event_mask : 0) | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            std::free(attributes);
            xcb_change_window_attributes(m_connection, root, XCB_CW_EVENT_MASK, &mask);
        }
        xcb_flush(m_connection);
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    void watchBus()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return;
        // The host registers with the watcher once the watcher is up.
        auto *watcher = new QDBusServiceWatcher(WatcherService, bus, QDBusServiceWatcher::WatchForRegistration, &m_owner);
        QObject::connect(watcher, &QDBusServiceWatcher::serviceRegistered, &m_owner, &TrayPresence::changed);
        bus.connect(WatcherService, WatcherPath, WatcherInterface, QStringLiteral("StatusNotifierHostRegistered"),
                    &m_owner, SIGNAL(changed()));
    }

    TrayPresence &m_owner;
    xcb_connection_t *m_connection = nullptr;
    xcb_atom_t m_manager = XCB_ATOM_NONE;
    QList<xcb_atom_t> m_selections;
};

TrayPresence::TrayPresence(QObject *parent)
    : QObject(parent)
    , m_watch(std::make_unique<Watch>(*this))
{
}

TrayPresence::~TrayPresence() = default;

bool TrayPresence::isPresent() const
{
    return hasXEmbedTray() || hasStatusNotifierHost();
}

bool TrayPresence::hasXEmbedTray() const
{
    return m_watch->xembedTray();
}

bool TrayPresence::hasStatusNotifierHost() const
{
    return m_watch->statusNotifierHost();
}
