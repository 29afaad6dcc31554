#include "e2e_notify_recorder.h"

#include <QDBusMessage>
#include <QFile>
#include <QJsonDocument>
#include <QProcessEnvironment>

#include <algorithm>

namespace {

const QString Service = QStringLiteral("org.freedesktop.Notifications");
const QString ServicePath = QStringLiteral("/org/freedesktop/Notifications");

} // namespace

E2eNotifyRecorder::E2eNotifyRecorder(const QString &busAddress, const QString &folder, const QStringList &capabilities)
    : m_log(folder + QStringLiteral("/notifications.jsonl"))
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
    m_process.setProcessEnvironment(env);
    m_process.setProcessChannelMode(QProcess::ForwardedChannels);
    QStringList arguments{QStringLiteral(PAPERLET_NOTIFY_RECORDER), m_log};
    if (!capabilities.isEmpty())
        arguments << capabilities.join(QLatin1Char(','));
    // Debian's own Python, which has python3-dbus and python3-gi.
    m_process.start(QStringLiteral("/usr/bin/python3"), arguments);
    m_bus = QDBusConnection::connectToBus(busAddress, QStringLiteral("notify-recorder-probe"));
    m_up = m_process.waitForStarted() && E2eSession::waitFor([this] {
               return m_process.state() != QProcess::Running || !records(QStringLiteral("ready")).isEmpty();
           }) && m_process.state() == QProcess::Running;
}

E2eNotifyRecorder::~E2eNotifyRecorder()
{
    E2eSession::stopProcess(m_process);
    QDBusConnection::disconnectFromBus(m_bus.name());
}

QList<QJsonObject> E2eNotifyRecorder::records(const QString &key) const
{
    QFile file(m_log);
    QList<QJsonObject> found;
    if (!file.open(QIODevice::ReadOnly))
        return found;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QJsonObject record = QJsonDocument::fromJson(line).object();
        if (record.contains(key))
            found.append(record);
    }
    return found;
}

int E2eNotifyRecorder::capabilityQueries() const
{
    const QList<QJsonObject> queries = records(QStringLiteral("capabilities"));
    return int(std::count_if(queries.begin(), queries.end(), [this](const QJsonObject &query) {
        return query.value(QStringLiteral("capabilities")).toString() != m_bus.baseService();
    }));
}

bool E2eNotifyRecorder::invoke(int id, const QString &action)
{
    QDBusMessage call = QDBusMessage::createMethodCall(Service, ServicePath, Service, QStringLiteral("Invoke"));
    call << uint(id) << action;
    return m_bus.call(call).type() == QDBusMessage::ReplyMessage;
}

bool E2eNotifyRecorder::roundTrip()
{
    const QDBusMessage call = QDBusMessage::createMethodCall(Service, ServicePath, Service,
                                                             QStringLiteral("GetCapabilities"));
    return m_bus.call(call).type() == QDBusMessage::ReplyMessage;
}
