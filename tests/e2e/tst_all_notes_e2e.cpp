// The All Notes window as a user meets it: opened from the tray, driven by
// the keyboard only, finding notes among many, showing hidden and lost ones,
// deleting notes and taking them back from the desktop's trash.

#include "e2e_notes.h"
#include "e2e_notify_recorder.h"
#include "e2e_session.h"
#include "../common/file_bytes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTest>
#include <QUrl>

#include <csignal>

namespace {

const QString AllNotes = QStringLiteral("All Notes");
const QString DeleteCaption = QStringLiteral("Delete Confirmation");
// The tray menu: New Note, Show All Notes, Hide All Notes, All Notes...
constexpr int HideAllItem = 2;
constexpr int AllNotesItem = 3;

const QRect Screen(0, 0, 1280, 800);

// Seeds a note whose file was last changed `minutesAgo` minutes ago.
void seedAged(const E2eSession &session, const QString &name, int left, int top, const QByteArray &title,
              const QByteArray &text, int minutesAgo)
{
    session.seedNote(name, E2eSession::noteFile(left, top, title, text));
    QFile file(QDir(session.notesFolder()).filePath(name));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60 * minutesAgo), QFileDevice::FileModificationTime));
}

// Puts a note in the desktop's trash as if it had been deleted from the notes
// folder at `deleted`.
void seedTrashed(const E2eSession &session, const QString &name, const QByteArray &title, const QByteArray &text,
                 const QDateTime &deleted)
{
    const QDir trash(session.trashFolder());
    QVERIFY(trash.mkpath(QStringLiteral("files")) && trash.mkpath(QStringLiteral("info")));
    QFile file(trash.filePath(QStringLiteral("files/") + name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(E2eSession::noteFile(100, 100, title, text));
    QFile info(trash.filePath(QStringLiteral("info/") + name + QStringLiteral(".trashinfo")));
    QVERIFY(info.open(QIODevice::WriteOnly));
    info.write("[Trash Info]\nPath=" + QUrl::toPercentEncoding(QDir(session.notesFolder()).filePath(name), "/")
               + "\nDeletionDate=" + deleted.toString(Qt::ISODate).toLatin1() + "\n");
}

bool pickTrayItem(E2eSession &session, int item)
{
    if (!E2eSession::waitForGrab(false)) {
        qWarning("a grab is held");
        return false;
    }
    if (!session.openTrayMenu()) {
        qWarning("the tray menu does not open");
        return false;
    }
    E2eSession::pickMenuItem(item);
    return true;
}

XWindow openAllNotes(E2eSession &session, E2eProgram &app)
{
    if (!pickTrayItem(session, AllNotesItem))
        return 0;
    return app.waitForWindow(AllNotes, E2eProgram::ViewableOnly);
}

QString focusedWindow()
{
    return E2eSession::run(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")}).trimmed();
}

// The program's windows on screen that are notes, by title.
QStringList shownNoteTitles(const E2eProgram &app)
{
    QStringList titles;
    for (XWindow window : app.shownWindows()) {
        const QString title = E2eSession::title(window);
        if (title != AllNotes)
            titles.append(title);
    }
    titles.sort();
    return titles;
}

// Opens the menu of a button of the window by its Alt key and picks an item.
bool pickButtonMenuItem(const E2eProgram &app, const QString &altKey, int item)
{
    E2eSession::key(altKey);
    if (!app.waitForPopupMenu())
        return false;
    E2eSession::pickMenuItem(item);
    return true;
}

// Answers a file dialog by typing a path into it.
bool answerFileDialog(const E2eProgram &app, const QString &caption, const QString &path)
{
    const XWindow dialog = app.waitForWindow(caption, E2eProgram::ViewableOnly);
    if (!dialog)
        return false;
    E2eSession::focus(dialog);
    E2eSession::key(QStringLiteral("ctrl+a"));
    E2eSession::type(path);
    E2eSession::key(QStringLiteral("Return"));
    return app.waitForWindowGone(dialog);
}

// The Export menu: Selected Notes Only, Plain Text, Markdown, HTML, Zip backup.
enum ExportItem { SelectedOnly = 0, PlainText = 1, Markdown = 2 };
// The Import menu: Files, Xpad Notes.
enum ImportItem { Files = 0, XpadNotes = 1 };

} // namespace

class TestAllNotes final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void findsOneNoteAmongManyByAWordWithAccentsAndCaseMixed()
    {
        E2E_SESSION(session);
        session.seedSettings(QuietSettings);
        for (int i = 0; i < 200; ++i) {
            const QByteArray text = i == 137 ? QByteArray("Sunday dessert: Crème Brûlée for six") : "ordinary words " + QByteArray::number(i);
            // Notes that almost match: one word of the two, or without the accent's letter.
            const QByteArray near = i == 50 ? "brulee is off" : i == 51 ? "creme fraiche" : text;
            session.seedNote(QStringLiteral("%1.pnf").arg(1000 + i),
                             E2eSession::noteFile(20 + (i % 20) * 50, 20 + (i / 20) * 50, "Note " + QByteArray::number(i), near));
        }
        E2eProgram &app = session.start();
        QVERIFY(app.waitForTrayIcon());
        QVERIFY(E2eSession::waitFor([&] { return app.windows({}, E2eProgram::ViewableOnly).size() >= 200; }, 120000));
        QVERIFY(pickTrayItem(session, HideAllItem));
        QVERIFY(E2eSession::waitFor([&] { return shownNoteTitles(app).isEmpty(); }, 60000));

        const XWindow window = openAllNotes(session, app);
        QVERIFY(window);
        // The search field has the keyboard: typing goes straight in. The
        // note's words carry the accents: xdotool types letters outside the
        // keymap by remapping a key for each, which drops some on a busy
        // machine (the accents of the query are the unit tests' business).
        E2eSession::type(QStringLiteral("bRuLeE CREME"));
        E2eSession::key(QStringLiteral("Return"));
        QVERIFY(app.waitForWindow(QStringLiteral("Note 137"), E2eProgram::ViewableOnly));
        QVERIFY(session.settleWithTrayMenu());
        QCOMPARE(shownNoteTitles(app), QStringList{QStringLiteral("Note 137")});

        // The tray item again brings the open window forward, with the keyboard.
        QVERIFY(E2eSession::waitFor([&] { return focusedWindow() != QString::number(window); }));
        QCOMPARE(openAllNotes(session, app), window);
        QVERIFY(E2eSession::waitFor([&] { return focusedWindow() == QString::number(window); }));
        QCOMPARE(app.windows(AllNotes).size(), 1);
        // Escape closes it.
        E2eSession::key(QStringLiteral("Escape"));
        QVERIFY(app.waitForWindowGone(window));
    }

    void arrowsPickAmongMatchesAndEnterShowsAHiddenNote()
    {
        E2E_SESSION(session);
        session.seedSettings(QuietSettings);
        seedAged(session, QStringLiteral("1.pnf"), 100, 100, "Older picnic", "basket", 60);
        seedAged(session, QStringLiteral("2.pnf"), 400, 100, "Newer picnic", "blanket", 5);
        seedAged(session, QStringLiteral("3.pnf"), 700, 100, "Shopping", "bread", 1);
        E2eProgram &app = session.start();
        QVERIFY(app.waitForTrayIcon());
        QVERIFY(app.waitForWindow(QStringLiteral("Shopping"), E2eProgram::ViewableOnly));
        QVERIFY(pickTrayItem(session, HideAllItem));
        QVERIFY(E2eSession::waitFor([&] { return shownNoteTitles(app).isEmpty(); }));

        QVERIFY(openAllNotes(session, app));
        // Newest change first: the second match is the older picnic.
        E2eSession::type(QStringLiteral("picnic"));
        E2eSession::keys({QStringLiteral("Down"), QStringLiteral("Return")});
        const XWindow shown = app.waitForWindow(QStringLiteral("Older picnic"), E2eProgram::ViewableOnly);
        QVERIFY(shown);
        QCOMPARE(E2eSession::geometry(shown).value_or(QRect()).topLeft(), QPoint(100, 100));
        QVERIFY(session.settleWithTrayMenu());
        QCOMPARE(shownNoteTitles(app), QStringList{QStringLiteral("Older picnic")});
    }

    // A note left on a monitor that is gone.
    void aNoteOutsideEveryScreenComesOntoIt()
    {
        if (!E2eDisplay::available())
            QSKIP("needs Xvfb and xrandr (x11-xserver-utils)");
        E2eDisplay display(QSize(2560, 800));
        QVERIFY2(display.isUp(), qPrintable(display.error()));
        QVERIFY2(display.setMonitors({QRect(0, 0, 1280, 800), QRect(1280, 0, 1280, 800)}, 0),
                 qPrintable(display.error()));
        QVERIFY(display.startTray());
        E2eSession session;
        session.seedSettings(QuietSettings);
        session.seedNote(QStringLiteral("1.pnf"), E2eSession::noteFile(1800, 300, "Faraway", "lost note"));
        session.seedNote(QStringLiteral("2.pnf"), E2eSession::noteFile(300, 300, "Nearby", "found note"));
        E2eProgram &app = session.start();
        QVERIFY(app.waitForTrayIcon());
        const XWindow far = app.waitForWindow(QStringLiteral("Faraway"), E2eProgram::ViewableOnly);
        QVERIFY(far);
        QCOMPARE(E2eSession::geometry(far).value_or(QRect()).topLeft(), QPoint(1800, 300));
        // The right monitor is unplugged.
        int code = -1;
        E2eSession::run(QStringLiteral("xrandr"), {QStringLiteral("--delmonitor"), QStringLiteral("M1")}, &code);
        QCOMPARE(code, 0);
        QVERIFY(E2eSession::run(QStringLiteral("xrandr"), {QStringLiteral("--listmonitors")}).startsWith(QStringLiteral("Monitors: 1\n")));

        QVERIFY(openAllNotes(session, app));
        E2eSession::type(QStringLiteral("LOST"));
        E2eSession::key(QStringLiteral("Return"));
        QVERIFY(E2eSession::waitFor([&] { return Screen.contains(E2eSession::geometry(far).value_or(QRect())); }));
        // A note on the screen stays where it is.
        E2eSession::keys({QStringLiteral("ctrl+a")});
        E2eSession::type(QStringLiteral("found"));
        E2eSession::key(QStringLiteral("Return"));
        QVERIFY(session.settleWithTrayMenu());
        const XWindow near = app.waitForWindow(QStringLiteral("Nearby"));
        QCOMPARE(E2eSession::geometry(near).value_or(QRect()).topLeft(), QPoint(300, 300));
        // The new place is the note's: it is written there.
        const QRect place = E2eSession::geometry(far).value_or(QRect());
        app.sendSignal(SIGTERM);
        QVERIFY(app.waitForExit());
        const QByteArray stored = session.readNote(QStringLiteral("1.pnf"));
        const QByteArray left = QByteArray::number(place.left(), 16).toUpper().rightJustified(6, '0');
        const QByteArray expected = QByteArray("\xEF\xBB\xBF").append(left);
        QVERIFY2(stored.startsWith(expected), stored.left(20).constData());
    }

    void deletedNotesComeBackByUndoAndAfterARestart()
    {
        E2E_SESSION(session);
        E2E_RECORDER(recorder, bus, session);
        session.seedSettings(QuietSettings);
        seedAged(session, QStringLiteral("1.pnf"), 50, 50, "Alpha", "alone", 40);
        seedAged(session, QStringLiteral("2.pnf"), 300, 50, "Bravo", "trip plan", 30);
        seedAged(session, QStringLiteral("3.pnf"), 550, 50, "Charlie", "trip tickets", 20);
        seedAged(session, QStringLiteral("4.pnf"), 800, 50, "Delta", "trip hotel", 10);
        const QString notes = session.notesFolder();
        {
            E2eProgram &app = session.start();
            QVERIFY(app.waitForTrayIcon());
            QVERIFY(app.waitForWindow(QStringLiteral("Delta"), E2eProgram::ViewableOnly));
            const XWindow window = openAllNotes(session, app);
            QVERIFY(window);

            // One note: Tab to the list, Delete, confirm; Ctrl+Z takes it back.
            E2eSession::type(QStringLiteral("alone"));
            E2eSession::keys({QStringLiteral("Tab"), QStringLiteral("Delete")});
            QVERIFY(app.answerMessageBox(DeleteCaption));
            QVERIFY(E2eSession::waitFor([&] { return !QFile::exists(notes + QStringLiteral("/1.pnf")); }));
            QVERIFY(QFile::exists(session.trashFolder() + QStringLiteral("/files/1.pnf")));
            E2eSession::focus(window);
            E2eSession::key(QStringLiteral("ctrl+z"));
            QVERIFY(E2eSession::waitFor([&] { return QFile::exists(notes + QStringLiteral("/1.pnf")); }));
            QVERIFY(app.waitForWindow(QStringLiteral("Alpha"), E2eProgram::ViewableOnly));
            QVERIFY(!QFile::exists(session.trashFolder() + QStringLiteral("/info/1.pnf.trashinfo")));

            // Three at once.
            E2eSession::focus(window);
            E2eSession::key(QStringLiteral("ctrl+f"));
            E2eSession::type(QStringLiteral("trip"));
            E2eSession::keys({QStringLiteral("Tab"), QStringLiteral("ctrl+a"), QStringLiteral("Delete")});
            QVERIFY(app.answerMessageBox(DeleteCaption));
            QVERIFY(E2eSession::waitFor([&] { return session.noteFiles() == QStringList{QStringLiteral("1.pnf")}; }));
            QVERIFY(session.settleWithTrayMenu());
            QCOMPARE(shownNoteTitles(app), QStringList{QStringLiteral("Alpha")});
            // Each delete got a notification of its own that offers Undo.
            QVERIFY(E2eSession::waitFor([&] { return recorder.notifications().size() == 4; }));
            QStringList notified;
            for (const QJsonObject &shown : recorder.notifications()) {
                QCOMPARE(shown.value(QStringLiteral("actions")).toArray().first().toString(), QStringLiteral("undo"));
                notified.append(shown.value(QStringLiteral("body")).toString());
            }
            notified.sort();
            QCOMPARE(notified, (QStringList{QStringLiteral("Alpha"), QStringLiteral("Bravo"), QStringLiteral("Charlie"),
                                            QStringLiteral("Delta")}));
            app.sendSignal(SIGTERM);
            QVERIFY(app.waitForExit());
        }
        // Another note took Bravo's file name meanwhile.
        session.seedNote(QStringLiteral("2.pnf"), E2eSession::noteFile(300, 400, "Newcomer", "mine now"));

        E2eProgram &again = session.start();
        QVERIFY(again.waitForTrayIcon());
        QVERIFY(again.waitForWindow(QStringLiteral("Newcomer"), E2eProgram::ViewableOnly));
        // The command line opens the window in the running copy.
        E2eProgram &command = session.start({QStringLiteral("--all-notes")});
        QVERIFY(command.waitForExit());
        QCOMPARE(command.exitCode(), 0);
        QVERIFY(again.waitForWindow(AllNotes, E2eProgram::ViewableOnly));
        E2eSession::key(QStringLiteral("alt+r"));
        E2eSession::key(QStringLiteral("ctrl+f"));
        E2eSession::type(QStringLiteral("bravo"));
        E2eSession::key(QStringLiteral("Return"));
        QVERIFY(again.waitForWindow(QStringLiteral("Bravo"), E2eProgram::ViewableOnly));
        QVERIFY(E2eSession::waitFor([&] { return session.noteFiles().size() == 3; }));
        const QStringList files = session.noteFiles();
        QVERIFY(session.readNote(QStringLiteral("2.pnf")).contains("mine now"));
        QStringList restored = files;
        restored.removeAll(QStringLiteral("1.pnf"));
        restored.removeAll(QStringLiteral("2.pnf"));
        QCOMPARE(restored.size(), 1);
        QVERIFY(session.readNote(restored.first()).contains("trip plan"));
        // The other two stay in the trash.
        QCOMPARE(QDir(session.trashFolder() + QStringLiteral("/info")).entryList(QDir::Files).size(), 2);
    }

    // From the search field, as on the notes page: the arrows pick among the
    // deleted notes and Enter restores the one picked.
    void aDeletedNoteIsPickedByTheArrowsOrFoundByItsText()
    {
        E2E_SESSION(session);
        session.seedSettings(QuietSettings);
        seedAged(session, QStringLiteral("1.pnf"), 50, 50, "Kept", "here", 10);
        const QDateTime day(QDate(2026, 3, 1), QTime(12, 0));
        seedTrashed(session, QStringLiteral("2.pnf"), "Alpha", "apple pie", day.addSecs(120));
        seedTrashed(session, QStringLiteral("3.pnf"), "Bravo", "apple tart", day.addSecs(60));
        seedTrashed(session, QStringLiteral("4.pnf"), "Charlie", "pear", day);
        E2eProgram &app = session.start();
        QVERIFY(app.waitForTrayIcon());
        QVERIFY(app.waitForWindow(QStringLiteral("Kept"), E2eProgram::ViewableOnly));
        QVERIFY(openAllNotes(session, app));
        E2eSession::key(QStringLiteral("alt+r"));
        E2eSession::key(QStringLiteral("ctrl+f"));
        // Newest deletion first: one down is Bravo.
        E2eSession::keys({QStringLiteral("Down"), QStringLiteral("Return")});
        QVERIFY(app.waitForWindow(QStringLiteral("Bravo"), E2eProgram::ViewableOnly));
        QVERIFY(E2eSession::waitFor([&] { return session.noteFiles() == (QStringList{QStringLiteral("1.pnf"), QStringLiteral("3.pnf")}); }));

        // Found by a word of its text, as on the notes page.
        const XWindow window = app.waitForWindow(AllNotes, E2eProgram::ViewableOnly);
        QVERIFY(window);
        E2eSession::focus(window);
        E2eSession::key(QStringLiteral("ctrl+f"));
        E2eSession::type(QStringLiteral("PEAR"));
        E2eSession::key(QStringLiteral("Return"));
        QVERIFY(app.waitForWindow(QStringLiteral("Charlie"), E2eProgram::ViewableOnly));
        QVERIFY(QFile::exists(QDir(session.notesFolder()).filePath(QStringLiteral("4.pnf"))));
    }

    void aFormattedNoteGoesOutAsMarkdownAndComesBackTheSame()
    {
        E2E_SESSION(session);
        session.seedSettings(QuietSettings);
        session.seedNote(QStringLiteral("1.pnf"),
                         E2eSession::noteFile(100, 100, "Formatted: a/b",
                                              "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 {\\b Bold words} and {\\i sl\\u224?nted}\\par second line\\par}"));
        const QString out = QDir(session.homeFolder()).filePath(QStringLiteral("export"));
        const QString again = QDir(session.homeFolder()).filePath(QStringLiteral("again"));
        QVERIFY(QDir().mkpath(out) && QDir().mkpath(again));
        E2eProgram &app = session.start();
        QVERIFY(app.waitForTrayIcon());
        QVERIFY(app.waitForWindow(QStringLiteral("Formatted: a/b"), E2eProgram::ViewableOnly));
        QVERIFY(openAllNotes(session, app));

        QVERIFY(pickButtonMenuItem(app, QStringLiteral("alt+x"), Markdown));
        QVERIFY(answerFileDialog(app, QStringLiteral("Export Notes To"), out));
        // Named after the title, without the folder separator.
        const QString markdown = out + QStringLiteral("/Formatted_ a_b.md");
        QVERIFY(E2eSession::waitFor([&] { return QFile::exists(markdown); }));
        const QByteArray written = readFile(markdown);
        QVERIFY2(written.startsWith("# Formatted: a/b\n"), written.constData());
        QVERIFY2(written.contains("**Bold words** and *sl\xC3\xA0nted*"), written.constData());

        E2eSession::focus(app.waitForWindow(AllNotes));
        QVERIFY(pickButtonMenuItem(app, QStringLiteral("alt+i"), Files));
        QVERIFY(answerFileDialog(app, QStringLiteral("Import Notes"), markdown));
        QVERIFY(E2eSession::waitFor([&] { return app.windows(QStringLiteral("Formatted: a/b"), E2eProgram::ViewableOnly).size() == 2; }));
        QVERIFY(E2eSession::waitFor([&] { return session.noteFiles().size() == 2; }));
        QStringList files = session.noteFiles();
        files.removeAll(QStringLiteral("1.pnf"));
        const QByteArray imported = session.readNote(files.first());
        QVERIFY2(imported.contains("\\b"), imported.constData());

        // Both as plain text: the same words in the same lines.
        E2eSession::focus(app.waitForWindow(AllNotes));
        QVERIFY(pickButtonMenuItem(app, QStringLiteral("alt+x"), PlainText));
        QVERIFY(answerFileDialog(app, QStringLiteral("Export Notes To"), again));
        const QString first = again + QStringLiteral("/Formatted_ a_b.txt");
        const QString second = again + QStringLiteral("/Formatted_ a_b (2).txt");
        QVERIFY(E2eSession::waitFor([&] { return QFile::exists(first) && QFile::exists(second); }));
        QCOMPARE(readFile(first), QByteArray("Formatted: a/b\n\nBold words and sl\xC3\xA0nted\nsecond line\n"));
        QCOMPARE(readFile(second), readFile(first));
    }

    void importsRealXpadNotes()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("xpad")).isEmpty())
            QSKIP("needs xpad (scripts/setup.sh installs it)");
        E2E_SESSION(session);
        E2E_BUS(bus, session);
        session.seedSettings(QuietSettings);
        const QString config = QDir(session.homeFolder()).filePath(QStringLiteral("../config"));
        const QString xpadFolder = config + QStringLiteral("/xpad");
        const QString source = QDir(session.homeFolder()).filePath(QStringLiteral("pad.txt"));
        {
            QFile file(source);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("Pad from Xpad\nwith caf\xC3\xA9 & <tags>\n");
        }
        // The real Xpad makes its files: a pad from the text file.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), session.homeFolder());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QDir(session.homeFolder()).filePath(QStringLiteral("../run")));
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
        QProcess xpad;
        xpad.setProcessEnvironment(env);
        xpad.setProcessChannelMode(QProcess::MergedChannels);
        // Whatever happens below, the Xpad this case started ends with it.
        const auto stopXpad = qScopeGuard([&xpad] { E2eSession::stopProcess(xpad); });
        xpad.start(QStringLiteral("xpad"), {QStringLiteral("-f"), source});
        QVERIFY(xpad.waitForStarted());
        const auto padInfo = [&]() -> QString {
            // The pad's info names its content file, which holds the text.
            const QDir dir(xpadFolder);
            for (const QString &info : dir.entryList({QStringLiteral("info-*")}, QDir::Files)) {
                const QByteArray text = readFile(dir.filePath(info));
                const qsizetype at = text.indexOf("content ");
                if (at >= 0 && readFile(dir.filePath(QString::fromUtf8(text.mid(at + 8).split('\n').first()))).contains("Pad from Xpad"))
                    return dir.filePath(info);
            }
            return {};
        };
        // The pad is on screen once its info says so; Xpad writes the text
        // as it quits.
        const auto padShown = [&] {
            const QDir dir(xpadFolder);
            for (const QString &name : dir.entryList({QStringLiteral("info-*")}, QDir::Files))
                if (readFile(dir.filePath(name)).contains("\nhidden 0\n"))
                    return true;
            return false;
        };
        QVERIFY2(E2eSession::waitFor(padShown), xpad.readAll().constData());
        QProcess quit;
        quit.setProcessEnvironment(env);
        quit.start(QStringLiteral("xpad"), {QStringLiteral("--quit")});
        QVERIFY(quit.waitForFinished(20000));
        QVERIFY(xpad.waitForFinished(20000));
        QVERIFY2(!padInfo().isEmpty(), "xpad wrote no pad with the text");
        const QByteArray info = readFile(padInfo());
        int width = 0;
        int height = 0;
        for (const QByteArray &line : info.split('\n')) {
            if (line.startsWith("width "))
                width = line.mid(6).toInt();
            if (line.startsWith("height "))
                height = line.mid(7).toInt();
        }
        QVERIFY(width >= 100 && height >= 100);

        E2eProgram &app = session.start();
        QVERIFY(app.waitForTrayIcon());
        QVERIFY(openAllNotes(session, app));
        QVERIFY(pickButtonMenuItem(app, QStringLiteral("alt+i"), XpadNotes));
        const XWindow pad = app.waitForWindow(QStringLiteral("Pad from Xpad"), E2eProgram::ViewableOnly);
        QVERIFY(pad);
        QCOMPARE(E2eSession::geometry(pad).value_or(QRect()).size(), QSize(width, height));
        // Only the pad with text: the empty one Xpad opens by itself is left out.
        QVERIFY(E2eSession::waitFor([&] { return session.noteFiles().size() == 1; }));
        const QByteArray stored = session.readNote(session.noteFiles().first());
        QVERIFY2(stored.contains("caf\\u233?") || stored.contains("caf\\'e9"), stored.constData());
        QVERIFY2(stored.contains("& <tags>"), stored.constData());
    }
};

PAPERLET_E2E_MAIN(TestAllNotes)

#include "tst_all_notes_e2e.moc"
