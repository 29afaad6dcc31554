// The Debian package as a user meets it: installed with apt-get, the program
// started from /usr/bin with a fresh home keeps its files in that home's data
// folder, never beside itself, and the package goes away again.

#include "e2e_session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <csignal>
#include <unistd.h>

namespace {

const QString Program = QStringLiteral("/usr/bin/paperlet");
const QString NewNoteTitle = QStringLiteral("New Note");
// Settings without the network check, so that nothing reaches out.
const QByteArray QuietSettings = "CheckForUpdates=0\r\n";
enum TrayItem { Settings = 4 };   // after New Note, Show All, Hide All, All Notes

// apt-get with its output; -1 when it did not end in time. It waits for a
// lock held by another apt instead of failing at once, and its triggers
// (manual pages, menus) take a while on a busy machine: it must never be cut
// short, which would leave dpkg half done.
int apt(const QStringList &arguments, QByteArray *output)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DEBIAN_FRONTEND"), QStringLiteral("noninteractive"));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral("apt-get"), QStringList{QStringLiteral("-o"), QStringLiteral("DPkg::Lock::Timeout=300"),
                                                         QStringLiteral("-y")} + arguments);
    const bool ended = process.waitForFinished(480000);
    *output = process.readAll();
    return ended && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

bool packageInstalled()
{
    return E2eSession::run(QStringLiteral("dpkg-query"),
                           {QStringLiteral("-W"), QStringLiteral("-f=${Status}"), QStringLiteral("paperlet")})
        .contains(QLatin1String("install ok installed"));
}

// Nothing but the program itself in its system folder.
bool systemFolderUntouched()
{
    const QDir bin(QStringLiteral("/usr/bin"));
    return !bin.exists(QStringLiteral("settings.ini")) && !bin.exists(QStringLiteral("Notes"));
}

} // namespace

class TestPackage final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void installsItsFiles();
    void keepsDataInUserDataFolder();
    void loadOnStartupRunsInstalledProgram();

private:
    bool m_installed = false;
};

void TestPackage::initTestCase()
{
    const QString deb = qEnvironmentVariable("PAPERLET_PACKAGE_DEB");
    QVERIFY2(QFileInfo::exists(deb), qPrintable(deb + QStringLiteral(" is missing: scripts/package.sh makes it")));
    QByteArray out;
    const int code = apt({QStringLiteral("install"), deb}, &out);
    m_installed = packageInstalled();
    QVERIFY2(code == 0 && m_installed, out.constData());
    QVERIFY(QFileInfo(Program).isExecutable());
}

void TestPackage::cleanupTestCase()
{
    if (!m_installed)
        return;
    QByteArray out;
    QVERIFY2(apt({QStringLiteral("remove"), QStringLiteral("paperlet")}, &out) == 0, out.constData());
    QVERIFY(!packageInstalled());
    QVERIFY(!QFileInfo::exists(Program));
}

void TestPackage::installsItsFiles()
{
    const QStringList files = E2eSession::run(QStringLiteral("dpkg"), {QStringLiteral("-L"), QStringLiteral("paperlet")})
                                  .split(QLatin1Char('\n'));
    for (const char *path : {"/usr/bin/paperlet", "/usr/share/applications/paperlet.desktop",
                             "/usr/share/metainfo/example.paperlet.paperlet.metainfo.xml",
                             "/usr/share/man/man1/paperlet.1.gz", "/usr/share/doc/paperlet/copyright",
                             "/usr/share/dbus-1/interfaces/example.paperlet.Commands.xml",
                             "/usr/share/icons/hicolor/16x16/apps/paperlet.png",
                             "/usr/share/icons/hicolor/256x256/apps/paperlet.png"})
        QVERIFY2(files.contains(QLatin1String(path)), path);

    // The design's font comes with the package.
    const QString depends = E2eSession::run(QStringLiteral("dpkg-query"),
                                            {QStringLiteral("-W"), QStringLiteral("-f=${Depends}"), QStringLiteral("paperlet")});
    QVERIFY2(depends.contains(QLatin1String("fonts-wine")), qPrintable(depends));

    QFile entry(QStringLiteral("/usr/share/applications/paperlet.desktop"));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QByteArray text = entry.readAll();
    QVERIFY2(text.contains("\nExec=paperlet\n") && text.contains("\nTryExec=paperlet\n"), text.constData());
}

void TestPackage::keepsDataInUserDataFolder()
{
    E2eSession session(QString(), E2eSession::Layout::Installed);
    const QString data = QDir(session.homeFolder()).filePath(QStringLiteral(".local/share/Paperlet"));
    QCOMPARE(session.dataFolder(), data);
    QVERIFY(!QFileInfo::exists(data));

    // A first start makes the folder, settings.ini and Notes in it.
    E2eProgram &app = session.start();
    QVERIFY(app.waitForTrayIcon());
    QVERIFY(E2eSession::waitFor([&] {
        return QFileInfo(session.settingsPath()).isFile() && QFileInfo(session.notesFolder()).isDir();
    }));

    // A note made from the tray; a double click may land as two singles on
    // a busy machine, so try again.
    XWindow note = 0;
    for (int attempt = 0; attempt < 3 && !note; ++attempt) {
        QVERIFY(session.doubleClickTray());
        note = app.waitForWindow(NewNoteTitle, E2eProgram::ViewableOnly, 10000);
    }
    QVERIFY(note);
    E2eSession::typeInto(note, QStringLiteral("Installed"));

    // SIGTERM ends it in order: the note reaches its file.
    app.sendSignal(SIGTERM);
    QVERIFY(app.waitForExit());
    QCOMPARE(app.exitCode(), 0);
    const QStringList notes = session.noteFiles();
    QCOMPARE(notes.size(), 1);
    QVERIFY(notes.first().endsWith(QLatin1String(".pnf")));
    QVERIFY2(session.readNote(notes.first()).contains("Installed"), session.readNote(notes.first()).constData());

    // Nothing beside the program, nor in the folder it was started from.
    QVERIFY(systemFolderUntouched());
    QVERIFY(QDir(session.appFolder()).isEmpty());
}

void TestPackage::loadOnStartupRunsInstalledProgram()
{
    E2eSession session(QString(), E2eSession::Layout::Installed);
    QVERIFY(QDir().mkpath(session.dataFolder()));
    session.seedSettings(QuietSettings);
    E2eProgram &app = session.start();
    QVERIFY(app.waitForTrayIcon());
    QVERIFY(session.rightClickTray());
    QVERIFY(app.waitForPopupMenu());
    E2eSession::pickMenuItem(Settings);
    const XWindow dialog = app.waitForWindow(QStringLiteral("Settings"), E2eProgram::ViewableOnly);
    QVERIFY(dialog);
    E2eSession::focus(dialog);
    // From the page's tab: tick "Load on startup", then back round past the
    // tab and Close to OK.
    E2eSession::keys({"Tab", "space", "shift+Tab", "shift+Tab", "shift+Tab", "space"});
    QVERIFY(app.waitForWindowGone(dialog));

    QFile entry(QDir(session.homeFolder()).filePath(QStringLiteral("../config/autostart/Paperlet.desktop")));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QByteArray text = entry.readAll();
    QVERIFY2(text.contains("\nExec=/usr/bin/paperlet\n"), text.constData());

    app.sendSignal(SIGTERM);
    QVERIFY(app.waitForExit());
    QVERIFY(systemFolderUntouched());
}

int main(int argc, char *argv[])
{
    // Each reason is printed, so that a skip says why.
    if (::geteuid() != 0) {
        qWarning("skipped: installing the package system-wide needs root (CI runs as root)");
        return 77;
    }
    if (!E2eSession::hasDisplay()) {
        qWarning("skipped: no DISPLAY: run under tests/e2e/with-display.sh");
        return 77;
    }
    if (packageInstalled()) {
        qWarning("skipped: a paperlet package is installed here already; this test would replace it");
        return 77;
    }
    QCoreApplication app(argc, argv);
    TestPackage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_package_e2e.moc"
