// settings.ini: the key lookup, the integer conversion, the read order with
// its failure rule, the encodings, and the bytes that are written.

#include "core/error.h"
#include "core/settings_format.h"
#include "core/settings_store.h"
#include "../common/file_bytes.h"
#include "../common/scratch_tmpfs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <climits>
#include <functional>
#include <memory>

namespace {

const QByteArray DefaultFile = "Color=10092543\r\nOpacity=100\r\nTitle=0\r\nCheckForUpdates=1\r\n"
                               "FontName=Tahoma\r\nFontSize=10\r\nFontColor=0\r\nFontStyle=0\r\n";

// The fields as one comparable text, so that a failing row shows them all.
QString describe(const ProgramSettings &s)
{
    return QStringLiteral("Color=%1 Opacity=%2 Title=%3 FontName=[%4] FontSize=%5 FontColor=%6 "
                          "FontStyle=%7 CheckForUpdates=%8")
        .arg(s.DefaultColor.value()).arg(s.DefaultOpacity).arg(s.DefaultTitle).arg(s.DefaultFontName)
        .arg(s.DefaultFontSize).arg(s.DefaultFontColor.value()).arg(s.DefaultFontStyle).arg(s.CheckForUpdates);
}

ProgramSettings defaultsWith(const std::function<void(ProgramSettings &)> &change)
{
    ProgramSettings s;
    change(s);
    return s;
}

QByteArray utf16(const QString &text, QSysInfo::Endian endian)
{
    QByteArray out;
    for (QChar c : text) {
        const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
        out += endian == QSysInfo::LittleEndian ? lo : hi;
        out += endian == QSysInfo::LittleEndian ? hi : lo;
    }
    return out;
}

} // namespace

Q_DECLARE_METATYPE(ProgramSettings)

class TestSettingsStore final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();

    void toInt32_data();
    void toInt32();

    void lookup_data();
    void lookup();

    void loadSettings_data();
    void loadSettings();
    void checkForUpdatesIsAnyNonZero_data();
    void checkForUpdatesIsAnyNonZero();

    void missingFileIsWrittenWithDefaultsByteForByte();
    void unreadableFileKeepsDefaultsAndIsLeftAlone();
    void missingFolderThrows();

    void saveSettings_data();
    void saveSettings();
    void saveReplacesWholeFileWithoutTemporaries();
    void fullDiskKeepsTheOldFile();
    void negativeColourRoundTrips();
    void bomFileIsRewrittenInAnsiWithoutMark();

    void notesFolder();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path() const { return m_dir->filePath(QStringLiteral("settings.ini")); }
};

void TestSettingsStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestSettingsStore::toInt32_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("value");
    const auto good = [](const char *tag, const char *text, int value) {
        QTest::newRow(tag) << QString::fromLatin1(text) << true << value;
    };
    const auto bad = [](const char *tag, const char *text) {
        QTest::newRow(tag) << QString::fromLatin1(text) << false << 0;
    };
    good("decimal", "255", 255);
    good("leading blanks", "   42", 42);
    good("plus", "+7", 7);
    good("minus", "-7", -7);
    good("leading zeros", "007", 7);
    good("dollar hex", "$0000FF", 255);
    good("x hex", "xff", 255);
    good("X hex", "XFF", 255);
    good("0x hex", "0x1F", 31);
    good("0X hex", "0X1f", 31);
    good("negative hex", "-$10", -16);
    good("eight F digits are -1", "$FFFFFFFF", -1);
    good("hex sign bit", "$80000000", INT_MIN);
    good("hex leading zero beyond eight", "$000000001", 1);
    good("int max", "2147483647", INT_MAX);
    good("int min", "-2147483648", INT_MIN);
    bad("trailing blank", "255 ");
    bad("empty", "");
    bad("blanks only", "   ");
    bad("prefix without digits", "$");
    bad("0x without digits", "0x");
    bad("sign without digits", "-");
    bad("decimal overflow", "2147483648");
    bad("negative overflow", "-2147483649");
    bad("huge", "99999999999999999999");
    bad("nine significant hex digits", "$1FFFFFFFF");
    bad("hex digit in decimal", "12a");
    bad("bad hex digit", "$12G");
    bad("exponent", "1e3");
    bad("tab is no blank", "\t5");
    bad("two signs", "+-5");
    bad("blank after sign", "- 5");
    bad("decimal point", "1.0");
}

void TestSettingsStore::toInt32()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    QFETCH(int, value);
    const auto result = SettingsFormat::toInt32(text);
    QCOMPARE(result.has_value(), ok);
    if (ok)
        QCOMPARE(*result, value);
}

void TestSettingsStore::lookup_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected"); // null: no line for the key
    QTest::newRow("exact") << "Color=1\r\n" << "Color" << "1";
    QTest::newRow("any case") << "cOLOR=1" << "Color" << "1";
    QTest::newRow("first line wins") << "Color=1\r\nColor=2\r\n" << "Color" << "1";
    QTest::newRow("value after first =") << "FontName=a=b" << "FontName" << "a=b";
    QTest::newRow("value untrimmed") << "FontName= Arial \r\n" << "FontName" << " Arial ";
    QTest::newRow("blank before =") << "Color =1" << "Color" << QString();
    QTest::newRow("blank before key") << " Color=1" << "Color" << QString();
    QTest::newRow("no =") << "Color" << "Color" << QString();
    QTest::newRow("prefix of key") << "Colo=1\nColorX=2" << "Color" << QString();
    QTest::newRow("LF ends") << "A=1\nColor=2\n" << "Color" << "2";
    QTest::newRow("CR ends") << "A=1\rColor=2\r" << "Color" << "2";
    QTest::newRow("CR LF is one end") << "A=1\r\nColor=\r\nB=3" << "Color" << "";
    QTest::newRow("LF CR is two ends") << "A=1\n\rColor=2" << "Color" << "2";
    QTest::newRow("last line without end") << "A=1\r\nColor=9" << "Color" << "9";
    QTest::newRow("NUL ends the text") << QStringLiteral("A=1\r\nColor=7") + QChar(0) + QStringLiteral("8\r\nB=1")
                                       << "Color" << "7";
    QTest::newRow("nothing after NUL") << QStringLiteral("A=1") + QChar(0) + QStringLiteral("\r\nColor=1")
                                       << "Color" << QString();
}

void TestSettingsStore::lookup()
{
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    const auto value = SettingsFormat::lookup(text, key);
    QCOMPARE(value.has_value(), !expected.isNull());
    if (value)
        QCOMPARE(*value, expected);
}

void TestSettingsStore::loadSettings_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<ProgramSettings>("expected");
    const ProgramSettings defaults;
    const auto color = [](int c) { return defaultsWith([c](ProgramSettings &s) { s.DefaultColor = Color::fromValue(c); }); };

    QTest::newRow("every key") << QByteArray("Color=1\r\nOpacity=50\r\nTitle=2\r\nCheckForUpdates=0\r\n"
                                             "FontName=Arial\r\nFontSize=12\r\nFontColor=255\r\nFontStyle=3\r\n")
                               << defaultsWith([](ProgramSettings &s) {
                                      s.DefaultColor = Color::fromValue(1); s.DefaultOpacity = 50; s.DefaultTitle = 2;
                                      s.CheckForUpdates = false; s.DefaultFontName = QStringLiteral("Arial");
                                      s.DefaultFontSize = 12; s.DefaultFontColor = Color::fromValue(255); s.DefaultFontStyle = 3;
                                  });
    QTest::newRow("empty file") << QByteArray() << defaults;
    QTest::newRow("lower-case key") << QByteArray("color=255\r\n") << color(255);
    QTest::newRow("blank before =") << QByteArray("Color =255\r\n") << defaults;
    QTest::newRow("blank after =") << QByteArray("Color= 255\r\n") << color(255);
    QTest::newRow("dollar hex") << QByteArray("Color=$0000FF\r\n") << color(255);
    QTest::newRow("first of two lines") << QByteArray("Color=1\r\nColor=2\r\n") << color(1);
    QTest::newRow("LF only") << QByteArray("Opacity=30\nColor=5\n") << defaultsWith([](ProgramSettings &s) {
        s.DefaultColor = Color::fromValue(5); s.DefaultOpacity = 30;
    });
    QTest::newRow("CR only") << QByteArray("Opacity=30\rColor=5\r") << defaultsWith([](ProgramSettings &s) {
        s.DefaultColor = Color::fromValue(5); s.DefaultOpacity = 30;
    });
    QTest::newRow("NUL ends the text") << QByteArray("Color=5\r\n") + '\0' + QByteArray("Opacity=30\r\n") << color(5);
    QTest::newRow("trailing blank on Color fails every key")
        << QByteArray("Color=255 \r\nOpacity=50\r\nFontName=Arial\r\nCheckForUpdates=0\r\n") << defaults;
    QTest::newRow("bad Title keeps it and every later key")
        << QByteArray("Color=1\r\nOpacity=50\r\nTitle=two\r\nFontName=Arial\r\nFontSize=12\r\n"
                      "FontColor=9\r\nFontStyle=1\r\nCheckForUpdates=0\r\n")
        << defaultsWith([](ProgramSettings &s) { s.DefaultColor = Color::fromValue(1); s.DefaultOpacity = 50; });
    QTest::newRow("bad FontSize after FontName")
        << QByteArray("FontName=Arial\r\nFontSize=big\r\nFontStyle=1\r\nCheckForUpdates=0\r\n")
        << defaultsWith([](ProgramSettings &s) { s.DefaultFontName = QStringLiteral("Arial"); });
    QTest::newRow("bad CheckForUpdates is read last")
        << QByteArray("CheckForUpdates=yes\r\nFontStyle=4\r\n")
        << defaultsWith([](ProgramSettings &s) { s.DefaultFontStyle = 4; });
    QTest::newRow("blank-only value keeps the field and goes on")
        << QByteArray("Opacity= \t\x01\r\nTitle=3\r\n") << defaultsWith([](ProgramSettings &s) { s.DefaultTitle = 3; });
    QTest::newRow("empty value keeps the field") << QByteArray("Color=\r\nTitle=1\r\n")
                                                 << defaultsWith([](ProgramSettings &s) { s.DefaultTitle = 1; });
    QTest::newRow("font name blanks kept") << QByteArray("FontName= Arial \r\n")
                                           << defaultsWith([](ProgramSettings &s) { s.DefaultFontName = QStringLiteral(" Arial "); });
    QTest::newRow("empty font name keeps Tahoma") << QByteArray("FontName=\r\n") << defaults;
    QTest::newRow("no range check") << QByteArray("Opacity=-5\r\nTitle=99\r\nFontSize=0\r\n")
                                    << defaultsWith([](ProgramSettings &s) {
                                           s.DefaultOpacity = -5; s.DefaultTitle = 99; s.DefaultFontSize = 0;
                                       });
    QTest::newRow("other lines ignored") << QByteArray("[Section]\r\n; comment\r\nColor=3\r\nJunk\r\n") << color(3);

    const auto fontName = [](const QString &name) {
        return defaultsWith([name](ProgramSettings &s) { s.DefaultFontName = name; });
    };
    const QString name = QStringLiteral("Caf\u00e9 \u20ac \u0416");
    const QString text = QStringLiteral("FontName=") + name + QStringLiteral("\r\n");
    QTest::newRow("UTF-8 mark") << QByteArray("\xEF\xBB\xBF") + text.toUtf8() << fontName(name);
    QTest::newRow("UTF-16 LE mark") << QByteArray("\xFF\xFE") + utf16(text, QSysInfo::LittleEndian) << fontName(name);
    QTest::newRow("UTF-16 BE mark") << QByteArray("\xFE\xFF") + utf16(text, QSysInfo::BigEndian) << fontName(name);
    QTest::newRow("no mark is Windows-1252") << QByteArray("FontName=Caf\xE9 \x80\r\n")
                                             << fontName(QStringLiteral("Caf\u00e9 \u20ac"));
    QTest::newRow("UTF-16 LE key lookup") << QByteArray("\xFF\xFE") + utf16(QStringLiteral("color=$10\r\n"), QSysInfo::LittleEndian)
                                          << color(16);
}

void TestSettingsStore::loadSettings()
{
    QFETCH(QByteArray, file);
    QFETCH(ProgramSettings, expected);
    QVERIFY(writeFile(path(), file));
    ProgramSettings settings;
    SettingsStore(m_dir->path()).LoadSettings(settings);
    QCOMPARE(describe(settings), describe(expected));
    // A read never writes.
    QCOMPARE(readFile(path()), file);
}

void TestSettingsStore::checkForUpdatesIsAnyNonZero_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("before");
    QTest::addColumn<bool>("after");
    QTest::newRow("2 is true") << QByteArray("2") << false << true;
    QTest::newRow("-1 is true") << QByteArray("-1") << false << true;
    QTest::newRow("1 is true") << QByteArray("1") << false << true;
    QTest::newRow("0 is false") << QByteArray("0") << true << false;
    QTest::newRow("$0 is false") << QByteArray("$0") << true << false;
}

void TestSettingsStore::checkForUpdatesIsAnyNonZero()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, before);
    QFETCH(bool, after);
    QVERIFY(writeFile(path(), "CheckForUpdates=" + value + "\r\n"));
    ProgramSettings settings;
    settings.CheckForUpdates = before;
    SettingsStore(m_dir->path()).LoadSettings(settings);
    QCOMPARE(settings.CheckForUpdates, after);
}

void TestSettingsStore::missingFileIsWrittenWithDefaultsByteForByte()
{
    ProgramSettings settings;
    SettingsStore(m_dir->path()).LoadSettings(settings);
    QCOMPARE(readFile(path()), DefaultFile);
    QCOMPARE(describe(settings), describe(ProgramSettings{}));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList(QStringLiteral("settings.ini")));
}

void TestSettingsStore::unreadableFileKeepsDefaultsAndIsLeftAlone()
{
    // A folder by that name exists but cannot be read as a file, also by root.
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("settings.ini")));
    ProgramSettings settings;
    settings.DefaultOpacity = 40;
    SettingsStore(m_dir->path()).LoadSettings(settings);
    QCOMPARE(settings.DefaultOpacity, 40);
    QVERIFY(QFileInfo(path()).isDir());
}

void TestSettingsStore::missingFolderThrows()
{
    const QString folder = m_dir->filePath(QStringLiteral("gone/deeper"));
    ProgramSettings settings;
    QVERIFY_THROWS_EXCEPTION(PaperletError, SettingsStore(folder).LoadSettings(settings));
    QVERIFY_THROWS_EXCEPTION(PaperletError, SettingsStore(folder).SaveSettings(settings));
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("gone"))));
    try {
        SettingsStore(folder).SaveSettings(settings);
    } catch (const PaperletError &error) {
        QVERIFY2(error.message().contains(QLatin1String("settings.ini")), qPrintable(error.message()));
    }
}

void TestSettingsStore::saveSettings_data()
{
    QTest::addColumn<ProgramSettings>("settings");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("defaults") << ProgramSettings{} << DefaultFile;
    QTest::newRow("every field") << defaultsWith([](ProgramSettings &s) {
        s.DefaultColor = Color::fromValue(-16777201); s.DefaultOpacity = 70; s.DefaultTitle = 3; s.CheckForUpdates = false;
        s.DefaultFontName = QStringLiteral(" Comic Sans "); s.DefaultFontSize = 14; s.DefaultFontColor = Color::fromValue(255);
        s.DefaultFontStyle = 15;
    }) << QByteArray("Color=-16777201\r\nOpacity=70\r\nTitle=3\r\nCheckForUpdates=0\r\n"
                     "FontName= Comic Sans \r\nFontSize=14\r\nFontColor=255\r\nFontStyle=15\r\n");
    QTest::newRow("empty font name left out")
        << defaultsWith([](ProgramSettings &s) { s.DefaultFontName.clear(); })
        << QByteArray("Color=10092543\r\nOpacity=100\r\nTitle=0\r\nCheckForUpdates=1\r\n"
                      "FontSize=10\r\nFontColor=0\r\nFontStyle=0\r\n");
    QTest::newRow("Windows-1252 with ? for the rest")
        << defaultsWith([](ProgramSettings &s) {
               s.DefaultFontName = QStringLiteral("Caf\u00e9\u20ac\u0416\u4e2d") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("!");
           })
        << QByteArray("Color=10092543\r\nOpacity=100\r\nTitle=0\r\nCheckForUpdates=1\r\n"
                      "FontName=Caf\xE9\x80???" "!\r\nFontSize=10\r\nFontColor=0\r\nFontStyle=0\r\n");
    QTest::newRow("lowest integer")
        << defaultsWith([](ProgramSettings &s) { s.DefaultFontName = QStringLiteral("A"); s.DefaultFontSize = INT_MIN; })
        << QByteArray("Color=10092543\r\nOpacity=100\r\nTitle=0\r\nCheckForUpdates=1\r\n"
                      "FontName=A\r\nFontSize=-2147483648\r\nFontColor=0\r\nFontStyle=0\r\n");
}

void TestSettingsStore::saveSettings()
{
    QFETCH(ProgramSettings, settings);
    QFETCH(QByteArray, file);
    SettingsStore(m_dir->path()).SaveSettings(settings);
    QCOMPARE(readFile(path()), file);
}

void TestSettingsStore::saveReplacesWholeFileWithoutTemporaries()
{
    QVERIFY(writeFile(path(), "Color=1\r\nColor=2\r\nOther=3\r\n" + QByteArray(4000, 'x')));
    SettingsStore(m_dir->path()).SaveSettings(ProgramSettings{});
    QCOMPARE(readFile(path()), DefaultFile);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList(QStringLiteral("settings.ini")));
}

void TestSettingsStore::fullDiskKeepsTheOldFile()
{
    const ScratchTmpfs disk;
    if (!disk.skip().isEmpty())
        QSKIP(qPrintable(disk.skip()));
    const QString file = disk.filePath(QStringLiteral("settings.ini"));
    QVERIFY(writeFile(file, DefaultFile));
    QVERIFY(disk.fill());
    ProgramSettings changed;
    changed.DefaultFontName = QStringLiteral("Verdana");
    try {
        SettingsStore(disk.path()).SaveSettings(changed);
        QFAIL("saving to a full disk was reported as done");
    } catch (const PaperletError &error) {
        QVERIFY2(error.message().startsWith(QStringLiteral("Cannot create file \"%1\".").arg(QDir::toNativeSeparators(file))),
                 qPrintable(error.message()));
    }
    QCOMPARE(readFile(file), DefaultFile);
}

void TestSettingsStore::negativeColourRoundTrips()
{
    // 0xFF00000F: a system colour.
    QVERIFY(writeFile(path(), "Color=-16777201\r\nFontColor=$FF000008\r\n"));
    const SettingsStore store(m_dir->path());
    ProgramSettings settings;
    store.LoadSettings(settings);
    QCOMPARE(settings.DefaultColor, Color::fromValue(qint32(0xFF00000F)));
    QCOMPARE(settings.DefaultFontColor, Color::fromValue(qint32(0xFF000008)));
    store.SaveSettings(settings);
    const QByteArray saved = readFile(path());
    QVERIFY2(saved.startsWith("Color=-16777201\r\n"), saved.constData());
    QVERIFY2(saved.contains("\r\nFontColor=-16777208\r\n"), saved.constData());
    ProgramSettings again;
    store.LoadSettings(again);
    QCOMPARE(describe(again), describe(settings));
}

void TestSettingsStore::bomFileIsRewrittenInAnsiWithoutMark()
{
    QVERIFY(writeFile(path(), QByteArray("\xEF\xBB\xBF") + QStringLiteral("FontName=Caf\u00e9\r\n").toUtf8()));
    const SettingsStore store(m_dir->path());
    ProgramSettings settings;
    store.LoadSettings(settings);
    QCOMPARE(settings.DefaultFontName, QStringLiteral("Caf\u00e9"));
    store.SaveSettings(settings);
    const QByteArray saved = readFile(path());
    QVERIFY(saved.startsWith("Color="));
    QVERIFY(saved.contains("\r\nFontName=Caf\xE9\r\n"));
}

void TestSettingsStore::notesFolder()
{
    const SettingsStore store(m_dir->path());
    const QString folder = store.NotesFolder();
    QCOMPARE(folder, QDir(m_dir->path()).filePath(QStringLiteral("Notes")) + QLatin1Char('/'));
    QVERIFY(!QFileInfo::exists(folder));
    store.EnsureNotesFolder();
    QVERIFY(QFileInfo(folder).isDir());
    store.EnsureNotesFolder(); // already there: nothing happens
    QVERIFY(QFileInfo(folder).isDir());

    // Only the last level is created, and a failure is silent.
    const SettingsStore missing(m_dir->filePath(QStringLiteral("gone")));
    missing.EnsureNotesFolder();
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("gone"))));
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(writeFile(m_dir->filePath(QStringLiteral("Notes")), "a file"));
    store.EnsureNotesFolder();
    QVERIFY(QFileInfo(m_dir->filePath(QStringLiteral("Notes"))).isFile());
}

QTEST_GUILESS_MAIN(TestSettingsStore)

#include "tst_settings_store.moc"
