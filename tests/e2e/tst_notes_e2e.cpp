// Notes as a user meets them: made from the tray, typed into, moved, sized,
// retitled, closed, and found again at the next start; and what survives a
// kill.

#include "e2e_notes.h"
#include "e2e_session.h"
#include "e2e_window_manager.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QTest>

#include <csignal>

namespace {

const QString NewNoteTitle = QStringLiteral("New Note");

// The first and only note file's text, or empty.
QByteArray onlyNote(const E2eSession &session)
{
    const QStringList files = session.noteFiles();
    return files.size() == 1 ? session.readNote(files.first()) : QByteArray();
}

// Starts the program and makes one note with a tray double click; 0 when
// that fails.
XWindow startWithNewNote(E2eSession &session, E2eProgram *&app)
{
    session.seedSettings(QuietSettings);
    app = &session.start();
    if (!app->waitForTrayIcon() || !session.doubleClickTray())
        return 0;
    return app->waitForWindow(NewNoteTitle, E2eProgram::ViewableOnly);
}

} // namespace

class TestNotes final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void trayDoubleClickMakesOneNoteNearTheCentre()
    {
        E2E_SESSION(session);
        E2eProgram *started = nullptr;
        const XWindow note = startWithNewNote(session, started);
        QVERIFY(note);
        E2eProgram &app = *started;
        // A second note from the same double click would be there by now.
        QVERIFY(session.settleWithTrayMenu());
        QCOMPARE(app.windows(NewNoteTitle, E2eProgram::ViewableOnly).size(), 1);
        // The first note of a run on 1280 by 800: 640 - 100 - 0 + 10, 400 - 100 - 1 + 10.
        QCOMPARE(E2eSession::geometry(note).value_or(QRect()), QRect(550, 309, 200, 200));
        QVERIFY(E2eSession::property(note, QStringLiteral("_NET_WM_STATE")).contains(QStringLiteral("SKIP_TASKBAR")));
        // Nothing is written for a note without text.
        QVERIFY(session.noteFiles().isEmpty());
    }

    void aNoteComesBackAsItWasLeft()
    {
        E2E_SESSION(session);
        {
            E2eProgram *started = nullptr;
            const XWindow note = startWithNewNote(session, started);
            QVERIFY(note);
            E2eProgram &app = *started;
            E2eSession::typeInto(note, QStringLiteral("buy milk"));

            // Move by the title bar, then size by the grip.
            QRect g = E2eSession::geometry(note).value_or(QRect());
            drag(g.topLeft() + QPoint(20, 12), QPoint(300, 200) + QPoint(20, 12));
            QVERIFY(E2eSession::waitFor([&] { return E2eSession::geometry(note)->topLeft() == QPoint(300, 200); }));
            g = *E2eSession::geometry(note);
            const QPoint grip = g.bottomRight() - QPoint(6, 6);
            drag(grip, grip + QPoint(60, 40));
            QVERIFY(E2eSession::waitFor([&] { return E2eSession::geometry(note)->size() == QSize(260, 240); }));

            // Retitle: double click, type, Enter.
            // The keys queue behind the clicks: the program opens the edit
            // before it reads them.
            E2eSession::doubleClick(QPoint(g.left() + 60, g.top() + 12));
            E2eSession::keys({QStringLiteral("ctrl+a")});
            E2eSession::type(QStringLiteral("Groceries"));
            E2eSession::key(QStringLiteral("Return"));
            QVERIFY(app.waitForWindow(QStringLiteral("Groceries")));

            // The Close button fades the note out and writes it.
            E2eSession::click(QPoint(g.left() + 1 + 260 - 2 - 39 + 20 + 9, g.top() + 1 + 5 + 9));
            QVERIFY(app.waitForWindowGone(note, 3000));
            QVERIFY(onlyNote(session).contains("buy milk"));
            app.sendSignal(SIGTERM);
            QVERIFY(app.waitForExit());
        }
        const QByteArray stored = onlyNote(session);
        QVERIFY(stored.startsWith("\xEF\xBB\xBF" "00012C0000C80001040000F000006499FFFF\r\nGroceries\r\n"));

        E2eProgram &again = session.start();
        const XWindow back = again.waitForWindow(QStringLiteral("Groceries"), E2eProgram::ViewableOnly);
        QVERIFY(back);
        QCOMPARE(E2eSession::geometry(back).value_or(QRect()), QRect(300, 200, 260, 240));
    }

    void hideAllAndShowAll()
    {
        E2E_SESSION(session);
        session.seedSettings(QuietSettings);
        session.seedNote(QStringLiteral("1.pnf"), E2eSession::noteFile(100, 100, "First", "one"));
        session.seedNote(QStringLiteral("2.pnf"), E2eSession::noteFile(400, 100, "Second", "two"));
        E2eProgram &app = session.start();
        QVERIFY(app.waitForTrayIcon());
        QVERIFY(app.waitForWindow(QStringLiteral("Second"), E2eProgram::ViewableOnly));
        QVERIFY(app.waitForWindow(QStringLiteral("First"), E2eProgram::ViewableOnly));

        QVERIFY(session.rightClickTray());
        QVERIFY(app.waitForPopupMenu());
        E2eSession::pickMenuItem(2); // Hide All Notes
        QVERIFY(E2eSession::waitFor([&] { return app.windows({}, E2eProgram::ViewableOnly).size() <= 1; }));
        QCOMPARE(session.noteFiles(), (QStringList{"1.pnf", "2.pnf"}));

        // The closed menu hands the pointer grab back first.
        QVERIFY(E2eSession::waitForGrab(false));
        QVERIFY(session.openTrayMenu());
        E2eSession::pickMenuItem(1); // Show All Notes
        QVERIFY(app.waitForWindow(QStringLiteral("First"), E2eProgram::ViewableOnly));
        QVERIFY(app.waitForWindow(QStringLiteral("Second"), E2eProgram::ViewableOnly));
    }

    void escapeClosesAtOnce()
    {
        E2E_SESSION(session);
        E2eProgram *started = nullptr;
        const XWindow note = startWithNewNote(session, started);
        QVERIFY(note);
        E2eProgram &app = *started;
        E2eSession::typeInto(note, QStringLiteral("quick"));
        E2eSession::key(QStringLiteral("Escape"));
        QVERIFY(app.waitForWindowGone(note, 1000));
        QVERIFY(onlyNote(session).contains("quick"));
    }

    void opensInNameOrder()
    {
        E2E_SESSION(session);
        session.seedSettings(QuietSettings);
        session.seedNote(QStringLiteral("2.pnf"), E2eSession::noteFile(100, 100, "two", "2"));
        session.seedNote(QStringLiteral("10.pnf"), E2eSession::noteFile(120, 120, "ten", "10"));
        session.seedNote(QStringLiteral("1.pnf"), E2eSession::noteFile(140, 140, "one", "1"));
        E2eProgram &app = session.start();
        QVERIFY(app.waitForTrayIcon());
        const XWindow one = app.waitForWindow(QStringLiteral("one"), E2eProgram::ViewableOnly);
        const XWindow ten = app.waitForWindow(QStringLiteral("ten"), E2eProgram::ViewableOnly);
        const XWindow two = app.waitForWindow(QStringLiteral("two"), E2eProgram::ViewableOnly);
        QVERIFY(one && ten && two);
        // Each new window goes on top: the stacking order (bottom first) is the opening order.
        const QString tree = E2eSession::run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-children")});
        const auto at = [&tree](XWindow w) { return tree.indexOf(QStringLiteral("0x%1 ").arg(w, 0, 16)); };
        QVERIFY(at(one) >= 0 && at(ten) >= 0 && at(two) >= 0);
        // xwininfo lists the top first.
        QVERIFY2(at(two) < at(ten) && at(ten) < at(one), qPrintable(tree));
    }

    void aKillLosesNothingTypedSecondsBefore()
    {
        E2E_SESSION(session);
        E2eProgram *started = nullptr;
        const XWindow note = startWithNewNote(session, started);
        QVERIFY(note);
        E2eProgram &app = *started;
        E2eSession::typeInto(note, QStringLiteral("survives"));
        // Seconds later, without any exit: the autosave has written it.
        QVERIFY(E2eSession::waitFor([&] { return onlyNote(session).contains("survives"); }, 10000));
        app.sendSignal(SIGKILL);
        QVERIFY(app.waitForExit());
        QVERIFY(onlyNote(session).contains("survives"));
    }

    // A move the note did not make itself (a window manager's keyboard or
    // Alt-drag move) reaches the file by the autosave alone.
    void aMoveByTheWindowManagerIsSaved()
    {
        E2E_SESSION(session);
        E2eProgram *started = nullptr;
        const XWindow note = startWithStoredNote(session, started, "Moved", "moved");
        QVERIFY(note);
        E2eProgram &app = *started;
        E2eSession::run(QStringLiteral("xdotool"), {QStringLiteral("windowmove"), QString::number(note),
                                                     QStringLiteral("300"), QStringLiteral("250")});
        const QByteArray moved = E2eSession::noteFile(300, 250, "Moved", "").left(3 + 12);
        QTRY_VERIFY_WITH_TIMEOUT(session.readNote(QStringLiteral("1.pnf")).startsWith(moved), 6000);
        app.sendSignal(SIGKILL);
        QVERIFY(app.waitForExit());
        QVERIFY(session.readNote(QStringLiteral("1.pnf")).contains("moved"));
    }

    // A note whose file cannot be replaced at exit is copied elsewhere, and
    // the next start says so.
    void aNoteUnwritableAtExitIsRescuedAndReported()
    {
        E2E_SESSION(session);
        E2eProgram *started = nullptr;
        const XWindow note = startWithNewNote(session, started);
        QVERIFY(note);
        E2eSession::typeInto(note, QStringLiteral("first"));
        QVERIFY(E2eSession::waitFor([&] { return session.noteFiles().size() == 1; }, 6000));
        const QString name = session.noteFiles().first();
        // A folder where the file was: nothing can replace it.
        const QString path = QDir(session.notesFolder()).filePath(name);
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path));
        E2eSession::typeInto(note, QStringLiteral(" second"));
        started->sendSignal(SIGTERM);
        QVERIFY(started->waitForExit());
        QCOMPARE(started->exitCode(), 0);

        QDirIterator copies(QDir(session.appFolder()).filePath(QStringLiteral("../data")), {name},
                            QDir::Files, QDirIterator::Subdirectories);
        QVERIFY(copies.hasNext());
        QFile copy(copies.next());
        QVERIFY(copy.open(QIODevice::ReadOnly));
        QVERIFY(copy.readAll().contains("first second"));

        E2eProgram &again = session.start();
        QVERIFY(again.waitForWindow(QStringLiteral("Rescued Notes"), E2eProgram::ViewableOnly));
    }

    // Two monitors side by side, the primary on the right: stored places are
    // places on the whole desktop, on either monitor; only a note beyond
    // every monitor is brought onto the nearest one.
    void notesComeBackWhereTheyWereOnTwoMonitors()
    {
        if (!E2eDisplay::available())
            QSKIP("needs Xvfb and xrandr (x11-xserver-utils)");
        E2eDisplay display(QSize(2560, 800));
        QVERIFY2(display.isUp(), qPrintable(display.error()));
        QVERIFY2(display.setMonitors({QRect(0, 0, 1280, 800), QRect(1280, 0, 1280, 800)}, 1),
                 qPrintable(display.error()));
        E2eSession session;
        session.seedSettings(QuietSettings);
        session.seedNote(QStringLiteral("1.pnf"), E2eSession::noteFile(1400, 300, "Primary", "p"));
        session.seedNote(QStringLiteral("2.pnf"), E2eSession::noteFile(100, 300, "Left", "l"));
        session.seedNote(QStringLiteral("3.pnf"), E2eSession::noteFile(1200, 100, "Across", "a"));
        session.seedNote(QStringLiteral("4.pnf"), E2eSession::noteFile(2700, 500, "Beyond", "b"));
        const QList<std::pair<QString, QRect>> expected{
            {QStringLiteral("Primary"), QRect(1400, 300, 200, 200)},
            {QStringLiteral("Left"), QRect(100, 300, 200, 200)},
            {QStringLiteral("Across"), QRect(1200, 100, 200, 200)},
            {QStringLiteral("Beyond"), QRect(2360, 500, 200, 200)},   // 1280 + 1280 - 200
        };
        {
            E2eProgram &app = session.start();
            for (const auto &[title, place] : expected) {
                const XWindow note = app.waitForWindow(title, E2eProgram::ViewableOnly);
                QVERIFY2(note, qPrintable(title));
                QCOMPARE(E2eSession::geometry(note).value_or(QRect()), place);
            }
            // Moved on the left monitor and saved: written as a desktop place.
            const XWindow left = app.waitForWindow(QStringLiteral("Left"), E2eProgram::ViewableOnly);
            E2eSession::run(QStringLiteral("xdotool"), {QStringLiteral("windowmove"), QString::number(left),
                                                         QStringLiteral("200"), QStringLiteral("400")});
            const QByteArray moved = E2eSession::noteFile(200, 400, "Left", "").left(3 + 12);
            QTRY_VERIFY_WITH_TIMEOUT(session.readNote(QStringLiteral("2.pnf")).startsWith(moved), 6000);
            app.sendSignal(SIGTERM);
            QVERIFY(app.waitForExit());
        }
        E2eProgram &again = session.start();
        const XWindow back = again.waitForWindow(QStringLiteral("Left"), E2eProgram::ViewableOnly);
        QVERIFY(back);
        QCOMPARE(E2eSession::geometry(back).value_or(QRect()), QRect(200, 400, 200, 200));
        again.sendSignal(SIGTERM);
        QVERIFY(again.waitForExit());
    }

    void aNewNoteTakesTheKeyboard_data()
    {
        QTest::addColumn<int>("windowManager");
        QTest::newRow("no wm") << int(E2eWindowManager::None);
        QTest::newRow("openbox") << int(E2eWindowManager::Openbox);
        QTest::newRow("xfwm4") << int(E2eWindowManager::Xfwm4);
    }

    // Double-click the tray icon and type: the keys land in the new note,
    // with no click on it first, whatever manages the windows.
    void aNewNoteTakesTheKeyboard()
    {
        QFETCH(int, windowManager);
        E2E_SESSION(session);
        E2eWindowManager wm{E2eWindowManager::Kind(windowManager)};
        QVERIFY2(wm.waitUntilReady(), "the window manager did not come up");
        E2eProgram *started = nullptr;
        const XWindow note = startWithNewNote(session, started);
        QVERIFY(note);
        E2eProgram &app = *started;
        QVERIFY2(E2eSession::waitFor([&] { return E2eWindowManager::focusedWindow() == note; }, 10000),
                 "the new note has no keyboard focus");
        E2eSession::type(QStringLiteral("typed at once"));

        QVERIFY(session.openTrayMenu());
        E2eSession::keys({QStringLiteral("Up"), QStringLiteral("Return")});   // Exit
        QVERIFY(app.waitForExit());
        QVERIFY2(onlyNote(session).contains("typed at once"), onlyNote(session).constData());
    }

    void terminationWritesEveryOpenNote()
    {
        E2E_SESSION(session);
        E2eProgram *started = nullptr;
        QVERIFY(startWithStoredNote(session, started, "Stored", "stored"));
        E2eProgram &app = *started;
        QVERIFY(session.doubleClickTray());
        const XWindow note = app.waitForWindow(NewNoteTitle, E2eProgram::ViewableOnly);
        QVERIFY(note);
        E2eSession::typeInto(note, QStringLiteral("fresh"));
        // Before the autosave: only the orderly exit can write it.
        app.sendSignal(SIGTERM);
        QVERIFY(app.waitForExit());
        QCOMPARE(app.exitCode(), 0);
        const QStringList files = session.noteFiles();
        QCOMPARE(files.size(), 2);
        QByteArray all;
        for (const QString &file : files)
            all += session.readNote(file);
        QVERIFY(all.contains("fresh"));
        QVERIFY(all.contains("stored"));
    }
};

PAPERLET_E2E_MAIN(TestNotes)
#include "tst_notes_e2e.moc"
