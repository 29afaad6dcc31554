// The shell as a user meets it: start-up, the tray icon and its menu, the
// single-instance rule and the ways out.

#include "e2e_session.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineF>
#include <QTest>

#include <csignal>

namespace {

const QString InstanceCaption = QStringLiteral("Paperlet1.1");
const QByteArray DefaultSettings = "Color=10092543\r\nOpacity=100\r\nTitle=0\r\nCheckForUpdates=1\r\n"
                                   "FontName=Tahoma\r\nFontSize=10\r\nFontColor=0\r\nFontStyle=0\r\n";
// Not what the program would write, so that any rewrite shows. The update
// check is off: these cases must not reach out to the network.
const QByteArray SeededSettings = "color=255\r\nCheckForUpdates=0\r\nextra line\r\n";

struct FolderState
{
    QStringList entries;
    QStringList notes;
    std::optional<QByteArray> settings;
    QDateTime settingsModified;

    static FolderState of(const E2eSession &session)
    {
        return {session.appFolderEntries(), session.noteFiles(), session.readSettings(),
                QFileInfo(session.settingsPath()).lastModified()};
    }
    bool operator==(const FolderState &o) const
    {
        return entries == o.entries && notes == o.notes && settings == o.settings
            && settingsModified == o.settingsModified;
    }
};

// Wider than any tool tip of the tray icon: the tray balloon.
constexpr int BalloonMinWidth = 120;

// Whether the program shows a tool-tip window at least minWidth wide.
bool showsToolTip(const E2eProgram &app, int minWidth)
{
    for (XWindow w : app.windows())
        if (E2eSession::property(w, QStringLiteral("_NET_WM_WINDOW_TYPE")).contains(QLatin1String("TOOLTIP"))
            && E2eSession::isViewable(w) && E2eSession::geometry(w).value_or(QRect()).width() >= minWidth)
            return true;
    return false;
}

} // namespace

class TestShell final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void firstStartWritesDefaults();
    void trayIconWithHiddenMainWindow();
    void trayMenuOpensAtPointer();
    void exitFromMenuLeavesSettingsAlone();
    void secondStartWarnsAndTouchesNothing();
    void simultaneousStartsGiveOneIcon();
    void killedCopyDoesNotBlock();
    void trayDoubleClicksWithinGuardMakeOneNote();
    void sigtermWritesOpenNote();
    void terminationSignalsTearDown_data();
    void terminationSignalsTearDown();
    void unwritableFolderEndsStartCleanly();
};

void TestShell::firstStartWritesDefaults()
{
    E2E_SESSION(session);
    E2eProgram &app = session.start();
    QVERIFY(app.waitForTrayIcon());
    QCOMPARE(session.readSettings().value_or("missing"), DefaultSettings);
    // The Notes folder and nothing else: no temporary file is left.
    QCOMPARE(session.appFolderEntries(),
             QStringList({QStringLiteral("Notes"), QStringLiteral("paperlet"), QStringLiteral("settings.ini")}));
    QVERIFY(QFileInfo(session.notesFolder()).isDir());
    // No notes yet: the balloon invites the first one, then goes by itself.
    QVERIFY(E2eSession::waitFor([&] { return showsToolTip(app, BalloonMinWidth); }, 3000));
    QVERIFY(E2eSession::waitFor([&] { return !showsToolTip(app, BalloonMinWidth); }, 6000));
}

void TestShell::trayIconWithHiddenMainWindow()
{
    E2E_SESSION(session);
    session.seedSettings(SeededSettings);
    E2eProgram &app = session.start();
    QVERIFY(app.waitForTrayIcon());
    const auto icon = E2eSession::geometry(app.trayIcon());
    QVERIFY(icon);
    QVERIFY(icon->width() >= 16);

    // The window that a later start looks for exists and is never shown.
    const QList<XWindow> main = app.windows(InstanceCaption);
    QCOMPARE(main.size(), 1);
    QVERIFY(!E2eSession::isViewable(main.first()));

    // Resting the pointer on the icon shows its tip.
    E2eSession::moveMouse(icon->center());
    QVERIFY(E2eSession::waitFor([&] { return showsToolTip(app, 0); }));
}

void TestShell::trayMenuOpensAtPointer()
{
    E2E_SESSION(session);
    session.seedSettings(SeededSettings);
    E2eProgram &app = session.start();
    QVERIFY(app.waitForTrayIcon());
    const QPoint at = session.trayCenter();
    QVERIFY(session.rightClickTray());
    const XWindow menu = app.waitForPopupMenu();
    QVERIFY(menu);
    const auto rect = E2eSession::geometry(menu);
    QVERIFY(rect);
    // Nine rows and four separators; the screen edge may push it beside the pointer.
    QVERIFY2(rect->height() > 7 * 16, qPrintable(QString::number(rect->height())));
    QVERIFY2(rect->adjusted(-2, -2, 2, 2).contains(at) || QLineF(rect->bottomRight(), at).length() < 30,
             qPrintable(QStringLiteral("menu %1,%2 %3x%4, pointer %5,%6")
                            .arg(rect->x()).arg(rect->y()).arg(rect->width()).arg(rect->height())
                            .arg(at.x()).arg(at.y())));

    E2eSession::key(QStringLiteral("Escape"));
    QVERIFY(app.waitForWindowGone(menu));
    QVERIFY(app.isRunning());
}

void TestShell::exitFromMenuLeavesSettingsAlone()
{
    E2E_SESSION(session);
    session.seedSettings(SeededSettings);
    const FolderState before = FolderState::of(session);
    E2eProgram &app = session.start();
    QVERIFY(app.waitForTrayIcon());
    const XWindow icon = app.trayIcon();
    QVERIFY(session.rightClickTray());
    QVERIFY(app.waitForPopupMenu());
    // Exit is the last item.
    E2eSession::keys({QStringLiteral("Up"), QStringLiteral("Return")});
    QVERIFY(app.waitForExit());
    QCOMPARE(app.exitCode(), 0);
    QVERIFY(!E2eSession::isViewable(icon));
    const FolderState after = FolderState::of(session);
    QCOMPARE(after.settings, before.settings);
    QCOMPARE(after.settingsModified, before.settingsModified);
}

void TestShell::secondStartWarnsAndTouchesNothing()
{
    E2E_SESSION(session);
    session.seedSettings(SeededSettings);
    E2eProgram &first = session.start();
    QVERIFY(first.waitForTrayIcon());
    const FolderState before = FolderState::of(session);

    E2eProgram &second = session.start();
    const XWindow box = second.waitForWindow(QStringLiteral("Warning"), E2eProgram::ViewableOnly);
    QVERIFY(box);
    QVERIFY(second.trayIcon() == 0);
    QVERIFY(second.windows(InstanceCaption).isEmpty());
    QVERIFY(second.answerMessageBox(QStringLiteral("Warning")));
    QVERIFY(second.waitForExit());
    QCOMPARE(second.exitCode(), 0);

    QVERIFY(first.isRunning());
    QVERIFY(first.trayIcon() != 0);
    QVERIFY(FolderState::of(session) == before);
}

void TestShell::simultaneousStartsGiveOneIcon()
{
    E2E_SESSION(session);
    session.seedSettings(SeededSettings);
    E2eProgram &a = session.start();
    E2eProgram &b = session.start();
    // Exactly one shows the warning; the other gets the tray.
    E2eProgram *loser = nullptr;
    QVERIFY(E2eSession::waitFor([&] {
        if (!a.windows(QStringLiteral("Warning")).isEmpty())
            loser = &a;
        else if (!b.windows(QStringLiteral("Warning")).isEmpty())
            loser = &b;
        return loser != nullptr;
    }));
    E2eProgram &winner = loser == &a ? b : a;
    QVERIFY(winner.waitForTrayIcon());
    QVERIFY(loser->trayIcon() == 0);
    QVERIFY(winner.windows(QStringLiteral("Warning")).isEmpty());
    QVERIFY(loser->answerMessageBox(QStringLiteral("Warning")));
    QVERIFY(loser->waitForExit());
    QCOMPARE(loser->exitCode(), 0);
    QVERIFY(winner.isRunning());
}

void TestShell::killedCopyDoesNotBlock()
{
    E2E_SESSION(session);
    session.seedSettings(SeededSettings);
    E2eProgram &first = session.start();
    QVERIFY(first.waitForTrayIcon());
    first.sendSignal(SIGKILL);
    QVERIFY(first.waitForExit());
    QVERIFY(first.crashed());

    E2eProgram &next = session.start();
    QVERIFY(next.waitForTrayIcon());
    QVERIFY(next.windows(QStringLiteral("Warning")).isEmpty());
}

void TestShell::trayDoubleClicksWithinGuardMakeOneNote()
{
    E2E_SESSION(session);
    session.seedSettings(SeededSettings);
    E2eProgram &app = session.start();
    QVERIFY(app.waitForTrayIcon());
    const QPoint icon = session.trayCenter();
    QVERIFY(!icon.isNull());
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 3; ++i) {
        E2eSession::doubleClick(icon);
        QTest::qWait(150);   // keeps the double-clicks apart: a pause, not a wait for anything
    }
    if (clock.elapsed() >= 1400)
        QSKIP("the machine is too slow to click three times within the guard");
    QVERIFY(E2eSession::waitFor([&] { return !app.shownWindows().isEmpty(); }));
    // Every click has been handled once the tray menu has.
    QVERIFY(session.settleWithTrayMenu());
    QCOMPARE(app.shownWindows().size(), 1);

    // Once the guard has run out, a double-click makes the next note. The
    // guard is a time, so this waits for the clock.
    QTest::qWait(int(qMax<qint64>(0, 1700 - clock.elapsed())));
    QVERIFY(session.doubleClickTray());
    QVERIFY(E2eSession::waitFor([&] { return app.shownWindows().size() == 2; }));
}

void TestShell::sigtermWritesOpenNote()
{
    E2E_SESSION(session);
    session.seedSettings(SeededSettings);
    E2eProgram &app = session.start();
    QVERIFY(app.waitForTrayIcon());
    QVERIFY(session.noteFiles().isEmpty());
    // On a busy machine the two clicks can arrive too far apart to be a
    // double-click; a user would double-click again, once the guard is over.
    bool made = false;
    for (int attempt = 0; attempt < 3 && !made; ++attempt) {
        QVERIFY(session.doubleClickTray());
        made = E2eSession::waitFor([&] { return app.shownWindows().size() == 1; }, 2000);
    }
    QVERIFY(made);
    const XWindow note = app.shownWindows().first();
    E2eSession::typeInto(note, QStringLiteral("kept at log-out"));

    app.sendSignal(SIGTERM);
    QVERIFY(app.waitForExit());
    QCOMPARE(app.exitCode(), 0);
    const QStringList files = session.noteFiles();
    QCOMPARE(files.size(), 1);
    QVERIFY2(session.readNote(files.first()).contains("kept at log-out"), session.readNote(files.first()).constData());
}

void TestShell::terminationSignalsTearDown_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
    QTest::newRow("SIGINT") << int(SIGINT);
}

void TestShell::terminationSignalsTearDown()
{
    QFETCH(int, signal);
    E2E_SESSION(session);
    session.seedSettings(SeededSettings);
    const FolderState before = FolderState::of(session);
    E2eProgram &app = session.start();
    QVERIFY(app.waitForTrayIcon());
    app.sendSignal(signal);
    QVERIFY(app.waitForExit(10000));
    QVERIFY(!app.crashed());
    QCOMPARE(app.exitCode(), 0);
    QCOMPARE(FolderState::of(session).settings, before.settings);

    // The lock went with it: the next start is not refused.
    E2eProgram &next = session.start();
    QVERIFY(next.waitForTrayIcon());
}

void TestShell::unwritableFolderEndsStartCleanly()
{
    E2E_SESSION(session);
    if (!session.makeAppFolderReadOnly())
        QSKIP("cannot make a folder unwritable here");
    E2eProgram &app = session.start();
    // The error display, captioned with the application title.
    QVERIFY(app.waitForWindow(QStringLiteral("Paperlet"), E2eProgram::ViewableOnly));
    QCOMPARE(app.trayIcon(), XWindow(0));
    QVERIFY(app.windows(InstanceCaption).isEmpty());
    QVERIFY(app.answerMessageBox(QStringLiteral("Paperlet")));
    QVERIFY(app.waitForExit());
    QCOMPARE(app.exitCode(), 0);
    QCOMPARE(session.appFolderEntries(), QStringList(QStringLiteral("paperlet")));
}

PAPERLET_E2E_MAIN(TestShell)

#include "tst_shell_e2e.moc"
