#include "platform/action_notifications.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QHash>
#include <QStringList>
#include <QVariantMap>

namespace {

const QString ServiceName = QStringLiteral("org.freedesktop.Notifications");
const QString ServicePath = QStringLiteral("/org/freedesktop/Notifications");

QDBusMessage serviceCall(const QString &method)
{
    return QDBusMessage::createMethodCall(ServiceName, ServicePath, ServiceName, method);
}

// timeout: milliseconds on screen, 0 until answered, -1 the service's own.
QDBusMessage notifyCall(const QString &icon, const QString &title, const QString &body,
                        const QList<ActionNotifications::Action> &actions, const QVariantMap &hints, int timeout)
{
    QStringList pairs;
    for (const ActionNotifications::Action &action : actions)
        pairs << action.first << action.second;
    QDBusMessage notify = serviceCall(QStringLiteral("Notify"));
    notify << QStringLiteral("Paperlet") << uint(0) << icon << title << body << pairs << hints << timeout;
    return notify;
}

} // namespace

// The service's own ids, which arrive with the answer to Notify, and ours.
struct ActionNotifications::Service
{
    quint64 lastToken = 0;
    QHash<uint, quint64> byId;
    QHash<quint64, uint> idOf;
    QList<quint64> closeWhenKnown;
    bool listening = false;

    // The service's answers, heard from the first notification on: listening
    // asks the bus who owns the service and waits for the reply, which no
    // start need do.
    void listen(ActionNotifications &owner)
    {
        if (listening)
            return;
        listening = true;
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.connect(ServiceName, ServicePath, ServiceName, QStringLiteral("ActionInvoked"), &owner,
                    SLOT(serviceActionInvoked(uint, QString)));
        bus.connect(ServiceName, ServicePath, ServiceName, QStringLiteral("NotificationClosed"), &owner,
                    SLOT(serviceClosed(uint, uint)));
    }

    // Hands the notification `token` to the service and learns its id.
    void send(ActionNotifications &owner, quint64 token, const QDBusMessage &notify)
    {
        listen(owner);
        auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(notify), &owner);
        QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &owner,
                         [this, &owner, token](QDBusPendingCallWatcher *call) {
                             call->deleteLater();
                             const QDBusPendingReply<uint> reply = *call;
                             if (reply.isError()) {
                                 closeWhenKnown.removeOne(token);
                                 Q_EMIT owner.closed(token);
                                 return;
                             }
                             byId.insert(reply.value(), token);
                             idOf.insert(token, reply.value());
                             if (closeWhenKnown.removeOne(token))
                                 owner.close(token);
                         });
    }
};

ActionNotifications::ActionNotifications(QObject *parent) : QObject(parent), m_service(std::make_unique<Service>())
{
}

ActionNotifications::~ActionNotifications() = default;

quint64 ActionNotifications::show(const QString &title, const QString &body, const QList<Action> &actions)
{
    if (!QDBusConnection::sessionBus().isConnected())
        return 0;
    QVariantMap hints;
    // Kept on screen until answered, where the server allows it.
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(1)));
    hints.insert(QStringLiteral("resident"), true);
    const quint64 token = ++m_service->lastToken;
    m_service->send(*this, token, notifyCall(QStringLiteral("appointment-soon"), title, body, actions, hints, 0));
    return token;
}

quint64 ActionNotifications::offer(const QString &icon, const QString &title, const QString &body,
                                   const QList<Action> &actions)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return 0;
    const quint64 token = ++m_service->lastToken;
    // Asked every time: the service may be another one by now. Not waited
    // for, as a service started on demand may take a while.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(serviceCall(QStringLiteral("GetCapabilities"))), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, token, icon, title, body, actions](QDBusPendingCallWatcher *call) {
                call->deleteLater();
                const QDBusPendingReply<QStringList> reply = *call;
                const bool closedAlready = m_service->closeWhenKnown.removeOne(token);
                if (closedAlready || reply.isError() || !reply.value().contains(QStringLiteral("actions"))) {
                    Q_EMIT closed(token);
                    return;
                }
                // A service that reads markup would take "<" or "&" in a title for it.
                const bool markup = reply.value().contains(QStringLiteral("body-markup"));
                m_service->send(*this, token, notifyCall(icon, title, markup ? body.toHtmlEscaped() : body, actions,
                                                         QVariantMap(), -1));
            });
    return token;
}

void ActionNotifications::close(quint64 notification)
{
    const auto it = m_service->idOf.constFind(notification);
    if (it == m_service->idOf.constEnd()) {
        if (notification > 0 && notification <= m_service->lastToken)
            m_service->closeWhenKnown.append(notification);
        return;
    }
    QDBusMessage call = serviceCall(QStringLiteral("CloseNotification"));
    call << *it;
    QDBusConnection::sessionBus().send(call);
}

void ActionNotifications::serviceActionInvoked(uint id, const QString &key)
{
    // Every program's notifications are announced on the bus: ours only.
    if (const auto it = m_service->byId.constFind(id); it != m_service->byId.constEnd())
        Q_EMIT actionInvoked(*it, key);
}

void ActionNotifications::serviceClosed(uint id, uint)
{
    const auto it = m_service->byId.constFind(id);
    if (it == m_service->byId.constEnd())
        return;
    const quint64 token = *it;
    m_service->byId.erase(it);
    m_service->idOf.remove(token);
    Q_EMIT closed(token);
}
