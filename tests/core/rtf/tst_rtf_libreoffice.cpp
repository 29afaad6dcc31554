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

} // namespace

class TestRtfLibreOffice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsWhatWeWrite();
};

void TestRtfLibreOffice::readsWhatWeWrite()
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        QSKIP("LibreOffice is not installed");

    QTextDocument document;
    Rtf::load(document, QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}"
                                   "{\\colortbl;\\red255\\green255\\blue255;\\red0\\green0\\blue255;}"
                                   "\\f0 plain \\cf1\\highlight2 HL\\cf0\\highlight0  x\\super SUP\\nosupersub "
                                   "H\\sub SUB\\nosupersub  {\\pict\\pngblip\\picw4\\pich4\\picwgoal600\\pichgoal600 ")
                           + pngHex() + "}\\par\\pard\\qc Centred}");
    QTemporaryDir dir;
    const QString rtfPath = dir.filePath(QStringLiteral("note.rtf"));
    QFile out(rtfPath);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(Rtf::save(document));
    out.close();

    QProcess convert;
    convert.start(soffice, {QStringLiteral("--headless"), QStringLiteral("--convert-to"), QStringLiteral("fodt"),
                            QStringLiteral("--outdir"), dir.path(), rtfPath});
    QVERIFY(convert.waitForFinished(180000));
    QFile fodt(dir.filePath(QStringLiteral("note.fodt")));
    QVERIFY2(fodt.open(QIODevice::ReadOnly), convert.readAllStandardError().constData());
    const QString xml = QString::fromUtf8(fodt.readAll());

    QVERIFY2(styleOf(xml, QStringLiteral("span"), QStringLiteral("HL")).contains(QStringLiteral("fo:background-color=\"#0000ff\"")),
             qPrintable(styleOf(xml, QStringLiteral("span"), QStringLiteral("HL"))));
    QVERIFY(styleOf(xml, QStringLiteral("span"), QStringLiteral("HL")).contains(QStringLiteral("fo:color=\"#ffffff\"")));
    QVERIFY(styleOf(xml, QStringLiteral("span"), QStringLiteral("SUP")).contains(QStringLiteral("style:text-position=\"super")));
    QVERIFY(styleOf(xml, QStringLiteral("span"), QStringLiteral("SUB")).contains(QStringLiteral("style:text-position=\"sub")));
    QVERIFY(styleOf(xml, QStringLiteral("p"), QStringLiteral("Centred")).contains(QStringLiteral("fo:text-align=\"center\"")));
    QVERIFY2(xml.contains(QStringLiteral("<office:binary-data>")), "the picture is missing");
    QVERIFY(xml.contains(QStringLiteral("svg:width=\"0.4165in\"")) || xml.contains(QStringLiteral("svg:width=\"1.058cm\"")));
}

QTEST_MAIN(TestRtfLibreOffice)
#include "tst_rtf_libreoffice.moc"
