// The X11-on-Wayland choice made before the application object exists.
#include "platform/window_system.h"

#include <QTest>

namespace {

// Sets or unsets a variable for the test's lifetime and puts it back after.
class VariableOverride final
{
public:
    VariableOverride(const char *name, const QByteArray &value)
        : m_name(name), m_wasSet(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~VariableOverride()
    {
        if (m_wasSet)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    VariableOverride(const VariableOverride &) = delete;
    VariableOverride &operator=(const VariableOverride &) = delete;

private:
    const char *m_name;
    bool m_wasSet;
    QByteArray m_old;
};

} // namespace

class TestWindowSystem final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void prefersX11OnlyOnAWaylandDesktopWithX11_data()
    {
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<bool>("chose");
        QTest::addColumn<QByteArray>("platformAfter");
        const QByteArray unset;
        QTest::newRow("Wayland with X11: X11 first") << unset << QByteArray("wayland-0") << QByteArray(":0") << true
                                                     << QByteArray("xcb;wayland");
        QTest::newRow("Wayland without X11: left to Qt") << unset << QByteArray("wayland-0") << unset << false << unset;
        QTest::newRow("X11 alone: left to Qt") << unset << unset << QByteArray(":0") << false << unset;
        QTest::newRow("the user's choice stands") << QByteArray("wayland") << QByteArray("wayland-0")
                                                  << QByteArray(":0") << false << QByteArray("wayland");
    }

    void prefersX11OnlyOnAWaylandDesktopWithX11()
    {
        QFETCH(QByteArray, platform);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, display);
        QFETCH(bool, chose);
        QFETCH(QByteArray, platformAfter);
        const VariableOverride qpa("QT_QPA_PLATFORM", platform);
        const VariableOverride waylandDisplay("WAYLAND_DISPLAY", wayland);
        const VariableOverride x11Display("DISPLAY", display);

        QCOMPARE(preferX11OnWayland(), chose);
        QCOMPARE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"), !platformAfter.isNull());
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), platformAfter);
    }
};

QTEST_GUILESS_MAIN(TestWindowSystem)
#include "tst_window_system.moc"
