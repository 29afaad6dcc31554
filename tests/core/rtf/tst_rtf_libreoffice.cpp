// What another program reads from the RTF this program writes: LibreOffice
// converts a written note to flat ODF and the formats are looked up there.
// Skips where LibreOffice is not installed.
#include "core/rtf/rtf.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

namespace {

QByteArray pngHex()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(qRgb(0, 200, 0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes.toHex();
}

// The properties of the automatic style that a span or paragraph holding
// exactly `text` uses, as the XML of its style element.
QString styleOf(const QString &xml, const QString &element, const QString &text)
{
    // a paragraph's text may sit in a span of its own
    const QRegularExpression use(QStringLiteral("<text:%1 text:style-name=\"([^\"]+)\">(?:<text:span[^>]*>)?%2<")
                                     .arg(element, QRegularExpression::escape(text)));
    const QRegularExpressionMatch m = use.match(xml);
    if (!m.hasMatch())
        return {};
    const QRegularExpression style(QStringLiteral("<style:style style:name=\"%1\".*?</style:style>")
                                       .arg(QRegularExpression::escape(m.captured(1))),
                                   QRegularExpression::DotMatchesEverythingOption);
    return style.match(xml).captured(0);
}

// The list level that the paragraph holding exactly `text` shows with, as
// the XML of the level's style element: its list style is the innermost open
// <text:list> with a style name, its level how deep the lists are nested.
QString listLevelOf(const QString &xml, const QString &text)
{
    const qsizetype at = xml.indexOf(u'>' + text + u'<');
    const qsizetype body = xml.indexOf(QStringLiteral("<office:text"));
    if (at < 0 || body < 0)
        return {};
    const QString before = xml.mid(body, at - body);
    const int depth = int(before.count(QStringLiteral("<text:list ")) + before.count(QStringLiteral("<text:list>"))
                          - before.count(QStringLiteral("</text:list>")));
    const QRegularExpression open(QStringLiteral("<text:list [^>]*text:style-name=\"([^\"]+)\""));
    QString style;
    for (QRegularExpressionMatchIterator it = open.globalMatch(before); it.hasNext();)
        style = it.next().captured(1);
    const QRegularExpression definition(QStringLiteral("<text:list-style style:name=\"%1\".*?</text:list-style>")
                                            .arg(QRegularExpression::escape(style)),
                                        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression level(QStringLiteral("<text:list-level-style-[a-z]+ text:level=\"%1\"[^>]*>").arg(depth));
    return level.match(definition.match(xml).captured(0)).captured(0);
}

QString convertToFlatOdf(const QString &soffice, const QTemporaryDir &dir, const QByteArray &rtf)
{
    const QString rtfPath = dir.filePath(QStringLiteral("note.rtf"));
    QFile out(rtfPath);
    if (!out.open(QIODevice::WriteOnly))
        return {};
    out.write(rtf);
    out.close();
    QProcess convert;
    convert.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("fodt"),
                            QStringLiteral("--outdir"), dir.path(), rtfPath});
    if (!convert.waitForFinished(180000))
        return {};
    QFile fodt(dir.filePath(QStringLiteral("note.fodt")));
    return fodt.open(QIODevice::ReadOnly) ? QString::fromUtf8(fodt.readAll()) : QString();
}

} // namespace

class TestRtfLibreOffice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void readsWhatWeWrite();
    void readsOurListsWithTheirLevelsKindsAndStarts();
    void readsScriptFontsAndParagraphDirections();

private:
    // What LibreOffice reads, as flat ODF, from what the writer writes of `rtf`.
    QString readBack(const QByteArray &rtf) const;

    const QString m_soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
};

void TestRtfLibreOffice::init()
{
    if (m_soffice.isEmpty())
        QSKIP("LibreOffice is not installed");
}

QString TestRtfLibreOffice::readBack(const QByteArray &rtf) const
{
    QTextDocument document;
    Rtf::load(document, rtf);
    QTemporaryDir dir;
    return convertToFlatOdf(m_soffice, dir, Rtf::save(document));
}

void TestRtfLibreOffice::readsWhatWeWrite()
{
    const QString xml = readBack(QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}"
                                   "{\\colortbl;\\red255\\green255\\blue255;\\red0\\green0\\blue255;}"
                                   "\\f0 plain \\cf1\\highlight2 HL\\cf0\\highlight0  x\\super SUP\\nosupersub "
                                   "H\\sub SUB\\nosupersub  {\\pict\\pngblip\\picw4\\pich4\\picwgoal600\\pichgoal600 ")
                           + pngHex() + "}\\par\\pard\\qc Centred}");
    QVERIFY2(!xml.isEmpty(), "LibreOffice wrote nothing");

    QVERIFY2(styleOf(xml, QStringLiteral("span"), QStringLiteral("HL")).contains(QStringLiteral("fo:background-color=\"#0000ff\"")),
             qPrintable(styleOf(xml, QStringLiteral("span"), QStringLiteral("HL"))));
    QVERIFY(styleOf(xml, QStringLiteral("span"), QStringLiteral("HL")).contains(QStringLiteral("fo:color=\"#ffffff\"")));
    QVERIFY(styleOf(xml, QStringLiteral("span"), QStringLiteral("SUP")).contains(QStringLiteral("style:text-position=\"super")));
    QVERIFY(styleOf(xml, QStringLiteral("span"), QStringLiteral("SUB")).contains(QStringLiteral("style:text-position=\"sub")));
    QVERIFY(styleOf(xml, QStringLiteral("p"), QStringLiteral("Centred")).contains(QStringLiteral("fo:text-align=\"center\"")));
    QVERIFY2(xml.contains(QStringLiteral("<office:binary-data>")), "the picture is missing");
    QVERIFY(xml.contains(QStringLiteral("svg:width=\"0.4165in\"")) || xml.contains(QStringLiteral("svg:width=\"1.058cm\"")));
}

void TestRtfLibreOffice::readsOurListsWithTheirLevelsKindsAndStarts()
{
    // Nested bullets and numbers in the form older writers give them; what
    // matters is what LibreOffice makes of the way they are written again.
    const QString xml = readBack(QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0"
                                   "\\pard{\\*\\pn\\pnlvlblt}\\fi-200\\li200 BulletOne\\par"
                                   "\\pard{\\*\\pn\\pnlvlblt}\\ilvl1\\fi-200\\li400 BulletNested\\par"
                                   "\\pard plain\\par"
                                   "\\pard{\\*\\pn\\pnlvlbody\\pnstart4\\pndec}\\fi-200\\li200 NumberFour\\par"
                                   "\\pard{\\*\\pn\\pnlvlbody\\pnlcltr}\\ilvl1\\fi-200\\li400 LetterA\\par"
                                   "\\pard{\\*\\pn\\pnlvlbody\\pnucrm}\\ilvl2\\fi-200\\li600 RomanOne\\par"
                                   // LibreOffice 7.4 puts a document's last paragraph on the first
                                   // level whatever its \\ilvl, so the lists are not last
                                   "\\pard end\\par}"));
    QVERIFY2(!xml.isEmpty(), "LibreOffice wrote nothing");

    const std::pair<QString, QStringList> levels[] = {
        {QStringLiteral("BulletOne"), {QStringLiteral("text:level=\"1\""), QStringLiteral("text:bullet-char=\"\u2022\"")}},
        {QStringLiteral("BulletNested"), {QStringLiteral("text:level=\"2\""), QStringLiteral("text:bullet-char=\"\u2022\"")}},
        {QStringLiteral("NumberFour"), {QStringLiteral("style:num-format=\"1\""), QStringLiteral("text:start-value=\"4\"")}},
        {QStringLiteral("LetterA"), {QStringLiteral("text:level=\"2\""), QStringLiteral("style:num-format=\"a\"")}},
        {QStringLiteral("RomanOne"), {QStringLiteral("text:level=\"3\""), QStringLiteral("style:num-format=\"I\"")}},
    };
    for (const auto &[text, properties] : levels) {
        const QString level = listLevelOf(xml, text);
        for (const QString &property : properties)
            QVERIFY2(level.contains(property), qPrintable(text + u' ' + level));
    }
}

void TestRtfLibreOffice::readsScriptFontsAndParagraphDirections()
{
    const QString xml = readBack(QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 SimSun;}}\\f0\\fs20 Latin "
                                   "\\f1\\u20013?\\u25991?\\f0  end\\par"
                                   "\\pard\\rtlpar\\fs28 \\u1605?\\u1585?\\u1581?\\u1576?\\u1575?\\par"
                                   "\\pard\\ltrpar\\fs20 English\\par}"));
    QVERIFY2(!xml.isEmpty(), "LibreOffice wrote nothing");

    // Asian text in the font it has here, not the document's Asian default
    const QString asian = styleOf(xml, QStringLiteral("span"), QStringLiteral("\u4E2D\u6587"));
    QVERIFY2(asian.contains(QStringLiteral("style:font-name-asian=\"SimSun")), qPrintable(asian));
    // Arabic text in the size it has here
    const QString arabic = styleOf(xml, QStringLiteral("span"), QStringLiteral("\u0645\u0631\u062D\u0628\u0627"));
    QVERIFY2(arabic.contains(QStringLiteral("style:font-size-complex=\"14pt\"")), qPrintable(arabic));
    QVERIFY2(arabic.contains(QStringLiteral("style:font-name-complex=\"Arial")), qPrintable(arabic));

    const QString rtl = styleOf(xml, QStringLiteral("p"), QStringLiteral("\u0645\u0631\u062D\u0628\u0627"));
    QVERIFY2(rtl.contains(QStringLiteral("style:writing-mode=\"rl-tb\"")), qPrintable(rtl));
    const QString ltr = styleOf(xml, QStringLiteral("p"), QStringLiteral("English"));
    QVERIFY2(ltr.contains(QStringLiteral("style:writing-mode=\"lr-tb\"")), qPrintable(ltr));
}

QTEST_MAIN(TestRtfLibreOffice)
#include "tst_rtf_libreoffice.moc"
