// A desktop that shows no tray (its own X server, no tray host): the notes
// stand in for the tray until one comes up.

#include "e2e_session.h"

#include <QTest>

namespace {

const QByteArray QuietSettings = "CheckForUpdates=0\r\n";
const QString NewNoteTitle = QStringLiteral("New Note");
// The grace period for the desktop's tray, and then some for a busy machine.
constexpr int ModeTimeoutMs = 30000;

// Opens the note's menu, picks its last item by keyboard.
bool pickLastNoteMenuItem(const E2eProgram &app, XWindow note)
{
    E2eSession::click(E2eSession::noteMenuButton(note));
    if (!app.waitForPopupMenu())
        return false;
    E2eSession::keys({QStringLiteral("Up"), QStringLiteral("Return")});
    return true;
}

// The height of the note's menu, opened and closed again; 0 on failure.
int noteMenuHeight(const E2eProgram &app, XWindow note)
{
    E2eSession::click(E2eSession::noteMenuButton(note));
    const XWindow menu = app.waitForPopupMenu();
    if (!menu)
        return 0;
    const int height = E2eSession::geometry(menu).value_or(QRect()).height();
    E2eSession::key(QStringLiteral("Escape"));
    return app.waitForWindowGone(menu) ? height : 0;
}

} // namespace

class TestNoTray final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void newNoteInsteadOfBalloon();
    void storedNotesOpenAndMenusCarryTrayCommands();
    void trayComingUpLaterTakesOver();
};

// Declares a private display and bus and a session on them.
#define NO_TRAY_SESSION(session)                                                            \
    E2eDisplay display;                                                                     \
    QVERIFY2(!display.name().isEmpty(), "Xvfb did not start");                              \
    E2eSession session;                                                                     \
    E2E_BUS(bus, session);                                                                  \
    session.seedSettings(QuietSettings)

void TestNoTray::newNoteInsteadOfBalloon()
{
    NO_TRAY_SESSION(session);
    E2eProgram &app = session.start();
    const XWindow note = app.waitForWindow(NewNoteTitle, E2eProgram::ViewableOnly, ModeTimeoutMs);
    QVERIFY(note);
    QCOMPARE(app.shownWindows().size(), 1);
    QCOMPARE(app.trayIcon(), XWindow(0));

    // A launcher click makes a note in the running copy, no warning.
    E2eProgram &second = session.start();
    QVERIFY(second.waitForExit());
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(E2eSession::waitFor([&] { return app.shownWindows().size() == 2; }));
    QVERIFY(second.windows(QStringLiteral("Warning")).isEmpty());

    // The note's menu ends with the tray menu's Exit.
    QVERIFY(pickLastNoteMenuItem(app, note));
    QVERIFY(app.waitForExit());
    QCOMPARE(app.exitCode(), 0);
}

void TestNoTray::storedNotesOpenAndMenusCarryTrayCommands()
{
    NO_TRAY_SESSION(session);
    session.seedNote(QStringLiteral("1.pnf"), E2eSession::noteFile(100, 100, "Kept", "kept text"));
    E2eProgram &app = session.start();
    const XWindow note = app.waitForWindow(QStringLiteral("Kept"), E2eProgram::ViewableOnly);
    QVERIFY(note);
    const int ownHeight = noteMenuHeight(app, note);
    QVERIFY(ownHeight > 0);
    // Once the desktop has had its time, the menu grows by the tray's commands.
    QVERIFY(E2eSession::waitFor([&] { return noteMenuHeight(app, note) > ownHeight; }, ModeTimeoutMs));
    // The stored note was enough: no new one.
    QCOMPARE(app.shownWindows().size(), 1);

    QVERIFY(pickLastNoteMenuItem(app, note));   // Exit: every note written
    QVERIFY(app.waitForExit());
    QCOMPARE(app.exitCode(), 0);
    QVERIFY(session.readNote(QStringLiteral("1.pnf")).contains("kept text"));
}

void TestNoTray::trayComingUpLaterTakesOver()
{
    NO_TRAY_SESSION(session);
    E2eProgram &app = session.start();
    const XWindow note = app.waitForWindow(NewNoteTitle, E2eProgram::ViewableOnly, ModeTimeoutMs);
    QVERIFY(note);

    QVERIFY2(display.startTray(), "trayer did not start");
    QVERIFY(app.waitForTrayIcon());

    // A second start is told again that a copy runs.
    E2eProgram &second = session.start();
    QVERIFY(second.answerMessageBox(QStringLiteral("Warning")));
    QVERIFY(second.waitForExit());

    // The note's menu ends with its own Close again.
    QVERIFY(pickLastNoteMenuItem(app, note));
    QVERIFY(app.waitForWindowGone(note));
    QVERIFY(app.isRunning());
}

int main(int argc, char *argv[])
{
    if (!E2eDisplay::serverInstalled()) {
        qWarning("no Xvfb (scripts/setup.sh installs it): skipped");
        return 77;
    }
    QCoreApplication app(argc, argv);
    TestNoTray test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_no_tray_e2e.moc"
