// The list of notes behind the All Notes window, with no window: which notes
// a query lets through and in which order, while notes come, change and go;
// and notes written out and read back.
#include "outside_writes.h"
#include "scratch_host.h"

#include "core/error.h"
#include "notes/note_document.h"
#include "notes/note_export.h"
#include "notes/note_import.h"
#include "notes/note_list_model.h"

#include <QFile>
#include <QGuiApplication>
#include <QTest>

#include <memory>

namespace {

struct Seed
{
    const char *file;
    const char *title;
    const char *text;
    qint32 color;
    int minutesAgo;
};

// Light Yellow and Red are cells of the note colour set (Red comes first);
// 0x123456 is none of them.
const Seed Seeds[] = {
    {"1.pnf", "Picnic", "Basket and blanket", 0x99FFFF, 50},
    {"2.pnf", "groceries", "Crème fraîche, BREAD", 0x0000FF, 10},
    {"3.pnf", "Note 10", "picnic in the park", 0x123456, 30},
    {"4.pnf", "Note 9", "Straße", 0x99FFFF, 30},
};

QStringList titles(const NoteListModel &model)
{
    QStringList result;
    for (int row = 0; row < model.rowCount(); ++row)
        result.append(model.data(model.index(row, NoteListModel::TitleColumn)).toString());
    return result;
}

} // namespace

class TestNoteList final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        // Titles sort as people read them, numbers as numbers.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        m_host = std::make_unique<ScratchHost>();
        NoteCollection &notes = m_host->noteCollection();
        const QDateTime now = QDateTime::currentDateTime();
        for (const Seed &seed : Seeds) {
            const QString path = m_host->notesFolder() + QLatin1String(seed.file);
            writeByRename(path, noteBytes(QString::fromUtf8(seed.title), QString::fromUtf8(seed.text), QRect(10, 10, 200, 200), 100, seed.color));
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(now.addSecs(-60 * seed.minutesAgo), QFileDevice::FileModificationTime));
            file.close();
            QVERIFY(notes.load(QLatin1String(seed.file)));
        }
    }
    void cleanup() { m_host.reset(); }

    void queriesFilterAsTheyAreTyped_data()
    {
        QTest::addColumn<QStringList>("typed");   // one query after another
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("nothing") << QStringList{""} << QStringList{"groceries", "Note 10", "Note 9", "Picnic"};
        QTest::newRow("title or text") << QStringList{"PICNIC"} << QStringList{"Note 10", "Picnic"};
        QTest::newRow("accents and case") << QStringList{"creme FRAICHE"} << QStringList{"groceries"};
        QTest::newRow("sharp s") << QStringList{"strasse"} << QStringList{"Note 9"};
        QTest::newRow("every word") << QStringList{"picnic park"} << QStringList{"Note 10"};
        QTest::newRow("typed on") << QStringList{"p", "pi", "pic", "picnic", "picnic b"} << QStringList{"Picnic"};
        QTest::newRow("typed back") << QStringList{"picnic b", "picnic", "pic"} << QStringList{"Note 10", "Picnic"};
        QTest::newRow("replaced") << QStringList{"bread", "basket"} << QStringList{"Picnic"};
        QTest::newRow("cleared") << QStringList{"park", ""} << QStringList{"groceries", "Note 10", "Note 9", "Picnic"};
        QTest::newRow("none") << QStringList{"zebra"} << QStringList{};
    }
    void queriesFilterAsTheyAreTyped()
    {
        QFETCH(QStringList, typed);
        QFETCH(QStringList, expected);
        NoteListModel model(m_host->noteCollection());
        for (const QString &query : typed)
            model.setQuery(query);
        QCOMPARE(titles(model), expected);
    }

    void sortsByEachKey_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("expected");
        // Newest first; the two of the same minute by file name.
        QTest::newRow("last change") << int(NoteListModel::SortKey::LastChange)
                                     << QStringList{"groceries", "Note 10", "Note 9", "Picnic"};
        // Without case, numbers as numbers.
        QTest::newRow("title") << int(NoteListModel::SortKey::Title) << QStringList{"groceries", "Note 9", "Note 10", "Picnic"};
        // The colour set's order (Red before Light Yellow), colours outside it last.
        QTest::newRow("colour") << int(NoteListModel::SortKey::Color) << QStringList{"groceries", "Note 9", "Picnic", "Note 10"};
    }
    void sortsByEachKey()
    {
        QFETCH(int, key);
        QFETCH(QStringList, expected);
        NoteListModel model(m_host->noteCollection());
        model.setSortKey(NoteListModel::SortKey(key));
        QCOMPARE(titles(model), expected);
    }

    void followsTheCollection()
    {
        NoteCollection &notes = m_host->noteCollection();
        NoteListModel model(notes);
        model.setQuery(QStringLiteral("picnic"));
        QCOMPARE(titles(model), (QStringList{"Note 10", "Picnic"}));

        // Typing in a note moves it to the top; one that stops matching goes.
        NoteDocument *picnic = notes.note(QStringLiteral("1.pnf"));
        picnic->text()->setPlainText(QStringLiteral("picnic again"));
        picnic->save();
        QCOMPARE(titles(model), (QStringList{"Picnic", "Note 10"}));
        NoteDocument *park = notes.note(QStringLiteral("3.pnf"));
        park->text()->setPlainText(QStringLiteral("museum"));
        park->save();
        QCOMPARE(titles(model), QStringList{"Picnic"});

        // Deleted: gone from the list before its document goes.
        picnic->markDeleted();
        picnic->persist();
        QCOMPARE(titles(model), QStringList{});
        model.setQuery(QString());
        QCOMPARE(model.rowCount(), 3);

        // A note that arrives joins.
        const QString fresh = m_host->notesFolder() + QStringLiteral("5.pnf");
        writeByRename(fresh, noteBytes(QStringLiteral("Fresh"), QStringLiteral("new")));
        // A file's time is the kernel's coarse clock, which may still read
        // a moment before the edit above: the sync tool wrote it later.
        QFile file(fresh);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(park->lastChanged().addSecs(1), QFileDevice::FileModificationTime));
        file.close();
        QVERIFY(notes.load(QStringLiteral("5.pnf")));
        QCOMPARE(titles(model).first(), QStringLiteral("Fresh"));
        QCOMPARE(model.rowOf(QStringLiteral("5.pnf")), 0);
        QCOMPARE(model.data(model.index(0, NoteListModel::FirstLineColumn)).toString(), QStringLiteral("new"));
    }

    void erasingAfterAChangeSearchesAgain()
    {
        NoteCollection &notes = m_host->noteCollection();
        NoteListModel model(notes);
        model.setQuery(QStringLiteral("picnic"));
        model.setQuery(QStringLiteral("picnic park"));
        QCOMPARE(titles(model), QStringList{"Note 10"});
        NoteDocument *park = notes.note(QStringLiteral("3.pnf"));
        park->text()->setPlainText(QStringLiteral("museum"));
        park->save();
        QCOMPARE(titles(model), QStringList{});
        // Not the rows "picnic" found before the change.
        model.setQuery(QStringLiteral("picnic"));
        QCOMPARE(titles(model), QStringList{"Picnic"});
    }

    void exportNamesAreSafeAndUnique_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "Shopping" << "Shopping";
        QTest::newRow("separators") << "a/b\\c: d?" << "a_b_c_ d_";
        QTest::newRow("dots and blanks") << " ..hidden. " << "hidden";
        QTest::newRow("empty") << "" << "Note";
        QTest::newRow("control") << "tab\there" << "tab_here";
        QTest::newRow("long") << QString(300, QLatin1Char('x')) << QString(100, QLatin1Char('x'));
        // 100 characters of three UTF-8 bytes each are more than a Linux name takes.
        QTest::newRow("long in bytes") << QString(130, QChar(0x65E5)) << QString(66, QChar(0x65E5));
        QTest::newRow("emoji at the cut") << QString(99, QLatin1Char('x')) + QStringLiteral("\U0001F600 tail")
                                          << QString(99, QLatin1Char('x'));
    }
    void exportNamesAreSafeAndUnique()
    {
        QFETCH(QString, title);
        QFETCH(QString, expected);
        QCOMPARE(NoteExport::baseNameFor(title), expected);
    }

    void exportsATitleLongerThanAFileNameTakes()
    {
        NoteDocument *note = m_host->noteCollection().note(QStringLiteral("1.pnf"));
        note->setTitle(QString(130, QChar(0x65E5)));
        QTemporaryDir out;
        const QStringList written = NoteExport::write({note, note}, out.path(), NoteExport::Format::Html);
        QCOMPARE(written.size(), 2);
        for (const QString &path : written)
            QVERIFY2(QFile::exists(path), qPrintable(path));
    }

    void exportsOneFilePerNoteAndImportsThemBack()
    {
        NoteCollection &notes = m_host->noteCollection();
        // Two notes of one title, and a file of that name already there.
        QList<NoteDocument *> chosen{notes.note(QStringLiteral("3.pnf")), notes.note(QStringLiteral("4.pnf"))};
        chosen.at(1)->setTitle(QStringLiteral("Note 10"));
        QTemporaryDir out;
        QFile taken(out.filePath(QStringLiteral("Note 10.txt")));
        QVERIFY(taken.open(QIODevice::WriteOnly));
        taken.close();
        const QStringList written = NoteExport::write(chosen, out.path(), NoteExport::Format::PlainText);
        QCOMPARE(written, (QStringList{out.filePath(QStringLiteral("Note 10 (2).txt")), out.filePath(QStringLiteral("Note 10 (3).txt"))}));
        QCOMPARE(fileBytes(written.at(1)), QByteArray("Note 10\n\nStra\xC3\x9F" "e\n"));

        // Read back: new notes with new names, at places no note takes.
        NoteImport import(*m_host, notes, QRect(0, 0, 800, 600));
        const QList<NoteDocument *> back = import.importFiles(written);
        QCOMPARE(back.size(), 2);
        QCOMPARE(notes.notes().size(), 6);
        QCOMPARE(back.at(1)->title(), QStringLiteral("Note 10 (3)"));
        QCOMPARE(back.at(1)->text()->toPlainText(), QStringLiteral("Note 10\n\nStra\u00DFe\n"));
        QVERIFY(back.at(0)->fileName() != back.at(1)->fileName());
        for (const NoteDocument *note : notes.notes())
            for (const NoteDocument *other : back)
                if (note != other)
                    QVERIFY2(!note->bounds().intersects(other->bounds()), qPrintable(note->title() + " / " + other->title()));
    }

    void importsTextInTheEncodingItCameIn_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        const QString cafe = QStringLiteral("caf\u00E9 \u20AC5\n");
        QTest::newRow("UTF-8") << cafe.toUtf8() << cafe;
        QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF") + cafe.toUtf8() << cafe;
        QTest::newRow("Windows 8-bit") << QByteArray("caf\xE9 \x80" "5\n") << cafe;
        QTest::newRow("UTF-16 with mark") << QByteArray("\xFF\xFE") + QByteArray(reinterpret_cast<const char *>(cafe.utf16()), cafe.size() * 2)
                                          << cafe;
    }
    void importsTextInTheEncodingItCameIn()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QTemporaryDir in;
        const QString path = in.filePath(QStringLiteral("menu.txt"));
        writeByRename(path, bytes);
        NoteImport import(*m_host, m_host->noteCollection(), QRect(0, 0, 800, 600));
        const QList<NoteDocument *> back = import.importFiles({path});
        QCOMPARE(back.size(), 1);
        QCOMPARE(back.at(0)->text()->toPlainText(), text);
    }

    void aFileThatCannotBeImportedIsNamedAndNothingComesIn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("no note file") << "broken.pnf" << QByteArray("no header here");
        // Small enough to read, too much text for a note to open.
        QTest::newRow("too long") << "long.txt" << QByteArray("word ").repeated(150000);
    }
    void aFileThatCannotBeImportedIsNamedAndNothingComesIn()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QTemporaryDir in;
        const QString good = in.filePath(QStringLiteral("good.txt"));
        const QString bad = in.filePath(name);
        writeByRename(good, "fine");
        writeByRename(bad, bytes);
        NoteCollection &notes = m_host->noteCollection();
        const qsizetype before = notes.notes().size();
        NoteImport import(*m_host, notes, QRect(0, 0, 800, 600));
        try {
            import.importFiles({good, bad});
            QFAIL("a file that is no note was imported");
        } catch (const PaperletError &error) {
            QVERIFY2(error.message().contains(name), qPrintable(error.message()));
        }
        QCOMPARE(notes.notes().size(), before);
    }

private:
    std::unique_ptr<ScratchHost> m_host;
};

QTEST_MAIN(TestNoteList)

#include "tst_note_list.moc"
