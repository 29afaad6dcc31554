// The command line: options that need no desktop, and the tray menu's
// commands handed to the running copy over a private session bus.

#include "e2e_session.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

const QByteArray QuietSettings = "CheckForUpdates=0\r\n";
const QString NewNoteTitle = QStringLiteral("New Note");

// Runs one more copy with the options and waits for it to end; its exit
// code, or -1 when it did not end.
int runCopy(E2eSession &session, const QStringList &arguments, QByteArray *output = nullptr)
{
    E2eProgram &copy = session.start(arguments);
    if (!copy.waitForExit())
        return -1;
    if (output)
        *output = copy.output();
    return copy.exitCode();
}

bool waitForShownWindows(const E2eProgram &app, int count)
{
    return E2eSession::waitFor([&] { return app.shownWindows().size() == count; });
}

// Closes the dialog with the given caption by Escape (About takes it).
bool closeDialog(const E2eProgram &app, const QString &caption)
{
    const XWindow dialog = app.waitForWindow(caption, E2eProgram::ViewableOnly);
    if (!dialog)
        return false;
    E2eSession::focus(dialog);
    E2eSession::key(QStringLiteral("Escape"));
    return app.waitForWindowGone(dialog);
}

} // namespace

class TestCommandLine final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void optionsWithoutDesktop_data();
    void optionsWithoutDesktop();
    void displayThatDoesNotAnswer_data();
    void displayThatDoesNotAnswer();
    void manPageListsTheOptionsOfHelp();
    void commandsReachRunningCopy();
    void commandsWithNoCopyRunning_data();
    void commandsWithNoCopyRunning();
    void plainSecondStartStillWarns();
    void failedCommandIsShownAndTheProgramGoesOn_data();
    void failedCommandIsShownAndTheProgramGoesOn();
    void noBusFailsClearly();
};

void TestCommandLine::optionsWithoutDesktop_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("stdoutStart");
    QTest::addColumn<QByteArray>("stderrStart");

    QTest::newRow("version") << QStringList{"--version"} << 0 << QByteArray("Paperlet 1.1\n") << QByteArray();
    QTest::newRow("help") << QStringList{"--help"} << 0 << QByteArray("Usage: paperlet [OPTION]") << QByteArray();
    // A wrong command line names what was wrong, then gives the usage.
    QTest::newRow("unknown") << QStringList{"--frobnicate"} << 2 << QByteArray()
                             << QByteArray("paperlet: unknown option '--frobnicate'\nUsage: paperlet [OPTION]");
    QTest::newRow("plain word") << QStringList{"notes"} << 2 << QByteArray()
                                << QByteArray("paperlet: unknown option 'notes'\nUsage: paperlet [OPTION]");
    QTest::newRow("two commands") << QStringList{"--new-note", "--exit"} << 2 << QByteArray()
                                  << QByteArray("paperlet: only one option at a time; '--exit' is one too many\n"
                                                "Usage: paperlet [OPTION]");

}

void TestCommandLine::optionsWithoutDesktop()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, stdoutStart);
    QFETCH(QByteArray, stderrStart);

    E2eSession session;
    QProcess copy;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    copy.setProcessEnvironment(env);
    copy.start(session.binary(), arguments);
    QVERIFY(copy.waitForFinished(20000));
    QCOMPARE(copy.exitStatus(), QProcess::NormalExit);
    QCOMPARE(copy.exitCode(), exitCode);
    const QByteArray out = copy.readAllStandardOutput();
    const QByteArray err = copy.readAllStandardError();
    QVERIFY2(stdoutStart.isEmpty() ? out.isEmpty() : out.startsWith(stdoutStart), out.constData());
    QVERIFY2(stderrStart.isEmpty() ? err.isEmpty() : err.startsWith(stderrStart), err.constData());
    QVERIFY2(!err.contains("Reinstalling"), err.constData());
    // Nothing was started: no settings, no notes folder.
    QCOMPARE(session.appFolderEntries(), QStringList{QStringLiteral("paperlet")});
}

// Without a display the program says so and ends with 1; Qt alone would
// abort with advice about reinstalling.
void TestCommandLine::displayThatDoesNotAnswer_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<QByteArray>("message");

    const QString noServer = QStringLiteral(":%1").arg(QCoreApplication::applicationPid() % 30000 + 20000);
    const QByteArray gone = "DISPLAY \"" + noServer.toLatin1() + '"';
    const QByteArray start = "paperlet: no display could be opened (";
    QTest::newRow("no display at all") << QStringList{} << QString() << QString() << QString()
                                       << start + "DISPLAY unset)\n";
    QTest::newRow("no display, command") << QStringList{QStringLiteral("--settings")} << QString() << QString()
                                         << QString() << start + "DISPLAY unset)\n";
    QTest::newRow("X server gone") << QStringList{} << QString() << noServer << QString() << start + gone + ")\n";
    QTest::newRow("Wayland asked for, none there") << QStringList{} << QStringLiteral("wayland") << QString()
                                                   << QStringLiteral("no-such-wayland")
                                                   << start + "WAYLAND_DISPLAY \"no-such-wayland\")\n";
    QTest::newRow("neither of two") << QStringList{} << QStringLiteral("xcb;wayland") << noServer
                                    << QStringLiteral("no-such-wayland")
                                    << start + gone + ", WAYLAND_DISPLAY \"no-such-wayland\")\n";
}

void TestCommandLine::displayThatDoesNotAnswer()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, platform);
    QFETCH(QString, display);
    QFETCH(QString, wayland);
    QFETCH(QByteArray, message);

    E2eSession session;
    session.setEnvironment(QStringLiteral("QT_QPA_PLATFORM"), platform);
    session.setEnvironment(QStringLiteral("DISPLAY"), display);
    session.setEnvironment(QStringLiteral("WAYLAND_DISPLAY"), wayland);
    session.setEnvironment(QStringLiteral("XDG_SESSION_TYPE"), QString());
    session.setEnvironment(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString());
    QByteArray output;
    QCOMPARE(runCopy(session, arguments, &output), 1);
    QCOMPARE(output, message);
    // Nothing was started: no settings, no notes folder.
    QCOMPARE(session.appFolderEntries(), QStringList{QStringLiteral("paperlet")});
}

void TestCommandLine::manPageListsTheOptionsOfHelp()
{
    E2eSession session;
    QProcess help;
    help.start(session.binary(), {QStringLiteral("--help")});
    QVERIFY(help.waitForFinished(20000));
    // An option with what it takes: "--find WORDS", up to the two blanks
    // before its description.
    QStringList helpOptions;
    for (const QByteArray &line : help.readAllStandardOutput().split('\n'))
        if (line.trimmed().startsWith("--"))
            helpOptions.append(QString::fromLatin1(line.trimmed()).section(QStringLiteral("  "), 0, 0));
    QVERIFY(helpOptions.size() >= 8);

    QFile page(QStringLiteral(PAPERLET_MAN_PAGE));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(page.readAll());
    QVERIFY2(!text.contains(QStringLiteral("no options of its own")), "the page denies the options");
    // Each option is a tagged paragraph of the OPTIONS section, in the same order.
    const QString options = text.section(QStringLiteral(".SH OPTIONS"), 1).section(QStringLiteral(".SH "), 0, 0);
    QStringList pageOptions;
    const QStringList lines = options.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        if (lines.at(i) == QLatin1String(".TP") && lines.at(i + 1).startsWith(QLatin1String(".B --")))
            pageOptions.append(lines.at(i + 1).mid(3).remove(QRegularExpression(QStringLiteral("\\\\f[BIRP]"))).remove(QLatin1Char('\\')));
    QCOMPARE(pageOptions, helpOptions);
}

void TestCommandLine::commandsReachRunningCopy()
{
    E2E_SESSION(session);
    E2E_BUS(bus, session);
    session.seedSettings(QuietSettings);
    session.seedNote(QStringLiteral("1.pnf"), E2eSession::noteFile(100, 100, "Kept", "kept text"));
    E2eProgram &app = session.start();
    QVERIFY(app.waitForTrayIcon());
    QVERIFY(waitForShownWindows(app, 1));

    QCOMPARE(runCopy(session, {QStringLiteral("--hide-all")}), 0);
    QVERIFY(waitForShownWindows(app, 0));
    QCOMPARE(runCopy(session, {QStringLiteral("--show-all")}), 0);
    QVERIFY(waitForShownWindows(app, 1));
    QCOMPARE(runCopy(session, {QStringLiteral("--new-note")}), 0);
    QVERIFY(app.waitForWindow(NewNoteTitle, E2eProgram::ViewableOnly));
    QVERIFY(waitForShownWindows(app, 2));

    // A modal dialog does not hold up the copy that asked for it.
    QCOMPARE(runCopy(session, {QStringLiteral("--about")}), 0);
    QVERIFY(closeDialog(app, QStringLiteral("About")));
    QCOMPARE(runCopy(session, {QStringLiteral("--settings")}), 0);
    QVERIFY(app.waitForWindow(QStringLiteral("Settings"), E2eProgram::ViewableOnly));

    // Exit is the orderly teardown, also from under a modal dialog: the
    // stored note is written back, the empty new one leaves nothing.
    QCOMPARE(runCopy(session, {QStringLiteral("--exit")}), 0);
    QVERIFY(app.waitForExit());
    QCOMPARE(app.exitCode(), 0);
    QCOMPARE(session.noteFiles(), QStringList{QStringLiteral("1.pnf")});
    QVERIFY(session.readNote(QStringLiteral("1.pnf")).contains("kept text"));
}

void TestCommandLine::commandsWithNoCopyRunning_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("shows");   // the window the started program shows; empty: it does not start

    QTest::newRow("hide-all") << QStringLiteral("--hide-all") << QString();
    QTest::newRow("exit") << QStringLiteral("--exit") << QString();
    QTest::newRow("new-note") << QStringLiteral("--new-note") << NewNoteTitle;
    QTest::newRow("about") << QStringLiteral("--about") << QStringLiteral("About");
    QTest::newRow("settings") << QStringLiteral("--settings") << QStringLiteral("Settings");
}

void TestCommandLine::commandsWithNoCopyRunning()
{
    QFETCH(QString, option);
    QFETCH(QString, shows);

    E2E_SESSION(session);
    E2E_BUS(bus, session);
    if (shows.isEmpty()) {
        QCOMPARE(runCopy(session, {option}), 0);
        QCOMPARE(session.appFolderEntries(), QStringList{QStringLiteral("paperlet")});
        return;
    }
    session.seedSettings(QuietSettings);
    E2eProgram &app = session.start({option});
    QVERIFY(app.waitForTrayIcon());
    QVERIFY(app.waitForWindow(shows, E2eProgram::ViewableOnly));
    // It is the running copy now: a later command reaches it.
    QCOMPARE(runCopy(session, {QStringLiteral("--exit")}), 0);
    QVERIFY(app.waitForExit());
    QCOMPARE(app.exitCode(), 0);
}

void TestCommandLine::plainSecondStartStillWarns()
{
    E2E_SESSION(session);
    E2E_BUS(bus, session);
    session.seedSettings(QuietSettings);
    E2eProgram &app = session.start();
    QVERIFY(app.waitForTrayIcon());

    E2eProgram &second = session.start();
    QVERIFY(second.answerMessageBox(QStringLiteral("Warning")));
    QVERIFY(second.waitForExit());
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(app.shownWindows().isEmpty());
}

// A command that fails, from a later start or with the first, is shown in
// the error box and the program takes the next one.
void TestCommandLine::failedCommandIsShownAndTheProgramGoesOn_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("withFirstStart");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QByteArray>("error");

    QTest::newRow("later start, Show All: notes folder gone") << QStringLiteral("notes folder") << false
                                                              << QStringLiteral("--show-all")
                                                              << QByteArray("Cannot open the notes folder");
    QTest::newRow("later start, Settings: autostart entry unreadable") << QStringLiteral("autostart") << false
                                                                       << QStringLiteral("--settings")
                                                                       << QByteArray("Invalid data type for 'Paperlet'");
    QTest::newRow("first start, Settings: autostart entry unreadable") << QStringLiteral("autostart") << true
                                                                       << QStringLiteral("--settings")
                                                                       << QByteArray("Invalid data type for 'Paperlet'");
}

void TestCommandLine::failedCommandIsShownAndTheProgramGoesOn()
{
    QFETCH(QString, fault);
    QFETCH(bool, withFirstStart);
    QFETCH(QString, option);
    QFETCH(QByteArray, error);

    E2E_SESSION(session);
    E2E_BUS(bus, session);
    session.seedSettings(QuietSettings);
    const QDir app(session.appFolder());
    const auto breakIt = [&] {
        if (fault == QLatin1String("notes folder")) {
            // A file where the folder was: it cannot be listed, nor made again.
            QDir(app.filePath(QStringLiteral("Notes"))).removeRecursively();
            QFile blocker(app.filePath(QStringLiteral("Notes")));
            return blocker.open(QIODevice::WriteOnly);
        }
        // A folder where the entry file should be.
        return QDir().mkpath(app.filePath(QStringLiteral("../config/autostart/Paperlet.desktop")));
    };
    E2eProgram *program = nullptr;
    if (withFirstStart) {
        QVERIFY(breakIt());
        program = &session.start({option});
        QVERIFY(program->waitForTrayIcon());
    } else {
        program = &session.start();
        QVERIFY(program->waitForTrayIcon());
        QVERIFY(breakIt());
        QCOMPARE(runCopy(session, {option}), 0);
    }
    QVERIFY(program->answerMessageBox(QStringLiteral("Paperlet")));
    QVERIFY2(E2eSession::waitFor([&] { return program->output().contains(error); }), program->output().constData());
    // Caught where Qt called us, not by the last resort in the event loop.
    QVERIFY2(!program->output().contains("a handler is not guarded"), program->output().constData());
    QVERIFY(program->isRunning());
    QCOMPARE(runCopy(session, {QStringLiteral("--new-note")}), 0);
    QVERIFY(program->waitForWindow(NewNoteTitle, E2eProgram::ViewableOnly));
    QCOMPARE(runCopy(session, {QStringLiteral("--exit")}), 0);
    QVERIFY(program->waitForExit());
    QCOMPARE(program->exitCode(), 0);
}

void TestCommandLine::noBusFailsClearly()
{
    E2E_SESSION(session);
    session.setEnvironment(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                           QStringLiteral("unix:path=") + session.appFolder() + QStringLiteral("/no-bus"));
    session.seedSettings(QuietSettings);
    E2eProgram &app = session.start();
    QVERIFY(app.waitForTrayIcon());

    QByteArray output;
    QCOMPARE(runCopy(session, {QStringLiteral("--new-note")}, &output), 1);
    QVERIFY2(output.startsWith("paperlet: no D-Bus session bus"), output.constData());
    // The lock still decided: the first copy runs on, untouched.
    QVERIFY(app.isRunning());
    QVERIFY(app.shownWindows().isEmpty());
}

PAPERLET_E2E_MAIN(TestCommandLine)
#include "tst_command_line_e2e.moc"
