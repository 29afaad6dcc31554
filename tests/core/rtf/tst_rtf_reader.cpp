#include "core/rtf/rtf.h"

#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

namespace {

// Paragraphs joined by "\n"; a line break inside a paragraph shows as "|".
QString textOf(const QTextDocument &document)
{
    QStringList lines;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        lines << b.text().replace(QChar::LineSeparator, u'|');
    return lines.join(u'\n');
}

QString load(const QByteArray &rtf)
{
    QTextDocument document;
    Rtf::load(document, rtf);
    return textOf(document);
}

void addTextColumns()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
}

void row(const char *name, const char *rtf, const QString &text)
{
    QTest::newRow(name) << QByteArray(rtf) << text;
}

void compareLoadedText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QCOMPARE(load(rtf), text);
}

QTextCharFormat formatAt(const QTextDocument &document, int position)
{
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.setPosition(position + 1); // the format of the character before the cursor
    return cursor.charFormat();
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsText_data();
    void readsText();
    void decodesCodePages_data();
    void decodesCodePages();
    void loadsNonRtfAsPlainText_data();
    void loadsNonRtfAsPlainText();
    void takesTextAsItStandsFromAString();
    void readsCharacterFormats();
    void readsFontTableWithAltNamesAndEscapes();
    void readsParagraphAlignment();
    void readsListsWithoutDoubleLabels_data();
    void readsListsWithoutDoubleLabels();
    void survivesHostileInput_data();
    void survivesHostileInput();
};

void TestRtfReader::readsText_data()
{
    addTextColumns();
    row("a control word eats one blank", "{\\rtf1\\b  x}", QStringLiteral(" x"));
    row("a minus after a number is text", "{\\rtf1\\fs20-5}", QStringLiteral("-5"));
    row("unicode with fallback", "{\\rtf1\\uc1\\u305?x}", QStringLiteral("\u0131x"));
    row("fallback of two escaped bytes", "{\\rtf1\\uc2\\u305\\'fd\\'fdx}", QStringLiteral("\u0131x"));
    row("uc is scoped to its group", "{\\rtf1{\\uc2\\u305??}\\u305?}", QStringLiteral("\u0131\u0131"));
    row("a brace stops the skipping", "{\\rtf1\\uc3\\u305{x}y}", QStringLiteral("\u0131xy"));
    row("a control word counts as one", "{\\rtf1\\uc1\\u305\\tab x}", QStringLiteral("\u0131x"));
    row("negative unicode, surrogate pair", "{\\rtf1\\u-10179?\\u-8704?}", QStringLiteral("\U0001F600"));
    row("uc0 skips nothing", "{\\rtf1\\uc0\\u233 x}", QStringLiteral("\u00E9x"));
    row("bin skips its bytes", "{\\rtf1 a{\\*\\blob\\bin3 {}\\}b}", QStringLiteral("ab"));
    row("bin inside a picture", "{\\rtf1 a{\\pict\\bin3 }}}}b}", QStringLiteral("a\uFFFCb"));
    row("bin without a count", "{\\rtf1 a\\bin b}", QStringLiteral("ab"));
    row("bin with a negative count", "{\\rtf1 a\\bin-5 b}", QStringLiteral("ab"));
    row("bin running past the end", "{\\rtf1 a\\bin99 xyz", QStringLiteral("a"));
    row("unknown starred destination", "{\\rtf1 a{\\*\\foo hidden}b}", QStringLiteral("ab"));
    row("unknown group keeps its text", "{\\rtf1 a{\\foo kept}b}", QStringLiteral("akeptb"));
    row("field shows its result", "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt{link}}} end}",
        QStringLiteral("link end"));
    row("nested fields", "{\\rtf1{\\field{\\fldinst A}{\\fldrslt x{\\field{\\fldinst B}{\\fldrslt y}}z}}}",
        QStringLiteral("xyz"));
    row("skipped destinations",
        "{\\rtf1{\\info{\\title T}}{\\stylesheet{\\s0 Normal;}}{\\header H}{\\footer F}{\\*\\annotation A}"
        "{\\footnote N}{\\object{\\*\\objdata 00{\\result{\\pict 01}}}}"
        "{\\*\\generator G;}{\\*\\themedata 00}{\\*\\datastore 00}text}",
        QStringLiteral("text"));
    row("pictures show as one character, a shppict and its nonshppict twin as one",
        "{\\rtf1{\\pict 0102}{\\*\\shppict{\\pict 01}}{\\nonshppict{\\pict 02}}text}",
        QStringLiteral("\uFFFC\uFFFCtext"));
    row("paragraph breaks", "{\\rtf1 a\\par b\\\nc\\'0dd\\page e}", QStringLiteral("a\nb\nc\nd\ne"));
    row("raw CR and LF are ignored", "{\\rtf1 a\r\nb\rc\nd}", QStringLiteral("abcd"));
    row("line break and tab", "{\\rtf1 a\\line b\\tab c}", QStringLiteral("a|b\tc"));
    row("named symbols", "{\\rtf1\\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet\\~\\_x\\-y}",
        QStringLiteral("\u2014\u2013\u2018\u2019\u201C\u201D\u2022\u00A0\u2011xy"));
    row("escaped specials", "{\\rtf1 \\{\\}\\\\}", QStringLiteral("{}\\"));
    row("hidden text", "{\\rtf1 a{\\v hidden}b\\v c\\v0 d}", QStringLiteral("abd"));
    row("table cells in order", "{\\rtf1\\trowd\\cellx100 A\\cell B\\cell C\\cell\\row after\\par}",
        QStringLiteral("A\nB\nC\nafter"));
    row("upr reads the unicode twin", "{\\rtf1{\\upr{ansi}{\\*\\ud{\\u305?}}}}", QStringLiteral("\u0131"));
    row("trailing par gives no empty paragraph", "{\\rtf1 a\\par}", QStringLiteral("a"));
    row("empty paragraphs are kept", "{\\rtf1 a\\par\\par b\\par}", QStringLiteral("a\n\nb"));
    row("text after the closing brace", "{\\rtf1 a}b{c}", QStringLiteral("a"));
    row("unclosed groups", "{\\rtf1 abc{\\b def", QStringLiteral("abcdef"));
    row("truncated control word", "{\\rtf1 abc\\pa", QStringLiteral("abc"));
    row("truncated hex escape", "{\\rtf1 abc\\'e", QStringLiteral("abc"));
    row("truncated unicode", "{\\rtf1 abc\\u12", QStringLiteral("abc"));
    row("NUL bytes", QByteArray("{\\rtf1 a\0b}\0", 12).constData(), QStringLiteral("a"));
}

void TestRtfReader::readsText()
{
    compareLoadedText();
}

void TestRtfReader::decodesCodePages_data()
{
    addTextColumns();
    row("ansicpg 1254", "{\\rtf1\\ansi\\ansicpg1254 \\'fd\\'f0\\'fe\\'dd}", QStringLiteral("\u0131\u011F\u015F\u0130"));
    row("charset 162 in a 1252 document",
        "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fnil\\fcharset162 Tahoma;}}\\f0 \\'fd}", QStringLiteral("\u0131"));
    row("charset 0 is 1252 in a 1251 document",
        "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 B;}}\\f0\\'e9\\f1\\'e9}",
        QStringLiteral("\u00E9\u0439"));
    row("charset 0 in a 950 document", "{\\rtf1\\ansi\\ansicpg950{\\fonttbl{\\f0\\fcharset0 A;}}\\f0\\'e9}",
        QStringLiteral("\u00E9"));
    row("font without charset uses ansicpg", "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 A;}}\\f0\\'e9}",
        QStringLiteral("\u0439"));
    row("cpg overrides the charset", "{\\rtf1{\\fonttbl{\\f0\\fcharset0\\cpg1253 A;}}\\f0\\'e1}",
        QStringLiteral("\u03B1"));
    row("deff decides text without f", "{\\rtf1\\deff1{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset238 B;}}\\'b9}",
        QStringLiteral("\u0105"));
    row("mac roman", "{\\rtf1\\mac \\'8a}", QStringLiteral("\u00E4"));
    row("pc is 437", "{\\rtf1\\pc \\'d5}", QStringLiteral("\u2552"));
    row("pca is 850", "{\\rtf1\\pca \\'d5}", QStringLiteral("\u0131"));
    row("874 thai", "{\\rtf1\\ansi\\ansicpg874 \\'a1}", QStringLiteral("\u0E01"));
    row("1250 to 1258", "{\\rtf1{\\fonttbl{\\f0\\fcharset238 A;}{\\f1\\fcharset161 B;}{\\f2\\fcharset177 C;}"
                        "{\\f3\\fcharset178 D;}{\\f4\\fcharset186 E;}{\\f5\\fcharset163 F;}}"
                        "\\f0\\'b9\\f1\\'e1\\f2\\'e0\\f3\\'c7\\f4\\'e0\\f5\\'f5}",
        QStringLiteral("\u0105\u03B1\u05D0\u0627\u0105\u01A1"));
    row("932 with a backslash trail byte", "{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset128 M;}}\\f0\\'95\\'5c}",
        QStringLiteral("\u8868"));
    row("932 with a plain trail byte", "{\\rtf1{\\fonttbl{\\f0\\fcharset128 M;}}\\f0\\'83A}", QStringLiteral("\u30A2"));
    row("936", "{\\rtf1{\\fonttbl{\\f0\\fcharset134 M;}}\\f0\\'d6\\'d0}", QStringLiteral("\u4E2D"));
    row("949", "{\\rtf1{\\fonttbl{\\f0\\fcharset129 M;}}\\f0\\'c7\\'d1}", QStringLiteral("\uD55C"));
    row("950", "{\\rtf1{\\fonttbl{\\f0\\fcharset136 M;}}\\f0\\'a4\\'a4}", QStringLiteral("\u4E2D"));
    row("lone lead byte before a word", "{\\rtf1{\\fonttbl{\\f0\\fcharset128 M;}}\\f0\\'95\\par x}",
        QStringLiteral("\nx"));
    row("raw double-byte text with a backslash trail", "{\\rtf1{\\fonttbl{\\f0\\fcharset128 M;}}\\f0 \x95\\}",
        QStringLiteral("\u8868"));
    row("utf-8 font code page", "{\\rtf1{\\fonttbl{\\f0\\fcharset128\\cpg65001 M;}}\\f0\\'e3\\'81\\'82}",
        QStringLiteral("\u3042"));
}

void TestRtfReader::decodesCodePages()
{
    compareLoadedText();
}

void TestRtfReader::loadsNonRtfAsPlainText_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain word") << QByteArray("hello {world}\\par") << QStringLiteral("hello {world}\\par");
    QTest::newRow("utf-8") << QByteArray("\xC4\xB1") << QStringLiteral("\u0131");
    QTest::newRow("not utf-8") << QByteArray("caf\xE9") << QStringLiteral("caf\u00E9");
    QTest::newRow("bom and blanks before rtf") << QByteArray("\xEF\xBB\xBF \r\n{\\rtf1 x}") << QStringLiteral("x");
    QTest::newRow("utf-16 with bom") << QByteArray("\xFF\xFE{\0\\\0r\0t\0f\0 \0\x31\x01}\0", 18)
                                     << QStringLiteral("\u0131");
    QTest::newRow("empty") << QByteArray() << QString();
}

void TestRtfReader::loadsNonRtfAsPlainText()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, text);
    QCOMPARE(load(content), text);
}

void TestRtfReader::takesTextAsItStandsFromAString()
{
    QTextDocument document;
    Rtf::load(document, QStringLiteral("{\\rtf1\\ansi\\ansicpg1254 \u0131\u011F \\'fd}"));
    QCOMPARE(textOf(document), QStringLiteral("\u0131\u011F \u0131"));
    Rtf::load(document, QStringLiteral("\uFEFFplain \u00E9"));
    QCOMPARE(textOf(document), QStringLiteral("plain \u00E9"));
}

void TestRtfReader::readsCharacterFormats()
{
    QTextDocument document;
    Rtf::load(document, QByteArray("{\\rtf1{\\fonttbl{\\f0 Tahoma;}{\\f1 Courier New;}}{\\colortbl ;\\red255\\green0\\blue0;}"
                                   "\\f0\\fs20 a\\b b\\i c\\ul d\\strike e\\cf1 f\\f1\\fs31 g\\plain h{\\b i}j"
                                   "\\ul k\\ul0 l\\ulw m\\ulnone n\\super o\\nosupersub p}"));
    QCOMPARE(document.toPlainText(), QStringLiteral("abcdefghijklmnop"));
    const QTextCharFormat a = formatAt(document, 0);
    QCOMPARE(a.fontFamilies().toStringList(), QStringList{QStringLiteral("Tahoma")});
    QCOMPARE(a.fontPointSize(), 10.0);
    QCOMPARE(a.fontWeight(), int(QFont::Normal));
    const QTextCharFormat f = formatAt(document, 5);
    QVERIFY(f.fontWeight() == QFont::Bold && f.fontItalic() && f.fontUnderline() && f.fontStrikeOut());
    QCOMPARE(f.foreground().color(), QColor(Qt::red));
    const QTextCharFormat g = formatAt(document, 6);
    QCOMPARE(g.fontFamilies().toStringList(), QStringList{QStringLiteral("Courier New")});
    QCOMPARE(g.fontPointSize(), 15.5);
    const QTextCharFormat h = formatAt(document, 7);
    QVERIFY(h.fontWeight() == QFont::Normal && !h.fontItalic() && !h.fontUnderline() && !h.fontStrikeOut());
    QCOMPARE(h.foreground().style(), Qt::NoBrush);
    QCOMPARE(h.fontFamilies().toStringList(), QStringList{QStringLiteral("Tahoma")}); // \plain returns to \deff
    QCOMPARE(formatAt(document, 8).fontWeight(), int(QFont::Bold));
    QCOMPARE(formatAt(document, 9).fontWeight(), int(QFont::Normal)); // the group restored it
    QVERIFY(formatAt(document, 10).fontUnderline());
    QVERIFY(!formatAt(document, 11).fontUnderline());
    QVERIFY(formatAt(document, 12).fontUnderline());
    QVERIFY(!formatAt(document, 13).fontUnderline());
    QCOMPARE(formatAt(document, 14).verticalAlignment(), QTextCharFormat::AlignSuperScript);
    QCOMPARE(formatAt(document, 15).verticalAlignment(), QTextCharFormat::AlignNormal);
}

void TestRtfReader::readsFontTableWithAltNamesAndEscapes()
{
    QTextDocument document;
    Rtf::load(document, QByteArray("{\\rtf1{\\fonttbl{\\f0\\froman\\fcharset162{\\*\\panose 02020603050405020304}"
                                   "{\\*\\fname Times New Roman;}Times New Roman Tur{\\*\\falt Alt};}"
                                   "{\\f1\\fcharset204 \\'cf\\'f0\\'e8;}\\f2\\fcharset0 Old Style;}"
                                   "\\f0 a\\f1 b\\f2 c}"));
    QCOMPARE(formatAt(document, 0).fontFamilies().toStringList(), QStringList{QStringLiteral("Times New Roman")});
    QCOMPARE(formatAt(document, 1).fontFamilies().toStringList(), QStringList{QStringLiteral("\u041F\u0440\u0438")});
    QCOMPARE(formatAt(document, 2).fontFamilies().toStringList(), QStringList{QStringLiteral("Old Style")});
}

void TestRtfReader::readsParagraphAlignment()
{
    QTextDocument document;
    Rtf::load(document, QByteArray("{\\rtf1\\pard\\qc a\\par\\qr b\\par\\pard c\\par\\qj d\\par\\pard\\qc\\ql e}"));
    const Qt::Alignment expected[] = {Qt::AlignHCenter, Qt::AlignRight, Qt::AlignLeft, Qt::AlignJustify, Qt::AlignLeft};
    QCOMPARE(document.blockCount(), 5);
    int i = 0;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next(), ++i)
        QCOMPARE(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask, expected[i]);
}

void TestRtfReader::readsListsWithoutDoubleLabels_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("items");
    QTest::newRow("rich-text control bullets")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 A;}{\\f1\\fcharset2 Symbol;}}\\pard{\\pntext\\f1\\'B7\\tab}"
                      "{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-200\\li200\\f0 one\\par"
                      "{\\pntext\\f1\\'B7\\tab}two\\par\\pard after\\par}")
        << QStringLiteral("one\ntwo\nafter") << int(QTextListFormat::ListDisc) << 2;
    QTest::newRow("word 95 numbering")
        << QByteArray("{\\rtf1\\pard{\\pntext 1.\\tab}{\\*\\pn\\pnlvlbody\\pndec\\pnstart1{\\pntxta .}}a\\par"
                      "{\\pntext 2.\\tab}b\\par}")
        << QStringLiteral("a\nb") << int(QTextListFormat::ListDecimal) << 2;
    QTest::newRow("word list table")
        << QByteArray("{\\rtf1{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc4{\\leveltext\\'02\\'00.;}"
                      "{\\levelnumbers\\'01;}}\\listid7}}{\\*\\listoverridetable{\\listoverride\\listid7\\ls1}}"
                      "{\\listtext a.\\tab}\\ls1 x\\par{\\listtext b.\\tab}y\\par\\pard z\\par}")
        << QStringLiteral("x\ny\nz") << int(QTextListFormat::ListLowerAlpha) << 2;
}

void TestRtfReader::readsListsWithoutDoubleLabels()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QFETCH(int, style);
    QFETCH(int, items);
    QTextDocument document;
    Rtf::load(document, rtf);
    QCOMPARE(textOf(document), text);
    const QTextList *list = document.begin().textList();
    QVERIFY(list);
    QCOMPARE(int(list->format().style()), style);
    QCOMPARE(list->count(), items);
}

void TestRtfReader::survivesHostileInput_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("start"); // what the text must begin with
    QTest::newRow("a million open braces") << "{\\rtf1 a" + QByteArray(1000000, '{') + "b" << QStringLiteral("ab");
    QTest::newRow("a million balanced braces")
        << "{\\rtf1 a" + QByteArray(1000000, '{') + "b" + QByteArray(1000000, '}') + "c}" << QStringLiteral("abc");
    QTest::newRow("a 300-letter control word") << "{\\rtf1 a\\" + QByteArray(300, 'x') + " b}" << QStringLiteral("ab");
    QTest::newRow("a 40-digit parameter") << "{\\rtf1 a\\fs" + QByteArray(40, '9') + " b\\u-" + QByteArray(40, '9') + "?c}"
                                          << QStringLiteral("ab");
    QByteArray fonts = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < 8000; ++i)
        fonts += "{\\f" + QByteArray::number(i) + "\\fcharset204 Font" + QByteArray::number(i) + ";}";
    QTest::newRow("8000 fonts") << fonts + "}\\f7999\\'e9}" << QStringLiteral("\u0439");
    QByteArray lists = "{\\rtf1{\\*\\listtable";
    QByteArray overrides = "{\\*\\listoverridetable";
    QByteArray items;
    for (int i = 1; i <= 20000; ++i) {
        const QByteArray n = QByteArray::number(i);
        lists += "{\\list{\\listlevel\\levelnfc23}\\listid" + n + "}";
        overrides += "{\\listoverride\\listid" + n + "\\ls" + n + "}";
        items += "\\ls" + n + " i\\par";
    }
    QTest::newRow("20000 lists") << lists + "}" + overrides + "}x" + items + "}" << QStringLiteral("xi\ni");
    QByteArray random = "{\\rtf1 x";
    QRandomGenerator generator(42);
    for (int i = 0; i < 200000; ++i)
        random += char(generator.bounded(256));
    QTest::newRow("random binary") << random << QStringLiteral("x");
}

void TestRtfReader::survivesHostileInput()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, start);
    const QString text = load(rtf);
    QVERIFY2(text.startsWith(start), qPrintable(text.left(40)));
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtf_reader.moc"
