// The zip writer: archives that an independent unzip lists, tests and
// unpacks to the very bytes that went in.
#include "core/zip_writer.h"
#include "core/note_placement.h"

#include <QBuffer>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Runs unzip; its output, or nothing when it failed.
std::optional<QByteArray> unzip(const QStringList &arguments)
{
    QProcess process;
    // Names are UTF-8 in the archive; unzip matches them in the locale's code.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("unzip"), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

} // namespace

class TestZipWriter final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void crcIsTheStandardOne()
    {
        QCOMPARE(ZipWriter::crc32("123456789"), 0xCBF43926u);
        QCOMPARE(ZipWriter::crc32(QByteArray()), 0u);
    }

    void unzipReadsBackEveryFile()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("unzip")).isEmpty())
            QSKIP("needs unzip (scripts/setup.sh installs it)");
        QByteArray noise(5000, '\0');
        QRandomGenerator random(7);
        for (char &c : noise)
            c = char(random.bounded(256));
        const QList<std::pair<QString, QByteArray>> files{
            {QStringLiteral("Notes/1.pnf"), QByteArray(4000, 'a') + "compressible"},   // deflated
            {QStringLiteral("Notes/noise.bin"), noise},                                  // stored
            {QStringLiteral("Notes/caf\u00e9 \u65e5\u672c.pnf"), QByteArray("x")},       // UTF-8 name
            {QStringLiteral("Notes/empty.pnf"), QByteArray()},
        };
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("backup.zip"));
        {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            ZipWriter zip(out);
            for (const auto &[name, data] : files)
                zip.add(name, data, QDateTime(QDate(2024, 5, 1), QTime(12, 34, 56)));
            zip.finish();
        }
        QVERIFY(QFileInfo(path).size() < 4000 + 5000);   // the repeated text was deflated
        QVERIFY(unzip({QStringLiteral("-tq"), path}));
        const std::optional<QByteArray> listing = unzip({QStringLiteral("-l"), path});
        QVERIFY(listing);
        QVERIFY2(listing->contains("2024-05-01 12:34") || listing->contains("05-01-2024 12:34"), listing->constData());
        for (const auto &[name, data] : files) {
            const std::optional<QByteArray> unpacked = unzip({QStringLiteral("-p"), path, name});
            QVERIFY2(unpacked, qPrintable(name));
            QCOMPARE(*unpacked, data);
        }
    }

    void aFailingDeviceThrows()
    {
        QBuffer closed;   // never opened: every write fails
        ZipWriter zip(closed);
        QVERIFY_THROWS_EXCEPTION(std::exception, zip.add(QStringLiteral("a"), "b", QDateTime::currentDateTime()));
    }

    void freePlacesAvoidTakenOnes_data()
    {
        QTest::addColumn<QList<QRect>>("taken");
        QTest::addColumn<QPoint>("expected");
        const QSize note(200, 200);
        QTest::newRow("empty screen") << QList<QRect>{} << QPoint(0, 0);
        QTest::newRow("corner taken") << QList<QRect>{QRect(QPoint(0, 0), note)} << QPoint(0, 200);
        // The left column full: the next one.
        QTest::newRow("column full") << QList<QRect>{QRect(0, 0, 200, 600)} << QPoint(200, 0);
        // Everything taken: where the fewest notes are.
        QTest::newRow("full") << QList<QRect>{QRect(0, 0, 800, 600), QRect(0, 0, 400, 600)} << QPoint(400, 0);
    }
    void freePlacesAvoidTakenOnes()
    {
        QFETCH(QList<QRect>, taken);
        QFETCH(QPoint, expected);
        QCOMPARE(NotePlacement::freePlace(QRect(0, 0, 800, 600), QSize(200, 200), taken), expected);
    }
};

QTEST_GUILESS_MAIN(TestZipWriter)

#include "tst_zip_writer.moc"
