// A notes folder that other programs also write (a sync tool, an editor, a
// second computer), with the real program running over it.

#include "e2e_notes.h"
#include "e2e_session.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <csignal>
#include <cstdio>

namespace {

constexpr int ResolveMs = 8000;
const QString Mine = QStringLiteral("Mine");
const QString Theirs = QStringLiteral("Theirs");

enum class Write { ByRename, InPlace };

void writeNote(const QString &path, const QByteArray &bytes, Write how)
{
    const QString target = how == Write::ByRename ? QFileInfo(path).dir().filePath(QStringLiteral(".new.tmp")) : path;
    QFile file(target);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();
    if (how == Write::ByRename)
        QVERIFY(std::rename(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) == 0);
}

// Every note file's bytes, one after the other.
QByteArray allNotes(const E2eSession &session)
{
    QByteArray all;
    for (const QString &name : session.noteFiles())
        all += session.readNote(name);
    return all;
}

} // namespace

class TestFolder final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void outsideRewrite_data()
    {
        QTest::addColumn<Write>("how");
        QTest::addColumn<bool>("typed");
        QTest::newRow("by rename, unchanged note") << Write::ByRename << false;
        QTest::newRow("in place, unchanged note") << Write::InPlace << false;
        QTest::newRow("by rename, unsaved typing") << Write::ByRename << true;
        QTest::newRow("in place, unsaved typing") << Write::InPlace << true;
    }

    void outsideRewrite()
    {
        QFETCH(Write, how);
        QFETCH(bool, typed);
        E2E_SESSION(session);
        E2eProgram *started = nullptr;
        const XWindow note = startWithStoredNote(session, started, Mine.toLatin1(), "first");
        QVERIFY(note);
        E2eProgram &app = *started;
        // Before the autosave: the typing exists only in the window.
        if (typed)
            E2eSession::typeInto(note, QStringLiteral("typed here"));
        const QByteArray other = E2eSession::noteFile(100, 100, "Theirs", "from elsewhere");
        writeNote(QDir(session.notesFolder()).filePath(QStringLiteral("1.pnf")), other, how);

        if (!typed) {
            // The same window shows the new version; a move then keeps it.
            QCOMPARE(app.waitForWindow(Theirs, E2eProgram::ViewableOnly, ResolveMs), note);
            QCOMPARE(app.windows(Mine).size(), 0);
            drag(QPoint(120, 112), QPoint(320, 262));
            QVERIFY(E2eSession::waitFor([&] { return E2eSession::geometry(note)->topLeft() == QPoint(300, 250); }));
            const QByteArray moved = E2eSession::noteFile(300, 250, "Theirs", "").left(3 + 12);
            QVERIFY(E2eSession::waitFor(
                [&] { return session.readNote(QStringLiteral("1.pnf")).startsWith(moved); }, ResolveMs));
            QVERIFY(session.readNote(QStringLiteral("1.pnf")).contains("from elsewhere"));
            QCOMPARE(session.noteFiles(), QStringList{QStringLiteral("1.pnf")});
            return;
        }
        // Both kept, in windows and in files, also after the program ends.
        QVERIFY(app.waitForWindow(Theirs, E2eProgram::ViewableOnly, ResolveMs));
        QCOMPARE(app.windows(Mine, E2eProgram::ViewableOnly), QList<XWindow>{note});
        QVERIFY(E2eSession::waitFor([&] { return allNotes(session).contains("typed here"); }, ResolveMs));
        QCOMPARE(session.noteFiles().size(), 2);
        QCOMPARE(session.readNote(QStringLiteral("1.pnf")), other);
        app.sendSignal(SIGTERM);
        QVERIFY(app.waitForExit());
        QCOMPARE(session.noteFiles().size(), 2);
        QVERIFY(allNotes(session).contains("typed here"));
        QVERIFY(allNotes(session).contains("from elsewhere"));
    }

    void outsideDelete_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::newRow("unchanged: closes, stays deleted") << false;
        QTest::newRow("changed: written back") << true;
    }

    void outsideDelete()
    {
        QFETCH(bool, typed);
        E2E_SESSION(session);
        E2eProgram *started = nullptr;
        const XWindow note = startWithStoredNote(session, started, Mine.toLatin1(), "first");
        QVERIFY(note);
        E2eProgram &app = *started;
        if (typed)
            E2eSession::typeInto(note, QStringLiteral("kept"));
        QVERIFY(QFile::remove(QDir(session.notesFolder()).filePath(QStringLiteral("1.pnf"))));
        if (typed) {
            QVERIFY(E2eSession::waitFor([&] { return session.readNote(QStringLiteral("1.pnf")).contains("kept"); },
                                        ResolveMs));
            QVERIFY(E2eSession::isViewable(note));
        } else {
            QVERIFY(app.waitForWindowGone(note, ResolveMs));
        }
        app.sendSignal(SIGTERM);
        QVERIFY(app.waitForExit());
        QCOMPARE(app.exitCode(), 0);
        QCOMPARE(session.noteFiles().size(), typed ? 1 : 0);
    }

    void aNewNoteFileOpens()
    {
        E2E_SESSION(session);
        E2eProgram *started = nullptr;
        QVERIFY(startWithStoredNote(session, started, Mine.toLatin1(), "first"));
        E2eProgram &app = *started;
        const QDir folder(session.notesFolder());
        writeNote(folder.filePath(QStringLiteral(".hidden.pnf")), E2eSession::noteFile(300, 100, "Hidden", "h"), Write::InPlace);
        writeNote(folder.filePath(QStringLiteral("1.pnf.part")), E2eSession::noteFile(300, 100, "Partial", "p"), Write::InPlace);
        writeNote(folder.filePath(QStringLiteral("1.sync-conflict-20261210-101010-ABC1234.pnf")),
                  E2eSession::noteFile(500, 100, "Arrived", "from the other computer"), Write::ByRename);
        const XWindow arrived = app.waitForWindow(QStringLiteral("Arrived"), E2eProgram::ViewableOnly, ResolveMs);
        QVERIFY(arrived);
        QCOMPARE(E2eSession::geometry(arrived)->topLeft(), QPoint(500, 100));
        QVERIFY(app.windows(QStringLiteral("Hidden")).isEmpty());
        QVERIFY(app.windows(QStringLiteral("Partial")).isEmpty());
    }

    // A 20 MB note of one paragraph, copied in while the program runs: it
    // shows at once as too large, the program goes on answering, and the
    // file is left as it was.
    void aHugeNoteShowsAsTooLarge()
    {
        E2E_SESSION(session);
        E2eProgram *started = nullptr;
        QVERIFY(startWithStoredNote(session, started, Mine.toLatin1(), "first"));
        E2eProgram &app = *started;
        const QDir folder(session.notesFolder());
        QByteArray big = E2eSession::noteFile(300, 100, "Big", "");
        big += QByteArray("word ").repeated(4 * 1024 * 1024);
        writeNote(folder.filePath(QStringLiteral("big.pnf")), big, Write::ByRename);
        QVERIFY(app.waitForWindow(QStringLiteral("Big"), E2eProgram::ViewableOnly, ResolveMs));
        writeNote(folder.filePath(QStringLiteral("2.pnf")), E2eSession::noteFile(500, 100, "Later", "l"), Write::ByRename);
        QVERIFY(app.waitForWindow(QStringLiteral("Later"), E2eProgram::ViewableOnly, ResolveMs));
        app.sendSignal(SIGTERM);
        QVERIFY(app.waitForExit(ResolveMs));
        QCOMPARE(app.exitCode(), 0);
        QVERIFY(session.readNote(QStringLiteral("big.pnf")) == big);
    }

    void ownAutosaveCausesNoReload()
    {
        E2E_SESSION(session);
        E2eProgram *started = nullptr;
        const XWindow note = startWithStoredNote(session, started, Mine.toLatin1(), "first");
        QVERIFY(note);
        E2eProgram &app = *started;
        // A click below the text puts the cursor at its end.
        E2eSession::typeInto(note, QStringLiteral("abc"));
        QVERIFY(E2eSession::waitFor([&] { return session.readNote(QStringLiteral("1.pnf")).contains("abc"); },
                                    ResolveMs));
        // Changes are looked at in turn: once this later one has opened, the
        // autosave has been looked at too.
        writeNote(QDir(session.notesFolder()).filePath(QStringLiteral("2.pnf")), E2eSession::noteFile(500, 100, "Later", "l"),
                  Write::ByRename);
        QVERIFY(app.waitForWindow(QStringLiteral("Later"), E2eProgram::ViewableOnly, ResolveMs));
        // A reload would have put the cursor back at the start.
        E2eSession::focus(note);
        E2eSession::type(QStringLiteral("d"));
        QVERIFY(E2eSession::waitFor([&] { return session.readNote(QStringLiteral("1.pnf")).contains("abcd"); },
                                    ResolveMs));
        QVERIFY(!session.readNote(QStringLiteral("1.pnf")).contains("dfirst"));
        QCOMPARE(app.windows(Mine, E2eProgram::ViewableOnly), QList<XWindow>{note});
        QCOMPARE(session.noteFiles().size(), 2);
    }

    // The notes folder removed or renamed away and made again by another
    // program: the program follows the new folder without a restart.
    void aFolderMadeAgain_data()
    {
        QTest::addColumn<bool>("renamed");
        QTest::newRow("removed") << false;
        QTest::newRow("renamed away") << true;
    }

    void aFolderMadeAgain()
    {
        QFETCH(bool, renamed);
        E2E_SESSION(session);
        E2eProgram *started = nullptr;
        const XWindow note = startWithStoredNote(session, started, Mine.toLatin1(), "first");
        QVERIFY(note);
        E2eProgram &app = *started;
        const QString folder = QDir::cleanPath(session.notesFolder());
        if (renamed)
            QVERIFY(QDir().rename(folder, folder + QStringLiteral(".old")));
        else
            QVERIFY(QDir(folder).removeRecursively());
        // Its file went with the folder: the unchanged note closes.
        QVERIFY(app.waitForWindowGone(note, ResolveMs));
        QVERIFY(QDir().mkpath(folder));
        writeNote(QDir(folder).filePath(QStringLiteral("1.pnf")), E2eSession::noteFile(300, 100, "Theirs", "back"),
                  Write::ByRename);
        const XWindow back = app.waitForWindow(Theirs, E2eProgram::ViewableOnly, ResolveMs);
        QVERIFY(back);
        QCOMPARE(E2eSession::geometry(back)->topLeft(), QPoint(300, 100));
        // Later changes in the new folder are followed as well.
        writeNote(QDir(folder).filePath(QStringLiteral("1.pnf")), E2eSession::noteFile(300, 100, "Again", "later"),
                  Write::InPlace);
        QCOMPARE(app.waitForWindow(QStringLiteral("Again"), E2eProgram::ViewableOnly, ResolveMs), back);
    }
};

PAPERLET_E2E_MAIN(TestFolder)
#include "tst_folder_e2e.moc"
