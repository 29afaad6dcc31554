// The X11-on-Wayland choice made before the application object exists.
#include "../common/scoped_env.h"
#include "platform/window_system.h"

#include <QTest>

#include <optional>

namespace {

std::optional<QByteArray> valueOrUnset(const QByteArray &value)
{
    return value.isNull() ? std::nullopt : std::optional<QByteArray>(value);
}

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
        const ScopedEnv qpa("QT_QPA_PLATFORM", valueOrUnset(platform));
        const ScopedEnv waylandDisplay("WAYLAND_DISPLAY", valueOrUnset(wayland));
        const ScopedEnv x11Display("DISPLAY", valueOrUnset(display));

        QCOMPARE(preferX11OnWayland(), chose);
        QCOMPARE(qEnvironmentVariableIsSet("QT_QPA_PLATFORM"), !platformAfter.isNull());
        QCOMPARE(qgetenv("QT_QPA_PLATFORM"), platformAfter);
    }
};

QTEST_GUILESS_MAIN(TestWindowSystem)
#include "tst_window_system.moc"
