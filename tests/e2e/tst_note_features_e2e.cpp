// What a note can do beyond its text, as a user meets it under a real window
// manager: always on top, on all workspaces, rolled up and locked, each
// toggled in the note menu, seen by the window manager and kept across a
// restart; checklists typed, ticked with the mouse and the keyboard and read
// back by another program; and the note driven from the keyboard alone.

#include "e2e_notes.h"
#include "e2e_panel_desktop.h"
#include "e2e_session.h"
#include "e2e_window_manager.h"

#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
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

enum class Tray { XEmbed, StatusNotifier };

// A desktop of the case's own: an X server, a window manager and a tray of
// one kind: trayer (XEmbed) or xfce4-panel's systray as a status-notifier
// host on a private bus, up before the program so that Qt takes that path.
// Made before the session, which takes its display.
class Desktop final
{
public:
    Desktop(E2eWindowManager::Kind manager, Tray tray)
    {
        if (!m_display.isUp())
            return;
        m_manager = std::make_unique<E2eWindowManager>(manager);
        if (!m_manager->waitUntilReady())
            return;
        if (tray == Tray::XEmbed) {
            m_up = m_display.startTray();
            return;
        }
        m_panel = std::make_unique<E2ePanelDesktop>(m_folder.path());
        m_up = m_panel->isUp() && m_panel->startPanel()
            && E2eSession::waitFor([this] { return m_panel->hostRegistered(); });
    }

    bool isUp() const { return m_up; }
    QString error() const { return m_display.isUp() ? QStringLiteral("the desktop did not come up") : m_display.error(); }

    // Gives the session's copies the desktop's bus, where it has one.
    void enter(E2eSession &session) const
    {
        if (m_panel)
            session.setEnvironment(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_panel->busAddress());
    }

    // The program's tray icon is there: embedded, or registered with the host.
    bool waitForTrayIcon(E2eProgram &app)
    {
        if (!m_panel)
            return app.waitForTrayIcon();
        return E2eSession::waitFor([&] {
            QDBusConnectionInterface *names = m_panel->bus().interface();
            const QStringList items = m_panel->items();
            return names && std::any_of(items.cbegin(), items.cend(), [&](const QString &item) {
                       return names->servicePid(item.section(QLatin1Char('/'), 0, 0)).value() == app.pid();
                   });
        });
    }

private:
    E2eDisplay m_display;
    QTemporaryDir m_folder;
    std::unique_ptr<E2eWindowManager> m_manager;
    std::unique_ptr<E2ePanelDesktop> m_panel;
    bool m_up = false;
};

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

// The cases that need no desktop of their own run under openbox on the
// shared display, as on a desktop.
#define UNDER_OPENBOX(manager)                                              \
    if (!E2eSession::hasDisplay())                                          \
        QSKIP("no DISPLAY: run under tests/e2e/with-display.sh");           \
    E2eWindowManager manager(E2eWindowManager::Openbox);                    \
    QVERIFY2(manager.waitUntilReady(), "openbox did not come up")

class TestNoteFeatures final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aStateIsSeenAndKeptAcrossARestart_data()
    {
        QTest::addColumn<E2eWindowManager::Kind>("manager");
        QTest::addColumn<Tray>("tray");
        QTest::addColumn<MenuItem>("item");
        QTest::addColumn<Shows>("state");
        QTest::addColumn<QByteArray>("group");
        const struct
        {
            const char *name;
            MenuItem item;
            Shows what;
            QByteArray group;
        } states[] = {
            {"always on top", OnTop, Shows::Above, "{\\*\\paperletstate{\\ontop}}"},
            {"on all workspaces", AllWorkspaces, Shows::AllDesktops, "{\\*\\paperletstate{\\sticky}}"},
            {"rolled up", RollUp, Shows::Rolled, "{\\*\\paperletstate{\\rolled}}"},
        };
        for (const E2eWindowManager::Kind manager : {E2eWindowManager::Openbox, E2eWindowManager::Xfwm4})
            for (const Tray tray : {Tray::XEmbed, Tray::StatusNotifier})
                for (const auto &state : states)
                    QTest::addRow("%s, %s, %s", qPrintable(E2eWindowManager::name(manager)),
                                  tray == Tray::XEmbed ? "XEmbed" : "status notifier", state.name)
                        << manager << tray << state.item << state.what << state.group;
    }

    void aStateIsSeenAndKeptAcrossARestart()
    {
        QFETCH(E2eWindowManager::Kind, manager);
        QFETCH(Tray, tray);
        QFETCH(MenuItem, item);
        QFETCH(Shows, state);
        QFETCH(QByteArray, group);
        if (!E2eSession::hasDisplay())
            QSKIP("no DISPLAY: run under tests/e2e/with-display.sh");
        const QString trayProgram = tray == Tray::XEmbed ? QStringLiteral("trayer") : QStringLiteral("xfce4-panel");
        for (const QString &program : {E2eWindowManager::program(manager), trayProgram})
            if (QStandardPaths::findExecutable(program).isEmpty())
                QSKIP(qPrintable(program + QStringLiteral(" is not installed (scripts/setup.sh installs it)")));
        Desktop desktop(manager, tray);
        QVERIFY2(desktop.isUp(), qPrintable(desktop.error()));
        E2eSession session;
        desktop.enter(session);
        session.seedSettings(QuietSettings);
        session.seedNote(QStringLiteral("1.pnf"), E2eSession::noteFile(100, 100, Title, "hello"));
        const auto start = [&]() -> std::pair<E2eProgram *, XWindow> {
            E2eProgram &app = session.start();
            if (!desktop.waitForTrayIcon(app))
                return {&app, 0};
            return {&app, app.waitForWindow(TitleText, E2eProgram::ViewableOnly)};
        };
        auto [app, note] = start();
        QVERIFY(note);
        QVERIFY(!shows(state, note));

        pickFromNoteMenu(*app, note, item);
        QVERIFY(E2eSession::waitFor([&] { return shows(state, note); }));
        // Kept in the file, which keeps its header (a rolled note's full height too).
        QVERIFY(E2eSession::waitFor([&] { return session.readNote(QStringLiteral("1.pnf")).contains(group); }));
        const QByteArray withState = session.readNote(QStringLiteral("1.pnf"));
        QVERIFY(withState.startsWith(Header));

        app->sendSignal(SIGTERM);
        QVERIFY(app->waitForExit());
        std::tie(app, note) = start();
        QVERIFY(note);
        QVERIFY(E2eSession::waitFor([&] { return shows(state, note); }));

        // Off again: the file is what it would be had the state never been.
        pickFromNoteMenu(*app, note, item);
        QVERIFY(E2eSession::waitFor([&] { return !shows(state, note); }));
        QVERIFY(E2eSession::waitFor([&] { return !session.readNote(QStringLiteral("1.pnf")).contains("paperletstate"); }));
        QCOMPARE(session.readNote(QStringLiteral("1.pnf")), QByteArray(withState).replace(group, ""));
    }

    void theWheelOverTheBarRollsUpAndDown()
    {
        UNDER_OPENBOX(manager);
        E2eSession session;
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
        UNDER_OPENBOX(manager);
        E2eSession session;
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
        UNDER_OPENBOX(manager);
        E2eSession session;
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

    // The keys that open menus open them where the user looks: the text
    // menu at the caret, wherever the pointer is, and the note menu where
    // its button opens it.
    void theKeysOpenTheirMenusWhereTheyBelong()
    {
        UNDER_OPENBOX(manager);
        E2eSession session;
        E2eProgram *started = nullptr;
        const XWindow note = startWithStoredNote(session, started, Title, "hello");
        QVERIFY(note);
        E2eProgram &app = *started;
        const QRect g = E2eSession::geometry(note).value_or(QRect());
        const auto menuPlace = [&] {
            const XWindow menu = app.waitForPopupMenu();
            return menu ? E2eSession::geometry(menu).value_or(QRect()).topLeft() : QPoint(-1, -1);
        };
        const auto closeMenu = [] {
            E2eSession::key(QStringLiteral("Escape"));
            QVERIFY(E2eSession::waitForGrab(false));
        };
        // The pointer far from the note: a menu there would be the pointer's.
        E2eSession::moveMouse(QPoint(1200, 700));

        // Shift+F10 at the text's start: just below the caret, in the text.
        E2eSession::focus(note);
        E2eSession::keys({QStringLiteral("ctrl+Home"), QStringLiteral("shift+F10")});
        const QPoint atStart = menuPlace();
        QVERIFY2(QRect(g.left(), g.top() + 26, 40, 40).contains(atStart),
                 qPrintable(QStringLiteral("%1,%2").arg(atStart.x()).arg(atStart.y())));
        // It is the text menu: its last item centres the paragraph.
        E2eSession::keys({QStringLiteral("Up"), QStringLiteral("Return")});
        QVERIFY(E2eSession::waitForGrab(false));
        QVERIFY(E2eSession::waitFor([&] { return session.readNote(QStringLiteral("1.pnf")).contains("\\qc"); }));

        // The Menu key at the line's end: further right on the same line.
        E2eSession::keys({QStringLiteral("End"), QStringLiteral("Menu")});
        const QPoint atEnd = menuPlace();
        QCOMPARE(atEnd.y(), atStart.y());
        QVERIFY2(atEnd.x() > atStart.x() + 20, qPrintable(QString::number(atEnd.x())));
        closeMenu();
        // On the next line: further down.
        E2eSession::keys({QStringLiteral("Return"), QStringLiteral("shift+F10")});
        const QPoint below = menuPlace();
        QVERIFY2(below.y() >= atStart.y() + 10, qPrintable(QString::number(below.y())));
        closeMenu();

        // F10 opens the note menu where its button does; an item picked
        // there does its work.
        E2eSession::click(E2eSession::noteMenuButton(note));
        const QPoint byMouse = menuPlace();
        closeMenu();
        E2eSession::moveMouse(QPoint(1200, 700));
        E2eSession::focus(note);
        E2eSession::key(QStringLiteral("F10"));
        QCOMPARE(menuPlace(), byMouse);
        E2eSession::pickMenuItem(OnTop);
        QVERIFY(E2eSession::waitFor([&] { return shows(Shows::Above, note); }));

        // Ctrl+N: a new note, which takes the keyboard.
        E2eSession::focus(note);
        E2eSession::key(QStringLiteral("ctrl+n"));
        const XWindow made = app.waitForWindow(QStringLiteral("New Note"), E2eProgram::ViewableOnly);
        QVERIFY(made);
        QVERIFY(E2eSession::waitFor([&] { return E2eWindowManager::focusedWindow() == made; }));
        E2eSession::type(QStringLiteral("typed"));
        E2eSession::key(QStringLiteral("ctrl+w"));
        QVERIFY(app.waitForWindowGone(made));
        QCOMPARE(session.noteFiles().size(), 2);
    }

    // A note that starts rolled up has no text to type into: the note's keys
    // still reach it.
    void aRolledUpNoteTakesItsKeys()
    {
        UNDER_OPENBOX(manager);
        E2eSession session;
        E2eProgram *started = nullptr;
        const XWindow note = startWithStoredNote(
            session, started, Title,
            "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Tahoma;}}\\f0\\fs20 hello\\par{\\*\\paperletstate{\\rolled}}}");
        QVERIFY(note);
        QVERIFY(E2eSession::waitFor([&] { return shows(Shows::Rolled, note); }));
        pickByKeyboard(*started, note, RollUp);
        QVERIFY(E2eSession::waitFor([&] { return E2eSession::geometry(note)->height() == 200; }));
        E2eSession::key(QStringLiteral("ctrl+w"));
        QVERIFY(started->waitForWindowGone(note));
    }

    void everyNoteCommandWithoutTheMouse()
    {
        UNDER_OPENBOX(manager);
        E2eSession session;
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
        // Alt+F8 sizes it the same way.
        const QSize size = E2eSession::geometry(note)->size();
        E2eSession::keys({QStringLiteral("alt+F8"), QStringLiteral("Right"), QStringLiteral("Down"), QStringLiteral("Return")});
        QVERIFY(E2eSession::waitFor([&] { return E2eSession::geometry(note)->size() == size + QSize(10, 10); }));

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
