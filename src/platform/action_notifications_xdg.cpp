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

} // namespace

// The service's own ids, which arrive with the answer to Notify, and ours.
struct ActionNotifications::Service
{
    quint64 lastToken = 0;
    QHash<uint, quint64> byId;
    QHash<quint64, uint> idOf;
    QList<quint64> closeWhenKnown;
};

ActionNotifications::ActionNotifications(QObject *parent) : QObject(parent), m_service(std::make_unique<Service>())
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(ServiceName, ServicePath, ServiceName, QStringLiteral("ActionInvoked"), this,
                SLOT(serviceActionInvoked(uint, QString)));
    bus.connect(ServiceName, ServicePath, ServiceName, QStringLiteral("NotificationClosed"), this,
                SLOT(serviceClosed(uint, uint)));
}

ActionNotifications::~ActionNotifications() = default;

quint64 ActionNotifications::show(const QString &title, const QString &body, const QList<Action> &actions)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return 0;
    QStringList pairs;
    for (const Action &action : actions)
        pairs << action.first << action.second;
    QVariantMap hints;
    // Kept on screen until answered, where the server allows it.
    hints.insert(QStringLiteral("urgency"), QVariant::fromValue(uchar(1)));
    hints.insert(QStringLiteral("resident"), true);
    QDBusMessage notify = QDBusMessage::createMethodCall(ServiceName, ServicePath, ServiceName, QStringLiteral("Notify"));
    notify << QStringLiteral("Paperlet") << uint(0) << QStringLiteral("appointment-soon") << title << body << pairs
           << hints << int(0);
    const quint64 token = ++m_service->lastToken;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(notify), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, token](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        const QDBusPendingReply<uint> reply = *call;
        if (reply.isError()) {
            m_service->closeWhenKnown.removeOne(token);
            Q_EMIT closed(token);
            return;
        }
        m_service->byId.insert(reply.value(), token);
        m_service->idOf.insert(token, reply.value());
        if (m_service->closeWhenKnown.removeOne(token))
            close(token);
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
    QDBusMessage call = QDBusMessage::createMethodCall(ServiceName, ServicePath, ServiceName,
                                                       QStringLiteral("CloseNotification"));
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
