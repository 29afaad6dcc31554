// What a note can do beyond its text, as a user meets it under a real window
// manager: always on top, on all workspaces, rolled up and locked, each
// toggled in the note menu, seen by the window manager and kept across a
// restart; checklists typed, ticked with the mouse and the keyboard and read
// back by another program; and the note driven from the keyboard alone.

#include "e2e_notes.h"
#include "e2e_session.h"
#include "e2e_window_manager.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <memory>

namespace {

const QByteArray Title = "Features";
const QString TitleText = QString::fromLatin1(Title);
// 200 by 200 at (100, 100), opacity 100, light yellow: as the file keeps it.
const QByteArray Header = "\xEF\xBB\xBF" "0000640000640000C80000C800006499FFFF\r\nFeatures\r\n";
constexpr int RolledHeight = 26 + 2;

// The note menu's items as the keyboard reaches them (separators skipped).
enum MenuItem { NewNote, OnTop, AllWorkspaces, RollUp, Lock, ReminderItem, Shortcuts, ColorItem, OpacityItem, Delete, Print,
                SendMail, Close };

void pickFromNoteMenu(E2eProgram &app, XWindow note, MenuItem item)
{
    E2eSession::click(E2eSession::noteMenuButton(note));
    QVERIFY(app.waitForPopupMenu());
    E2eSession::pickMenuItem(item);
    QVERIFY(E2eSession::waitForGrab(false));
}

enum class Shows { Above, AllDesktops, Rolled };

bool shows(Shows what, XWindow note)
{
    switch (what) {
    case Shows::Above:
        return E2eSession::property(note, QStringLiteral("_NET_WM_STATE")).contains(QLatin1String("_NET_WM_STATE_ABOVE"));
    case Shows::AllDesktops:
        return E2eSession::property(note, QStringLiteral("_NET_WM_DESKTOP")).trimmed() == QLatin1String("4294967295");
    case Shows::Rolled:
        return E2eSession::geometry(note).value_or(QRect()).height() == RolledHeight;
    }
    return false;
}

XWindow restart(E2eSession &session, E2eProgram *&app)
{
    app->sendSignal(SIGTERM);
    if (!app->waitForExit())
        return 0;
    app = &session.start();
    return app->waitForWindow(TitleText, E2eProgram::ViewableOnly);
}

// The text another RTF reader (LibreOffice) finds in a note file's content.
QString textOfNote(const QByteArray &file)
{
    const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    QTemporaryDir dir;
    if (office.isEmpty() || !dir.isValid())
        return QString();
    const qsizetype contentStart = file.indexOf("\r\n", file.indexOf("\r\n") + 2) + 2;
    QFile rtf(dir.filePath(QStringLiteral("note.rtf")));
    if (!rtf.open(QIODevice::WriteOnly))
        return QString();
    rtf.write(file.mid(contentStart));
    rtf.close();
    QProcess lo;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
    lo.setProcessEnvironment(env);
    lo.start(office, {QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                      QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("--outdir"), dir.path(), rtf.fileName()});
    if (!lo.waitForFinished(240000))
        return QString();
    QFile out(dir.filePath(QStringLiteral("note.txt")));
    if (!out.open(QIODevice::ReadOnly))
        return QString();
    QString text = QString::fromUtf8(out.readAll());
    text.remove(QChar(0xFEFF));
    text.remove(QLatin1Char('\r'));
    return text.trimmed();
}

// Opens the note menu with its key and picks an item with the arrows.
void pickByKeyboard(E2eProgram &app, XWindow note, MenuItem item)
{
    E2eSession::focus(note);
    E2eSession::key(QStringLiteral("F10"));
    QVERIFY(app.waitForPopupMenu());
    E2eSession::pickMenuItem(item);
}

// A stand-in for the desktop's URL opener that writes down what it is asked
// to open; the copies find it first on their PATH.
QString fakeUrlOpener(const QTemporaryDir &dir)
{
    const QString script = dir.filePath(QStringLiteral("xdg-open"));
    QFile file(script);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("#!/bin/sh\nprintf '%s' \"$1\" > \"$(dirname \"$0\")/opened\"\n");
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    return dir.filePath(QStringLiteral("opened"));
}

} // namespace

class TestNoteFeatures final : public QObject
{
    Q_OBJECT
    std::unique_ptr<E2eWindowManager> m_windowManager;

private Q_SLOTS:
    // Every case runs under a window manager, as on a desktop.
    void init()
    {
        m_windowManager = std::make_unique<E2eWindowManager>(E2eWindowManager::Openbox);
        QVERIFY2(m_windowManager->waitUntilReady(), "openbox did not come up");
    }
    void cleanup() { m_windowManager.reset(); }

    void aStateIsSeenAndKeptAcrossARestart_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("what");
        QTest::addColumn<QByteArray>("group");
        QTest::newRow("always on top") << int(OnTop) << int(Shows::Above) << QByteArray("{\\*\\paperletstate{\\ontop}}");
        QTest::newRow("on all workspaces") << int(AllWorkspaces) << int(Shows::AllDesktops)
                                           << QByteArray("{\\*\\paperletstate{\\sticky}}");
        QTest::newRow("rolled up") << int(RollUp) << int(Shows::Rolled) << QByteArray("{\\*\\paperletstate{\\rolled}}");
    }

    void aStateIsSeenAndKeptAcrossARestart()
    {
        QFETCH(int, item);
        QFETCH(int, what);
        QFETCH(QByteArray, group);
        const auto state = Shows(what);
        E2E_SESSION(session);
        E2eProgram *app = nullptr;
        XWindow note = startWithStoredNote(session, app, Title, "hello");
        QVERIFY(note);
        QVERIFY(!shows(state, note));

        pickFromNoteMenu(*app, note, MenuItem(item));
        QVERIFY(E2eSession::waitFor([&] { return shows(state, note); }));
        // Kept in the file, which keeps its header (a rolled note's full height too).
        QVERIFY(E2eSession::waitFor([&] { return session.readNote(QStringLiteral("1.pnf")).contains(group); }));
        const QByteArray withState = session.readNote(QStringLiteral("1.pnf"));
        QVERIFY(withState.startsWith(Header));

        note = restart(session, app);
        QVERIFY(note);
        QVERIFY(E2eSession::waitFor([&] { return shows(state, note); }));

        // Off again: the file is what it would be had the state never been.
        pickFromNoteMenu(*app, note, MenuItem(item));
        QVERIFY(E2eSession::waitFor([&] { return !shows(state, note); }));
        QVERIFY(E2eSession::waitFor([&] { return !session.readNote(QStringLiteral("1.pnf")).contains("paperletstate"); }));
        QCOMPARE(session.readNote(QStringLiteral("1.pnf")), QByteArray(withState).replace(group, ""));
    }

    void theWheelOverTheBarRollsUpAndDown()
    {
        E2E_SESSION(session);
        E2eProgram *app = nullptr;
        XWindow note = startWithStoredNote(session, app, Title, "hello");
        QVERIFY(note);
        const QRect g = E2eSession::geometry(note).value_or(QRect());
        const QPoint bar(g.left() + 40, g.top() + 12);
        E2eSession::click(bar, 4);   // the wheel turned away from the user
        QVERIFY(E2eSession::waitFor([&] { return shows(Shows::Rolled, note); }));
        QVERIFY(E2eSession::waitFor([&] { return session.readNote(QStringLiteral("1.pnf")).contains("{\\rolled}"); }));
        E2eSession::click(bar, 5);
        QVERIFY(E2eSession::waitFor([&] { return E2eSession::geometry(note)->height() == 200; }));
    }

    void aLockedNoteKeepsItsTextAndTitle()
    {
        E2E_SESSION(session);
        E2eProgram *app = nullptr;
        XWindow note = startWithStoredNote(session, app, Title, "hello");
        QVERIFY(note);
        pickFromNoteMenu(*app, note, Lock);
        QVERIFY(E2eSession::waitFor([&] { return session.readNote(QStringLiteral("1.pnf")).contains("{\\locked}"); }));
        note = restart(session, app);
        QVERIFY(note);

        // Typing, the title's double click and F2 change nothing.
        E2eSession::typeInto(note, QStringLiteral("zzz"));
        const QRect g = E2eSession::geometry(note).value_or(QRect());
        E2eSession::doubleClick(QPoint(g.left() + 60, g.top() + 12));
        E2eSession::type(QStringLiteral("Renamed"));
        E2eSession::key(QStringLiteral("Return"));
        E2eSession::focus(note);
        E2eSession::keys({QStringLiteral("F2"), QStringLiteral("ctrl+a")});
        E2eSession::type(QStringLiteral("Again"));
        E2eSession::key(QStringLiteral("Return"));
        // Close with the platform's key: the file is written now.
        E2eSession::key(QStringLiteral("ctrl+w"));
        QVERIFY(app->waitForWindowGone(note));
        const QByteArray stored = session.readNote(QStringLiteral("1.pnf"));
        QVERIFY(stored.startsWith(Header));
        QVERIFY(stored.contains("hello"));
        QVERIFY(!stored.contains("zzz"));
        QVERIFY(stored.contains("{\\locked}"));
    }

    void aChecklistIsTypedTickedAndReadElsewhere()
    {
        E2E_SESSION(session);
        E2eProgram *app = nullptr;
        // A box at a paragraph's start, from a file made anywhere, is an item.
        XWindow note = startWithStoredNote(session, app, Title, "\xE2\x98\x90 milk");
        QVERIFY(note);
        const QRect g = E2eSession::geometry(note).value_or(QRect());
        E2eSession::focus(note);
        // The box of the first line: the frame, the bar and the text margin in.
        E2eSession::click(QPoint(g.left() + 1 + 4 + 4, g.top() + 1 + 26 + 4 + 8));
        E2eSession::focus(note);
        E2eSession::keys({QStringLiteral("ctrl+Home"), QStringLiteral("End"), QStringLiteral("Return")});
        E2eSession::type(QStringLiteral("bread"));
        // The key ticks the current item; Enter starts the next one, and
        // Enter on an empty item ends the list.
        E2eSession::keys({QStringLiteral("ctrl+Return"), QStringLiteral("Return")});
        E2eSession::type(QStringLiteral("eggs"));
        E2eSession::keys({QStringLiteral("Return"), QStringLiteral("Return")});
        E2eSession::type(QStringLiteral("end"));
        // The checklist key makes a plain paragraph an item.
        E2eSession::keys({QStringLiteral("Return")});
        E2eSession::type(QStringLiteral("jam"));
        E2eSession::key(QStringLiteral("ctrl+shift+l"));
        E2eSession::key(QStringLiteral("ctrl+w"));
        QVERIFY(app->waitForWindowGone(note));

        const QByteArray stored = session.readNote(QStringLiteral("1.pnf"));
        const QString text = textOfNote(stored);
        if (text.isEmpty() && QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
            QSKIP("LibreOffice (soffice) is not installed");
        QCOMPARE(text, QStringLiteral("\u2611 milk\n\u2611 bread\n\u2610 eggs\nend\n\u2610 jam"));

        // Read back, the items are items again: the key unticks the first.
        app->sendSignal(SIGTERM);
        QVERIFY(app->waitForExit());
        app = &session.start();
        note = app->waitForWindow(TitleText, E2eProgram::ViewableOnly);
        QVERIFY(note);
        E2eSession::focus(note);
        E2eSession::keys({QStringLiteral("ctrl+Home"), QStringLiteral("ctrl+Return"), QStringLiteral("ctrl+w")});
        QVERIFY(app->waitForWindowGone(note));
        QVERIFY(textOfNote(session.readNote(QStringLiteral("1.pnf"))).startsWith(QStringLiteral("\u2610 milk\n\u2611 bread")));
    }

    void everyNoteCommandWithoutTheMouse()
    {
        E2E_SESSION(session);
        QTemporaryDir bin;
        QVERIFY(bin.isValid());
        const QString opened = fakeUrlOpener(bin);
        session.setEnvironment(QStringLiteral("PATH"), bin.path() + QLatin1Char(':') + qEnvironmentVariable("PATH"));
        session.seedNote(QStringLiteral("2.pnf"), E2eSession::noteFile(500, 100, "Second", "two"));
        E2eProgram *started = nullptr;
        const XWindow note = startWithStoredNote(session, started, Title, "hello");
        QVERIFY(note);
        E2eProgram &app = *started;

        pickByKeyboard(app, note, NewNote);
        const XWindow made = app.waitForWindow(QStringLiteral("New Note"), E2eProgram::ViewableOnly);
        QVERIFY(made);
        E2eSession::focus(made);
        E2eSession::key(QStringLiteral("ctrl+w"));
        QVERIFY(app.waitForWindowGone(made));

        pickByKeyboard(app, note, OnTop);
        QVERIFY(E2eSession::waitFor([&] { return shows(Shows::Above, note); }));
        pickByKeyboard(app, note, AllWorkspaces);
        QVERIFY(E2eSession::waitFor([&] { return shows(Shows::AllDesktops, note); }));
        pickByKeyboard(app, note, RollUp);
        QVERIFY(E2eSession::waitFor([&] { return shows(Shows::Rolled, note); }));
        pickByKeyboard(app, note, RollUp);
        QVERIFY(E2eSession::waitFor([&] { return E2eSession::geometry(note)->height() == 200; }));
        pickByKeyboard(app, note, Lock);
        QVERIFY(E2eSession::waitFor([&] { return session.readNote(QStringLiteral("1.pnf")).contains("{\\locked}"); }));
        pickByKeyboard(app, note, Lock);
        QVERIFY(E2eSession::waitFor([&] { return !session.readNote(QStringLiteral("1.pnf")).contains("{\\locked}"); }));

        pickByKeyboard(app, note, Shortcuts);
        QVERIFY(app.answerMessageBox(QStringLiteral("Keyboard Shortcuts")));

        // Colour: into the palette, one cell right, pick.
        pickByKeyboard(app, note, ColorItem);
        E2eSession::keys({QStringLiteral("Right"), QStringLiteral("Right"), QStringLiteral("Return")});
        QVERIFY(E2eSession::waitFor([&] { return !session.readNote(QStringLiteral("1.pnf")).contains("99FFFF\r\n"); }));
        // Opacity: into the submenu, down to 50 %, pick.
        pickByKeyboard(app, note, OpacityItem);
        E2eSession::keys({QStringLiteral("Right"), QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Down"),
                          QStringLiteral("Down"), QStringLiteral("Return")});
        QVERIFY(E2eSession::waitFor([&] { return qRound(E2eSession::opacity(note).value_or(1) * 255) == 127; }));

        // Print opens the print dialog, which Escape closes; so does the key.
        pickByKeyboard(app, note, Print);
        XWindow dialog = app.waitForWindow(QStringLiteral("Print"), E2eProgram::ViewableOnly);
        QVERIFY(dialog);
        E2eSession::focus(dialog);
        E2eSession::key(QStringLiteral("Escape"));
        QVERIFY(app.waitForWindowGone(dialog));
        E2eSession::focus(note);
        E2eSession::key(QStringLiteral("ctrl+p"));
        dialog = app.waitForWindow(QStringLiteral("Print"), E2eProgram::ViewableOnly);
        QVERIFY(dialog);
        E2eSession::focus(dialog);
        E2eSession::key(QStringLiteral("Escape"));
        QVERIFY(app.waitForWindowGone(dialog));

        pickByKeyboard(app, note, SendMail);
        QVERIFY(E2eSession::waitFor([&] { return QFile::exists(opened); }));
        QFile url(opened);
        QVERIFY(url.open(QIODevice::ReadOnly));
        QCOMPARE(url.readAll(), QByteArray("mailto:?subject=Features&body=hello%0D%0A"));

        // F2 edits the title; Alt+F7 moves the note with the arrows.
        E2eSession::focus(note);
        E2eSession::keys({QStringLiteral("F2"), QStringLiteral("ctrl+a")});
        E2eSession::type(QStringLiteral("Keys"));
        E2eSession::key(QStringLiteral("Return"));
        QVERIFY(app.waitForWindow(QStringLiteral("Keys")));
        const QPoint before = E2eSession::geometry(note)->topLeft();
        E2eSession::keys({QStringLiteral("alt+F7"), QStringLiteral("Right"), QStringLiteral("Down"), QStringLiteral("Return")});
        QVERIFY(E2eSession::waitFor([&] { return E2eSession::geometry(note)->topLeft() == before + QPoint(10, 10); }));

        pickByKeyboard(app, note, Close);
        QVERIFY(app.waitForWindowGone(note));
        QVERIFY(session.readNote(QStringLiteral("1.pnf")).contains("Keys\r\n"));

        const XWindow second = app.waitForWindow(QStringLiteral("Second"), E2eProgram::ViewableOnly);
        QVERIFY(second);
        pickByKeyboard(app, second, Delete);
        QVERIFY(app.answerMessageBox(QStringLiteral("Delete Confirmation")));
        QVERIFY(app.waitForWindowGone(second));
        QVERIFY(!session.noteFiles().contains(QStringLiteral("2.pnf")));
    }
};

PAPERLET_E2E_MAIN(TestNoteFeatures)
#include "tst_note_features_e2e.moc"
