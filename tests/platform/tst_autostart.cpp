#include "core/error.h"
#include "platform/autostart_xdg.h"
#include "../common/scratch_tmpfs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const PaperletError &error) {
        return error.message();
    }
    return QString();
}

} // namespace

class TestAutostart final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void execValueRoundTrips_data();
    void execValueRoundTrips();
    void parseExecReadsOtherWriters_data();
    void parseExecReadsOtherWriters();

    void entryRoundTripsInTheConfigFolder();
    void entryNamesThisProgramOnlyWithExactCase();
    void removingMissingEntryIsNoError();
    void hiddenEntryCountsAsNone_data();
    void hiddenEntryCountsAsNone();
    void unreadableEntryIsInvalidData_data();
    void unreadableEntryIsInvalidData();
    void unwritableFolderFailsToSetData();
    void fullDiskFailsToSetDataAndKeepsTheEntry();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString folder() const { return m_dir->path() + QStringLiteral("/autostart"); }
};

void TestAutostart::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestAutostart::execValueRoundTrips_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("value");
    QTest::newRow("plain") << "/home/ann/.local/lib/paperlet/paperlet"
                           << "/home/ann/.local/lib/paperlet/paperlet";
    QTest::newRow("blank") << "/home/ann/My Apps/paperlet" << "\"/home/ann/My Apps/paperlet\"";
    // Quoting escapes come first, then the string type doubles their backslashes.
    QTest::newRow("quote and dollar") << "/opt/a\"b$c/paperlet" << "\"/opt/a\\\\\"b\\\\$c/paperlet\"";
    // A backslash is escaped for the quotes and again for the string type.
    QTest::newRow("backslash") << "/opt/a\\b/paperlet" << "\"/opt/a\\\\\\\\b/paperlet\"";
    QTest::newRow("percent") << "/opt/100%/paperlet" << "/opt/100%%/paperlet";
    QTest::newRow("newline") << "/opt/a\nb/paperlet" << "\"/opt/a\\nb/paperlet\"";
}

void TestAutostart::execValueRoundTrips()
{
    QFETCH(QString, program);
    QFETCH(QString, value);
    QCOMPARE(XdgAutostart::execValue({program}), value);
    QCOMPARE(XdgAutostart::parseExec(value), std::optional<QStringList>(QStringList{program}));
}

void TestAutostart::parseExecReadsOtherWriters_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("valid");
    QTest::newRow("arguments") << "/usr/bin/paperlet --quiet" << QStringList{"/usr/bin/paperlet", "--quiet"} << true;
    QTest::newRow("extra blanks") << "  /usr/bin/paperlet  " << QStringList{"/usr/bin/paperlet"} << true;
    QTest::newRow("escaped blank") << "/opt/My\\sApps/paperlet" << QStringList{"/opt/My", "Apps/paperlet"} << true;
    QTest::newRow("single escapes") << "\"/opt/a\\\"b\\$c\"" << QStringList{"/opt/a\"b$c"} << true;
    QTest::newRow("field code kept") << "paperlet %U" << QStringList{"paperlet", "%U"} << true;
    QTest::newRow("empty") << "" << QStringList{} << true;
    QTest::newRow("open quote") << "\"/opt/paperlet" << QStringList{} << false;
}

void TestAutostart::parseExecReadsOtherWriters()
{
    QFETCH(QString, value);
    QFETCH(QStringList, arguments);
    QFETCH(bool, valid);
    const auto parsed = XdgAutostart::parseExec(value);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, arguments);
}

void TestAutostart::entryRoundTripsInTheConfigFolder()
{
    // The default folder follows XDG_CONFIG_HOME, which the test runner isolates.
    XdgAutostart store;
    QCOMPARE(store.entryPath(),
             qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/autostart/Paperlet.desktop"));
    QDir(qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/autostart")).removeRecursively();

    const QString program = QStringLiteral("/home/ann/My Apps/paperlet");
    QCOMPARE(store.command(), QStringList());
    store.write(program);
    QCOMPARE(store.command(), QStringList{program});
    QVERIFY(store.runs(program));

    QFile file(store.entryPath());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    QVERIFY(text.startsWith("[Desktop Entry]\n"));
    QVERIFY(text.contains("\nType=Application\n"));
    QVERIFY(text.contains("\nExec=\"/home/ann/My Apps/paperlet\"\n"));
    file.close();

    store.remove();
    QVERIFY(!QFile::exists(store.entryPath()));
    QCOMPARE(store.command(), QStringList());
}

void TestAutostart::entryNamesThisProgramOnlyWithExactCase()
{
    XdgAutostart store(folder());
    store.write(QStringLiteral("/opt/Paperlet/paperlet"));
    QVERIFY(store.runs(QStringLiteral("/opt/Paperlet/paperlet")));
    QVERIFY(!store.runs(QStringLiteral("/opt/paperlet/paperlet")));
    QVERIFY(!store.runs(QStringLiteral("/opt/Paperlet/paperlet2")));
    // A moved program: the entry names the old place.
    QVERIFY(!store.runs(QStringLiteral("/home/ann/paperlet")));
    writeFile(store.entryPath(), "[Desktop Entry]\nExec=/opt/Paperlet/paperlet --min\n");
    QVERIFY(!store.runs(QStringLiteral("/opt/Paperlet/paperlet")));
}

void TestAutostart::removingMissingEntryIsNoError()
{
    XdgAutostart store(folder());
    store.remove();
    QVERIFY(!QDir(folder()).exists());
    QCOMPARE(store.command(), QStringList());
}

void TestAutostart::hiddenEntryCountsAsNone_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("Hidden") << QByteArray("[Desktop Entry]\nHidden=true\n");
    QTest::newRow("switched off") << QByteArray(
        "[Desktop Entry]\nExec=/opt/paperlet\nX-GNOME-Autostart-enabled=false\n");
}

void TestAutostart::hiddenEntryCountsAsNone()
{
    QFETCH(QByteArray, text);
    XdgAutostart store(folder());
    QVERIFY(QDir().mkpath(folder()));
    writeFile(store.entryPath(), text);
    QCOMPARE(store.command(), QStringList());
}

void TestAutostart::unreadableEntryIsInvalidData_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("directory");
    QTest::newRow("a folder") << QByteArray() << true;
    QTest::newRow("no group") << QByteArray("Exec=/opt/paperlet\n") << false;
    QTest::newRow("other group") << QByteArray("[Other]\nExec=/opt/paperlet\n") << false;
    QTest::newRow("no Exec") << QByteArray("[Desktop Entry]\nName=Paperlet\n") << false;
    QTest::newRow("open quote") << QByteArray("[Desktop Entry]\nExec=\"/opt/paperlet\n") << false;
    QTest::newRow("binary") << QByteArray("\x00\x01\x02", 3) << false;
}

void TestAutostart::unreadableEntryIsInvalidData()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, directory);
    XdgAutostart store(folder());
    QVERIFY(QDir().mkpath(folder()));
    if (directory)
        QVERIFY(QDir().mkpath(store.entryPath()));
    else
        writeFile(store.entryPath(), text);
    QCOMPARE(errorOf([&] { store.command(); }), QStringLiteral("Invalid data type for 'Paperlet'"));
}

void TestAutostart::unwritableFolderFailsToSetData()
{
    // The autostart "folder" is a file, so neither it nor the entry can be made.
    writeFile(folder(), "not a folder");
    XdgAutostart store(folder());
    QCOMPARE(errorOf([&] { store.write(QStringLiteral("/opt/paperlet")); }),
             QStringLiteral("Failed to set data for 'Paperlet'"));
    store.remove();
    QCOMPARE(store.command(), QStringList());
}

void TestAutostart::fullDiskFailsToSetDataAndKeepsTheEntry()
{
    const ScratchTmpfs disk;
    if (!disk.skip().isEmpty())
        QSKIP(qPrintable(disk.skip()));
    XdgAutostart store(disk.path());
    const QString old = QStringLiteral("/opt/paperlet");
    store.write(old);
    QVERIFY(disk.fill());
    QCOMPARE(errorOf([&] { store.write(QStringLiteral("/home/ann/a much longer path/to/paperlet")); }),
             QStringLiteral("Failed to set data for 'Paperlet'"));
    QCOMPARE(store.command(), QStringList{old});
}

QTEST_GUILESS_MAIN(TestAutostart)
#include "tst_autostart.moc"
