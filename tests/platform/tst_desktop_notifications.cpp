// Whether the desktop shows the tray icon's messages itself, asked of a
// private session bus with a stand-in status-notifier watcher.
#include "e2e_session.h"
#include "platform/desktop_notifications.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QTest>
#include <QThread>

#include <memory>

namespace {

const QString WatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");

// The part of a status-notifier watcher that the question reads.
class FakeWatcher final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
public:
    explicit FakeWatcher(bool hostRegistered) : m_hostRegistered(hostRegistered) {}
    bool hostRegistered() const { return m_hostRegistered; }

private:
    bool m_hostRegistered;
};

// A watcher on a connection of its own, answering from a thread of its own
// while the test's thread waits for the reply.
class WatcherOnBus final
{
public:
    WatcherOnBus(const QString &address, bool hostRegistered)
        : m_connection(QDBusConnection::connectToBus(address, QStringLiteral("watcher")))
        , m_watcher(std::make_unique<FakeWatcher>(hostRegistered))
    {
        m_thread.start();
        m_watcher->moveToThread(&m_thread);
        m_connection.registerObject(QStringLiteral("/StatusNotifierWatcher"), m_watcher.get(),
                                    QDBusConnection::ExportAllProperties);
        m_registered = m_connection.registerService(WatcherService);
    }
    ~WatcherOnBus()
    {
        m_connection.unregisterService(WatcherService);
        m_connection.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
        m_thread.quit();
        m_thread.wait();
        QDBusConnection::disconnectFromBus(m_connection.name());
    }
    WatcherOnBus(const WatcherOnBus &) = delete;
    WatcherOnBus &operator=(const WatcherOnBus &) = delete;

    bool registered() const { return m_registered; }

private:
    QDBusConnection m_connection;
    QThread m_thread;
    std::unique_ptr<FakeWatcher> m_watcher;
    bool m_registered = false;
};

} // namespace

class TestDesktopNotifications final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        m_bus = std::make_unique<E2eBus>();
        if (m_bus->address().isEmpty())
            QSKIP("dbus-daemon did not start");
        // Before the first use of the session bus, which Qt then keeps.
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_bus->address().toUtf8());
    }

    void asksForARegisteredHostAsQtDoes_data()
    {
        QTest::addColumn<bool>("watcher");
        QTest::addColumn<bool>("host");
        QTest::addColumn<bool>("shown");
        QTest::newRow("no watcher: our own balloon") << false << false << false;
        QTest::newRow("a watcher without a host: our own balloon") << true << false << false;
        QTest::newRow("a watcher with a host: the desktop's service") << true << true << true;
    }

    void asksForARegisteredHostAsQtDoes()
    {
        QFETCH(bool, watcher);
        QFETCH(bool, host);
        QFETCH(bool, shown);
        std::unique_ptr<WatcherOnBus> onBus;
        if (watcher) {
            onBus = std::make_unique<WatcherOnBus>(m_bus->address(), host);
            QVERIFY(onBus->registered());
        }
        QCOMPARE(QDBusConnection::sessionBus().interface()->isServiceRegistered(WatcherService).value(), watcher);
        QCOMPARE(statusNotifierHostRegistered(), shown);
        QCOMPARE(desktopShowsTrayMessages(), shown);
    }

private:
    std::unique_ptr<E2eBus> m_bus;
};

QTEST_GUILESS_MAIN(TestDesktopNotifications)
#include "tst_desktop_notifications.moc"
