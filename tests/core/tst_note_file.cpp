// The .pnf note file: bytes written, bytes read, and the faults of the disk.
#include "core/error.h"
#include "core/file_fingerprint.h"
#include "core/note_file.h"
#include "../common/scratch_tmpfs.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

const QString ExampleContent = QStringLiteral(
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Tahoma;}}\r\n"
    "\\viewkind4\\uc1\\pard\\f0\\fs20 milk\\par\r\n"
    "bread\\par\r\n"
    "}");

NoteRecord example()
{
    NoteRecord record;
    record.bounds = QRect(320, 240, 200, 200);
    record.opacity = 90;
    record.color = Color::fromValue(0x99FFFF);
    record.title = QStringLiteral("Shopping");
    record.content = ExampleContent;
    return record;
}

QByteArray exampleBytes()
{
    return QByteArray("\xEF\xBB\xBF"
                      "0001400000F00000C80000C800005A99FFFF\r\n"
                      "Shopping\r\n"
                      "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Tahoma;}}\r\n"
                      "\\viewkind4\\uc1\\pard\\f0\\fs20 milk\\par\r\n"
                      "bread\\par\r\n"
                      "}\r\n");
}

// What another program does to a note file while ours is being written.
enum class Outside { Nothing, InPlace, ByRename, Removed };

} // namespace

class TestNoteFile final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void writesTheWorkedExampleByteForByte()
    {
        QCOMPARE(NoteFile::encode(example()), exampleBytes());
    }

    void readsTheWorkedExampleBack()
    {
        const NoteRecord read = NoteFile::decode(exampleBytes());
        QCOMPARE(read.bounds, QRect(320, 240, 200, 200));
        QCOMPARE(read.opacity, 90);
        QCOMPARE(read.color, Color::fromValue(0x99FFFF));
        QCOMPARE(read.title, QStringLiteral("Shopping"));
        // The content comes back with a line end after its last line.
        QCOMPARE(read.content, ExampleContent + QStringLiteral("\r\n"));
        // ... which writing trims again: a second save is byte-identical.
        QCOMPARE(NoteFile::encode(read), exampleBytes());
    }

    void writesHeaderFields_data()
    {
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<int>("opacity");
        QTest::addColumn<int>("color");
        QTest::addColumn<QString>("header");
        QTest::newRow("negative left and top are written as 0")
            << QRect(-40, 10, 200, 150) << 100 << 0xFFFFFF << "00000000000A0000C8000096000064FFFFFF";
        QTest::newRow("both negative") << QRect(-5, -7, 100, 100) << 10 << 0 << "00000000000000006400006400000A000000";
        QTest::newRow("system colour bits dropped to RGB") << QRect(0, 0, 100, 100) << 25 << int(0xFF123456)
                                                          << "000000000000000064000064000019123456";
        QTest::newRow("values above six digits are kept to six")
            << QRect(0, 0, 0x1000000, 100) << 100 << 0 << "000000000000FFFFFF000064000064000000";
    }

    void writesHeaderFields()
    {
        QFETCH(QRect, bounds);
        QFETCH(int, opacity);
        QFETCH(int, color);
        QFETCH(QString, header);
        NoteRecord record;
        record.bounds = bounds;
        record.opacity = opacity;
        record.color = Color::fromValue(color);
        QCOMPARE(NoteFile::header(record), header);
    }

    void keepsTitlesOnOneLineAndUntrimmed()
    {
        NoteRecord record = example();
        record.title = QStringLiteral("  two\r\nlines ");
        const NoteRecord read = NoteFile::decode(NoteFile::encode(record));
        QCOMPARE(read.title, QStringLiteral("  two  lines "));
    }

    void trimsTheContent()
    {
        NoteRecord record = example();
        record.content = QStringLiteral("\r\n \t{\\rtf1 x}\r\n\r\n  ");
        QVERIFY(NoteFile::encode(record).endsWith("\r\n{\\rtf1 x}\r\n"));
    }

    void readsHeaders_data()
    {
        QTest::addColumn<QString>("header");
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<int>("opacity");
        QTest::addColumn<int>("color");
        QTest::newRow("upper case") << "0001400000F00000C80000C800005A99FFFF" << QRect(320, 240, 200, 200) << 90
                                    << 0x99FFFF;
        QTest::newRow("lower case") << "0001400000f00000c80000c800005a99ffff" << QRect(320, 240, 200, 200) << 90
                                    << 0x99FFFF;
        QTest::newRow("short colour field") << "0001400000F00000C80000C800005AFF" << QRect(320, 240, 200, 200) << 90
                                            << 0xFF;
        QTest::newRow("opacity 25 stays") << "000000000000000064000064000019000000" << QRect(0, 0, 100, 100) << 25 << 0;
        QTest::newRow("opacity 0 becomes 10") << "000000000000000064000064000000000000" << QRect(0, 0, 100, 100) << 10
                                              << 0;
        QTest::newRow("opacity 500 becomes 100") << "0000000000000000640000640001F4000000" << QRect(0, 0, 100, 100)
                                                 << 100 << 0;
    }

    void readsHeaders()
    {
        QFETCH(QString, header);
        QFETCH(QRect, bounds);
        QFETCH(int, opacity);
        QFETCH(int, color);
        const NoteRecord read = NoteFile::decode((header + QStringLiteral("\r\ntitle\r\n")).toUtf8());
        QCOMPARE(read.bounds, bounds);
        QCOMPARE(read.opacity, opacity);
        QCOMPARE(read.color, Color::fromValue(color));
    }

    void rejectsBrokenFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("one line") << QByteArray("0001400000F00000C80000C800005A99FFFF\r\n");
        QTest::newRow("non-hex digit") << QByteArray("0001400000G00000C80000C800005A99FFFF\r\nt\r\n");
        QTest::newRow("blank in a field") << QByteArray("000140 000F00000C80000C800005A99FFFF\r\nt\r\n");
        QTest::newRow("header of 30") << QByteArray("0001400000F00000C80000C800005A\r\nt\r\n");
        QTest::newRow("sign in a field") << QByteArray("-001400000F00000C80000C800005A99FFFF\r\nt\r\n");
    }

    void rejectsBrokenFiles()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY_THROWS_EXCEPTION(PaperletError, NoteFile::decode(bytes));
    }

    void readsTwoLinesAsAnEmptyNote()
    {
        const NoteRecord read = NoteFile::decode("0001400000F00000C80000C800005A99FFFF\r\nOnly a title\r\n");
        QCOMPARE(read.title, QStringLiteral("Only a title"));
        QVERIFY(read.content.isEmpty());
    }

    void readsEncodingsAndLineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QString text = QStringLiteral("0001400000F00000C80000C800005A99FFFF\r\nCaf\u00e9 \u20ac\r\nplain\r\n");
        QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8();
        QTest::newRow("utf-16 le") << QByteArray("\xFF\xFE") + QByteArray(QStringEncoder(QStringEncoder::Utf16LE).encode(text));
        QTest::newRow("utf-16 be") << QByteArray("\xFE\xFF") + QByteArray(QStringEncoder(QStringEncoder::Utf16BE).encode(text));
        QTest::newRow("windows-1252 without mark")
            << QByteArray("0001400000F00000C80000C800005A99FFFF\r\nCaf\xE9 \x80\r\nplain\r\n");
        QTest::newRow("lf only") << QByteArray("\xEF\xBB\xBF") + QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).toUtf8();
        QTest::newRow("cr only") << QByteArray("\xEF\xBB\xBF") + QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\r")).toUtf8();
    }

    void readsEncodingsAndLineEnds()
    {
        QFETCH(QByteArray, bytes);
        const NoteRecord read = NoteFile::decode(bytes);
        QCOMPARE(read.title, QStringLiteral("Caf\u00e9 \u20ac"));
        QCOMPARE(read.content, QStringLiteral("plain\r\n"));
        QCOMPARE(read.color, Color::fromValue(0x99FFFF));
    }

    // Every line of the body ends in CR LF once read, whatever ended it.
    void bodyLinesEndInCrLf_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("content");
        QTest::newRow("one line, no end") << QByteArray("a") << QStringLiteral("a\r\n");
        QTest::newRow("mixed ends") << QByteArray("a\nb\rc\r\nd") << QStringLiteral("a\r\nb\r\nc\r\nd\r\n");
        QTest::newRow("empty lines of each kind")
            << QByteArray("a\n\n\r\r\r\n\r\nb\r\n") << QStringLiteral("a\r\n\r\n\r\n\r\n\r\n\r\nb\r\n");
        QTest::newRow("CR before CR LF") << QByteArray("a\r\r\nb") << QStringLiteral("a\r\n\r\nb\r\n");
        QTest::newRow("LF lines, then a CR") << QByteArray("a\nb\nc\rd") << QStringLiteral("a\r\nb\r\nc\r\nd\r\n");
        QTest::newRow("ends with LF") << QByteArray("a\nb\n") << QStringLiteral("a\r\nb\r\n");
    }

    void bodyLinesEndInCrLf()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, content);
        const NoteRecord read = NoteFile::decode("\xEF\xBB\xBF" "0001400000F00000C80000C800005A99FFFF\r\nT\r\n" + body);
        QCOMPARE(read.content, content);
    }

    void splitsLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("trailing end adds no line") << "a\r\nb\r\n" << QStringList{"a", "b"};
        QTest::newRow("no trailing end") << "a\nb" << QStringList{"a", "b"};
        QTest::newRow("empty lines kept") << "a\r\n\r\n\rb" << QStringList{"a", "", "", "b"};
        QTest::newRow("lf cr is two ends") << "a\n\rb" << QStringList{"a", "", "b"};
    }

    void splitsLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(NoteFile::splitLines(text), lines);
    }

    void fitsToTheScreen_data()
    {
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<QRect>("fitted");
        QTest::newRow("inside stays") << QRect(320, 240, 200, 200) << QRect(320, 240, 200, 200);
        QTest::newRow("second display to the right") << QRect(2500, 100, 200, 200) << QRect(1720, 100, 200, 200);
        QTest::newRow("too wide") << QRect(0, 0, 3000, 200) << QRect(0, 0, 1920, 200);
        QTest::newRow("below the screen") << QRect(10, 1200, 200, 300) << QRect(10, 780, 200, 300);
        QTest::newRow("entirely above") << QRect(10, -300, 200, 300) << QRect(10, 0, 200, 300);
        QTest::newRow("partly above stays") << QRect(10, -100, 200, 300) << QRect(10, -100, 200, 300);
    }

    void fitsToTheScreen()
    {
        QFETCH(QRect, stored);
        QFETCH(QRect, fitted);
        QCOMPARE(NoteFile::fitToScreen(stored, QSize(1920, 1080)), fitted);
    }

    void replacesFilesWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("1.pnf"));
        NoteFile::writeAtomically(path, "first version, rather long");
        NoteFile::writeAtomically(path, "second");
        QCOMPARE(NoteFile::readAll(path), QByteArray("second"));
        // Nothing but the note is left beside it.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"1.pnf"});
    }

    void reportsWriteFailuresAndKeepsTheOldFile()
    {
        if (::geteuid() == 0)
            QSKIP("permissions do not bind root");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("1.pnf"));
        NoteFile::writeAtomically(path, "kept");
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        try {
            NoteFile::writeAtomically(path, "lost");
            QFAIL("a write into a read-only folder succeeded");
        } catch (const PaperletError &error) {
            QVERIFY2(error.message().contains(QDir::toNativeSeparators(path)), qPrintable(error.message()));
        }
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(NoteFile::readAll(path), QByteArray("kept"));
    }

    // Another program's write while ours is being synced to the disk, placed
    // exactly at the last look before the rename.
    void replacesOnlyWhatIsStillOurs_data()
    {
        QTest::addColumn<Outside>("outside");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("nobody else wrote") << Outside::Nothing << true;
        QTest::newRow("rewritten in place meanwhile") << Outside::InPlace << false;
        QTest::newRow("replaced by a rename meanwhile") << Outside::ByRename << false;
        QTest::newRow("removed meanwhile") << Outside::Removed << false;
    }

    void replacesOnlyWhatIsStillOurs()
    {
        QFETCH(Outside, outside);
        QFETCH(bool, replaced);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("1.pnf"));
        NoteFile::writeAtomically(path, "ours, as last read");
        const FileFingerprint ours = FileFingerprint::read(path);
        const QByteArray theirs("theirs, written meanwhile");
        int looks = 0;
        const bool done = NoteFile::writeAtomically(path, "ours, new", [&] {
            ++looks;
            // Our bytes are on the disk by now, under a name of their own.
            if (NoteFile::readAll(path) != "ours, as last read")
                return false;
            if (outside == Outside::InPlace) {
                QFile file(path);
                if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(theirs) != theirs.size())
                    return false;
            } else if (outside == Outside::ByRename) {
                const QString temp = dir.filePath(QStringLiteral("theirs.tmp"));
                QFile file(temp);
                if (!file.open(QIODevice::WriteOnly) || file.write(theirs) != theirs.size())
                    return false;
                file.close();
                if (!QFile::remove(path) || !QFile::rename(temp, path))
                    return false;
            } else if (outside == Outside::Removed) {
                QFile::remove(path);
            }
            return ours.matchesFile(path);
        });
        QCOMPARE(looks, 1);
        QCOMPARE(done, replaced);
        if (outside == Outside::Removed)
            QVERIFY(!QFile::exists(path));
        else
            QCOMPARE(NoteFile::readAll(path), replaced ? QByteArray("ours, new") : theirs);
        // Nothing but the note is left beside it.
        const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(left, outside == Outside::Removed ? QStringList() : QStringList{"1.pnf"});
    }

    void keepsTheOldFileOnAFullDisk_data()
    {
        QTest::addColumn<QByteArray>("replacement");
        QTest::addColumn<bool>("checked");
        // A small write is the case that used to pass unnoticed: it only
        // filled a buffer, and the rename went ahead with an empty file.
        QTest::newRow("a few bytes") << QByteArray(200, 'n') << false;
        QTest::newRow("larger than the free space") << QByteArray(4 * 1024 * 1024, 'n') << false;
        QTest::newRow("a few bytes, checked before the rename") << QByteArray(200, 'n') << true;
        QTest::newRow("larger, checked before the rename") << QByteArray(4 * 1024 * 1024, 'n') << true;
    }

    void keepsTheOldFileOnAFullDisk()
    {
        QFETCH(QByteArray, replacement);
        QFETCH(bool, checked);
        const ScratchTmpfs disk;
        if (!disk.skip().isEmpty())
            QSKIP(qPrintable(disk.skip()));
        const QString path = disk.filePath(QStringLiteral("1.pnf"));
        NoteFile::writeAtomically(path, exampleBytes());
        QVERIFY(disk.fill());
        bool looked = false;
        const std::function<bool()> check = [&looked] { return looked = true; };
        try {
            NoteFile::writeAtomically(path, replacement, checked ? check : std::function<bool()>());
            QFAIL("a write to a full disk was reported as done");
        } catch (const PaperletError &error) {
            QVERIFY2(error.message().contains(QDir::toNativeSeparators(path)), qPrintable(error.message()));
        }
        QCOMPARE(NoteFile::readAll(path), exampleBytes());
        // Failed before there was anything to check.
        QVERIFY(!looked);
        // No temporary file is left behind to fill the disk further.
        QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 (QStringList{".filler", "1.pnf"}));
    }

    void reportsUnreadableFiles()
    {
        QTemporaryDir dir;
        const QString missing = dir.filePath(QStringLiteral("missing.pnf"));
        QVERIFY_THROWS_EXCEPTION(PaperletError, NoteFile::readAll(missing));
        if (::geteuid() == 0)
            return;
        const QString locked = dir.filePath(QStringLiteral("locked.pnf"));
        NoteFile::writeAtomically(locked, exampleBytes());
        QFile::setPermissions(locked, QFile::WriteOwner);
        QVERIFY_THROWS_EXCEPTION(PaperletError, NoteFile::readAll(locked));
    }

    void rejectsATruncatedFile()
    {
        // What a crash mid-write used to leave: the header cut short.
        QVERIFY_THROWS_EXCEPTION(PaperletError, NoteFile::decode(exampleBytes().left(20)));
    }
};

QTEST_GUILESS_MAIN(TestNoteFile)
#include "tst_note_file.moc"
