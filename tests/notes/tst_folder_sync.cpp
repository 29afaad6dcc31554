// A notes folder that other programs also write: a note never writes over a
// version it did not see, and the open notes follow the folder's changes
// without losing either side.
#include "note_test_fixture.h"
#include "outside_writes.h"

#include "core/file_fingerprint.h"
#include "core/note_file.h"
#include "notes/note_collection.h"
#include "notes/note_windows.h"
#include "notes/notes_folder_sync.h"

#include "../common/modal_answer.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTimer>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

constexpr int ResolveMs = 5000;


QStringList noteFilesIn(const TFR_PLT_MAIN &form)
{
    return NoteCollection::noteFiles(form.notesFolder());
}

// A note's text without the line break that plain-text content ends with.
QString textOf(const TFR_NOTE *note)
{
    return editorOf(*note)->toPlainText().trimmed();
}

// The open notes other than `except`.
QList<TFR_NOTE *> otherNotes(const TFR_NOTE *except)
{
    QList<TFR_NOTE *> notes = Application::instance()->formsOf<TFR_NOTE>();
    notes.removeAll(const_cast<TFR_NOTE *>(except));
    return notes;
}

enum class Change { RenameOver, InPlace, Remove };

// How another program writes a note file; SameSizeAndTime writes bytes of
// the same length in place and gives the file back the time it had.
enum class Outside { InPlace, ByRename, SameSizeAndTime };
// When, against our own write of the same file.
enum class When { Before, DuringTheWrite };

void writeOutside(const QString &path, const QByteArray &bytes, Outside how)
{
    if (how == Outside::ByRename) {
        writeByRename(path, bytes);
        return;
    }
    const QDateTime time = QFileInfo(path).lastModified();
    if (how == Outside::SameSizeAndTime)
        QCOMPARE(QFileInfo(path).size(), bytes.size());
    writeInPlace(path, bytes);
    if (how == Outside::SameSizeAndTime) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
    }
}

// How another program takes a whole folder away.
enum class Takeaway { Remove, RenameAway };

void takeAway(const QString &folder, Takeaway how)
{
    const QString path = QDir::cleanPath(folder);
    if (how == Takeaway::Remove)
        QVERIFY(QDir(path).removeRecursively());
    else
        QVERIFY(QDir().rename(path, path + QStringLiteral(".old")));
    QVERIFY(!QFileInfo::exists(path));
}

// No settling wait is running: a watcher with nothing to do stays asleep.
bool idle(const QObject &watcher)
{
    const QList<QTimer *> timers = watcher.findChildren<QTimer *>();
    return std::none_of(timers.begin(), timers.end(), [](const QTimer *timer) { return timer->isActive(); });
}

} // namespace

class TestFolderSync final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_scratch = std::make_unique<MainFormOverScratch>(); }

    void cleanup()
    {
        destroyAllNotes();
        m_scratch.reset();
    }

    void fingerprintTellsAnotherVersion_data()
    {
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("touch");
        QTest::addColumn<int>("timeShift");   // seconds, against the time it had
        QTest::addColumn<bool>("remove");
        QTest::addColumn<bool>("matches");
        QTest::newRow("untouched") << QByteArray("abcdef") << false << 0 << false << true;
        QTest::newRow("same bytes, newer time") << QByteArray("abcdef") << true << 5 << false << true;
        QTest::newRow("same size, other bytes") << QByteArray("abcdeX") << true << 5 << false << false;
        // cp -p, rsync -t, touch -r, or a file system with coarse times.
        QTest::newRow("same size and time, other bytes") << QByteArray("abcdeX") << true << 0 << false << false;
        QTest::newRow("longer") << QByteArray("abcdefg") << true << 5 << false << false;
        QTest::newRow("removed") << QByteArray() << false << 0 << true << false;
    }

    void fingerprintTellsAnotherVersion()
    {
        QFETCH(QByteArray, after);
        QFETCH(bool, touch);
        QFETCH(int, timeShift);
        QFETCH(bool, remove);
        QFETCH(bool, matches);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("a.pnf"));
        writeInPlace(path, "abcdef");
        const QDateTime written = QFileInfo(path).lastModified();
        const FileFingerprint print = FileFingerprint::read(path);
        QVERIFY(print.exists());
        QCOMPARE(print.size(), 6);
        if (touch) {
            writeInPlace(path, after);
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(written.addSecs(timeShift), QFileDevice::FileModificationTime));
            file.close();
            QCOMPARE(QFileInfo(path).lastModified() == written, timeShift == 0);
        }
        if (remove)
            QVERIFY(QFile::remove(path));
        QCOMPARE(print.matchesFile(path), matches);
        QCOMPARE(print.sameContent(FileFingerprint::read(path)), matches);
        // Nothing stored and nothing there is the same.
        QVERIFY(FileFingerprint().matchesFile(dir.filePath(QStringLiteral("none.pnf"))));
    }

    void saveKeepsAnotherVersionAndMovesToANewFile_data()
    {
        QTest::addColumn<Outside>("outside");
        QTest::addColumn<When>("when");
        QTest::newRow("rewritten by rename before") << Outside::ByRename << When::Before;
        // Moved or recoloured elsewhere: only fixed-width header digits
        // differ, and the time was kept (or is too coarse to tell).
        QTest::newRow("same size and time, in place, before") << Outside::SameSizeAndTime << When::Before;
        // While our bytes were being synced to the disk, after the first look.
        QTest::newRow("rewritten by rename during the write") << Outside::ByRename << When::DuringTheWrite;
        QTest::newRow("rewritten in place during the write") << Outside::InPlace << When::DuringTheWrite;
        QTest::newRow("same size and time during the write") << Outside::SameSizeAndTime << When::DuringTheWrite;
    }

    // Without anyone watching the folder: the write itself never replaces a
    // version it has not seen.
    void saveKeepsAnotherVersionAndMovesToANewFile()
    {
        QFETCH(Outside, outside);
        QFETCH(When, when);
        MainFormOverScratch &scratch = *m_scratch;
        const QString folder = scratch.form().notesFolder();
        const QString theirs = folder + QStringLiteral("1.pnf");
        writeInPlace(theirs, noteBytes(QStringLiteral("Mine"), QStringLiteral("first")));
        auto *note = Application::instance()->createForm<TFR_NOTE>(scratch.form());
        note->LoadNote(QStringLiteral("1.pnf"));
        note->show();
        QSignalSpy forked(note->document(), &NoteDocument::forkedFrom);

        const QByteArray other = outside == Outside::SameSizeAndTime
            ? noteBytes(QStringLiteral("Mine"), QStringLiteral("first"), QRect(400, 300, 200, 180))
            : noteBytes(QStringLiteral("Theirs"), QStringLiteral("from elsewhere"));
        const auto writeTheirs = [&] { writeOutside(theirs, other, outside); };
        editorOf(*note)->setPlainText(QStringLiteral("typed here"));
        int looks = 0;
        connect(note->document(), &NoteDocument::aboutToReplaceFile, this, [&] {
            if (++looks == 1 && when == When::DuringTheWrite)
                writeTheirs();
        });
        if (when == When::Before)
            writeTheirs();
        note->SaveNote();

        QCOMPARE(fileBytes(theirs), other);
        // Refused once when the other version came during the write.
        QCOMPARE(looks, when == When::DuringTheWrite ? 2 : 1);
        QCOMPARE(forked.count(), 1);
        QCOMPARE(forked.first().first().toString(), QStringLiteral("1.pnf"));
        QVERIFY(note->fileName() != QStringLiteral("1.pnf"));
        QVERIFY(fileBytes(note->filePath()).contains("typed here"));
        QCOMPARE(noteFilesIn(scratch.form()).size(), 2);
    }

    // A note that came without text and was not typed into is no note the
    // user emptied: closing it, or leaving the program, keeps its file.
    void aNoteArrivedWithoutTextKeepsItsFile_data()
    {
        QTest::addColumn<bool>("atExit");
        QTest::newRow("closed") << false;
        QTest::newRow("at exit") << true;
    }

    void aNoteArrivedWithoutTextKeepsItsFile()
    {
        QFETCH(bool, atExit);
        MainFormOverScratch &scratch = *m_scratch;
        QVERIFY(startFollowing());
        const QString path = scratch.form().notesFolder() + QStringLiteral("title-only.pnf");
        const QByteArray bytes = noteBytes(QStringLiteral("Just a title"), QString());
        writeByRename(path, bytes);
        QTRY_VERIFY_WITH_TIMEOUT(shown(QStringLiteral("title-only.pnf")), ResolveMs);
        TFR_NOTE *note = shown(QStringLiteral("title-only.pnf"));
        QCOMPARE(note->title(), QStringLiteral("Just a title"));
        if (atExit)
            delete note;
        else
            QVERIFY(note->close());
        flushDeletes();
        QCOMPARE(fileBytes(path), bytes);
    }

    void closingAfterARemovalElsewhere_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::newRow("unchanged note: stays removed") << false;
        QTest::newRow("changed note: written back") << true;
    }

    void closingAfterARemovalElsewhere()
    {
        QFETCH(bool, typed);
        MainFormOverScratch &scratch = *m_scratch;
        const QString path = scratch.form().notesFolder() + QStringLiteral("1.pnf");
        writeInPlace(path, noteBytes(QStringLiteral("Gone"), QStringLiteral("text")));
        auto *note = Application::instance()->createForm<TFR_NOTE>(scratch.form());
        note->LoadNote(QStringLiteral("1.pnf"));
        note->show();
        QVERIFY(QFile::remove(path));
        if (typed)
            editorOf(*note)->setPlainText(QStringLiteral("kept"));
        note->close();
        flushDeletes();
        QCOMPARE(QFile::exists(path), typed);
        if (typed)
            QVERIFY(fileBytes(path).contains("kept"));
    }

    void deletingANoteLeavesAnotherVersion()
    {
        MainFormOverScratch &scratch = *m_scratch;
        const QString path = scratch.form().notesFolder() + QStringLiteral("1.pnf");
        writeInPlace(path, noteBytes(QStringLiteral("Note"), QStringLiteral("old")));
        auto *note = Application::instance()->createForm<TFR_NOTE>(scratch.form());
        note->LoadNote(QStringLiteral("1.pnf"));
        const QByteArray other = noteBytes(QStringLiteral("Note"), QStringLiteral("newer, from elsewhere"));
        writeInPlace(path, other);
        note->markDeleted();
        delete note;
        QCOMPARE(fileBytes(path), other);
    }

    void openNotesFollowTheFolder_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("typed");
        QTest::newRow("rewritten by rename, unchanged") << Change::RenameOver << false;
        QTest::newRow("rewritten in place, unchanged") << Change::InPlace << false;
        QTest::newRow("rewritten by rename, typed") << Change::RenameOver << true;
        QTest::newRow("rewritten in place, typed") << Change::InPlace << true;
        QTest::newRow("removed, unchanged") << Change::Remove << false;
        QTest::newRow("removed, typed") << Change::Remove << true;
    }

    void openNotesFollowTheFolder()
    {
        QFETCH(Change, change);
        QFETCH(bool, typed);
        MainFormOverScratch &scratch = *m_scratch;
        const QString path = scratch.form().notesFolder() + QStringLiteral("1.pnf");
        Followed mine = followMine(typed);
        QVERIFY(mine.sync);
        QVERIFY(mine.note);
        QPointer<TFR_NOTE> &note = mine.note;
        QSignalSpy settled(mine.sync, &NotesFolderSync::settled);

        const QRect place(300, 200, 260, 240);
        const QByteArray other = noteBytes(QStringLiteral("Theirs"), QStringLiteral("from elsewhere"), place, 70,
                                           0xFFCCCC);
        if (change == Change::RenameOver)
            writeByRename(path, other);
        else if (change == Change::InPlace)
            writeInPlace(path, other);
        else
            QVERIFY(QFile::remove(path));
        QTRY_VERIFY_WITH_TIMEOUT(settled.contains({QStringLiteral("1.pnf")}), ResolveMs);
        flushDeletes();

        if (change == Change::Remove) {
            // Deleted on purpose elsewhere; typing since is not thrown away.
            QCOMPARE(bool(note), typed);
            QCOMPARE(QFile::exists(path), typed);
            if (typed)
                QVERIFY(fileBytes(path).contains("typed here"));
            return;
        }
        QVERIFY(note);
        if (!typed) {
            // Shown as if just opened; nothing written.
            QCOMPARE(note->fileName(), QStringLiteral("1.pnf"));
            QCOMPARE(note->title(), QStringLiteral("Theirs"));
            QCOMPARE(textOf(note), QStringLiteral("from elsewhere"));
            QCOMPARE(note->opacity(), 70);
            QCOMPARE(note->noteColor(), Color::fromValue(0xFFCCCC));
            QCOMPARE(note->geometry(), place);
            QVERIFY(!note->document()->hasUnsavedChanges());
            QCOMPARE(fileBytes(path), other);
            QCOMPARE(otherNotes(note).size(), 0);
            return;
        }
        // Both kept: the typed note in a file of its own, theirs beside it.
        QVERIFY(note->fileName() != QStringLiteral("1.pnf"));
        QCOMPARE(textOf(note), QStringLiteral("typed here"));
        QVERIFY(fileBytes(note->filePath()).contains("typed here"));
        QCOMPARE(fileBytes(path), other);
        QTRY_VERIFY_WITH_TIMEOUT(shown(QStringLiteral("1.pnf")), ResolveMs);
        TFR_NOTE *theirs = shown(QStringLiteral("1.pnf"));
        QCOMPARE(textOf(theirs), QStringLiteral("from elsewhere"));
        QVERIFY(theirs->isVisible());
        QCOMPARE(noteFilesIn(scratch.form()).size(), 2);
    }

    void newNoteFilesOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("opens");
        QTest::newRow("note") << QStringLiteral("20261210101010.pnf") << true;
        QTest::newRow("sync conflict copy") << QStringLiteral("1.sync-conflict-20261210-101010-ABC1234.pnf") << true;
        QTest::newRow("conflicted copy") << QStringLiteral("1 (conflicted copy 2026-12-10).pnf") << true;
        QTest::newRow("upper-case extension") << QStringLiteral("2.PNF") << true;
        QTest::newRow("hidden") << QStringLiteral(".1.pnf") << false;
        QTest::newRow("temporary file") << QStringLiteral("1.pnf.tmp") << false;
        QTest::newRow("sync tool's temporary") << QStringLiteral(".syncthing.1.pnf.tmp") << false;
    }

    void newNoteFilesOpen()
    {
        QFETCH(QString, name);
        QFETCH(bool, opens);
        MainFormOverScratch &scratch = *m_scratch;
        QVERIFY(startFollowing());
        const QString folder = scratch.form().notesFolder();
        writeByRename(folder + name, noteBytes(QStringLiteral("Arrived"), QStringLiteral("hello")));
        // A note that surely opens, after it: once it is open, the other has
        // been looked at too.
        writeByRename(folder + QStringLiteral("marker.pnf"), noteBytes(QStringLiteral("Marker"), QStringLiteral("m")));
        QTRY_VERIFY_WITH_TIMEOUT(shown(QStringLiteral("marker.pnf")), ResolveMs);
        if (opens)
            QTRY_VERIFY_WITH_TIMEOUT(shown(name), ResolveMs);
        TFR_NOTE *note = shown(name);
        QCOMPARE(bool(note), opens);
        if (note) {
            QCOMPARE(note->title(), QStringLiteral("Arrived"));
            QVERIFY(note->isVisible());
        }
        QVERIFY(QFile::exists(folder + name));
    }

    // A file that did not read when the notes opened (empty, junk, half
    // written) opens once it is complete, however it is completed.
    void aFileUnreadableAtStartOpensWhenComplete_data()
    {
        QTest::addColumn<QByteArray>("atStart");
        QTest::addColumn<Outside>("completed");
        const QByteArray whole = noteBytes(QStringLiteral("Late"), QStringLiteral("complete now"));
        QTest::newRow("empty, completed in place") << QByteArray() << Outside::InPlace;
        QTest::newRow("empty, replaced by a rename") << QByteArray() << Outside::ByRename;
        QTest::newRow("junk, completed in place") << QByteArray("\x01\x02 not a note") << Outside::InPlace;
        QTest::newRow("half written, completed in place") << whole.left(20) << Outside::InPlace;
        QTest::newRow("half written, replaced by a rename") << whole.left(20) << Outside::ByRename;
    }

    void aFileUnreadableAtStartOpensWhenComplete()
    {
        QFETCH(QByteArray, atStart);
        QFETCH(Outside, completed);
        MainFormOverScratch &scratch = *m_scratch;
        const QString folder = scratch.form().notesFolder();
        writeInPlace(folder + QStringLiteral("late.pnf"), atStart);
        writeInPlace(folder + QStringLiteral("fine.pnf"), noteBytes(QStringLiteral("Fine"), QStringLiteral("f")));
        QVERIFY(startFollowing());
        QVERIFY(shown(QStringLiteral("fine.pnf")));
        QVERIFY(!shown(QStringLiteral("late.pnf")));
        QCOMPARE(fileBytes(folder + QStringLiteral("late.pnf")), atStart);

        writeOutside(folder + QStringLiteral("late.pnf"), noteBytes(QStringLiteral("Late"), QStringLiteral("complete now")),
                     completed);
        QTRY_VERIFY_WITH_TIMEOUT(shown(QStringLiteral("late.pnf")), ResolveMs);
        TFR_NOTE *late = shown(QStringLiteral("late.pnf"));
        QCOMPARE(textOf(late), QStringLiteral("complete now"));
        QVERIFY(late->isVisible());
    }

    // Their side of a conflict was half written when the note moved to a
    // file of its own: it opens once it is complete.
    void theOtherSideOfAConflictOpensWhenComplete()
    {
        MainFormOverScratch &scratch = *m_scratch;
        const QString path = scratch.form().notesFolder() + QStringLiteral("1.pnf");
        Followed mine = followMine(false);
        QVERIFY(mine.note);
        QSignalSpy forked(mine.note->document(), &NoteDocument::forkedFrom);
        const QByteArray other = noteBytes(QStringLiteral("Theirs"), QStringLiteral("from elsewhere"));
        editorOf(*mine.note)->setPlainText(QStringLiteral("typed here"));
        writeInPlace(path, other.left(20));
        mine.note->SaveNote();
        QCOMPARE(forked.count(), 1);
        // The other side is tried at once (queued) and does not read yet.
        QCoreApplication::processEvents();
        QVERIFY(!shown(QStringLiteral("1.pnf")));

        writeInPlace(path, other);
        QTRY_VERIFY_WITH_TIMEOUT(shown(QStringLiteral("1.pnf")), ResolveMs);
        QCOMPARE(textOf(shown(QStringLiteral("1.pnf"))), QStringLiteral("from elsewhere"));
        QCOMPARE(textOf(mine.note), QStringLiteral("typed here"));
    }

    // A writer that needs several steps: the half-written file is no damaged
    // note, it is looked at again and opens once complete.
    void aFileWrittenInStepsOpensWhenComplete()
    {
        MainFormOverScratch &scratch = *m_scratch;
        NotesFolderSync *sync = startFollowing();
        QVERIFY(sync);
        QSignalSpy unreadable(sync, &NotesFolderSync::unreadable);
        const QString path = scratch.form().notesFolder() + QStringLiteral("slow.pnf");
        const QByteArray whole = noteBytes(QStringLiteral("Slow"), QStringLiteral("all of it"));
        writeInPlace(path, whole.left(20));
        QTRY_VERIFY_WITH_TIMEOUT(unreadable.count() >= 1, ResolveMs);
        QVERIFY(!shown(QStringLiteral("slow.pnf")));
        QCOMPARE(fileBytes(path), whole.left(20));
        writeInPlace(path, whole);
        QTRY_VERIFY_WITH_TIMEOUT(shown(QStringLiteral("slow.pnf")), ResolveMs);
        QCOMPARE(textOf(shown(QStringLiteral("slow.pnf"))), QStringLiteral("all of it"));
    }

    void ownWritesAreNoOutsideChange()
    {
        MainFormOverScratch &scratch = *m_scratch;
        NotesFolderSync *sync = startFollowing();
        QVERIFY(sync);
        QSignalSpy settled(sync, &NotesFolderSync::settled);
        TFR_NOTE *note = scratch.newNote();
        QSignalSpy saved(note->document(), &NoteDocument::saved);
        QTest::keyClicks(editorOf(*note), QStringLiteral("typed"));
        QTRY_VERIFY_WITH_TIMEOUT(saved.count() == 1, ResolveMs);
        QTRY_VERIFY_WITH_TIMEOUT(settled.contains({note->fileName()}), ResolveMs);
        // A reload would have emptied the undo history.
        QVERIFY(editorOf(*note)->document()->isUndoAvailable());
        QCOMPARE(otherNotes(note).size(), 0);
        QCOMPARE(noteFilesIn(scratch.form()), QStringList{note->fileName()});

        // A note closed before its first autosave is no new note either.
        TFR_NOTE *quick = scratch.newNote(QStringLiteral("quick"));
        const QString quickName = quick->fileName();
        quick->close();
        flushDeletes();
        QTRY_VERIFY_WITH_TIMEOUT(settled.contains({quickName}), ResolveMs);
        QVERIFY(!shown(quickName));
    }

    // A notes folder removed or renamed away and made again (a sync tool or
    // the user replacing it) is followed again, without restarting.
    void aFolderMadeAgainIsFollowed_data()
    {
        QTest::addColumn<Takeaway>("how");
        QTest::addColumn<bool>("atOnce");
        QTest::addColumn<bool>("typed");
        QTest::newRow("removed, made again later") << Takeaway::Remove << false << false;
        QTest::newRow("renamed away, made again later") << Takeaway::RenameAway << false << false;
        QTest::newRow("removed, made again at once") << Takeaway::Remove << true << false;
        QTest::newRow("renamed away, made again at once") << Takeaway::RenameAway << true << false;
        QTest::newRow("removed under a typed note") << Takeaway::Remove << false << true;
    }

    void aFolderMadeAgainIsFollowed()
    {
        QFETCH(Takeaway, how);
        QFETCH(bool, atOnce);
        QFETCH(bool, typed);
        const QString folder = m_scratch->form().notesFolder();
        const QString path = folder + QStringLiteral("1.pnf");
        Followed mine = followMine(typed);
        QVERIFY(mine.sync);
        QVERIFY(mine.note);
        QPointer<TFR_NOTE> &note = mine.note;
        QSignalSpy settled(mine.sync, &NotesFolderSync::settled);

        takeAway(folder, how);
        const QByteArray other = noteBytes(QStringLiteral("Theirs"), QStringLiteral("from elsewhere"));
        if (!atOnce) {
            QTRY_VERIFY_WITH_TIMEOUT(settled.contains({QStringLiteral("1.pnf")}), ResolveMs);
            flushDeletes();
            if (typed) {
                // Its text is kept, and written back where it belongs.
                QVERIFY(note);
                QCOMPARE(textOf(note), QStringLiteral("typed here"));
                QVERIFY(fileBytes(path).contains("typed here"));
            } else {
                // Gone with its folder, as any file removed elsewhere.
                QVERIFY(!note);
                QVERIFY(QDir().mkpath(folder));
                writeByRename(path, other);
            }
        } else {
            QVERIFY(QDir().mkpath(folder));
            writeByRename(path, other);
        }

        if (!typed) {
            // The note shows their version, in the same window when it
            // never went.
            QTRY_VERIFY_WITH_TIMEOUT(shown(QStringLiteral("1.pnf"))
                                         && shown(QStringLiteral("1.pnf"))->title()
                                                == QStringLiteral("Theirs"),
                                     ResolveMs);
            TFR_NOTE *window = shown(QStringLiteral("1.pnf"));
            QCOMPARE(textOf(window), QStringLiteral("from elsewhere"));
            QVERIFY(window->isVisible());
            if (atOnce)
                QCOMPARE(window, note.data());
            QCOMPARE(fileBytes(path), other);
        }
        // And later arrivals in the new folder are seen too.
        writeByRename(folder + QStringLiteral("2.pnf"), noteBytes(QStringLiteral("Later"), QStringLiteral("l")));
        QTRY_VERIFY_WITH_TIMEOUT(shown(QStringLiteral("2.pnf")), ResolveMs);
        QCOMPARE(shown(QStringLiteral("2.pnf"))->title(), QStringLiteral("Later"));
        if (how == Takeaway::RenameAway)
            QVERIFY(fileBytes(QDir::cleanPath(folder) + QStringLiteral(".old/1.pnf")).contains("first"));
    }

    // The folders above the notes folder may go and come back too; while
    // they are away, nothing runs.
    void theWatcherWaitsForItsFolder_data()
    {
        QTest::addColumn<QString>("gone");
        QTest::addColumn<Takeaway>("how");
        QTest::newRow("the folder removed") << QStringLiteral("a/b/Notes") << Takeaway::Remove;
        QTest::newRow("the folder renamed away") << QStringLiteral("a/b/Notes") << Takeaway::RenameAway;
        QTest::newRow("two folders above it removed") << QStringLiteral("a") << Takeaway::Remove;
    }

    void theWatcherWaitsForItsFolder()
    {
        QFETCH(QString, gone);
        QFETCH(Takeaway, how);
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("a/b/Notes/"));
        QVERIFY(QDir().mkpath(folder));
        writeInPlace(folder + QStringLiteral("old.pnf"), "x");
        NotesFolderWatcher watcher(folder);
        QVERIFY(watcher.watchingFolder());
        QCOMPARE(watcher.names(), QSet<QString>{QStringLiteral("old.pnf")});
        QSignalSpy settled(&watcher, &NotesFolderWatcher::fileSettled);

        takeAway(dir.filePath(gone), how);
        QTRY_VERIFY_WITH_TIMEOUT(settled.contains({QStringLiteral("old.pnf")}), ResolveMs);
        QVERIFY(!watcher.watchingFolder());
        QVERIFY(watcher.names().isEmpty());
        QVERIFY(idle(watcher));

        QVERIFY(QDir().mkpath(folder));
        writeInPlace(folder + QStringLiteral("new.pnf"), "y");
        QTRY_VERIFY_WITH_TIMEOUT(settled.contains({QStringLiteral("new.pnf")}), ResolveMs);
        QVERIFY(watcher.watchingFolder());
        QCOMPARE(watcher.names(), QSet<QString>{QStringLiteral("new.pnf")});
        // Changes to a file already there are seen as before.
        settled.clear();
        writeInPlace(folder + QStringLiteral("new.pnf"), "changed");
        QTRY_VERIFY_WITH_TIMEOUT(settled.contains({QStringLiteral("new.pnf")}), ResolveMs);
        QTRY_VERIFY_WITH_TIMEOUT(idle(watcher), ResolveMs);
    }

    // Another program keeps the old file open (a backup tool, an indexer,
    // "tail -f") while the note file is replaced; the system then keeps the
    // old file and its watch. The file under the name is still followed,
    // and that is no failed watch.
    void aFileReplacedWhileHeldOpenIsFollowed_data()
    {
        QTest::addColumn<Change>("replacement");
        QTest::newRow("replaced by rename") << Change::RenameOver;
        QTest::newRow("removed, then made again") << Change::Remove;
    }

    void aFileReplacedWhileHeldOpenIsFollowed()
    {
        QFETCH(Change, replacement);
        QTest::failOnWarning(QRegularExpression(QStringLiteral("Cannot watch")));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("1.pnf"));
        writeInPlace(path, "old");
        NotesFolderWatcher watcher(dir.path());
        QSignalSpy settled(&watcher, &NotesFolderWatcher::fileSettled);
        QFile holder(path);
        QVERIFY(holder.open(QIODevice::ReadOnly));

        if (replacement == Change::Remove) {
            QVERIFY(QFile::remove(path));
            QTRY_VERIFY_WITH_TIMEOUT(settled.contains({QStringLiteral("1.pnf")}), ResolveMs);
            QVERIFY(watcher.names().isEmpty());
            settled.clear();
            writeInPlace(path, "new");
        } else {
            writeByRename(path, "new");
        }
        QTRY_VERIFY_WITH_TIMEOUT(settled.contains({QStringLiteral("1.pnf")}), ResolveMs);
        QCOMPARE(watcher.names(), QSet<QString>{QStringLiteral("1.pnf")});
        QTRY_VERIFY_WITH_TIMEOUT(idle(watcher), ResolveMs);

        // Written in place: only a watch on the file itself tells.
        settled.clear();
        writeInPlace(path, "rewritten");
        QTRY_VERIFY_WITH_TIMEOUT(settled.contains({QStringLiteral("1.pnf")}), ResolveMs);
        // Also once the old file is let go.
        holder.close();
        QTRY_VERIFY_WITH_TIMEOUT(idle(watcher), ResolveMs);
        settled.clear();
        writeInPlace(path, "again");
        QTRY_VERIFY_WITH_TIMEOUT(settled.contains({QStringLiteral("1.pnf")}), ResolveMs);
    }

    // The same as the user sees it: the open note shows each new version.
    void anOpenNoteFollowsAFileReplacedWhileHeldOpen()
    {
        const QString path = m_scratch->form().notesFolder() + QStringLiteral("1.pnf");
        Followed mine = followMine(false);
        QVERIFY(mine.note);
        QFile holder(path);
        QVERIFY(holder.open(QIODevice::ReadOnly));
        writeByRename(path, noteBytes(QStringLiteral("V1"), QStringLiteral("version 1")));
        QTRY_COMPARE_WITH_TIMEOUT(mine.note->title(), QStringLiteral("V1"), ResolveMs);
        writeInPlace(path, noteBytes(QStringLiteral("V2"), QStringLiteral("version 2")));
        QTRY_COMPARE_WITH_TIMEOUT(mine.note->title(), QStringLiteral("V2"), ResolveMs);
        QCOMPARE(textOf(mine.note), QStringLiteral("version 2"));
        QCOMPARE(shown(QStringLiteral("1.pnf")), mine.note.data());
    }

    // A note file whose name is not valid UTF-8 cannot be opened by its
    // name; the user is told which one, at start-up or when it arrives.
    void aNameThatIsNotUtf8IsReported_data()
    {
        QTest::addColumn<bool>("atStart");
        QTest::newRow("there at start-up") << true;
        QTest::newRow("arriving later") << false;
    }

    void aNameThatIsNotUtf8IsReported()
    {
#ifdef Q_OS_UNIX
        QFETCH(bool, atStart);
        const QString folder = m_scratch->form().notesFolder();
        const QByteArray rawName = QFile::encodeName(folder) + "caf\xE9.pnf";
        const auto makeIt = [&rawName] {
            const QByteArray bytes = noteBytes(QStringLiteral("Latin-1 name"), QStringLiteral("text"));
            const int fd = ::open(rawName.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            QVERIFY(fd >= 0);
            QCOMPARE(::write(fd, bytes.constData(), size_t(bytes.size())), ssize_t(bytes.size()));
            ::close(fd);
        };
        // Only this can remove it: the scratch folder's own clean-up cannot spell it.
        const auto removeIt = qScopeGuard([&rawName] { ::unlink(rawName.constData()); });
        QString told;
        answerModal([&told](QWidget *modal) {
            auto *box = qobject_cast<QMessageBox *>(modal);
            told = box ? box->text() : QStringLiteral("not a message box");
            modal->close();
        });
        if (atStart)
            makeIt();
        QVERIFY(startFollowing());
        if (!atStart)
            makeIt();
        QTRY_VERIFY_WITH_TIMEOUT(!told.isEmpty(), ResolveMs);
        QVERIFY2(told.contains(QStringLiteral("caf\uFFFD.pnf")) && told.contains(QStringLiteral("UTF-8")),
                 qPrintable(told));
        // Left as it was.
        QVERIFY(::access(rawName.constData(), F_OK) == 0);
#else
        QSKIP("File names are UTF-16 here.");
#endif
    }

private:
    // The window showing the note stored as `name`, or null.
    TFR_NOTE *shown(const QString &name) const
    {
        return NoteWindows::windowOf(m_scratch->form().noteCollection().note(name));
    }

    struct Followed
    {
        NotesFolderSync *sync = nullptr;
        QPointer<TFR_NOTE> note;
    };

    // "Mine" stored as 1.pnf and opened with the folder followed; `typed`
    // adds typing not saved yet.
    Followed followMine(bool typed)
    {
        writeInPlace(m_scratch->form().notesFolder() + QStringLiteral("1.pnf"),
                     noteBytes(QStringLiteral("Mine"), QStringLiteral("first")));
        Followed mine{startFollowing(), shown(QStringLiteral("1.pnf"))};
        if (typed && mine.note)
            editorOf(*mine.note)->setPlainText(QStringLiteral("typed here"));
        return mine;
    }

    // Opens the stored notes the way start-up does, which starts following
    // the folder.
    NotesFolderSync *startFollowing()
    {
        m_scratch->form().ShowAllNotes();
        return m_scratch->form().findChild<NotesFolderSync *>();
    }

    std::unique_ptr<MainFormOverScratch> m_scratch;
};

PAPERLET_NOTES_TEST_MAIN(TestFolderSync)
#include "tst_folder_sync.moc"
