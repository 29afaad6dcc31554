// Note files too large to open: whatever their size, they open at once as a
// read-only note that says so, with their own title where it can be read,
// and their files are never written, moved to the trash or read whole.
#include "note_test_fixture.h"

#include "../common/file_bytes.h"

#include "core/note_file.h"
#include "core/note_limits.h"
#include "notes/note_collection.h"
#include "notes/note_windows.h"
#include "notes/notes_folder_sync.h"

#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTextBlock>

namespace {

constexpr int ResolveMs = 5000;
// The limits the program states (README, NoteLimits): a file may have up to
// 2 MB besides its pictures.
constexpr qsizetype FileLimit = 2 * 1024 * 1024;
constexpr qsizetype ParagraphLimit = 100'000;
constexpr qsizetype TextLimit = 500'000;

const QRect StoredPlace(300, 200, 260, 240);

QByteArray storedNote(const QString &title, const QString &content)
{
    return noteBytes(title, content, StoredPlace, 90, 0xCCFFCC);
}

// One paragraph of words, `characters` long, ending in a letter (a note
// file's content loses trailing blanks).
QString paragraph(qsizetype characters)
{
    QString text = QStringLiteral("word ").repeated(characters / 5 + 1);
    text.truncate(characters - 1);
    return text + QLatin1Char('x');
}

enum class Kind { OneParagraph, LineFeeds, Junk, LongParagraph, LongText, AtTheLimits };

QByteArray fileOf(Kind kind)
{
    switch (kind) {
    case Kind::OneParagraph:
        return storedNote(QStringLiteral("Big"), paragraph(FileLimit));
    case Kind::LineFeeds:
        return QByteArray(FileLimit + 1, '\n');
    case Kind::Junk: {
        QByteArray junk(FileLimit + 4, '\0');
        QRandomGenerator(7).fillRange(reinterpret_cast<quint32 *>(junk.data()), junk.size() / 4);
        return junk;
    }
    case Kind::LongParagraph:
        return storedNote(QStringLiteral("Long line"), paragraph(ParagraphLimit + 1));
    case Kind::LongText: {
        // Short paragraphs, too many characters together; the file itself
        // is well under its limit.
        const QString line = paragraph(99) + QLatin1Char('\n');
        return storedNote(QStringLiteral("Long text"), line.repeated(TextLimit / line.size() + 1));
    }
    case Kind::AtTheLimits:
        return storedNote(QStringLiteral("Just fits"),
                         paragraph(ParagraphLimit) + QLatin1Char('\n') + paragraph(ParagraphLimit));
    }
    return {};
}

QString textOf(const TFR_NOTE &note)
{
    return editorOf(note)->toPlainText();
}

int pictureCount(const TFR_NOTE &note)
{
    int n = 0;
    for (QTextBlock b = editorOf(note)->document()->begin(); b.isValid(); b = b.next())
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it)
            n += it.fragment().charFormat().isImageFormat() ? it.fragment().length() : 0;
    return n;
}

// A picture that PNG cannot pack and that is not opaque (so it stays PNG):
// about 1.6 MB stored, twice that as hex.
QImage noisePicture()
{
    QImage image(640, 640, QImage::Format_ARGB32);
    QRandomGenerator random(11);
    for (int y = 0; y < image.height(); ++y)
        random.fillRange(reinterpret_cast<quint32 *>(image.scanLine(y)), image.width());
    return image;
}

// The note shows that it is too large, and nothing of the file's text.
void checkShownTooLarge(const TFR_NOTE &note, const QString &title, const QString &limit)
{
    QVERIFY(note.isVisible());
    QCOMPARE(note.title(), title);
    QVERIFY(editorOf(note)->isReadOnly());
    QVERIFY2(textOf(note).contains(QStringLiteral("too large")), qPrintable(textOf(note)));
    QVERIFY2(textOf(note).contains(limit), qPrintable(textOf(note)));
    QVERIFY(textOf(note).size() < 1000);
    QVERIFY(!note.document()->hasUnsavedChanges());
}

} // namespace

class TestOversizedNote final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_scratch = std::make_unique<MainFormOverScratch>(); }

    void cleanup()
    {
        destroyAllNotes();
        m_scratch.reset();
    }

    void opensAsTooLargeAndLeavesItsFile_data()
    {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QRect>("place");
        QTest::newRow("file over 2 MB, one paragraph")
            << Kind::OneParagraph << QStringLiteral("Big") << QStringLiteral("2.0 MB") << StoredPlace;
        QTest::newRow("file over 2 MB of line feeds")
            << Kind::LineFeeds << QStringLiteral("x.pnf") << QStringLiteral("2.0 MB") << QRect();
        QTest::newRow("file over 2 MB of random bytes")
            << Kind::Junk << QStringLiteral("x.pnf") << QStringLiteral("2.0 MB") << QRect();
        QTest::newRow("a paragraph over 100,000 characters")
            << Kind::LongParagraph << QStringLiteral("Long line") << QStringLiteral("100,000") << StoredPlace;
        QTest::newRow("text over 500,000 characters")
            << Kind::LongText << QStringLiteral("Long text") << QStringLiteral("500,000") << StoredPlace;
    }

    // Opened at start-up; then the user types, moves it, closes it, and at
    // last deletes it: the file stays as it was.
    void opensAsTooLargeAndLeavesItsFile()
    {
        QFETCH(Kind, kind);
        QFETCH(QString, title);
        QFETCH(QString, limit);
        QFETCH(QRect, place);
        const QString path = m_scratch->form().notesFolder() + QStringLiteral("x.pnf");
        const QByteArray bytes = fileOf(kind);
        QVERIFY(writeFile(path, bytes));

        m_scratch->form().ShowAllNotes();
        QPointer<TFR_NOTE> note = NoteWindows::windowOf(m_scratch->form().noteCollection().note(QStringLiteral("x.pnf")));
        QVERIFY(note);
        checkShownTooLarge(*note, title, limit);
        if (!place.isNull())
            QCOMPARE(note->geometry(), place);

        QTest::keyClicks(editorOf(*note), QStringLiteral("typed"));
        note->move(note->pos() + QPoint(30, 30));
        QVERIFY(!textOf(*note).contains(QStringLiteral("typed")));
        QVERIFY(!note->document()->hasUnsavedChanges());
        note->close();
        flushDeletes();
        QVERIFY(!note);
        QVERIFY(readFile(path) == bytes);

        m_scratch->form().ShowAllNotes();
        note = NoteWindows::windowOf(m_scratch->form().noteCollection().note(QStringLiteral("x.pnf")));
        QVERIFY(note);
        MainFormOverScratch::menuOf(*note);
        answerModal([](QWidget *modal) { qobject_cast<QMessageBox *>(modal)->button(QMessageBox::Yes)->click(); });
        child(*note, "tbDelete")->trigger();
        flushDeletes();
        QVERIFY(!note);
        QVERIFY(readFile(path) == bytes);
        QCOMPARE(NoteCollection::noteFiles(m_scratch->form().notesFolder()), QStringList{QStringLiteral("x.pnf")});
    }

    // Paragraphs and text right at the limits still open as notes.
    void aNoteAtTheLimitsOpens()
    {
        const QString path = m_scratch->form().notesFolder() + QStringLiteral("x.pnf");
        QVERIFY(writeFile(path, fileOf(Kind::AtTheLimits)));
        m_scratch->form().ShowAllNotes();
        TFR_NOTE *note = NoteWindows::windowOf(m_scratch->form().noteCollection().note(QStringLiteral("x.pnf")));
        QVERIFY(note);
        QCOMPARE(note->title(), QStringLiteral("Just fits"));
        QVERIFY(!editorOf(*note)->isReadOnly());
        // Plain-text content ends with a line break of its own.
        QCOMPARE(textOf(*note), paragraph(ParagraphLimit) + QLatin1Char('\n') + paragraph(ParagraphLimit) + QLatin1Char('\n'));
    }

    // A file that grows past the limits while the program runs, and shrinks
    // again, is followed in the same window; a typed note keeps its text.
    void theFolderFollowsAFileAcrossTheLimits_data()
    {
        QTest::addColumn<bool>("typed");
        QTest::newRow("untouched note") << false;
        QTest::newRow("typed note") << true;
    }

    void theFolderFollowsAFileAcrossTheLimits()
    {
        QFETCH(bool, typed);
        const QString folder = m_scratch->form().notesFolder();
        const QString path = folder + QStringLiteral("1.pnf");
        QVERIFY(writeFile(path, storedNote(QStringLiteral("Mine"), QStringLiteral("small"))));
        m_scratch->form().ShowAllNotes();
        auto *sync = m_scratch->form().findChild<NotesFolderSync *>();
        QVERIFY(sync);
        QSignalSpy settled(sync, &NotesFolderSync::settled);
        QPointer<TFR_NOTE> note = NoteWindows::windowOf(m_scratch->form().noteCollection().note(QStringLiteral("1.pnf")));
        QVERIFY(note);
        if (typed)
            editorOf(*note)->setPlainText(QStringLiteral("typed here"));

        const QByteArray big = fileOf(Kind::OneParagraph);
        QVERIFY(writeFile(path, big));
        QTRY_VERIFY_WITH_TIMEOUT(settled.contains({QStringLiteral("1.pnf")}), ResolveMs);
        QTRY_VERIFY_WITH_TIMEOUT(NoteWindows::windowOf(m_scratch->form().noteCollection().note(QStringLiteral("1.pnf"))), ResolveMs);
        TFR_NOTE *shown = NoteWindows::windowOf(m_scratch->form().noteCollection().note(QStringLiteral("1.pnf")));
        checkShownTooLarge(*shown, QStringLiteral("Big"), QStringLiteral("2.0 MB"));
        if (typed) {
            // The typed note went to a file of its own.
            QVERIFY(note && note != shown);
            QCOMPARE(textOf(*note).trimmed(), QStringLiteral("typed here"));
            QVERIFY(readFile(note->filePath()).contains("typed here"));
        } else {
            QCOMPARE(shown, note.data());
        }
        QVERIFY(readFile(path) == big);

        // Shrunk to a note that fits: shown as a note again, editable.
        settled.clear();
        const QByteArray small = storedNote(QStringLiteral("Shorter"), QStringLiteral("fits now"));
        QVERIFY(writeFile(path, small));
        QTRY_VERIFY_WITH_TIMEOUT(settled.contains({QStringLiteral("1.pnf")}), ResolveMs);
        QCOMPARE(NoteWindows::windowOf(m_scratch->form().noteCollection().note(QStringLiteral("1.pnf"))), shown);
        QCOMPARE(shown->title(), QStringLiteral("Shorter"));
        QCOMPARE(textOf(*shown).trimmed(), QStringLiteral("fits now"));
        QVERIFY(!editorOf(*shown)->isReadOnly());
        QVERIFY(readFile(path) == small);

        // Too large again, then removed elsewhere: its window goes.
        settled.clear();
        QVERIFY(writeFile(path, fileOf(Kind::LongParagraph)));
        QTRY_VERIFY_WITH_TIMEOUT(editorOf(*shown)->isReadOnly(), ResolveMs);
        QPointer<TFR_NOTE> gone = shown;
        QVERIFY(QFile::remove(path));
        QTRY_VERIFY_WITH_TIMEOUT((flushDeletes(), !gone), ResolveMs);
        QVERIFY(!QFile::exists(path));
    }

    // Pictures pasted until the note has no room for more: the note goes
    // past the text's limit of its file, saves, and opens again with them all.
    void aNoteFullOfPicturesOpensAgain()
    {
        TFR_NOTE *note = m_scratch->newNote(QStringLiteral("pictures below"));
        NoteEditor *editor = editorOf(*note);
        editor->moveCursor(QTextCursor::End);
        const QImage noise = noisePicture();
        int pictures = 0;
        for (int pasted = 0; pasted < 30; ++pasted) {
            QApplication::clipboard()->setImage(noise);
            QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
            if (pictureCount(*note) == pictures)
                break; // refused: no room
            pictures = pictureCount(*note);
        }
        QVERIFY2(pictures > 1 && pictures < 30, qPrintable(QString::number(pictures)));
        const QString path = note->filePath();
        note->close();
        flushDeletes();
        const qint64 size = QFileInfo(path).size();
        QVERIFY2(size > FileLimit && size <= NoteLimits::MaxFileBytes, qPrintable(QString::number(size)));

        m_scratch->form().ShowAllNotes();
        TFR_NOTE *again = NoteWindows::windowOf(m_scratch->form().noteCollection().note(QFileInfo(path).fileName()));
        QVERIFY(again);
        QVERIFY2(!editorOf(*again)->isReadOnly(), qPrintable(textOf(*again)));
        QCOMPARE(pictureCount(*again), pictures);
        QVERIFY(textOf(*again).startsWith(QStringLiteral("pictures below")));
    }

private:
    std::unique_ptr<MainFormOverScratch> m_scratch;
};

PAPERLET_NOTES_TEST_MAIN(TestOversizedNote)
#include "tst_oversized_note.moc"
