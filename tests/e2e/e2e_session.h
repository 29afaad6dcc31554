#pragma once

// End-to-end fixture: drives the real paperlet binary in the X server named by
// DISPLAY (tests/e2e/with-display.sh starts Xvfb with a tray host).
//
// A case takes a few lines:
//
//     void TestShell::exitFromMenu()
//     {
//         E2E_SESSION(session);                     // skips without DISPLAY
//         session.seedSettings("Color=255\r\n");    // optional, before start()
//         E2eProgram &app = session.start();
//         QVERIFY(app.waitForTrayIcon());
//         session.rightClickTray();
//         QVERIFY(app.waitForPopupMenu());
//         E2eSession::keys({"Up", "Return"});       // the last item: Exit
//         QVERIFY(app.waitForExit());
//         QCOMPARE(app.exitCode(), 0);
//     }
//
//     PAPERLET_E2E_MAIN(TestShell)                  // returns 77 (skip) without DISPLAY
//
// Every session copies the binary into a fresh folder (PAPERLET_E2E_SCRATCH/
// <test function>[_<data tag>]/app), so settings.ini and Notes start empty
// unless the case seeds them. Each started copy gets private XDG folders
// shared by all copies of the same session (so the single-instance lock is
// shared between them and nothing else). When the case has failed, the
// destructor saves a screenshot, the window tree and each copy's output under
// PAPERLET_E2E_ARTIFACTS; it always kills what the session started.
//
// Window ids are X window ids. Helpers return values (empty, false, nullopt
// on failure) so that cases check them with QVERIFY/QCOMPARE. The waits poll
// and end as soon as their condition holds; their time limits are generous
// because these cases run on shared, busy machines. There, the two clicks of
// an xdotool double-click can also land too far apart for Qt: where a case
// depends on one, check the result and double-click again.

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

using XWindow = quint64;

// One started copy of the program.
class E2eProgram final
{
public:
    E2eProgram(const QString &binary, const QStringList &arguments, const QString &workFolder,
               const QProcessEnvironment &env);
    ~E2eProgram();
    E2eProgram(const E2eProgram &) = delete;
    E2eProgram &operator=(const E2eProgram &) = delete;

    qint64 pid() const { return m_pid; }
    bool isRunning() const;

    enum Mapped { AnyState, ViewableOnly };
    // Every X window whose _NET_WM_PID is this process, optionally only those
    // with exactly this title, or only those on screen.
    QList<XWindow> windows(const QString &title = QString(), Mapped mapped = AnyState) const;
    // Waits until such a window exists; 0 on timeout.
    XWindow waitForWindow(const QString &title, Mapped mapped = AnyState, int timeoutMs = 20000) const;
    // Waits until the window is gone or unmapped.
    bool waitForWindowGone(XWindow window, int timeoutMs = 20000) const;

    // The program's windows on screen other than its tray icon, menus and
    // tooltips: notes and dialogs.
    QList<XWindow> shownWindows() const;

    // The tray icon: this process's small window embedded in the tray host.
    XWindow trayIcon() const;
    bool waitForTrayIcon(int timeoutMs = 30000);
    // An open popup menu of this process (a mapped override-redirect window
    // that is neither a tooltip nor the tray icon); 0 if none.
    XWindow popupMenu() const;
    // Such a menu once it holds the input grab: keys then reach it.
    XWindow waitForPopupMenu(int timeoutMs = 10000) const;
    // Waits for the message box with this caption and presses Return in it.
    bool answerMessageBox(const QString &caption) const;

    void sendSignal(int signal) const;
    bool waitForExit(int timeoutMs = 20000);
    // Exit code of a normal exit; -1 while running or after a crash/signal.
    int exitCode() const;
    bool crashed() const;
    // What the program printed (stdout and stderr merged).
    QByteArray output();

    void kill();

private:
    std::unique_ptr<QProcess> m_process;
    qint64 m_pid = 0;
    QByteArray m_output;
};

class E2eSession final
{
public:
    static bool hasDisplay();

    // Portable: a copy of the binary that keeps settings.ini and Notes beside
    // itself. Installed: the binary run where it is (an installed package),
    // keeping them in the user's data folder; its sessions leave
    // XDG_DATA_HOME unset, so that is $HOME/.local/share/Paperlet.
    enum class Layout { Portable, Installed };

    // name: folder name under PAPERLET_E2E_SCRATCH; defaults to the current
    // test function and data tag.
    explicit E2eSession(const QString &name = QString(), Layout layout = Layout::Portable);
    ~E2eSession();
    E2eSession(const E2eSession &) = delete;
    E2eSession &operator=(const E2eSession &) = delete;

    // The folder of the copied binary (of a Portable session).
    QString appFolder() const { return m_appFolder; }
    QString binary() const;
    // The scratch home of the started copies.
    QString homeFolder() const;
    // Where settings.ini and Notes are expected (see Layout).
    QString dataFolder() const;
    QString settingsPath() const;
    QString notesFolder() const;
    // The desktop trash of the started copies (the freedesktop home trash).
    QString trashFolder() const;
    void seedSettings(const QByteArray &bytes) const;
    void seedNote(const QString &fileName, const QByteArray &bytes) const;
    // A 200 x 200 light yellow note file at (left, top).
    static QByteArray noteFile(int left, int top, const QByteArray &title, const QByteArray &text);
    std::optional<QByteArray> readSettings() const;
    QStringList noteFiles() const;          // names in Notes, sorted
    QByteArray readNote(const QString &fileName) const;
    QStringList appFolderEntries() const;   // everything beside the binary, sorted
    // Makes the binary's folder unwritable (also for root, through the
    // immutable attribute); false when that is impossible here. Undone by the
    // destructor.
    bool makeAppFolderReadOnly();

    // Starts one more copy of the binary (does not wait for anything).
    E2eProgram &start(const QStringList &arguments = {});
    // The environment of the copies started from now on (empty value: unset).
    void setEnvironment(const QString &name, const QString &value);
    QProcessEnvironment environment() const { return m_env; }
    E2eProgram &program(int index = 0) { return *m_programs.at(size_t(index)); }

    // The first started copy's tray icon (waitForTrayIcon first).
    bool rightClickTray();
    // Right-clicks the tray until the program's menu holds the grab (a few
    // tries); false when it never does.
    bool openTrayMenu();
    bool doubleClickTray();
    QPoint trayCenter() const;
    // Opens and closes the first copy's tray menu. The program handles input
    // in order, so afterwards everything sent before has been handled.
    bool settleWithTrayMenu();

    // X helpers.
    static std::optional<QRect> geometry(XWindow window);   // absolute, on screen
    // Where a note window's menu button is.
    static QPoint noteMenuButton(XWindow note);
    static bool isViewable(XWindow window);
    static QString title(XWindow window);
    // The raw value text of a property as xprop prints it, or empty.
    static QString property(XWindow window, const QString &atom);
    // _NET_WM_WINDOW_OPACITY as 0..1; nullopt when not set (fully opaque).
    static std::optional<double> opacity(XWindow window);
    // Gives the window the keyboard focus (no window manager needed).
    static void focus(XWindow window);
    static void moveMouse(QPoint at);
    static void click(QPoint at, int button = 1);
    static void doubleClick(QPoint at, int button = 1);
    static void type(const QString &text);
    // Types into a note: the pointer over its text area gives it the
    // keyboard (no window manager), and the focus makes sure.
    static void typeInto(XWindow note, const QString &text);
    // xdotool key names: "Return", "Escape", "Down", "ctrl+a" ...
    static void keys(const QStringList &names);
    static void key(const QString &name) { keys({name}); }
    // Opens nothing; picks the index-th enabled item of an open menu by
    // keyboard (separators are skipped by the menu itself).
    static void pickMenuItem(int index);

    // Whether a client holds the pointer or keyboard grab, as an open menu
    // does. Asking takes no grab.
    static bool inputGrabbed();
    // Waits until a grab is held (held) or none is (!held).
    static bool waitForGrab(bool held, int timeoutMs = 10000);

    // Polls condition every 50 ms until it holds or the time is up.
    static bool waitFor(const std::function<bool()> &condition, int timeoutMs = 20000);

    // Saves a screenshot of the whole screen under PAPERLET_E2E_ARTIFACTS.
    QString screenshot(const QString &name) const;

    // Ends a helper process: terminate, then kill when it does not go.
    static void stopProcess(QProcess &process);

    // Runs a tool, returns its stdout (empty on failure or timeout).
    static QString run(const QString &program, const QStringList &arguments, int *exitCode = nullptr);

private:
    void saveArtifacts();
    void restoreAppFolder();
    static bool placeProgram(const QString &from, const QString &to);

    QString m_name;
    QString m_root;
    QString m_appFolder;
    Layout m_layout;
    QProcessEnvironment m_env;
    bool m_appFolderLocked = false;
    std::vector<std::unique_ptr<E2eProgram>> m_programs;
};

// Declares an E2eSession, or skips the case when there is no X server.
// A private X server with no tray, made the display of this test process
// (and so of the tools and copies started after it) while it lives; stopped
// by its process id. A case that needs a screen layout of its own (several
// monitors, a primary away from the origin) sizes the screen and splits it.
class E2eDisplay final
{
public:
    explicit E2eDisplay(QSize screen = QSize(1280, 800));
    ~E2eDisplay();
    E2eDisplay(const E2eDisplay &) = delete;
    E2eDisplay &operator=(const E2eDisplay &) = delete;

    static bool serverInstalled();
    // The server and xrandr: cases that set monitors skip, rather than fail, without them.
    static bool available();
    // Empty when the server did not come up.
    QString name() const { return m_name; }
    bool isUp() const { return !m_name.isEmpty(); }
    QString error() const { return m_error; }
    // Brings up an XEmbed tray host on it; false when it could not start.
    bool startTray();
    // Splits the screen into these monitors; `primary` indexes the list.
    // True once the server reports exactly them.
    bool setMonitors(const QList<QRect> &monitors, int primary);

private:
    std::unique_ptr<QProcess> m_server;
    std::unique_ptr<QProcess> m_tray;
    QString m_name;
    QString m_error;
    QByteArray m_previous;
};

// A private D-Bus session bus for the copies of a case: started by the case
// and stopped by its process id when the case ends.
class E2eBus final
{
public:
    // env: the environment of the daemon, which it hands to the services it
    // starts on demand (a desktop's settings daemon, say). configFile: the
    // daemon's configuration instead of the usual session bus's.
    explicit E2eBus(const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(),
                    const QString &configFile = QString());
    ~E2eBus();
    E2eBus(const E2eBus &) = delete;
    E2eBus &operator=(const E2eBus &) = delete;

    // Empty when the bus daemon could not start.
    QString address() const { return m_address; }
    qint64 pid() const { return m_daemon->processId(); }

private:
    std::unique_ptr<QProcess> m_daemon;
    QString m_address;
};

// Declares a private bus and gives it to the copies that session starts.
#define E2E_BUS(bus, session)                                                            \
    E2eBus bus;                                                                          \
    QVERIFY2(!bus.address().isEmpty(), "dbus-daemon did not start");                     \
    session.setEnvironment(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address())

#define E2E_SESSION(var)                                 \
    if (!E2eSession::hasDisplay())                       \
        QSKIP("no DISPLAY: run under tests/e2e/with-display.sh"); \
    E2eSession var

// main() for an end-to-end test: exit code 77 tells ctest "skipped".
#define PAPERLET_E2E_MAIN(TestObject)                    \
    int main(int argc, char *argv[])                     \
    {                                                    \
        if (!E2eSession::hasDisplay()) {                 \
            qWarning("no DISPLAY: skipped");             \
            return 77;                                   \
        }                                                \
        QCoreApplication app(argc, argv);                \
        TestObject test;                                 \
        return QTest::qExec(&test, argc, argv);          \
    }
