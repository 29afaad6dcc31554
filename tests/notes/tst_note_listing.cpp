// What scripts are told about the notes of a folder, read with no window:
// which notes, in which order, and a note's text.
#include "core/note_file.h"
#include "core/note_query.h"
#include "notes/note_collection.h"
#include "notes/note_document.h"
#include "notes/note_listing.h"
#include "notes/note_list_order.h"
#include "notes/stored_notes.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>

namespace {

QByteArray noteBytes(const QString &title, const QString &content)
{
    NoteRecord record;
    record.bounds = QRect(10, 10, 200, 200);
    record.title = title;
    record.content = content;
    return NoteFile::encode(record);
}

QStringList namesOf(const QList<ListedNote> &notes)
{
    QStringList names;
    for (const ListedNote &note : notes)
        names.append(note.fileName);
    return names;
}

} // namespace

class TestNoteListing final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void lastChangedFirstThenByName();
    void editsHereCountAsChanges();
    void findFollowsTheQuery();
    void onlyNotesThatAreThere();
    void textIsTitleThenPlainText();
    void namesOutsideTheFolderAreNoNotes_data();
    void namesOutsideTheFolderAreNoNotes();

private:
    void write(const QString &name, const QString &title, const QString &content, int minutesAgo);
    QString folder() const { return m_dir.path() + QStringLiteral("/Notes/"); }

    QTemporaryDir m_dir;
    QDateTime m_now;
};

void TestNoteListing::init()
{
    QDir(folder()).removeRecursively();
    QVERIFY(QDir().mkpath(folder()));
    m_now = QDateTime::currentDateTime();
    write(QStringLiteral("b.pnf"), QStringLiteral("Beta"), QStringLiteral("second note"), 5);
    write(QStringLiteral("a.pnf"), QStringLiteral("Alpha"), QStringLiteral("{\\rtf1 caf\\u233? au lait\\par}"), 5);
    write(QStringLiteral("c.pnf"), QStringLiteral("Gamma"), QStringLiteral("the newest"), 1);
    write(QStringLiteral("d.pnf"), QStringLiteral("Delta"), QStringLiteral("the oldest"), 60);
}

void TestNoteListing::write(const QString &name, const QString &title, const QString &content, int minutesAgo)
{
    QFile file(folder() + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(noteBytes(title, content)) > 0);
    // Written out first: the write would set the time again.
    QVERIFY(file.flush());
    QVERIFY(file.setFileTime(m_now.addSecs(-60 * minutesAgo), QFileDevice::FileModificationTime));
}

void TestNoteListing::lastChangedFirstThenByName()
{
    StoredNotes stored(folder());
    stored.loadAll();
    const QList<ListedNote> listed = NoteListing::list(stored.noteCollection(), NoteQuery());
    QCOMPARE(listed, (QList<ListedNote>{{"c.pnf", "Gamma"}, {"a.pnf", "Alpha"}, {"b.pnf", "Beta"}, {"d.pnf", "Delta"}}));
    // The order alone, whatever order the documents came in.
    QList<NoteDocument *> notes = stored.noteCollection().notes();
    std::reverse(notes.begin(), notes.end());
    QStringList names;
    for (const NoteDocument *note : NoteListOrder::sorted(notes))
        names.append(note->fileName());
    QCOMPARE(names, namesOf(listed));
}

void TestNoteListing::editsHereCountAsChanges()
{
    StoredNotes stored(folder());
    stored.loadAll();
    NoteDocument *oldest = stored.noteCollection().note(QStringLiteral("d.pnf"));
    QVERIFY(oldest);
    // Stored notes take no typing; a document that does shows it at once.
    QTextCursor(oldest->text()).insertText(QStringLiteral("typed "));
    const QList<ListedNote> listed = NoteListing::list(stored.noteCollection(), NoteQuery());
    QCOMPARE(namesOf(listed), (QStringList{"d.pnf", "c.pnf", "a.pnf", "b.pnf"}));
    QCOMPARE(namesOf(NoteListing::list(stored.noteCollection(), NoteQuery(QStringLiteral("TYPED oldest")))),
             QStringList{"d.pnf"});
}

void TestNoteListing::findFollowsTheQuery()
{
    StoredNotes stored(folder());
    stored.loadAll();
    const NoteCollection &notes = stored.noteCollection();
    QCOMPARE(namesOf(NoteListing::list(notes, NoteQuery(QStringLiteral("CAFE")))), QStringList{"a.pnf"});
    QCOMPARE(namesOf(NoteListing::list(notes, NoteQuery(QStringLiteral("the")))), (QStringList{"c.pnf", "d.pnf"}));
    QCOMPARE(namesOf(NoteListing::list(notes, NoteQuery(QStringLiteral("gamma newest")))), QStringList{"c.pnf"});
    QCOMPARE(namesOf(NoteListing::list(notes, NoteQuery(QStringLiteral("gamma oldest")))), QStringList{});
}

void TestNoteListing::onlyNotesThatAreThere()
{
    // Not a note: a damaged file, a hidden one, another kind of file.
    QFile damaged(folder() + QStringLiteral("bad.pnf"));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write("one line only");
    damaged.close();
    write(QStringLiteral(".hidden.pnf"), QStringLiteral("Hidden"), QStringLiteral("x"), 0);
    StoredNotes stored(folder());
    stored.loadAll();
    QCOMPARE(namesOf(NoteListing::list(stored.noteCollection(), NoteQuery())),
             (QStringList{"c.pnf", "a.pnf", "b.pnf", "d.pnf"}));

    // A new note is listed once it holds text, not before.
    NoteDocument *fresh = stored.noteCollection().create();
    fresh->startNew(QStringLiteral("e.pnf"));
    QVERIFY(!NoteListing::isListed(*fresh));
    QTextCursor(fresh->text()).insertText(QStringLiteral("now"));
    QVERIFY(NoteListing::isListed(*fresh));
    // A deleted note is not, though its file is still there.
    NoteDocument *gamma = stored.noteCollection().note(QStringLiteral("c.pnf"));
    gamma->markDeleted();
    QVERIFY(!NoteListing::isListed(*gamma));
    QCOMPARE(namesOf(NoteListing::list(stored.noteCollection(), NoteQuery())),
             (QStringList{"e.pnf", "a.pnf", "b.pnf", "d.pnf"}));
}

void TestNoteListing::textIsTitleThenPlainText()
{
    StoredNotes stored(folder());
    const NoteDocument *alpha = stored.load(QStringLiteral("a.pnf"));
    QVERIFY(alpha);
    QCOMPARE(NoteListing::text(*alpha), QStringLiteral("Alpha\n\ncafé au lait\n"));
    // Only that one was read.
    QCOMPARE(stored.noteCollection().notes().size(), 1);
    QCOMPARE(stored.load(QStringLiteral("a.pnf")), alpha);
}

void TestNoteListing::namesOutsideTheFolderAreNoNotes_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing") << QStringLiteral("zz.pnf");
    QTest::newRow("parent folder") << QStringLiteral("../Notes/a.pnf");
    QTest::newRow("absolute path") << folder() + QStringLiteral("a.pnf");
    QTest::newRow("the folder itself") << QStringLiteral(".");
    QTest::newRow("empty") << QString();
}

void TestNoteListing::namesOutsideTheFolderAreNoNotes()
{
    QFETCH(QString, name);
    StoredNotes stored(folder());
    QVERIFY(!StoredNotes::isStored(folder(), name));
    QVERIFY(!stored.load(name));
    QVERIFY(StoredNotes::isStored(folder(), QStringLiteral("a.pnf")));
}

QTEST_MAIN(TestNoteListing)
#include "tst_note_listing.moc"
