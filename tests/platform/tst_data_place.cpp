// Where settings.ini, Notes and rescued copies live: beside the executable in
// a portable copy, in the user's data folder in the packaged build.

#include "../common/scoped_env.h"
#include "platform/data_place.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <pwd.h>
#include <unistd.h>

#include <optional>

namespace {

QString accountHome()
{
    const passwd *account = ::getpwuid(::getuid());
    return account ? QFile::decodeName(account->pw_dir) : QString();
}

} // namespace

class TestDataPlace final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void thisBuildIsPortable();
    void portableKeepsFilesBesideExecutable();
    void packagedUsesUserDataFolder_data();
    void packagedUsesUserDataFolder();
    void packagedMakesItsFolder();

private:
    QTemporaryDir m_folder;
    QString m_scratch;
};

void TestDataPlace::initTestCase()
{
    QCoreApplication::setApplicationName(QStringLiteral("Paperlet"));
    QVERIFY(m_folder.isValid());
    m_scratch = QDir(m_folder.path()).canonicalPath();
}

void TestDataPlace::thisBuildIsPortable()
{
    // The tests are built with the default configuration only.
    QCOMPARE(DataPlace::buildLayout(), DataPlace::Layout::Portable);
    QCOMPARE(DataPlace().layout(), DataPlace::Layout::Portable);
}

void TestDataPlace::portableKeepsFilesBesideExecutable()
{
    const ScopedEnv data("XDG_DATA_HOME", m_scratch.toUtf8() + "/data");
    const DataPlace place(DataPlace::Layout::Portable);
    QCOMPARE(place.homeFolder(), QCoreApplication::applicationDirPath());
    QCOMPARE(place.rescueFolder(), m_scratch + QStringLiteral("/data/Paperlet/Rescued notes/"));
}

void TestDataPlace::packagedUsesUserDataFolder_data()
{
    QTest::addColumn<std::optional<QByteArray>>("xdgDataHome");
    QTest::addColumn<std::optional<QByteArray>>("home");
    QTest::addColumn<QString>("expected");   // "~" is the account's home

    const QByteArray scratch = m_scratch.toUtf8();
    QTest::newRow("XDG_DATA_HOME") << std::optional<QByteArray>(scratch + "/xdg")
                                   << std::optional<QByteArray>(scratch + "/home")
                                   << m_scratch + QStringLiteral("/xdg/Paperlet");
    QTest::newRow("unset: HOME") << std::optional<QByteArray>()
                                 << std::optional<QByteArray>(scratch + "/home")
                                 << m_scratch + QStringLiteral("/home/.local/share/Paperlet");
    QTest::newRow("empty: HOME") << std::optional<QByteArray>("")
                                 << std::optional<QByteArray>(scratch + "/home")
                                 << m_scratch + QStringLiteral("/home/.local/share/Paperlet");
    // A relative XDG_DATA_HOME is invalid and ignored.
    QTest::newRow("relative: HOME") << std::optional<QByteArray>("xdg")
                                    << std::optional<QByteArray>(scratch + "/home")
                                    << m_scratch + QStringLiteral("/home/.local/share/Paperlet");
    // Without HOME not the file system's root but the account's home.
    QTest::newRow("no HOME") << std::optional<QByteArray>() << std::optional<QByteArray>()
                             << QStringLiteral("~/.local/share/Paperlet");
    QTest::newRow("trailing slash") << std::optional<QByteArray>(scratch + "/xdg/")
                                    << std::optional<QByteArray>(scratch + "/home")
                                    << m_scratch + QStringLiteral("/xdg/Paperlet");
}

void TestDataPlace::packagedUsesUserDataFolder()
{
    QFETCH(std::optional<QByteArray>, xdgDataHome);
    QFETCH(std::optional<QByteArray>, home);
    QFETCH(QString, expected);
    if (expected.startsWith(u'~'))
        expected.replace(0, 1, accountHome());

    QString homeFolder;
    QString rescueFolder;
    {
        const ScopedEnv data("XDG_DATA_HOME", xdgDataHome);
        const ScopedEnv user("HOME", home);
        const DataPlace place(DataPlace::Layout::Packaged);
        rescueFolder = place.rescueFolder();
        // Only scratch folders may be made here.
        if (expected.startsWith(m_scratch))
            homeFolder = place.homeFolder();
    }
    QCOMPARE(rescueFolder, expected + QStringLiteral("/Rescued notes/"));
    if (expected.startsWith(m_scratch))
        QCOMPARE(homeFolder, expected);
    QVERIFY(!rescueFolder.startsWith(QCoreApplication::applicationDirPath()));
}

void TestDataPlace::packagedMakesItsFolder()
{
    const QString base = m_scratch + QStringLiteral("/new/deep");
    QDir(m_scratch + QStringLiteral("/new")).removeRecursively();
    const ScopedEnv data("XDG_DATA_HOME", base.toUtf8());
    const QString folder = DataPlace(DataPlace::Layout::Packaged).homeFolder();
    QCOMPARE(folder, base + QStringLiteral("/Paperlet"));
    QVERIFY(QFileInfo(folder).isDir());
    QVERIFY(QFileInfo(folder).isWritable());
}

QTEST_GUILESS_MAIN(TestDataPlace)
#include "tst_data_place.moc"
