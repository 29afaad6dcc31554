#pragma once

// The desktop's notification service for end-to-end cases: the rigs'
// recorder (tests/e2e/helpers/notify_recorder.py) on the case's private bus,
// logging every notification as a JSON line, answering as a user would, and
// stopped by its process id.

#include "e2e_session.h"

#include <QDBusConnection>
#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>

class E2eNotifyRecorder final
{
public:
    // folder: where its log goes. capabilities: what GetCapabilities
    // answers; empty for the recorder's own list (which has "actions").
    E2eNotifyRecorder(const QString &busAddress, const QString &folder, const QStringList &capabilities = {});
    ~E2eNotifyRecorder();
    E2eNotifyRecorder(const E2eNotifyRecorder &) = delete;
    E2eNotifyRecorder &operator=(const E2eNotifyRecorder &) = delete;

    bool isUp() const { return m_up; }

    // The logged lines that have `key`.
    QList<QJsonObject> records(const QString &key) const;
    QList<QJsonObject> notifications() const { return records(QStringLiteral("summary")); }
    // How often a program (not this one's round trips) asked what the
    // service can do.
    int capabilityQueries() const;

    // Answers notification `id` as a click on its button `action` does.
    bool invoke(int id, const QString &action);
    // A round trip: what was sent to the recorder before has been logged.
    bool roundTrip();

private:
    QProcess m_process;
    QDBusConnection m_bus{QString()};
    QString m_log;
    bool m_up = false;
};

// A private bus for the session's copies with the recorder on it.
#define E2E_RECORDER_WITH(recorder, bus, session, capabilities)                               \
    E2E_BUS(bus, session);                                                                    \
    E2eNotifyRecorder recorder(bus.address(), session.homeFolder(), capabilities);            \
    QVERIFY2(recorder.isUp(), "the notification recorder did not start")
#define E2E_RECORDER(recorder, bus, session) E2E_RECORDER_WITH(recorder, bus, session, QStringList())
