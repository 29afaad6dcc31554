// Resume notices: logind's PrepareForSleep, sent on a private bus by a
// connection that owns logind's name (logind itself does not run here).
#include "e2e_session.h"
#include "platform/clock_events.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QSignalSpy>
#include <QTest>

namespace {

void sendPrepareForSleep(QDBusConnection &bus, bool goingToSleep)
{
    QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                     QStringLiteral("org.freedesktop.login1.Manager"),
                                                     QStringLiteral("PrepareForSleep"));
    signal << goingToSleep;
    QVERIFY(bus.send(signal));
}

} // namespace

class TestClockEvents final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void resumeIsToldOnceGoingToSleepNot()
    {
        E2eBus bus;
        QVERIFY2(!bus.address().isEmpty(), "dbus-daemon did not start");
        ClockEvents events(bus.address());
        QVERIFY(events.watchesSleep());
        QSignalSpy resumed(&events, &ClockEvents::resumed);

        QDBusConnection stranger = QDBusConnection::connectToBus(bus.address(), QStringLiteral("stranger"));
        QDBusConnection logind = QDBusConnection::connectToBus(bus.address(), QStringLiteral("logind"));
        QVERIFY(logind.registerService(QStringLiteral("org.freedesktop.login1")));

        // From anyone but logind it means nothing.
        sendPrepareForSleep(stranger, false);
        sendPrepareForSleep(logind, true);
        QVERIFY(!resumed.wait(500));
        sendPrepareForSleep(logind, false);
        QVERIFY(resumed.wait(5000));
        // No second resume follows the one logind announced.
        QVERIFY(!resumed.wait(500));
        QCOMPARE(resumed.size(), 1);
        QDBusConnection::disconnectFromBus(stranger.name());
        QDBusConnection::disconnectFromBus(logind.name());
    }

    void noSleepBusIsNoFailure()
    {
        ClockEvents events(QStringLiteral("unix:path=/nonexistent/bus"));
        QVERIFY(!events.watchesSleep());
    }
};

QTEST_GUILESS_MAIN(TestClockEvents)
#include "tst_clock_events.moc"
