// Reads the shared corpus of RTF files written by other programs and
// compares the text with the adjudicated reference, after the same
// normalisation as the corpus's own check script.

#include "core/rtf/rtf.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QTextDocument>

namespace {

QString corpusDir()
{
    const QString env = qEnvironmentVariable("PAPERLET_RTF_CORPUS");
    return env.isEmpty() ? QStringLiteral(PAPERLET_RTF_CORPUS) : env;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList normalized(QString text)
{
    static const QRegularExpression marker(QStringLiteral(
        "^(?:[\\x{2022}\\x{00b7}\\x{25e6}\\x{25aa}\\x{25ab}\\x{2023}\\x{2043}\\x{25cb}\\x{25cf}\\x{25a0}\\x{25a1}"
        "\\x{25c6}\\x{25c7}\\x{27a2}\\x{27a4}\\x{2713}\\x{2714}\\x{2013}\\x{2014}\\x{f0b7}\\x{f0a7}\\x{f076}\\x{f0d8}"
        "\\x{f0fc}\\x{f0a8}\\-\\*o\\x{2192}\\x{21d2}]|\\(?\\d{1,3}[.)]|\\(?[a-zA-Z][.)]|\\(?[ivxlcdmIVXLCDM]{1,6}[.)])\\s+"));
    static const QRegularExpression blanks(QStringLiteral(" +"));
    text = text.normalized(QString::NormalizationForm_C);
    QString mapped;
    mapped.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0x00A0 || (u >= 0x2002 && u <= 0x200A) || u == 0x202F || u == 0x205F || u == 0x3000 || u == '\t')
            mapped += u' ';
        else if (u == 0x00AD || u == 0x200B || u == 0x2060 || u == 0xFEFF || u == 0x200E || u == 0x200F
                 || (u >= 0x202A && u <= 0x202E) || u == 0)
            continue;
        else if (u == '\r' || u == 0x2028 || u == 0x2029 || u == 0xFDD0 || u == 0xFDD1 || u == 0x85)
            mapped += u'\n';
        else if (u == 0x2011)
            mapped += u'-';
        else if ((u < 0x20 && u != '\n') || u == 0x7F)
            continue;
        else
            mapped += c;
    }
    QStringList lines;
    for (QString line : mapped.split(u'\n')) {
        line = line.replace(blanks, QStringLiteral(" ")).trimmed();
        for (int i = 0; i < 2; ++i)
            line = line.replace(marker, QString()).trimmed();
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

} // namespace

class TestRtfCorpus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsFilesOfOtherPrograms_data();
    void readsFilesOfOtherPrograms();
};

void TestRtfCorpus::readsFilesOfOtherPrograms_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tier");
    const QByteArray manifest = readAll(corpusDir() + QStringLiteral("/MANIFEST.tsv"));
    if (manifest.isEmpty()) {
        QTest::newRow("no corpus") << QString() << QString(); // a row to skip
        return;
    }
    const QList<QByteArray> lines = manifest.split('\n');
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines.at(i).split('\t');
        if (fields.size() < 2)
            continue;
        const QString name = QString::fromUtf8(fields.at(0));
        QTest::newRow(qPrintable(name)) << name << QString::fromUtf8(fields.at(1));
    }
}

void TestRtfCorpus::readsFilesOfOtherPrograms()
{
    QFETCH(QString, name);
    QFETCH(QString, tier);
    if (!QFileInfo::exists(corpusDir() + QStringLiteral("/MANIFEST.tsv")))
        QSKIP("the shared RTF corpus is not here");
    const QString base = corpusDir() + QStringLiteral("/files/") + name;
    const QByteArray rtf = readAll(base + QStringLiteral(".rtf"));
    QVERIFY(!rtf.isEmpty());

    QTextDocument document;
    Rtf::load(document, rtf);
    const QStringList actual = normalized(Rtf::plainText(document));
    // Whatever was read must be written and read back to the same text, and
    // written again to the same bytes.
    const QByteArray saved = Rtf::save(document);
    QTextDocument reloaded;
    Rtf::load(reloaded, saved);
    QCOMPARE(normalized(Rtf::plainText(reloaded)), actual);
    QCOMPARE(Rtf::save(reloaded), saved);

    const QString expectedPath = base + QStringLiteral(".expected.txt");
    if (tier == QLatin1String("robust") || !QFileInfo::exists(expectedPath))
        return; // only has to load
    const QStringList expected = normalized(QString::fromUtf8(readAll(expectedPath)));
    if (tier == QLatin1String("optional") && actual != expected)
        QSKIP("optional file read differently from the reference");
    QCOMPARE(actual, expected);
}

QTEST_MAIN(TestRtfCorpus)
#include "tst_rtf_corpus.moc"
