// Small hand-written RTF, one row per feature: each is read, written, read
// again and written again; the feature must show on both reads, the writing
// must say it, and the second writing must give the same bytes.
#include "core/rtf/rtf.h"
#include "core/rtf/rtf_picture.h"

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>
#include <QUrl>

namespace {

enum class Probe { PointSize, Alignment, Background, Vertical, Family, Picture, PictureShows, Text, List, Direction };

QTextCharFormat formatAt(const QTextDocument &document, int position)
{
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.setPosition(position + 1); // the format of the character before the cursor
    return cursor.charFormat();
}

// What a probe sees at a character of the document.
QVariant probe(const QTextDocument &document, Probe kind, int position)
{
    const QTextCharFormat f = formatAt(document, position);
    switch (kind) {
    case Probe::PointSize: return f.fontPointSize();
    case Probe::Alignment: return int(document.findBlock(position).blockFormat().alignment() & Qt::AlignHorizontal_Mask);
    case Probe::Background: return f.background().style() == Qt::NoBrush ? QString() : f.background().color().name();
    case Probe::Vertical: return int(f.verticalAlignment());
    case Probe::Family: return f.fontFamilies().toStringList().value(0);
    case Probe::Picture:
        if (!f.isImageFormat())
            return QString();
        return QStringLiteral("%1 %2x%3")
            .arg(f.intProperty(Rtf::PictureKindProperty))
            .arg(f.toImageFormat().width())
            .arg(f.toImageFormat().height());
    case Probe::PictureShows: {
        // a decodable picture is registered as its data (or as an image), a placeholder as a drawn frame
        if (!f.isImageFormat())
            return QString();
        const QImage image = Rtf::pictureImage(document, f.toImageFormat().name());
        // the channels that are on in the first pixel: pictures are told apart, JPEG's rounding is not
        const QRgb c = image.pixel(0, 0);
        QString on;
        on += qRed(c) > 127 ? u'r' : u'-';
        on += qGreen(c) > 127 ? u'g' : u'-';
        on += qBlue(c) > 127 ? u'b' : u'-';
        return QStringLiteral("%1x%2 %3").arg(image.width()).arg(image.height()).arg(on);
    }
    case Probe::Text: return Rtf::plainText(document);
    case Probe::Direction: {
        const QTextBlockFormat b = document.findBlock(position).blockFormat();
        return b.hasProperty(QTextFormat::LayoutDirection) ? int(b.layoutDirection()) : -1;
    }
    case Probe::List: {
        // style, nesting level and number of the paragraph's list item
        const QTextBlock block = document.findBlock(position);
        if (!block.textList())
            return QString();
        return QStringLiteral("%1 %2 %3")
            .arg(block.textList()->format().style())
            .arg(block.textList()->format().indent() - 1)
            .arg(Rtf::listItemNumber(block));
    }
    }
    return {};
}

QByteArray hexOf(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toHex();
}

QImage redImage()
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 0));
    return image;
}

// A 2 x 1 24-bit DIB: info header, then one row (blue pixel, green pixel, padding).
QByteArray dibHex()
{
    QByteArray d;
    const auto le = [&d](quint32 v, int n) {
        for (int i = 0; i < n; ++i)
            d += char((v >> (8 * i)) & 0xFF);
    };
    le(40, 4); le(2, 4); le(1, 4); le(1, 2); le(24, 2); le(0, 4); le(8, 4); le(0, 4); le(0, 4); le(0, 4); le(0, 4);
    d += QByteArray::fromHex("ff0000" "00ff00" "0000");
    return d.toHex();
}

} // namespace

class TestRtfFeatures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrips_data();
    void roundTrips();
    void keepsPicturesItCannotShowByteForByte_data();
    void keepsPicturesItCannotShowByteForByte();
    void writesBinaryPictureDataAsHex_data();
    void writesBinaryPictureDataAsHex();
    void writesPicturesMadeHere();
    void storesPhotosAsJpegAndCapsTheSize();
    void leavesOrdinaryTextAsItWasWritten();
};

void TestRtfFeatures::roundTrips_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<int>("probeKind");
    QTest::addColumn<int>("position");
    QTest::addColumn<QVariant>("expected");
    QTest::addColumn<QByteArray>("written"); // what the writing must contain

    const auto row = [](const char *name, const QByteArray &rtf, Probe kind, int position, const QVariant &expected,
                        const QByteArray &written) {
        QTest::newRow(name) << rtf << int(kind) << position << expected << written;
    };
    const QByteArray colors = "{\\colortbl;\\red255\\green255\\blue255;\\red0\\green0\\blue255;}";

    row("no \\fs means 12 pt", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 a}", Probe::PointSize, 0, 12.0, "\\fs24 a");
    row("\\plain resets the size to 12 pt", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs40 a\\plain b}",
        Probe::PointSize, 1, 12.0, "\\fs24 b");
    row("last paragraph without \\par keeps its alignment",
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\pard\\qc Centred}", Probe::Alignment, 0, int(Qt::AlignHCenter),
        "\\qc");
    row("last of two paragraphs without \\par", "{\\rtf1 a\\par\\pard\\qr b}", Probe::Alignment, 2,
        int(Qt::AlignRight), "\\qr");
    row("white text on a blue highlight", "{\\rtf1" + colors + "\\cf1\\highlight2 a}", Probe::Background, 0,
        QStringLiteral("#0000ff"), "\\highlight2 a");
    row("\\cb background", "{\\rtf1" + colors + "\\cb2 a\\cb0 b}", Probe::Background, 0, QStringLiteral("#0000ff"),
        "\\highlight1 a\\highlight0 b");
    row("\\chcbpat shading", "{\\rtf1" + colors + "\\chcbpat1 a}", Probe::Background, 0, QStringLiteral("#ffffff"),
        "\\highlight1 a");
    row("\\highlight0 ends a highlight", "{\\rtf1" + colors + "\\highlight2 a\\highlight0 b}", Probe::Background, 1,
        QString(), "\\highlight0 b");
    row("superscript", "{\\rtf1 x\\super 2\\nosupersub y}", Probe::Vertical, 1,
        int(QTextCharFormat::AlignSuperScript), "\\super 2\\nosupersub y");
    row("subscript", "{\\rtf1 H{\\sub 2}O}", Probe::Vertical, 1, int(QTextCharFormat::AlignSubScript),
        "\\sub 2\\nosupersub O");
    row("\\upN is raised", "{\\rtf1 x{\\up6 2}y}", Probe::Vertical, 1, int(QTextCharFormat::AlignSuperScript),
        "\\super 2");
    row("\\dnN is lowered", "{\\rtf1 x{\\dn4 2}y}", Probe::Vertical, 1, int(QTextCharFormat::AlignSubScript),
        "\\sub 2");
    row("\\up0 is the baseline", "{\\rtf1 x\\up6\\up0 2}", Probe::Vertical, 1, int(QTextCharFormat::AlignNormal),
        "x2");
    row("{\\*\\fname} names the family", "{\\rtf1{\\fonttbl{\\f0\\fcharset161{\\*\\fname Arial;}Arial Greek;}}\\f0 a}",
        Probe::Family, 0, QStringLiteral("Arial"), "\\fcharset0 Arial;");

    row("a \\ls without a list table shows its \\listtext, not a bullet",
        "{\\rtf1{\\listtext 10.\\tab}\\pard\\ls23\\ilvl0 item\\par}", Probe::Text, 0, QStringLiteral("10.\titem\n"),
        "10.\\tab item");
    row("a \\ls with its table shows its own label once",
        "{\\rtf1{\\*\\listtable{\\list\\listid5{\\listlevel\\levelnfc0}}}"
        "{\\*\\listoverridetable{\\listoverride\\listid5\\ls1}}{\\listtext 1.\\tab}\\ls1 A\\par}",
        Probe::Text, 0, QStringLiteral("1. A\n"), "\\pndec");

    const QByteArray cjkFonts = "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset134 SimSun;}}\\f0\\fs20 ";
    row("\\dbch text takes the font of \\af", cjkFonts + "a{\\dbch\\af1 \\u20013?}b}", Probe::Family, 1,
        QStringLiteral("SimSun"), "\\f1{\\dbch\\af1\\u20013?}\\f0 b");
    row("\\dbch bytes are read in the code page of \\af", cjkFonts + "a{\\dbch\\af1 \\'d6\\'d0}b}", Probe::Text, 0,
        QStringLiteral("a\u4E2Db\n"), "{\\dbch\\af1\\u20013?}");
    row("\\f after \\dbch names the East Asian font, \\af after \\loch does not",
        cjkFonts + "{\\loch\\af0\\hich\\af0\\dbch\\f1 \\'d6\\'d0}}", Probe::Family, 0, QStringLiteral("SimSun"),
        "{\\dbch\\af0\\u20013?}");
    row("\\af after \\rtlch is not the East Asian font", cjkFonts + "{\\dbch\\af1\\rtlch\\af0 \\u20013?}}",
        Probe::Family, 0, QStringLiteral("SimSun"), "{\\dbch\\af0\\u20013?}");
    row("Latin text of a \\dbch run keeps \\f", cjkFonts + "{\\dbch\\af1 \\u20013?ab}}", Probe::Family, 1,
        QStringLiteral("Arial"), "{\\dbch\\af0\\u20013?}\\f1 ab");
    row("\\loch text keeps \\f", cjkFonts + "{\\dbch\\af1\\loch a}}", Probe::Family, 0, QStringLiteral("Arial"),
        "\\f0\\fs20 a");
    row("Asian text is written with its font as \\af", cjkFonts + "a\\u20013?}", Probe::Family, 1, QStringLiteral("Arial"),
        "\\f0\\fs20 a{\\dbch\\af0\\u20013?}");
    row("right-to-left text is written with its font and size as \\af, \\afs", cjkFonts + "\\fs28 \\u1575?\\u1604? 1, x}",
        Probe::PointSize, 0, 14.0, "\\fs28{\\rtlch\\af0\\afs28\\u1575?\\u1604? 1, }x");
    row("an \\rtlpar paragraph", "{\\rtf1\\pard\\rtlpar\\qr \\u1575? a\\par\\pard\\ltrpar b\\par}", Probe::Direction, 0,
        int(Qt::RightToLeft), "\\pard\\qr\\rtlpar");
    row("an \\ltrpar paragraph after an \\rtlpar one", "{\\rtf1\\pard\\rtlpar \\u1575? a\\par\\pard\\ltrpar b\\par}",
        Probe::Direction, 4, int(Qt::LeftToRight), "\\pard\\ltrpar b");
    row("\\pard forgets the direction", "{\\rtf1\\pard\\rtlpar a\\par\\pard b\\par}", Probe::Direction, 2, -1,
        "\\pard b");

    const auto list = [](QTextListFormat::Style style, int level, int number) {
        return QStringLiteral("%1 %2 %3").arg(int(style)).arg(level).arg(number);
    };
    row("\\pnstartN starts a numbered list there", "{\\rtf1\\pard{\\*\\pn\\pnlvlbody\\pnstart5\\pndec}a\\par b\\par}",
        Probe::List, 2, list(QTextListFormat::ListDecimal, 0, 6), "\\levelstartat5");
    row("\\pnstartN is written for older readers", "{\\rtf1\\pard{\\*\\pn\\pnlvlbody\\pnstart5\\pnlcrm}a\\par}",
        Probe::List, 0, list(QTextListFormat::ListLowerRoman, 0, 5), "{\\pntext\\f0 v.\\tab}{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart5\\pnlcrm");
    const QByteArray letters = "{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc0}{\\listlevel\\levelnfc4\\levelstartat3}\\listid9}}"
                               "{\\*\\listoverridetable{\\listoverride\\listid9\\ls4}}";
    row("\\levelstartatN starts a list level there", letters + "\\ls4\\ilvl1 a\\par}", Probe::List, 0,
        list(QTextListFormat::ListLowerAlpha, 1, 3),
        "{\\listlevel\\levelnfc4\\leveljc0\\levelfollow0\\levelstartat3{\\leveltext\\'02\\'01.;}");
    row("\\levelstartat0 starts a list at 0", "{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc0\\levelstartat0}\\listid3}}"
        "{\\*\\listoverridetable{\\listoverride\\listid3\\ls1}}\\ls1 a\\par}", Probe::List, 0,
        list(QTextListFormat::ListDecimal, 0, 0), "\\levelstartat0");
    row("a nested level written in the list table", letters + "\\ls4 a\\par\\ilvl1 b\\par}", Probe::List, 2,
        list(QTextListFormat::ListLowerAlpha, 1, 3), "\\li400\\ls2\\ilvl1 b");
    const QByteArray bullets = "{\\rtf1{\\*\\listtable{\\list{\\listlevel\\levelnfc23{\\leveltext\\'01\\u8226 ?;}}"
                               "{\\listlevel\\levelnfc23{\\leveltext\\'01\\u8226 ?;}}{\\listlevel\\levelnfc23{\\leveltext\\'01o;}}"
                               "\\listid1}}{\\*\\listoverridetable{\\listoverride\\listid1\\ls1}}";
    row("a nested bullet keeps the bullet its level text shows", bullets + "\\ls1 a\\par\\ilvl1 b\\par}", Probe::List, 2,
        list(QTextListFormat::ListDisc, 1, 1), "\\ls2\\ilvl1 b");
    row("a level text's \"o\" is a circle", bullets + "\\ls1\\ilvl2 a\\par}", Probe::List, 0,
        list(QTextListFormat::ListCircle, 2, 1), "{\\leveltext\\'01\\u9702 ?;}");
    row("a nested \\pn bullet is written in the list table", "{\\rtf1\\pard{\\*\\pn\\pnlvlblt}\\ilvl1 a\\par}",
        Probe::List, 0, list(QTextListFormat::ListDisc, 1, 1),
        "{\\listlevel\\levelnfc23\\leveljc0\\levelfollow0\\levelstartat1{\\leveltext\\'01\\u8226 ?;}{\\levelnumbers;}"
        "\\fi-200\\li400}\\listid1}");

    const QByteArray png = hexOf(redImage(), "PNG");
    row("\\pngblip shows at its goal size",
        "{\\rtf1 a{\\pict\\pngblip\\picw3\\pich2\\picwgoal600\\pichgoal450 " + png + "}b}", Probe::Picture, 1,
        QStringLiteral("%1 40x30").arg(int(Rtf::PictureKind::Png)), "\\pngblip\\picw3\\pich2\\picwgoal600\\pichgoal450");
    row("\\pngblip decodes", "{\\rtf1{\\pict\\pngblip\\picw3\\pich2 " + png + "}}", Probe::PictureShows, 0,
        QStringLiteral("3x2 r--"), "\\pngblip");
    row("\\jpegblip decodes", "{\\rtf1{\\pict\\jpegblip\\picw3\\pich2 " + hexOf(redImage(), "JPEG") + "}}",
        Probe::PictureShows, 0, QStringLiteral("3x2 r--"), "\\jpegblip");
    row("\\dibitmap decodes", "{\\rtf1{\\pict\\dibitmap0\\picw2\\pich1 " + dibHex() + "}}", Probe::PictureShows, 0,
        QStringLiteral("2x1 --b"), "\\dibitmap0");
    row("\\wbitmap decodes", "{\\rtf1{\\pict\\wbitmap0\\picw2\\pich1\\wbmbitspixel24\\wbmwidthbytes8 0000ff00ff000000}}",
        Probe::PictureShows, 0, QStringLiteral("2x1 r--"), "\\wbitmap0");
    QByteArray bin = "{\\rtf1 a{\\pict\\pngblip\\picw3\\pich2\\bin";
    const QByteArray pngBytes = QByteArray::fromHex(png);
    bin += QByteArray::number(pngBytes.size()) + ' ' + pngBytes + "}b}";
    row("\\bin data works like hex and is written as hex", bin, Probe::PictureShows, 1, QStringLiteral("3x2 r--"),
        "\\pngblip\\picw3\\pich2 " + png + "}");
    row("shppict shows, nonshppict is kept",
        "{\\rtf1 a{\\*\\shppict{\\pict\\pngblip\\picw3\\pich2 " + png + "}}{\\nonshppict{\\pict\\wmetafile8 0102}}b}",
        Probe::Text, 0, QStringLiteral("ab\n"), "{\\nonshppict{\\pict\\wmetafile8 0102}}");
    row("an EMF shows as a placeholder of its goal size",
        "{\\rtf1{\\pict\\emfblip\\picw100\\pich50\\picwgoal1500\\pichgoal750 0102}}", Probe::PictureShows, 0,
        QStringLiteral("100x50 rgb"), "\\emfblip");
}

void TestRtfFeatures::roundTrips()
{
    QFETCH(QByteArray, rtf);
    QFETCH(int, probeKind);
    QFETCH(int, position);
    QFETCH(QVariant, expected);
    QFETCH(QByteArray, written);
    const Probe kind = Probe(probeKind);

    QTextDocument first;
    Rtf::load(first, rtf);
    QCOMPARE(probe(first, kind, position), expected);
    const QByteArray saved = Rtf::save(first);
    QVERIFY2(saved.contains(written), saved.constData());

    QTextDocument second;
    Rtf::load(second, saved);
    QCOMPARE(probe(second, kind, position), expected);
    QCOMPARE(Rtf::save(second), saved);

    // The note file keeps its RTF as text: reading from text gives the same.
    QTextDocument fromText;
    Rtf::load(fromText, QString::fromLatin1(saved));
    QCOMPARE(Rtf::save(fromText), saved);
}

void TestRtfFeatures::keepsPicturesItCannotShowByteForByte_data()
{
    QTest::addColumn<QByteArray>("group");
    QTest::newRow("emf") << QByteArray("{\\pict{\\*\\picprop{\\sp{\\sn a}{\\sv 1}}}\\emfblip\\picw10\\pich10"
                                       "\\picwgoal150\\pichgoal150\\picscalex50\\picscaley50\r\n0100000a\r\n}");
    QTest::newRow("wmf") << QByteArray("{\\pict\\wmetafile8\\picw100\\pich100\\picwgoal600\\pichgoal600 010009}");
    QTest::newRow("macpict") << QByteArray("{\\pict\\macpict\\picw40\\pich40 1122}");
    QTest::newRow("shppict pair") << QByteArray("{\\*\\shppict{\\pict\\emfblip 01}}{\\nonshppict{\\pict\\wmetafile8 02}}");
}

void TestRtfFeatures::keepsPicturesItCannotShowByteForByte()
{
    QFETCH(QByteArray, group);
    QTextDocument document;
    Rtf::load(document, QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Tahoma;}}\\f0 before ") + group + " after\\par}");
    QVERIFY2(Rtf::save(document).contains(group), Rtf::save(document).constData());

    // Editing the text around it keeps it too.
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("new "));
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral(" more"));
    const QByteArray edited = Rtf::save(document);
    QVERIFY2(edited.contains(group), edited.constData());
    QVERIFY(edited.contains("new before"));
    QVERIFY(edited.contains("after more"));
}

void TestRtfFeatures::writesBinaryPictureDataAsHex_data()
{
    // A note file is text, so \bin data goes out as the same bytes in hex.
    QTest::addColumn<QByteArray>("group");
    QTest::addColumn<QByteArray>("written");
    const QByteArray awkward("}{\\\0\r\n\xff", 7); // braces, a backslash, NUL, a line break, a high byte
    QTest::newRow("emf") << "{\\pict\\emfblip\\picw10\\pich10\\bin7 " + awkward + "}"
                         << QByteArray("{\\pict\\emfblip\\picw10\\pich10 7d7b5c000d0aff}");
    QTest::newRow("hex before and after") << "{\\pict\\wmetafile8 0102\\bin7 " + awkward + "0304}"
                                          << QByteArray("{\\pict\\wmetafile8 0102 7d7b5c000d0aff0304}");
    QTest::newRow("two \\bin runs") << "{\\pict\\macpict\\bin2 " + awkward.left(2) + "\\bin1 " + awkward.right(1) + "}"
                                     << QByteArray("{\\pict\\macpict 7d7b ff}");
    QTest::newRow("kept twin") << "{\\*\\shppict{\\pict\\emfblip\\bin7 " + awkward + "}}{\\nonshppict{\\pict\\wmetafile8\\bin1 \xff}}"
                               << QByteArray("{\\*\\shppict{\\pict\\emfblip 7d7b5c000d0aff}}{\\nonshppict{\\pict\\wmetafile8 ff}}");
}

void TestRtfFeatures::writesBinaryPictureDataAsHex()
{
    QFETCH(QByteArray, group);
    QFETCH(QByteArray, written);
    QTextDocument document;
    Rtf::load(document, QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Tahoma;}}\\f0 before ") + group + " after\\par}");
    QCOMPARE(Rtf::plainText(document), QStringLiteral("before  after\n"));
    const QByteArray saved = Rtf::save(document);
    QVERIFY2(saved.contains(written), saved.constData());
    QVERIFY2(saved.contains("before ") && saved.contains(" after\\par"), saved.constData());

    QTextDocument again;
    Rtf::load(again, saved);
    QCOMPARE(Rtf::save(again), saved);
    const QTextCharFormat f = formatAt(again, 7);
    QVERIFY(f.isImageFormat());
    QCOMPARE(Rtf::pictureOf(f.toImageFormat()).data, Rtf::pictureOf(formatAt(document, 7).toImageFormat()).data);
}

void TestRtfFeatures::writesPicturesMadeHere()
{
    QImage image(40, 20, QImage::Format_ARGB32);
    image.fill(qRgba(0, 128, 0, 200)); // transparent: stays PNG
    const Rtf::Picture picture = Rtf::pictureFromImage(image, 1600);
    QCOMPARE(picture.kind, Rtf::PictureKind::Png);
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("x"));
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), Rtf::pictureFormat(document, picture));
    const QByteArray saved = Rtf::save(document);
    QVERIFY2(saved.contains("{\\pict\\pngblip\\picw40\\pich20\\picwgoal600\\pichgoal300\r\n89504e47"), saved.constData());

    QTextDocument reread;
    Rtf::load(reread, saved);
    const QTextCharFormat f = formatAt(reread, 1);
    QVERIFY(f.isImageFormat());
    QVERIFY(Rtf::pictureOf(f.toImageFormat()).raw.isEmpty()); // its own form is not kept a second time as hex
    QImage shown;
    shown.loadFromData(reread.resource(QTextDocument::ImageResource, QUrl(f.toImageFormat().name())).toByteArray());
    QCOMPARE(shown.size(), QSize(40, 20));
    QCOMPARE(shown.pixel(5, 5), qRgba(0, 128, 0, 200));

    // A preset width keeps the proportions and is written as the goal size.
    QTextCursor at(&reread);
    at.setPosition(1);
    at.setPosition(2, QTextCursor::KeepAnchor);
    at.setCharFormat(Rtf::pictureFormat(reread, Rtf::resizedPicture(Rtf::pictureOf(f.toImageFormat()), 20)));
    QVERIFY(Rtf::save(reread).contains("\\picw40\\pich20\\picwgoal300\\pichgoal150"));
}

void TestRtfFeatures::storesPhotosAsJpegAndCapsTheSize()
{
    // Noise stands for a photograph: PNG cannot pack it, JPEG can.
    QImage photo(2000, 1000, QImage::Format_RGB32);
    quint32 seed = 1;
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            photo.setPixel(x, y, qRgb(x / 8 + int(seed >> 28), y / 4, int(seed >> 24)));
        }
    const Rtf::Picture picture = Rtf::pictureFromImage(photo, 1600);
    QCOMPARE(picture.kind, Rtf::PictureKind::Jpeg);
    QCOMPARE(picture.pixels, QSize(1600, 800));
    QImage stored;
    QVERIFY(stored.loadFromData(picture.data, "JPEG"));
    QCOMPARE(stored.size(), QSize(1600, 800));

    QImage flat(300, 200, QImage::Format_RGB32); // a screenshot-like picture: PNG is smaller
    flat.fill(qRgb(200, 200, 200));
    QCOMPARE(Rtf::pictureFromImage(flat, 1600).kind, Rtf::PictureKind::Png);
    QCOMPARE(Rtf::pictureFromImage(flat, 1600).pixels, QSize(300, 200));
}

void TestRtfFeatures::leavesOrdinaryTextAsItWasWritten()
{
    // A note written before pictures, highlights and raised text existed.
    const QByteArray note = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Tahoma;}}\r\n"
                            "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
                            "\\viewkind4\\uc1\\pard\\qc\\cf1\\b\\f0\\fs20 milk\\par\r\n"
                            "\\pard\\cf0\\b0 bread\\par\r\n"
                            "}\r\n";
    QTextDocument document;
    Rtf::load(document, note);
    QCOMPARE(Rtf::save(document), note);
}

QTEST_MAIN(TestRtfFeatures)
#include "tst_rtf_features.moc"
