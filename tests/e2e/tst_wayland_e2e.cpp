// Wayland sessions: a headless sway with XWayland, optionally with its bar
// as the tray, and a headless mutter with XWayland for stored places.
// sway will not run as root, so it runs as "nobody"; its X side lets this
// test's user in, and a bus of the test's own serves both users. sway places
// every window itself (a tiling desktop), so what is checked there is what
// such a desktop allows: the program starts as an X client, its notes open
// as sway's windows, the command line works, the tray works in the bar.

#include "e2e_session.h"
#include "e2e_status_notifier.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <memory>
#include <utility>

namespace {

const QByteArray QuietSettings = "CheckForUpdates=0\r\n";
const QString NewNoteTitle = QStringLiteral("New Note");
const QString DesktopUser = QStringLiteral("nobody");
const QColor NoteYellow(0xFF, 0xE8, 0x5C);   // the tray icon's paper
constexpr int BarHeight = 28;

// Both users on one bus: sway's bar runs as the desktop's user, the program
// and this test as root.
const QByteArray BusConfig = R"(<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)";

// sway hands its X display to what it starts: the last line writes it down.
const QByteArray SwayConfig = "xwayland force\n"
                              "output HEADLESS-1 resolution 1280x800 position 0,0 bg #202020 solid_color\n"
                              "default_border none\n"
                              "default_floating_border none\n"
                              "focus_follows_mouse no\n"
                              "exec sh -c 'echo \"$DISPLAY\" > \"$XDG_RUNTIME_DIR/display.tmp\""
                              " && mv \"$XDG_RUNTIME_DIR/display.tmp\" \"$XDG_RUNTIME_DIR/display\"'\n";

const QByteArray BarConfig = "bar {\n"
                             "    position top\n"
                             "    height 28\n"
                             "    tray_output *\n"
                             "    tray_padding 2\n"
                             "}\n";

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The windows of a sway tree, floating ones included, as JSON objects.
void collectWindows(const QJsonObject &node, QList<QJsonObject> &windows)
{
    if (node.contains(QStringLiteral("pid")) && node.value(QStringLiteral("type")).toString().endsWith(QStringLiteral("con")))
        windows.append(node);
    for (const char *children : {"nodes", "floating_nodes"})
        for (const QJsonValue child : node.value(QLatin1String(children)).toArray())
            collectWindows(child.toObject(), windows);
}

// What every compositor run here has: a folder of its own with its runtime
// folder, its X display made the display of this test process while it
// lives, and the processes it started, found by that runtime folder.
class WaylandRun final
{
public:
    WaylandRun()
        : m_runtime(QDir(m_folder.path()).filePath(QStringLiteral("runtime")))
        , m_previousDisplay(qgetenv("DISPLAY"))
        , m_previousAuthority(qgetenv("XAUTHORITY"))
    {
        QDir().mkpath(m_runtime);
        QFile::setPermissions(m_runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    ~WaylandRun()
    {
        // Its X server and helpers are no children of the compositor (they
        // were forked twice) and outlive it for a moment.
        if (!E2eSession::waitFor([this] { return processes().isEmpty(); }, 5000))
            for (const pid_t process : processes())
                ::kill(process, SIGTERM);
        for (const auto &[name, value] : {std::pair{"DISPLAY", m_previousDisplay}, {"XAUTHORITY", m_previousAuthority}})
            value.isEmpty() ? qunsetenv(name) : qputenv(name, value);
    }

    QString folder() const { return m_folder.path(); }
    QString runtime() const { return m_runtime; }
    QString inRuntime(const QString &name) const { return QDir(m_runtime).filePath(name); }
    // The first entry of the runtime folder that matches, as a full path.
    QString findInRuntime(const QString &pattern) const
    {
        const QStringList found = QDir(m_runtime).entryList({pattern}, QDir::System | QDir::Hidden | QDir::Files);
        return found.isEmpty() ? QString() : inRuntime(found.first());
    }

    void useDisplay(const QString &display, const QString &wayland, const QString &authority = QString())
    {
        m_display = display;
        m_wayland = wayland;
        m_authority = authority;
        qputenv("DISPLAY", display.toLatin1());
        authority.isEmpty() ? qunsetenv("XAUTHORITY") : qputenv("XAUTHORITY", authority.toLocal8Bit());
    }
    bool hasDisplay() const { return !m_display.isEmpty() && !m_wayland.isEmpty(); }

    // What a program of this session gets: the compositor's sockets and the bus.
    void enter(E2eSession &session, const QString &busAddress) const
    {
        session.setEnvironment(QStringLiteral("DISPLAY"), m_display);
        session.setEnvironment(QStringLiteral("XAUTHORITY"), m_authority);
        session.setEnvironment(QStringLiteral("WAYLAND_DISPLAY"), m_wayland);
        session.setEnvironment(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
        session.setEnvironment(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
        // The program chooses its platform itself, as on a user's desktop.
        session.setEnvironment(QStringLiteral("QT_QPA_PLATFORM"), QString());
    }

private:
    // The processes that live in this runtime folder.
    QList<pid_t> processes() const
    {
        const QByteArray mark = "XDG_RUNTIME_DIR=" + m_runtime.toLocal8Bit();
        QList<pid_t> found;
        for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
            const pid_t pid = pid_t(entry.toInt());
            if (pid > 0 && pid != ::getpid()
                && readFile(QStringLiteral("/proc/%1/environ").arg(pid)).split('\0').contains(mark))
                found.append(pid);
        }
        return found;
    }

    QTemporaryDir m_folder{QDir::tempPath() + QStringLiteral("/paperlet-wayland-XXXXXX")};
    QString m_runtime;
    QByteArray m_previousDisplay;
    QByteArray m_previousAuthority;
    QString m_display;
    QString m_wayland;
    QString m_authority;
};

// The desktop: sway (and its bar) as an unprivileged user on a bus of its
// own; every process it starts is stopped by its id when it goes.
class SwayDesktop final
{
public:
    explicit SwayDesktop(bool withBar)
        : m_busConfig(QDir(m_run.folder()).filePath(QStringLiteral("bus.conf")))
        , m_bus((writeFile(m_busConfig, BusConfig), QProcessEnvironment::systemEnvironment()), m_busConfig)
    {
        const passwd *user = ::getpwnam(qPrintable(DesktopUser));
        if (!user || m_bus.address().isEmpty())
            return;
        const QString config = m_run.inRuntime(QStringLiteral("sway.conf"));
        writeFile(config, SwayConfig + (withBar ? BarConfig : QByteArray()));
        for (const QString &path : {m_run.folder(), m_run.runtime(), config})
            if (::chown(qPrintable(path), user->pw_uid, user->pw_gid) != 0)
                return;

        m_sway.setProcessEnvironment(userEnvironment());
        m_sway.setProcessChannelMode(QProcess::MergedChannels);
        m_sway.start(QStringLiteral("setpriv"), asUser({QStringLiteral("sway"), QStringLiteral("-c"), config}));
        const QString displayFile = m_run.inRuntime(QStringLiteral("display"));
        if (!E2eSession::waitFor([&] { return QFile::exists(displayFile) || m_sway.state() == QProcess::NotRunning; }))
            return;
        const QString display = QString::fromLatin1(readFile(displayFile)).trimmed();
        // The X server lets in its own user only; this test and the program are root.
        QProcess xhost;
        QProcessEnvironment env = userEnvironment();
        env.insert(QStringLiteral("DISPLAY"), display);
        xhost.setProcessEnvironment(env);
        xhost.start(QStringLiteral("setpriv"), asUser({QStringLiteral("xhost"), QStringLiteral("+si:localuser:root")}));
        if (display.isEmpty() || !xhost.waitForFinished(20000) || xhost.exitCode() != 0)
            return;
        m_run.useDisplay(display, m_run.findInRuntime(QStringLiteral("wayland-?")));
        m_ipc = m_run.findInRuntime(QStringLiteral("sway-ipc.*.sock"));
        m_connection = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("e2e-sway")));
    }

    ~SwayDesktop()
    {
        if (!m_ipc.isEmpty() && m_sway.state() == QProcess::Running)
            swaymsg({QStringLiteral("exit")});
        if (!m_sway.waitForFinished(5000))
            E2eSession::stopProcess(m_sway);
        if (m_connection)
            QDBusConnection::disconnectFromBus(m_connection->name());
    }

    bool isUp() const
    {
        return m_connection && m_connection->isConnected() && m_sway.state() == QProcess::Running
            && m_run.hasDisplay() && !m_ipc.isEmpty();
    }
    QString log() { return QString::fromLocal8Bit(m_sway.readAll()); }
    void enter(E2eSession &session) const { m_run.enter(session, m_bus.address()); }

    QDBusConnection &bus() { return *m_connection; }

    bool hostRegistered() { return E2eStatusNotifier::hostRegistered(bus()); }
    QStringList items() { return E2eStatusNotifier::items(bus()); }

    // The windows sway manages for this process.
    QList<QJsonObject> windowsOf(qint64 pid)
    {
        const QJsonObject tree = QJsonDocument::fromJson(swaymsg({QStringLiteral("-t"), QStringLiteral("get_tree")})).object();
        QList<QJsonObject> all;
        collectWindows(tree, all);
        QList<QJsonObject> mine;
        for (const QJsonObject &window : all)
            if (window.value(QStringLiteral("pid")).toInteger() == pid)
                mine.append(window);
        return mine;
    }

    // The whole output as the compositor shows it.
    QImage screenshot()
    {
        const QString path = m_run.inRuntime(QStringLiteral("shot.png"));
        QFile::remove(path);
        QProcess grim;
        grim.setProcessEnvironment(userEnvironment());
        grim.start(QStringLiteral("setpriv"), asUser({QStringLiteral("grim"), path}));
        grim.waitForFinished(20000);
        return QImage(path);
    }

private:
    QProcessEnvironment userEnvironment() const
    {
        QProcessEnvironment env;
        env.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        env.insert(QStringLiteral("HOME"), m_run.runtime());
        env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_run.runtime());
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus.address());
        env.insert(QStringLiteral("WLR_BACKENDS"), QStringLiteral("headless"));
        env.insert(QStringLiteral("WLR_RENDERER"), QStringLiteral("pixman"));
        env.insert(QStringLiteral("WLR_LIBINPUT_NO_DEVICES"), QStringLiteral("1"));
        env.insert(QStringLiteral("WLR_HEADLESS_OUTPUTS"), QStringLiteral("1"));
        const QString wayland = m_run.findInRuntime(QStringLiteral("wayland-?"));
        if (!wayland.isEmpty())
            env.insert(QStringLiteral("WAYLAND_DISPLAY"), wayland);
        return env;
    }

    // setpriv runs the command in its own process: the id QProcess knows is the command's.
    static QStringList asUser(const QStringList &command)
    {
        return QStringList{QStringLiteral("--reuid=") + DesktopUser, QStringLiteral("--regid=nogroup"),
                           QStringLiteral("--clear-groups"), QStringLiteral("--")}
            + command;
    }

    QByteArray swaymsg(const QStringList &arguments) const
    {
        QProcess msg;
        msg.start(QStringLiteral("swaymsg"), QStringList{QStringLiteral("-s"), m_ipc} + arguments);
        msg.waitForFinished(20000);
        return msg.readAllStandardOutput();
    }

    WaylandRun m_run;
    QString m_busConfig;
    E2eBus m_bus;
    QProcess m_sway;
    QString m_ipc;
    std::unique_ptr<QDBusConnection> m_connection;
};

// A desktop that lets X clients place their windows: the GNOME compositor,
// headless with one virtual monitor and XWayland, on a bus of its own (it
// runs as root).
class MutterDesktop final
{
public:
    MutterDesktop()
        : m_bus(busEnvironment())
    {
        if (m_bus.address().isEmpty())
            return;
        QProcessEnvironment env = busEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus.address());
        m_mutter.setProcessEnvironment(env);
        m_mutter.setProcessChannelMode(QProcess::MergedChannels);
        m_mutter.start(QStringLiteral("mutter"), {QStringLiteral("--headless"), QStringLiteral("--virtual-monitor"),
                                                  QStringLiteral("1280x800"), QStringLiteral("--wayland")});
        // "Using public X11 display :1, (using :2 for managed services)"
        const QByteArray marker = "Using public X11 display ";
        if (!E2eSession::waitFor([&] {
                m_log += m_mutter.readAll();
                return m_log.contains(marker) || m_mutter.state() == QProcess::NotRunning;
            }))
            return;
        const qsizetype at = m_log.indexOf(marker);
        if (at < 0)
            return;
        const QByteArray rest = m_log.mid(at + marker.size());
        const QString display = QString::fromLatin1(rest.left(rest.indexOf(',')));
        m_run.useDisplay(display, m_run.findInRuntime(QStringLiteral("wayland-?")),
                         m_run.findInRuntime(QStringLiteral(".mutter-Xwaylandauth.*")));
    }

    ~MutterDesktop() { E2eSession::stopProcess(m_mutter); }

    bool isUp() const { return m_mutter.state() == QProcess::Running && m_run.hasDisplay(); }
    QString log() { return QString::fromLocal8Bit(m_log + m_mutter.readAll()); }
    void enter(E2eSession &session) const { m_run.enter(session, m_bus.address()); }

private:
    // The bus hands it to the services it starts, which so count as this run's.
    QProcessEnvironment busEnvironment() const
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_run.runtime());
        env.insert(QStringLiteral("HOME"), m_run.folder());
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        return env;
    }

    WaylandRun m_run;
    E2eBus m_bus;
    QProcess m_mutter;
    QByteArray m_log;
};

bool waitForSwayWindows(SwayDesktop &desktop, const E2eProgram &app, int count)
{
    return E2eSession::waitFor([&] { return desktop.windowsOf(app.pid()).size() == count; });
}

// Whether the bar along the top shows the tray icon's paper.
bool barShowsIcon(const QImage &shot)
{
    for (int y = 0; y < qMin(BarHeight, shot.height()); ++y)
        for (int x = 0; x < shot.width(); ++x)
        {
            const QColor c = shot.pixelColor(x, y);
            // The bar scales the picture: the paper's middle keeps its colour, nearly.
            if (qAbs(c.red() - NoteYellow.red()) <= 8 && qAbs(c.green() - NoteYellow.green()) <= 8
                && qAbs(c.blue() - NoteYellow.blue()) <= 8)
                return true;
        }
    return false;
}

} // namespace

class TestWayland final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void notesAndCommandLine();
    void trayInSwayBar();
    void noteStatesUnderSway();
    void storedPlacesUnderMutter();
};

#define SWAY_SESSION(session, desktop, withBar)                                   \
    SwayDesktop desktop(withBar);                                                 \
    QVERIFY2(desktop.isUp(), qPrintable(QStringLiteral("sway did not come up: ") + desktop.log())); \
    E2eSession session;                                                           \
    desktop.enter(session);                                                       \
    session.seedSettings(QuietSettings)

void TestWayland::notesAndCommandLine()
{
    SWAY_SESSION(session, desktop, false);
    session.seedNote(QStringLiteral("1.pnf"), E2eSession::noteFile(100, 100, "Kept", "kept text"));
    E2eProgram &app = session.start();
    // An X client of XWayland, managed by sway.
    QVERIFY(app.waitForWindow(QStringLiteral("Kept"), E2eProgram::ViewableOnly));
    QVERIFY(waitForSwayWindows(desktop, app, 1));
    QCOMPARE(desktop.windowsOf(app.pid()).first().value(QStringLiteral("shell")).toString(), QStringLiteral("xwayland"));

    E2eProgram &newNote = session.start({QStringLiteral("--new-note")});
    QVERIFY(newNote.waitForExit());
    QCOMPARE(newNote.exitCode(), 0);
    QVERIFY(app.waitForWindow(NewNoteTitle, E2eProgram::ViewableOnly));
    QVERIFY(waitForSwayWindows(desktop, app, 2));

    E2eProgram &exit = session.start({QStringLiteral("--exit")});
    QVERIFY(exit.waitForExit());
    QCOMPARE(exit.exitCode(), 0);
    QVERIFY(app.waitForExit());
    QCOMPARE(app.exitCode(), 0);
    // Written back in the orderly teardown; the empty new note leaves nothing.
    QCOMPARE(session.noteFiles(), QStringList{QStringLiteral("1.pnf")});
    QVERIFY(session.readNote(QStringLiteral("1.pnf")).contains("kept text"));
}

void TestWayland::trayInSwayBar()
{
    SWAY_SESSION(session, desktop, true);
    QVERIFY(E2eSession::waitFor([&] { return desktop.hostRegistered(); }));
    E2eProgram &app = session.start();
    QStringList items;
    QVERIFY(E2eSession::waitFor([&] { return !(items = desktop.items()).isEmpty(); }));
    QImage shot;
    QVERIFY(E2eSession::waitFor([&] { return barShowsIcon(shot = desktop.screenshot()); }));

    // What the bar sends on a double click: two activations.
    E2eTrayItem icon(desktop.bus(), items.first());
    QVERIFY(icon.doubleClick());
    QVERIFY(app.waitForWindow(NewNoteTitle, E2eProgram::ViewableOnly));
    QVERIFY(waitForSwayWindows(desktop, app, 1));

    // The bar reports a right click only as Context: the program's own menu.
    QVERIFY(icon.rightClick());
    QVERIFY(app.waitForPopupMenu());
    E2eSession::keys({QStringLiteral("Up"), QStringLiteral("Return")});   // Exit
    QVERIFY(app.waitForExit());
    QCOMPARE(app.exitCode(), 0);
}

// What a note's states come to under sway (docs/desktops.md says it in
// words). Each is picked in the note menu, written to the file and back
// after a restart whatever the compositor makes of it; sway resizes a
// floating window as asked down to its minimum, so a note rolls up. Always on top and all
// workspaces have no X11 request that sway serves: it writes _NET_WM_STATE
// itself and has no _NET_WM_DESKTOP; what it shows is logged.
void TestWayland::noteStatesUnderSway()
{
    SWAY_SESSION(session, desktop, false);
    session.seedNote(QStringLiteral("1.pnf"), E2eSession::noteFile(100, 100, "States", "state text"));
    const auto start = [&]() -> std::pair<E2eProgram *, XWindow> {
        E2eProgram &app = session.start();
        return {&app, app.waitForWindow(QStringLiteral("States"), E2eProgram::ViewableOnly)};
    };
    auto [app, note] = start();
    QVERIFY(note);
    QVERIFY(waitForSwayWindows(desktop, *app, 1));
    // The items as the keys reach them: New Note, then the states.
    enum { OnTop = 1, AllWorkspaces = 2, RollUp = 3, Lock = 4 };
    const auto pick = [&](int item) {
        // The note menu's key: sway may stretch a rolled note's bar.
        E2eSession::focus(note);
        E2eSession::key(QStringLiteral("F10"));
        QVERIFY(app->waitForPopupMenu());
        E2eSession::pickMenuItem(item);
        QVERIFY(E2eSession::waitForGrab(false));
    };
    const auto height = [&] { return E2eSession::geometry(note).value_or(QRect()).height(); };
    const auto swayHeight = [&] {
        const QList<QJsonObject> windows = desktop.windowsOf(app->pid());
        return windows.isEmpty() ? -1 : windows.first().value(QStringLiteral("rect")).toObject().value(QStringLiteral("height")).toInt();
    };

    const std::pair<int, QByteArray> states[] = {
        {OnTop, "{\\ontop}"}, {AllWorkspaces, "{\\sticky}"}, {RollUp, "{\\rolled}"}, {Lock, "{\\locked}"}};
    for (const auto &[item, key] : states) {
        pick(item);
        QVERIFY2(E2eSession::waitFor([&] { return session.readNote(QStringLiteral("1.pnf")).contains(key); }), key.constData());
    }
    // Rolled up as far as sway lets a floating window shrink (its
    // floating_minimum_size, 50 pixels high by default), in X and in sway's tree.
    QVERIFY(E2eSession::waitFor([&] { return height() <= 50 && swayHeight() == height(); }));
    qInfo("under sway: _NET_WM_STATE %s; _NET_WM_DESKTOP %s; sway's sticky %s",
          qPrintable(E2eSession::property(note, QStringLiteral("_NET_WM_STATE"))),
          qPrintable(E2eSession::property(note, QStringLiteral("_NET_WM_DESKTOP"))),
          desktop.windowsOf(app->pid()).value(0).value(QStringLiteral("sticky")).toBool() ? "on" : "off");
    // Locked: typing changes nothing.
    E2eSession::typeInto(note, QStringLiteral("zzz"));

    app->sendSignal(SIGTERM);
    QVERIFY(app->waitForExit());
    QCOMPARE(app->exitCode(), 0);
    std::tie(app, note) = start();
    QVERIFY(note);
    QVERIFY(E2eSession::waitFor([&] { return height() <= 50; }));
    // Each back off: the file is the note's without the group.
    for (const auto &[item, key] : states) {
        pick(item);
        QVERIFY2(E2eSession::waitFor([&] { return !session.readNote(QStringLiteral("1.pnf")).contains(key); }), key.constData());
    }
    QVERIFY(!session.readNote(QStringLiteral("1.pnf")).contains("paperletstate"));
    QVERIFY(E2eSession::waitFor([&] { return height() == 200; }));
    const QByteArray stored = session.readNote(QStringLiteral("1.pnf"));
    QVERIFY(stored.contains("state text"));
    QVERIFY(!stored.contains("zzz"));
}

// Where the compositor lets X clients place their windows, notes reopen
// at their stored places and sizes.
void TestWayland::storedPlacesUnderMutter()
{
    if (QStandardPaths::findExecutable(QStringLiteral("mutter")).isEmpty())
        QSKIP("no mutter (scripts/setup.sh installs it)");
    MutterDesktop desktop;
    QVERIFY2(desktop.isUp(), qPrintable(QStringLiteral("mutter did not come up: ") + desktop.log()));
    E2eSession session;
    desktop.enter(session);
    session.seedSettings(QuietSettings);
    session.seedNote(QStringLiteral("1.pnf"), E2eSession::noteFile(320, 240, "First", "first text"));
    session.seedNote(QStringLiteral("2.pnf"), E2eSession::noteFile(700, 420, "Second", "second text"));
    E2eProgram &app = session.start();
    const XWindow first = app.waitForWindow(QStringLiteral("First"), E2eProgram::ViewableOnly);
    const XWindow second = app.waitForWindow(QStringLiteral("Second"), E2eProgram::ViewableOnly);
    QVERIFY(first && second);
    // The compositor manages X windows (it could move them), and leaves them where asked.
    QVERIFY(E2eSession::run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                .contains(QLatin1String("window id")));
    QVERIFY(E2eSession::waitFor([&] { return E2eSession::geometry(first) == QRect(320, 240, 200, 200); }));
    QVERIFY(E2eSession::waitFor([&] { return E2eSession::geometry(second) == QRect(700, 420, 200, 200); }));

    E2eProgram &exit = session.start({QStringLiteral("--exit")});
    QVERIFY(exit.waitForExit());
    QVERIFY(app.waitForExit());
    QCOMPARE(app.exitCode(), 0);
}

int main(int argc, char *argv[])
{
    for (const char *tool : {"sway", "Xwayland", "swaymsg", "grim", "xhost", "setpriv", "dbus-daemon"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            qWarning("no %s (scripts/setup.sh installs it): skipped", tool);
            return 77;
        }
    if (::geteuid() != 0) {
        qWarning("sway will not run as root, and only root can start it as another user here: skipped");
        return 77;
    }
    QCoreApplication app(argc, argv);
    TestWayland test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_wayland_e2e.moc"
