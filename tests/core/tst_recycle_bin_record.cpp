// The Windows recycle bin's $I records, read from bytes built here by hand:
// both versions, paths of every length and script, and every way a record
// can be cut short, padded, forged or of a version nobody knows.
#include "core/recycle_bin_record.h"

#include <QTest>
#include <QtEndian>

namespace {

// 2024-05-01 12:00:00 UTC as a FILETIME.
constexpr quint64 May1st = 133590384000000000ULL;
const QDateTime May1stUtc(QDate(2024, 5, 1), QTime(12, 0), Qt::UTC);
const QString NotePath = QStringLiteral("C:\\Users\\Ann\\Notes\\20240501120000.pnf");

template<typename T>
QByteArray little(T value)
{
    QByteArray bytes(sizeof(T), '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray utf16(const QString &text)
{
    QByteArray bytes;
    for (const QChar c : text)
        bytes += little<quint16>(c.unicode());
    return bytes;
}

QByteArray header(quint64 version, quint64 size = 1234, quint64 fileTime = May1st)
{
    return little(version) + little(size) + little(fileTime);
}

// A version 1 record: the path in its fixed field, the rest zeros.
QByteArray version1(const QString &path)
{
    QByteArray field = utf16(path);
    field.append(2 * RecycleBinRecord::FixedPathUnits - field.size(), '\0');
    return header(1) + field;
}

// A version 2 record; `units` defaults to the path and its ending 0.
QByteArray version2(const QString &path, qint64 units = -1)
{
    return header(2) + little(quint32(units < 0 ? path.size() + 1 : units)) + utf16(path) + little<quint16>(0);
}

} // namespace

class TestRecycleBinRecord final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsWellFormedRecords_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("path");
        QTest::addColumn<quint64>("size");
        const QString longest1 = QStringLiteral("C:\\") + QString(RecycleBinRecord::FixedPathUnits - 4, QLatin1Char('a'));
        const QString beyond260 = QStringLiteral("C:\\") + QString(300, QLatin1Char('b')) + QStringLiteral(".pnf");
        const QString longest2 = QStringLiteral("\\\\?\\C:\\")
            + QString(int(RecycleBinRecord::MaxPathUnits) - 1 - 7, QLatin1Char('c'));
        const QString scripts = QStringLiteral("D:\\Zoë\\笔记 ملاحظات \U0001F4DD\\1.pnf");
        QTest::newRow("version 1") << version1(NotePath) << 1 << NotePath << quint64(1234);
        QTest::newRow("version 1, the field full up to its 0") << version1(longest1) << 1 << longest1 << quint64(1234);
        QTest::newRow("version 2") << version2(NotePath) << 2 << NotePath << quint64(1234);
        QTest::newRow("version 2, past 260 units") << version2(beyond260) << 2 << beyond260 << quint64(1234);
        QTest::newRow("version 2, the longest path") << version2(longest2) << 2 << longest2 << quint64(1234);
        QTest::newRow("version 2, accents, CJK, Arabic, emoji") << version2(scripts) << 2 << scripts << quint64(1234);
        // Written out byte by byte, not by the helpers above.
        QTest::newRow("version 2, literal bytes")
            << QByteArray::fromHex("0200000000000000" "2a00000000000000" "0060ba17bf9bda01" "09000000"
                                   "43003a005c0061002e0070006e0066000000")
            << 2 << QStringLiteral("C:\\a.pnf") << quint64(42);
    }

    void readsWellFormedRecords()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, version);
        QFETCH(QString, path);
        QFETCH(quint64, size);
        const std::optional<RecycleBinRecord::Record> record = RecycleBinRecord::parse(bytes);
        QVERIFY(record);
        QCOMPARE(record->version, version);
        QCOMPARE(record->originalPath, path);
        QCOMPARE(record->deleted, May1stUtc);
        QCOMPARE(record->originalSize, size);
    }

    void rejectsWhatIsNotOneWholeRecord_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray one = version1(NotePath);
        const QByteArray two = version2(NotePath);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("shorter than the header") << header(2).left(23);
        QTest::newRow("version 1, header only") << header(1);
        QTest::newRow("version 1, one byte short") << one.chopped(1);
        QTest::newRow("version 1, a byte left over") << one + '\0';
        QTest::newRow("version 1, no 0 in the field") << header(1) + utf16(QString(RecycleBinRecord::FixedPathUnits, QLatin1Char('x')));
        QTest::newRow("version 1, empty path") << version1(QString());
        QTest::newRow("version 0") << header(0) + one.mid(24);
        QTest::newRow("version 3") << header(3) + two.mid(24);
        QTest::newRow("version 2 read big-endian") << little(Q_UINT64_C(0x0200000000000000)) + two.mid(8);
        QTest::newRow("version 2, no count") << header(2) + "\x05\x00";
        QTest::newRow("version 2, count 0") << version2(QString(), 0).chopped(2);
        QTest::newRow("version 2, empty path") << version2(QString());
        QTest::newRow("version 2, cut short") << two.chopped(2);
        QTest::newRow("version 2, a unit left over") << two + little<quint16>(0);
        QTest::newRow("version 2, count past the data") << version2(NotePath, NotePath.size() + 50);
        QTest::newRow("version 2, count of 4 G units") << version2(NotePath, 0xFFFFFFFF);
        const QString tooLong(int(RecycleBinRecord::MaxPathUnits), QLatin1Char('d'));
        QTest::newRow("version 2, past the longest path") << version2(tooLong);
        QTest::newRow("version 2, not 0-ended") << header(2) + little(quint32(NotePath.size())) + utf16(NotePath);
        QTest::newRow("version 2, a 0 inside the path")
            << version2(QStringLiteral("C:\\a") + QChar(0) + QStringLiteral("b.pnf"));
    }

    void rejectsWhatIsNotOneWholeRecord()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!RecycleBinRecord::parse(bytes));
    }

    void tellsWhichFolderARecordCameFrom_data()
    {
        QTest::addColumn<QString>("original");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("from");
        const QString notes = QStringLiteral("C:/Users/Ann/Notes/");
        QTest::newRow("the folder itself") << NotePath << notes << true;
        QTest::newRow("no trailing separator, other case") << NotePath << QStringLiteral("c:\\users\\ANN\\notes") << true;
        QTest::newRow("long-path prefix") << QStringLiteral("\\\\?\\C:\\Users\\Ann\\Notes\\1.pnf") << notes << true;
        QTest::newRow("network share, long-path prefix")
            << QStringLiteral("\\\\?\\UNC\\nas\\home\\Notes\\1.pnf") << QStringLiteral("//nas/home/Notes") << true;
        QTest::newRow("a folder below") << QStringLiteral("C:\\Users\\Ann\\Notes\\old\\1.pnf") << notes << false;
        QTest::newRow("a folder above") << QStringLiteral("C:\\Users\\Ann\\1.pnf") << notes << false;
        QTest::newRow("a folder whose name starts the same")
            << QStringLiteral("C:\\Users\\Ann\\Notes2\\1.pnf") << notes << false;
        QTest::newRow("another drive") << QStringLiteral("D:\\Users\\Ann\\Notes\\1.pnf") << notes << false;
        QTest::newRow("no folder at all") << QStringLiteral("1.pnf") << notes << false;
        QTest::newRow("no folder asked for") << NotePath << QString() << false;
    }

    void tellsWhichFolderARecordCameFrom()
    {
        QFETCH(QString, original);
        QFETCH(QString, folder);
        QFETCH(bool, from);
        RecycleBinRecord::Record record;
        record.originalPath = original;
        QCOMPARE(RecycleBinRecord::deletedFrom(record, folder), from);
    }

    void fileTimesCountFrom1601()
    {
        QCOMPARE(RecycleBinRecord::fromFileTime(0), QDateTime(QDate(1601, 1, 1), QTime(0, 0), Qt::UTC));
        QCOMPARE(RecycleBinRecord::fromFileTime(116444736000000000ULL), QDateTime::fromMSecsSinceEpoch(0, Qt::UTC));
        QCOMPARE(RecycleBinRecord::fromFileTime(May1st + 12345678), May1stUtc.addMSecs(1234));
    }
};

QTEST_GUILESS_MAIN(TestRecycleBinRecord)
#include "tst_recycle_bin_record.moc"
