#include "core/rtf/rtf.h"

#include <QGuiApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <functional>

namespace {

using Formatter = std::function<void(QTextCursor &)>;

// A cursor on an empty document whose default font is the editor's.
QTextCursor tahomaCursor(QTextDocument &document)
{
    document.setDefaultFont(QFont(QStringLiteral("Tahoma"), 10));
    return QTextCursor(&document);
}

// A document with "plain ", then the formatted word, then " end": the word
// shows that the format is applied, the neighbours that it is not spread.
void makeDocument(QTextDocument &document, const Formatter &format)
{
    QTextCursor cursor = tahomaCursor(document);
    cursor.insertText(QStringLiteral("plain word end"));
    cursor.setPosition(6);
    cursor.setPosition(10, QTextCursor::KeepAnchor);
    format(cursor);
}

QTextCharFormat formatOfWord(const QTextDocument &document)
{
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.setPosition(8);
    return cursor.charFormat();
}

void merge(QTextCursor &cursor, const std::function<void(QTextCharFormat &)> &set)
{
    QTextCharFormat f;
    set(f);
    cursor.mergeCharFormat(f);
}

} // namespace

class TestRtfWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesTheRichEditForm();
    void escapesEverythingOutsideAscii_data();
    void escapesEverythingOutsideAscii();
    void roundTripsEveryEditorFormat_data();
    void roundTripsEveryEditorFormat();
    void usesDocumentDefaultFontForUnformattedText();
    void writesBulletsLikeTheControl();
    void keepsEmptyParagraphsAndTheirFormat();
    void isDeterministic();
    void savesTheSameTwice_data();
    void savesTheSameTwice();
};

void TestRtfWriter::writesTheRichEditForm()
{
    QTextDocument document;
    QTextCursor cursor = tahomaCursor(document);
    cursor.insertText(QStringLiteral("milk"));
    cursor.insertBlock();
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    red.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("bread"), red);
    cursor.insertText(QStringLiteral("\tx"), QTextCharFormat());

    const QByteArray expected = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Tahoma;}}\r\n"
                                "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
                                "\\viewkind4\\uc1\\pard\\f0\\fs20 milk\\par\r\n"
                                "\\cf1\\b bread\\cf0\\b0\\tab x\\par\r\n"
                                "}\r\n";
    QCOMPARE(Rtf::save(document), expected);
}

void TestRtfWriter::escapesEverythingOutsideAscii_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("body");
    QTest::newRow("braces and backslash") << QStringLiteral("a{b}c\\d") << QByteArray(" a\\{b\\}c\\\\d");
    QTest::newRow("turkish") << QStringLiteral("ığş") << QByteArray("\\u305?\\u287?\\u351?");
    QTest::newRow("above 0x7fff is negative") << QStringLiteral("\uFB01") << QByteArray("\\u-1279?");
    QTest::newRow("emoji is a surrogate pair") << QStringLiteral("\U0001F600") << QByteArray("\\u-10179?\\u-8704?");
    QTest::newRow("line break") << QStringLiteral("a\u2028b") << QByteArray(" a\\line b");
    QTest::newRow("control characters dropped") << QStringLiteral("a\u0001b") << QByteArray(" ab");
}

void TestRtfWriter::escapesEverythingOutsideAscii()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, body);
    QTextDocument document;
    tahomaCursor(document).insertText(text);
    const QByteArray rtf = Rtf::save(document);
    const QByteArray prefix = "\\pard\\f0\\fs20";
    QVERIFY2(rtf.contains(QByteArray(prefix + body + "\\par\r\n")), rtf.constData());
    for (char c : rtf)
        QVERIFY(static_cast<unsigned char>(c) < 0x80);

    QTextDocument loaded;
    Rtf::load(loaded, rtf);
    QCOMPARE(loaded.begin().text(), QString(text).remove(QChar(0x0001)));
}

void TestRtfWriter::roundTripsEveryEditorFormat_data()
{
    QTest::addColumn<Formatter>("format");
    QTest::addColumn<QByteArray>("expected"); // a fragment of the RTF
    QTest::addColumn<std::function<bool(const QTextCharFormat &)>>("check");

    QTest::newRow("bold") << Formatter([](QTextCursor &c) { merge(c, [](auto &f) { f.setFontWeight(QFont::Bold); }); })
                          << QByteArray("\\b word\\b0  end")
                          << std::function<bool(const QTextCharFormat &)>([](auto &f) { return f.fontWeight() == QFont::Bold; });
    QTest::newRow("italic") << Formatter([](QTextCursor &c) { merge(c, [](auto &f) { f.setFontItalic(true); }); })
                            << QByteArray("\\i word\\i0  end")
                            << std::function<bool(const QTextCharFormat &)>([](auto &f) { return f.fontItalic(); });
    QTest::newRow("underline") << Formatter([](QTextCursor &c) { merge(c, [](auto &f) { f.setFontUnderline(true); }); })
                               << QByteArray("\\ul word\\ulnone  end")
                               << std::function<bool(const QTextCharFormat &)>([](auto &f) { return f.fontUnderline(); });
    QTest::newRow("strikeout") << Formatter([](QTextCursor &c) { merge(c, [](auto &f) { f.setFontStrikeOut(true); }); })
                               << QByteArray("\\strike word\\strike0  end")
                               << std::function<bool(const QTextCharFormat &)>([](auto &f) { return f.fontStrikeOut(); });
    QTest::newRow("colour") << Formatter([](QTextCursor &c) { merge(c, [](auto &f) { f.setForeground(QColor(0x12, 0x34, 0x56)); }); })
                            << QByteArray("\\cf1 word\\cf0  end")
                            << std::function<bool(const QTextCharFormat &)>([](auto &f) { return f.foreground().color() == QColor(0x12, 0x34, 0x56); });
    QTest::newRow("face") << Formatter([](QTextCursor &c) { merge(c, [](auto &f) { f.setFontFamilies({QStringLiteral("Courier New")}); }); })
                          << QByteArray("\\f1 word\\f0  end")
                          << std::function<bool(const QTextCharFormat &)>([](auto &f) { return f.fontFamilies().toStringList() == QStringList{QStringLiteral("Courier New")}; });
    QTest::newRow("size") << Formatter([](QTextCursor &c) { merge(c, [](auto &f) { f.setFontPointSize(14.5); }); })
                          << QByteArray("\\fs29 word\\fs20  end")
                          << std::function<bool(const QTextCharFormat &)>([](auto &f) { return f.fontPointSize() == 14.5; });
    QTest::newRow("all at once") << Formatter([](QTextCursor &c) {
        merge(c, [](auto &f) {
            f.setFontWeight(QFont::Bold);
            f.setFontItalic(true);
            f.setFontUnderline(true);
            f.setFontStrikeOut(true);
            f.setForeground(Qt::blue);
            f.setFontFamilies({QStringLiteral("Arial")});
            f.setFontPointSize(8);
        });
    }) << QByteArray("\\cf1\\b\\i\\ul\\strike\\f1\\fs16 word\\cf0\\b0\\i0\\ulnone\\strike0\\f0\\fs20  end")
       << std::function<bool(const QTextCharFormat &)>([](auto &f) {
              return f.fontWeight() == QFont::Bold && f.fontItalic() && f.fontUnderline() && f.fontStrikeOut()
                  && f.foreground().color() == QColor(Qt::blue) && f.fontPointSize() == 8;
          });
    QTest::newRow("right") << Formatter([](QTextCursor &c) { QTextBlockFormat b; b.setAlignment(Qt::AlignRight); c.mergeBlockFormat(b); })
                           << QByteArray("\\pard\\qr\\f0\\fs20 plain word end\\par")
                           << std::function<bool(const QTextCharFormat &)>();
    QTest::newRow("centre") << Formatter([](QTextCursor &c) { QTextBlockFormat b; b.setAlignment(Qt::AlignHCenter); c.mergeBlockFormat(b); })
                            << QByteArray("\\pard\\qc\\f0\\fs20 plain")
                            << std::function<bool(const QTextCharFormat &)>();
    QTest::newRow("justified") << Formatter([](QTextCursor &c) { QTextBlockFormat b; b.setAlignment(Qt::AlignJustify); c.mergeBlockFormat(b); })
                               << QByteArray("\\pard\\qj\\f0\\fs20 plain")
                               << std::function<bool(const QTextCharFormat &)>();
    QTest::newRow("bullet") << Formatter([](QTextCursor &c) { c.createList(Rtf::bulletListFormat()); })
                            << QByteArray("\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-200\\li200\\ls1\\f0\\fs20 plain")
                            << std::function<bool(const QTextCharFormat &)>();
}

void TestRtfWriter::roundTripsEveryEditorFormat()
{
    QFETCH(Formatter, format);
    QFETCH(QByteArray, expected);
    QFETCH(std::function<bool(const QTextCharFormat &)>, check);

    QTextDocument document;
    makeDocument(document, format);
    const QByteArray first = Rtf::save(document);
    QVERIFY2(first.contains(expected), first.constData());

    QTextDocument loaded;
    loaded.setDefaultFont(QFont(QStringLiteral("Arial"), 30)); // must not leak into the loaded text
    Rtf::load(loaded, first);
    QCOMPARE(loaded.toPlainText(), QStringLiteral("plain word end"));
    if (check)
        QVERIFY(check(formatOfWord(loaded)));
    QCOMPARE(loaded.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
             document.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask);
    QCOMPARE(loaded.begin().textList() != nullptr, document.begin().textList() != nullptr);

    const QByteArray second = Rtf::save(loaded);
    QCOMPARE(second, first);
}

void TestRtfWriter::usesDocumentDefaultFontForUnformattedText()
{
    QTextDocument document;
    QFont font(QStringLiteral("Verdana"), 11);
    font.setBold(true);
    font.setItalic(true);
    document.setDefaultFont(font);
    QTextCursor(&document).insertText(QStringLiteral("x"));
    const QByteArray rtf = Rtf::save(document);
    QVERIFY2(rtf.contains("{\\f0\\fnil\\fcharset0 Verdana;}"), rtf.constData());
    QVERIFY2(rtf.contains("\\pard\\b\\i\\f0\\fs22 x\\par"), rtf.constData());

    QTextDocument loaded;
    Rtf::load(loaded, rtf);
    const QTextCharFormat f = formatOfWord(loaded);
    QCOMPARE(f.fontFamilies().toStringList(), QStringList{QStringLiteral("Verdana")});
    QCOMPARE(f.fontPointSize(), 11.0);
    QVERIFY(f.fontItalic());
    QCOMPARE(Rtf::save(loaded), rtf);
}

void TestRtfWriter::writesBulletsLikeTheControl()
{
    QTextDocument document;
    QTextCursor cursor = tahomaCursor(document);
    cursor.insertText(QStringLiteral("one"));
    cursor.createList(Rtf::bulletListFormat());
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("two"));
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(QStringLiteral("after"));

    const QByteArray rtf = Rtf::save(document);
    QVERIFY2(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 Tahoma;}{\\f1\\fnil\\fcharset2 Symbol;}}"), rtf.constData());
    // the list table for newer readers, the \\pn form for the control
    QVERIFY2(rtf.contains("{\\*\\listtable\r\n{\\list\\listtemplateid1{\\listlevel\\levelnfc23\\leveljc0\\levelfollow0"
                          "\\levelstartat1{\\leveltext\\'01\\u8226 ?;}{\\levelnumbers;}\\fi-200\\li200}\\listid1}}\r\n"
                          "{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}}\r\n\\viewkind4"),
             rtf.constData());
    QVERIFY2(rtf.contains("\\viewkind4\\uc1\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}"
                          "\\fi-200\\li200\\ls1\\f0\\fs20 one\\par\r\n"
                          "{\\pntext\\f1\\'B7\\tab}two\\par\r\n"
                          "\\pard after\\par\r\n"),
             rtf.constData());

    QTextDocument loaded;
    Rtf::load(loaded, rtf);
    QCOMPARE(loaded.toPlainText(), QStringLiteral("one\ntwo\nafter")); // the label is not text
    const QTextList *list = loaded.begin().textList();
    QVERIFY(list);
    QCOMPARE(list->format().style(), QTextListFormat::ListDisc);
    QCOMPARE(list->count(), 2);
    QVERIFY(!loaded.lastBlock().textList());
    QCOMPARE(Rtf::save(loaded), rtf);
}

void TestRtfWriter::keepsEmptyParagraphsAndTheirFormat()
{
    QTextDocument document;
    QTextCursor cursor = tahomaCursor(document);
    cursor.insertText(QStringLiteral("a"));
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertBlock(QTextBlockFormat(), bold);
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    const QByteArray rtf = Rtf::save(document);
    QVERIFY2(rtf.endsWith(" a\\par\r\n\\b\\par\r\n\\b0\\par\r\n}\r\n"), rtf.constData());

    QTextDocument loaded;
    Rtf::load(loaded, rtf);
    QCOMPARE(loaded.blockCount(), 3);
    QCOMPARE(loaded.findBlockByNumber(1).charFormat().fontWeight(), int(QFont::Bold));
    QCOMPARE(Rtf::save(loaded), rtf);

    QTextDocument empty;
    const QByteArray emptyRtf = Rtf::save(empty);
    QTextDocument reloaded;
    Rtf::load(reloaded, emptyRtf);
    QCOMPARE(reloaded.blockCount(), 1);
    QVERIFY(reloaded.isEmpty());
}

void TestRtfWriter::isDeterministic()
{
    QTextDocument document;
    makeDocument(document, [](QTextCursor &c) {
        merge(c, [](auto &f) {
            f.setForeground(Qt::green);
            f.setFontFamilies({QStringLiteral("Z Font")});
        });
    });
    QTextCursor(&document).insertText(QStringLiteral("x"), [] {
        QTextCharFormat f;
        f.setForeground(Qt::red);
        f.setFontFamilies({QStringLiteral("A;Font")});
        return f;
    }());
    const QByteArray rtf = Rtf::save(document);
    QCOMPARE(Rtf::save(document), rtf);
    QVERIFY2(rtf.contains("{\\fonttbl{\\f0\\fnil\\fcharset0 A\\'3bFont;}{\\f1\\fnil\\fcharset0 Tahoma;}"
                          "{\\f2\\fnil\\fcharset0 Z Font;}}"), rtf.constData());
    QTextDocument loaded;
    Rtf::load(loaded, rtf);
    QCOMPARE(Rtf::save(loaded), rtf);
}

// Word list tables for the cases below: \ls1 and \ls2 are decimal lists,
// \ls3 a lower-roman one.
const char wordLists[] = "{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc0}{\\listlevel\\levelnfc0}\\listid1}"
                         "{\\list{\\listlevel\\levelnfc0}\\listid2}{\\list{\\listlevel\\levelnfc2}\\listid3}}"
                         "{\\*\\listoverridetable{\\listoverride\\listid1\\ls1}{\\listoverride\\listid2\\ls2}"
                         "{\\listoverride\\listid3\\ls3}}";

void TestRtfWriter::savesTheSameTwice_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text"); // as the saved note reads back
    // Numbers a list goes on with after a plain paragraph are kept.
    QTest::newRow("list resumed after a plain paragraph")
        << QByteArray(wordLists) + "\\ls1 a\\par\\pard b\\par\\ls1 c\\par}" << QStringLiteral("1. a\nb\n2. c\n");
    QTest::newRow("roman list resumed after two plain paragraphs")
        << QByteArray(wordLists) + "\\ls3 a\\par\\ls3 b\\par\\pard c\\par d\\par\\ls3 e\\par}"
        << QStringLiteral("i. a\nii. b\nc\nd\niii. e\n");
    QTest::newRow("nested list resumed")
        << QByteArray(wordLists) + "\\ls1 a\\par\\ls1\\ilvl1 b\\par\\pard c\\par\\ls1\\ilvl1 d\\par}"
        << QStringLiteral("1. a\n1. b\nc\n2. d\n");
    QTest::newRow("resumed list beside a new one")
        << QByteArray(wordLists) + "\\ls1 a\\par\\pard b\\par\\ls2 c\\par\\ls1 d\\par}"
        << QStringLiteral("1. a\nb\n1. c\n2. d\n");
    // Lists stay apart through the list table, even where the control's
    // numbering would run them together.
    QTest::newRow("two lists one after the other")
        << QByteArray(wordLists) + "\\ls1 a\\par\\ls2 b\\par}" << QStringLiteral("1. a\n1. b\n");
    QTest::newRow("two lists interleaved")
        << QByteArray(wordLists) + "\\ls1 a\\par\\ls2 b\\par\\ls1 c\\par\\pard d\\par\\ls2 e\\par}"
        << QStringLiteral("1. a\n1. b\n2. c\nd\n2. e\n");
    QTest::newRow("an item starts its deeper level anew")
        << QByteArray(wordLists) + "\\ls1 a\\par\\ls1\\ilvl1 b\\par\\ilvl1 c\\par\\ls1\\ilvl0 d\\par\\ilvl1 e\\par}"
        << QStringLiteral("1. a\n1. b\n2. c\n2. d\n1. e\n");
    // The control starts every numbered paragraph at 1; runs still go on.
    QTest::newRow("centred item of a control's list")
        << QByteArray("{\\rtf1\\pard{\\*\\pn\\pnlvlbody\\pnstart1\\pndec}a\\par"
                      "\\pard{\\*\\pn\\pnlvlbody\\pnstart1\\pndec}\\qc b\\par}")
        << QStringLiteral("1. a\n2. b\n");
    QTest::newRow("start that resumes nothing starts a list there")
        << QByteArray("{\\rtf1\\pard{\\*\\pn\\pnlvlbody\\pnstart1\\pndec}a\\par\\pard b\\par"
                      "\\pard{\\*\\pn\\pnlvlbody\\pnstart5\\pndec}c\\par}")
        << QStringLiteral("1. a\nb\n5. c\n");
    QTest::newRow("list table start")
        << QByteArray("{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc4\\levelstartat3}\\listid7}}"
                      "{\\*\\listoverridetable{\\listoverride\\listid7\\ls1}}\\ls1 a\\par b\\par\\pard c\\par\\ls1 d\\par}")
        << QStringLiteral("c. a\nd. b\nc\ne. d\n");
}

void TestRtfWriter::savesTheSameTwice()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument document;
    Rtf::load(document, rtf);
    const QByteArray saved = Rtf::save(document);
    QTextDocument reloaded;
    Rtf::load(reloaded, saved);
    QCOMPARE(Rtf::plainText(reloaded), text);
    QCOMPARE(Rtf::save(reloaded), saved);
}

QTEST_MAIN(TestRtfWriter)
#include "tst_rtf_writer.moc"
