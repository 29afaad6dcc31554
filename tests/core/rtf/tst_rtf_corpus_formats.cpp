// The formatting of corpus files as read, character by character, against
// the tables kept in data/formats (written from what each file's RTF says).
// The corpus sits beside the clone; the test skips when it is absent.
#include "format_table.h"

#include "core/rtf/rtf.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <QTextDocument>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestRtfCorpusFormats : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatsAsExpected_data();
    void formatsAsExpected();
};

void TestRtfCorpusFormats::formatsAsExpected_data()
{
    QTest::addColumn<QString>("name");
    const QStringList tables = QDir(QStringLiteral(PAPERLET_RTF_FORMATS)).entryList({QStringLiteral("*.tsv")});
    QVERIFY(!tables.isEmpty());
    for (const QString &table : tables)
        QTest::newRow(qPrintable(table)) << QFileInfo(table).completeBaseName();
}

void TestRtfCorpusFormats::formatsAsExpected()
{
    QFETCH(QString, name);
    const QString rtfPath = QStringLiteral(PAPERLET_RTF_CORPUS "/files/") + name + QStringLiteral(".rtf");
    if (!QFileInfo::exists(rtfPath))
        QSKIP("the shared RTF corpus is not here");
    QTextDocument document;
    Rtf::load(document, readAll(rtfPath));
    const QStringList actual = formatTable(document).split(u'\n');
    const QStringList expected =
        QString::fromUtf8(readAll(QStringLiteral(PAPERLET_RTF_FORMATS "/") + name + QStringLiteral(".tsv"))).split(u'\n');
    for (qsizetype i = 0; i < qMax(actual.size(), expected.size()); ++i)
        QCOMPARE(actual.value(i), expected.value(i));
}

QTEST_MAIN(TestRtfCorpusFormats)
#include "tst_rtf_corpus_formats.moc"
