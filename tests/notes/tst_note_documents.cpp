// Notes as documents, with no window at all: the collection, and the folder
// sync's conflict, fork, reload and write-back cases against documents.
#include "outside_writes.h"
#include "scratch_host.h"

#include "core/note_file.h"
#include "core/note_host.h"
#include "notes/note_collection.h"
#include "notes/note_document.h"
#include "notes/notes_folder_sync.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

constexpr int ResolveMs = 5000;

QString textOf(const NoteDocument *note)
{
    return note->text()->toPlainText().trimmed();
}

enum class Change { Rewritten, Removed };

} // namespace

class TestNoteDocuments final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_host = std::make_unique<ScratchHost>();
        writeByRename(path(QStringLiteral("1.pnf")), noteBytes(QStringLiteral("Mine"), QStringLiteral("first")));
    }
    void cleanup() { m_host.reset(); }

    void theCollectionAnswersWithoutWindows()
    {
        NoteCollection &notes = m_host->noteCollection();
        QSignalSpy added(&notes, &NoteCollection::noteAdded);
        NoteDocument *mine = notes.load(QStringLiteral("1.pnf"));
        QVERIFY(mine);
        QCOMPARE(added.count(), 1);
        QCOMPARE(notes.note(QStringLiteral("1.pnf")), mine);
        QCOMPARE(notes.notes(), QList<NoteDocument *>{mine});
        QCOMPARE(mine->title(), QStringLiteral("Mine"));
        QCOMPARE(textOf(mine), QStringLiteral("first"));
        QCOMPARE(mine->bounds(), QRect(100, 120, 200, 180));
        QVERIFY(!mine->hasUnsavedChanges());
        QVERIFY(!mine->view());

        // A file that does not load joins nothing and is left alone.
        writeByRename(path(QStringLiteral("bad.pnf")), "one line only");
        QVERIFY(!notes.load(QStringLiteral("bad.pnf")));
        QVERIFY(!notes.note(QStringLiteral("bad.pnf")));
        QCOMPARE(fileBytes(path(QStringLiteral("bad.pnf"))), QByteArray("one line only"));

        // A new note joins once named, and its name is taken for the next.
        NoteDocument *fresh = notes.create();
        QVERIFY(!notes.note(fresh->fileName()));
        fresh->startNew();
        QCOMPARE(added.count(), 2);
        QCOMPARE(notes.note(fresh->fileName()), fresh);
        NoteDocument *second = notes.create();
        second->startNew();
        QVERIFY(second->fileName() != fresh->fileName());
    }

    void documentsFollowTheFolder_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("typed");
        QTest::newRow("rewritten, unchanged: reloaded") << Change::Rewritten << false;
        QTest::newRow("rewritten, typed: forked") << Change::Rewritten << true;
        QTest::newRow("removed, unchanged: let go") << Change::Removed << false;
        QTest::newRow("removed, typed: written back") << Change::Removed << true;
    }

    void documentsFollowTheFolder()
    {
        QFETCH(Change, change);
        QFETCH(bool, typed);
        NoteCollection &notes = m_host->noteCollection();
        NoteDocument *mine = notes.load(QStringLiteral("1.pnf"));
        QVERIFY(mine);
        QPointer<NoteDocument> alive(mine);
        NotesFolderSync sync(*m_host, notes);
        QSignalSpy settled(&sync, &NotesFolderSync::settled);
        QSignalSpy removed(&notes, &NoteCollection::noteRemoved);
        if (typed)
            mine->text()->setPlainText(QStringLiteral("typed here"));

        const QRect place(300, 200, 260, 240);
        const QByteArray other = noteBytes(QStringLiteral("Theirs"), QStringLiteral("from elsewhere"), place, 70, 0xFFCCCC);
        if (change == Change::Rewritten)
            writeByRename(path(QStringLiteral("1.pnf")), other);
        else
            QVERIFY(QFile::remove(path(QStringLiteral("1.pnf"))));
        QTRY_VERIFY_WITH_TIMEOUT(settled.contains({QStringLiteral("1.pnf")}), ResolveMs);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        if (change == Change::Removed) {
            QCOMPARE(bool(alive), typed);
            QCOMPARE(removed.count(), typed ? 0 : 1);
            QCOMPARE(QFile::exists(path(QStringLiteral("1.pnf"))), typed);
            if (typed)
                QVERIFY(fileBytes(path(QStringLiteral("1.pnf"))).contains("typed here"));
            return;
        }
        QVERIFY(alive);
        if (!typed) {
            QCOMPARE(mine->fileName(), QStringLiteral("1.pnf"));
            QCOMPARE(mine->title(), QStringLiteral("Theirs"));
            QCOMPARE(textOf(mine), QStringLiteral("from elsewhere"));
            QCOMPARE(mine->opacity(), 70);
            QCOMPARE(mine->color(), Color::fromValue(0xFFCCCC));
            QCOMPARE(mine->bounds(), place);
            QVERIFY(!mine->hasUnsavedChanges());
            QCOMPARE(fileBytes(path(QStringLiteral("1.pnf"))), other);
            QCOMPARE(notes.notes().size(), 1);
            return;
        }
        // Both kept: the typed note in a file of its own, theirs a document
        // of its own beside it.
        QVERIFY(mine->fileName() != QStringLiteral("1.pnf"));
        QCOMPARE(notes.note(mine->fileName()), mine);
        QVERIFY(fileBytes(mine->filePath()).contains("typed here"));
        QCOMPARE(fileBytes(path(QStringLiteral("1.pnf"))), other);
        QTRY_VERIFY_WITH_TIMEOUT(notes.note(QStringLiteral("1.pnf")), ResolveMs);
        QCOMPARE(textOf(notes.note(QStringLiteral("1.pnf"))), QStringLiteral("from elsewhere"));
        QCOMPARE(notes.notes().size(), 2);
    }

    // Another program's write lands while ours is being synced to the disk.
    void aVersionWrittenDuringTheWriteIsKept()
    {
        NoteCollection &notes = m_host->noteCollection();
        NoteDocument *mine = notes.load(QStringLiteral("1.pnf"));
        QVERIFY(mine);
        QSignalSpy forked(mine, &NoteDocument::forkedFrom);
        const QByteArray other = noteBytes(QStringLiteral("Theirs"), QStringLiteral("meanwhile"));
        int looks = 0;
        connect(mine, &NoteDocument::aboutToReplaceFile, this, [&] {
            if (++looks == 1)
                writeByRename(path(QStringLiteral("1.pnf")), other);
        });
        mine->text()->setPlainText(QStringLiteral("typed here"));
        mine->save();
        QCOMPARE(looks, 2);
        QCOMPARE(forked.count(), 1);
        QCOMPARE(fileBytes(path(QStringLiteral("1.pnf"))), other);
        QVERIFY(fileBytes(mine->filePath()).contains("typed here"));
    }

    // The destruction rule on a document: written when changed, removed
    // when emptied or deleted, left alone otherwise.
    void persistWritesRemovesOrLeaves_data()
    {
        QTest::addColumn<QString>("text");   // null: not touched
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<bool>("kept");
        QTest::addColumn<bool>("rewritten");
        QTest::newRow("untouched") << QString() << false << true << false;
        QTest::newRow("typed") << QStringLiteral("new text") << false << true << true;
        QTest::newRow("emptied") << QStringLiteral(" ") << false << false << false;
        QTest::newRow("deleted") << QString() << true << false << false;
    }

    void persistWritesRemovesOrLeaves()
    {
        QFETCH(QString, text);
        QFETCH(bool, deleted);
        QFETCH(bool, kept);
        QFETCH(bool, rewritten);
        NoteCollection &notes = m_host->noteCollection();
        const QByteArray before = fileBytes(path(QStringLiteral("1.pnf")));
        NoteDocument *mine = notes.load(QStringLiteral("1.pnf"));
        QVERIFY(mine);
        QSignalSpy removed(&notes, &NoteCollection::noteRemoved);
        if (!text.isNull())
            mine->text()->setPlainText(text);
        if (deleted)
            mine->markDeleted();
        mine->persist();
        QCOMPARE(QFile::exists(path(QStringLiteral("1.pnf"))), kept);
        QCOMPARE(removed.count(), kept ? 0 : 1);
        if (kept)
            QCOMPARE(fileBytes(path(QStringLiteral("1.pnf"))) != before, rewritten);
    }

private:
    QString path(const QString &name) const { return m_host->notesFolder() + name; }

    std::unique_ptr<ScratchHost> m_host;
};

int main(int argc, char *argv[])
{
    // A GUI application, not a widget one: documents need no window.
    QGuiApplication app(argc, argv);
    TestNoteDocuments test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_note_documents.moc"
