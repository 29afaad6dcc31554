// How large a note may be: which files are read whole, what is read of the
// others, and which texts count as too large once read.
#include "core/note_limits.h"
#include "core/rtf/rtf.h"

#include "../common/file_bytes.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QByteArray noteStart(const QByteArray &title)
{
    return "\xEF\xBB\xBF" "0001400000F00000C80000C800005A99FFFF\r\n" + title + "\r\n";
}

// `size` bytes: a note's first lines, then letters.
QByteArray noteOfSize(qsizetype size)
{
    QByteArray bytes = noteStart("Big");
    bytes += QByteArray(size - bytes.size(), 'a');
    return bytes;
}

// `size` bytes: a note's first lines, then RTF that is a picture but for
// `textBytes` letters.
QByteArray pictureNoteOfSize(qsizetype size, qsizetype textBytes = 0)
{
    QByteArray bytes = noteStart("Big") + "{\\rtf1 " + QByteArray(textBytes, 'a') + "{\\pict\\pngblip ";
    bytes += QByteArray(size - bytes.size() - 2, 'f') + "}}";
    return bytes;
}

} // namespace

class TestNoteLimits final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsFilesUpToTheLimitWhole_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("tooLarge");
        QTest::addColumn<bool>("fileTooLarge"); // told by the file's size alone
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("title");   // null: none could be read
        constexpr qint64 text = NoteLimits::MaxTextFileBytes;
        constexpr qint64 file = NoteLimits::MaxFileBytes;
        const QString textLimit = QStringLiteral("2.0 MB");
        const QString fileLimit = QStringLiteral("32.0 MB");
        QTest::newRow("text at the limit") << noteOfSize(text) << false << false << QString() << QString();
        QTest::newRow("text one byte over") << noteOfSize(text + 1) << true << false << textLimit << QStringLiteral("Big");
        QTest::newRow("text over, no header") << QByteArray(text + 1, '\n') << true << false << textLimit << QString();
        QTest::newRow("pictures beside text at the limit")
            << pictureNoteOfSize(3 * text, text - 100) << false << false << QString() << QString();
        QTest::newRow("pictures beside text over the limit")
            << pictureNoteOfSize(3 * text, text) << true << false << textLimit << QStringLiteral("Big");
        // \bin data is picture data, whatever bytes it holds
        QTest::newRow("\\bin data of braces")
            << noteStart("Bin") + "{\\rtf1{\\pict\\pngblip\\bin" + QByteArray::number(text + 10) + ' '
                   + QByteArray(text + 10, '{') + "}}"
            << false << false << QString() << QString();
        QTest::newRow("file of pictures at the limit") << pictureNoteOfSize(file) << false << false << QString() << QString();
        QTest::newRow("file one byte over") << pictureNoteOfSize(file + 1) << true << true << fileLimit << QStringLiteral("Big");
        QTest::newRow("file over, no header") << QByteArray(file + 1, '\n') << true << true << fileLimit << QString();
        QTest::newRow("file over, title longer than what is read")
            << noteStart(QByteArray(NoteLimits::HeadBytes, 't')) + QByteArray(file, 'a') << true << true << fileLimit
            << QString();
    }

    void readsFilesUpToTheLimitWhole()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, tooLarge);
        QFETCH(bool, fileTooLarge);
        QFETCH(QString, limit);
        QFETCH(QString, title);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("x.pnf"));
        QVERIFY(writeFile(path, bytes));
        QCOMPARE(NoteLimits::fileTooLarge(path), fileTooLarge);
        try {
            QCOMPARE(NoteLimits::readFile(path), bytes);
            QVERIFY(!tooLarge);
        } catch (const NoteTooLarge &large) {
            QVERIFY2(tooLarge, qPrintable(large.message()));
            QVERIFY2(large.message().contains(limit), qPrintable(large.message()));
            QCOMPARE(bool(large.head()), !title.isNull());
            if (large.head()) {
                QCOMPARE(large.head()->title, title);
                QCOMPARE(large.head()->bounds, QRect(320, 240, 200, 200));
                QVERIFY(large.head()->content.isEmpty());
            }
        }
    }

    void readingAMissingFileFails()
    {
        QTemporaryDir dir;
        QVERIFY_THROWS_EXCEPTION(PaperletError, NoteLimits::readFile(dir.filePath(QStringLiteral("none.pnf"))));
    }

    void countsTheTextOfADocument_data()
    {
        QTest::addColumn<qsizetype>("paragraphLength");
        QTest::addColumn<qsizetype>("paragraphs");
        QTest::addColumn<QString>("excess");   // null: fits
        constexpr qsizetype longest = NoteLimits::MaxParagraphCharacters;
        QTest::newRow("empty") << qsizetype(0) << qsizetype(1) << QString();
        QTest::newRow("longest paragraph") << longest << qsizetype(2) << QString();
        QTest::newRow("a paragraph too long") << longest + 1 << qsizetype(1) << QStringLiteral("paragraphs of up to");
        // 10 characters and a paragraph break each.
        QTest::newRow("all the text there may be")
            << qsizetype(10) << NoteLimits::MaxTextCharacters / 11 << QString();
        QTest::newRow("one paragraph more")
            << qsizetype(10) << NoteLimits::MaxTextCharacters / 11 + 1 << QStringLiteral("500,000 characters");
    }

    void countsTheTextOfADocument()
    {
        QFETCH(qsizetype, paragraphLength);
        QFETCH(qsizetype, paragraphs);
        QFETCH(QString, excess);
        const QString paragraph(paragraphLength, QLatin1Char('a'));
        QStringList text;
        for (qsizetype i = 0; i < paragraphs; ++i)
            text.append(paragraph);
        QTextDocument document;
        document.setPlainText(text.join(QLatin1Char('\n')));
        const std::optional<QString> why = NoteLimits::excess(document);
        QCOMPARE(bool(why), !excess.isNull());
        if (why)
            QVERIFY2(why->contains(excess), qPrintable(*why));
    }

    // Content is read a second time, with no view, only when it may hold too
    // much text: never for text a picture makes long, always where the text
    // itself may be.
    void contentIsCheckedWhenItsTextMayBeTooLong_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("mayExceed");
        const qsizetype longest = NoteLimits::MaxParagraphCharacters;
        const QString text(longest + 1, QLatin1Char('a'));
        const QString hex(2 * 1024 * 1024, QLatin1Char('0'));
        QTest::newRow("a line") << QStringLiteral("{\\rtf1 a line}") << false;
        QTest::newRow("plain text past a paragraph") << text << true;
        QTest::newRow("a picture of a megabyte") << QStringLiteral("{\\rtf1 shot:{\\pict\\pngblip ") + hex + QStringLiteral("}\\par}") << false;
        QTest::newRow("two of them, braces escaped in their text")
            << QStringLiteral("{\\rtf1 \\{a\\}{\\pict ") + hex + QStringLiteral("}{\\pict\\jpegblip ") + hex + QStringLiteral("}}") << false;
        QTest::newRow("text past a paragraph beside a picture")
            << QStringLiteral("{\\rtf1 {\\pict ") + hex + QStringLiteral("}") + text + QStringLiteral("}") << true;
        QTest::newRow("text after an escaped brace") << QStringLiteral("{\\rtf1 \\{\\pict ") + text + QStringLiteral("}") << true;
        QTest::newRow("text in a group of another word") << QStringLiteral("{\\rtf1 {\\pictxyz ") + text + QStringLiteral("}}") << true;
        QTest::newRow("a paragraph of empty pictures")
            << QStringLiteral("{\\rtf1 ") + QStringLiteral("{\\pict}").repeated(longest + 1) + QStringLiteral("}") << true;
    }

    void contentIsCheckedWhenItsTextMayBeTooLong()
    {
        QFETCH(QString, content);
        QFETCH(bool, mayExceed);
        QCOMPARE(NoteLimits::mayExceed(content), mayExceed);
        if (!mayExceed) {
            // what is not checked must indeed fit
            QTextDocument document;
            Rtf::load(document, content);
            const std::optional<QString> why = NoteLimits::excess(document);
            QVERIFY2(!why, qPrintable(why.value_or(QString())));
        }
    }
};

QTEST_GUILESS_MAIN(TestNoteLimits)
#include "tst_note_limits.moc"
