// The command line for scripts (--list, --find, --new-note TEXT, --show,
// --text, --remind) against the real program over a private session bus,
// with a copy running and without one, and the bus interface it documents.

#include "e2e_session.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include <csignal>

namespace {

const QByteArray QuietSettings = "CheckForUpdates=0\r\n";
const QString Service = QStringLiteral("example.paperlet.Paperlet1_1");
const QString ObjectPath = QStringLiteral("/Paperlet");
const QString Interface = QStringLiteral("example.paperlet.Commands");
constexpr int RunMs = 40000;

struct Ran
{
    int exitCode = -1;   // -1: did not end, or crashed
    QByteArray out;
    QByteArray err;
};

// One more copy with the arguments, stdout and stderr apart, `input` on its
// standard input; waits for it to end.
Ran runScript(const E2eSession &session, const QStringList &arguments, const QByteArray &input = QByteArray())
{
    QProcess copy;
    copy.setProcessEnvironment(session.environment());
    copy.setWorkingDirectory(session.appFolder());
    copy.start(session.binary(), arguments);
    Ran ran;
    if (!copy.waitForStarted(RunMs))
        return ran;
    copy.write(input);
    copy.closeWriteChannel();
    if (!copy.waitForFinished(RunMs)) {
        E2eSession::stopProcess(copy);
        return ran;
    }
    ran.out = copy.readAllStandardOutput();
    ran.err = copy.readAllStandardError();
    if (copy.exitStatus() == QProcess::NormalExit)
        ran.exitCode = copy.exitCode();
    return ran;
}

// What is on the private bus, asked by a connection of this test's own.
class BusProbe
{
public:
    explicit BusProbe(const QString &address)
        : m_bus(QDBusConnection::connectToBus(address, QStringLiteral("probe%1").arg(++s_count)))
    {
    }
    ~BusProbe() { QDBusConnection::disconnectFromBus(m_bus.name()); }

    bool copyRuns() const { return m_bus.interface() && m_bus.interface()->isServiceRegistered(Service); }
    // The running copy's process id, 0 when none runs.
    qint64 copyPid() const
    {
        if (!copyRuns())
            return 0;
        return m_bus.interface()->servicePid(Service).value();
    }
    QString introspect() const
    {
        const QDBusMessage reply = m_bus.call(QDBusMessage::createMethodCall(
            Service, ObjectPath, QStringLiteral("org.freedesktop.DBus.Introspectable"), QStringLiteral("Introspect")));
        return reply.arguments().value(0).toString();
    }

private:
    static inline int s_count = 0;
    QDBusConnection m_bus;
};

bool processGone(qint64 pid)
{
    return ::kill(pid_t(pid), 0) != 0;
}

// A copy the program started by itself (no copy ran): the case asks it to
// exit and, should that fail, ends exactly that process.
class DetachedCopy
{
public:
    DetachedCopy(const E2eSession &session, qint64 pid)
        : m_session(session)
        , m_pid(pid)
    {
    }
    ~DetachedCopy()
    {
        if (m_pid <= 0 || processGone(m_pid))
            return;
        ::kill(pid_t(m_pid), SIGKILL);
    }
    bool exit()
    {
        return runScript(m_session, {QStringLiteral("--exit")}).exitCode == 0
               && E2eSession::waitFor([this] { return processGone(m_pid); });
    }

private:
    const E2eSession &m_session;
    const qint64 m_pid;
};

// The methods of the interface in an introspection text: "Name(in s text, out s file)".
QStringList methodsOf(const QString &xml)
{
    QStringList methods;
    QXmlStreamReader reader(xml);
    bool inInterface = false;
    QString current;
    QStringList args;
    while (!reader.atEnd()) {
        reader.readNext();
        const QString name = reader.name().toString();
        if (reader.isStartElement() && name == QLatin1String("interface"))
            inInterface = reader.attributes().value(QLatin1String("name")) == Interface;
        else if (reader.isEndElement() && name == QLatin1String("interface"))
            inInterface = false;
        if (!inInterface)
            continue;
        if (reader.isStartElement() && name == QLatin1String("method")) {
            current = reader.attributes().value(QLatin1String("name")).toString();
            args.clear();
        } else if (reader.isStartElement() && name == QLatin1String("arg")) {
            const QXmlStreamAttributes a = reader.attributes();
            args.append(QStringLiteral("%1 %2 %3").arg(a.value(QLatin1String("direction")).toString(),
                                                       a.value(QLatin1String("type")).toString(),
                                                       a.value(QLatin1String("name")).toString()));
        } else if (reader.isEndElement() && name == QLatin1String("method")) {
            methods.append(current + QLatin1Char('(') + args.join(QStringLiteral(", ")) + QLatin1Char(')'));
        } else if (reader.isStartElement() && name == QLatin1String("signal")) {
            methods.append(QStringLiteral("signal ") + reader.attributes().value(QLatin1String("name")).toString());
        }
    }
    if (reader.hasError())
        methods.append(QStringLiteral("XML error: ") + reader.errorString());
    return methods;
}

// Notes in several scripts, changed at known times: the list shows the
// last changed first, and notes changed at the same moment by file name.
struct SeededNote
{
    const char *file;
    const char *title;
    const char *text;
    int minutesAgo;
};

const SeededNote Seeded[] = {
    {"a.pnf", "Shopping", "milk, bread and Café au lait", 30},
    {"b.pnf", "会議", "明日の会議は十時", 10},
    {"c.pnf", "تذكير", "قال مرحبا للجميع", 20},
    {"d.pnf", "Party 🎉", "bring the cake 🎂 and CAFE", 20},
};

void seedNotes(E2eSession &session)
{
    const QDateTime now = QDateTime::currentDateTime();
    for (const SeededNote &note : Seeded) {
        session.seedNote(QString::fromLatin1(note.file), E2eSession::noteFile(100, 100, note.title, note.text));
        QFile file(QDir(session.notesFolder()).filePath(QString::fromLatin1(note.file)));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(now.addSecs(-60 * note.minutesAgo), QFileDevice::FileModificationTime));
    }
}

const QByteArray SeededList = QByteArray("b.pnf\t会議\n") + "c.pnf\tتذكير\n" + "d.pnf\tParty 🎉\n" + "a.pnf\tShopping\n";

// One stored note, "Kept", for a copy to show.
void seedKeptNote(const E2eSession &session)
{
    session.seedSettings(QuietSettings);
    session.seedNote(QStringLiteral("1.pnf"), E2eSession::noteFile(100, 100, "Kept", "kept text"));
}

// Its window once the copy shows it; 0 when it does not.
XWindow keptNote(E2eProgram &app)
{
    return app.waitForTrayIcon() ? app.waitForWindow(QStringLiteral("Kept"), E2eProgram::ViewableOnly) : 0;
}

} // namespace

class TestScripts final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readingCommands_data();
    void readingCommands();
    void commandsThatStartACopy_data();
    void commandsThatStartACopy();
    void newNotesInSeveralScripts();
    void unsavedTypingIsSeen();
    void remindWritesTheNoteFile();
    void showBringsBackHiddenAndLostNotes();
    void interfaceIsAsDocumented();
};

void TestScripts::readingCommands_data()
{
    QTest::addColumn<bool>("copyRunning");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QByteArray>("out");
    QTest::addColumn<QByteArray>("errStart");

    const QByteArray noNote = "paperlet: there is no note \"";
    for (const bool running : {false, true}) {
        const char *how = running ? "running copy: " : "no copy: ";
        QTest::addRow("%s%s", how, "list") << running << QStringList{"--list"} << 0 << SeededList << QByteArray();
        QTest::addRow("%s%s", how, "find, accents and case") << running << QStringList{"--find", "café"} << 0
                                                      << QByteArray("d.pnf\tParty 🎉\na.pnf\tShopping\n") << QByteArray();
        QTest::addRow("%s%s", how, "find, every word") << running << QStringList{"--find", "CAFE", "cake"} << 0
                                                << QByteArray("d.pnf\tParty 🎉\n") << QByteArray();
        QTest::addRow("%s%s", how, "find CJK") << running << QStringList{"--find", "会議"} << 0 << QByteArray("b.pnf\t会議\n")
                                        << QByteArray();
        QTest::addRow("%s%s", how, "find Arabic") << running << QStringList{"--find", "مرحبا"} << 0
                                           << QByteArray("c.pnf\tتذكير\n") << QByteArray();
        QTest::addRow("%s%s", how, "find emoji") << running << QStringList{"--find", "🎂"} << 0 << QByteArray("d.pnf\tParty 🎉\n")
                                          << QByteArray();
        QTest::addRow("%s%s", how, "find nothing") << running << QStringList{"--find", "butter"} << 0 << QByteArray() << QByteArray();
        QTest::addRow("%s%s", how, "text") << running << QStringList{"--text", "c.pnf"} << 0
                                    << QByteArray("تذكير\n\nقال مرحبا للجميع\n") << QByteArray();
        QTest::addRow("%s%s", how, "text, emoji") << running << QStringList{"--text", "d.pnf"} << 0
                                           << QByteArray("Party 🎉\n\nbring the cake 🎂 and CAFE\n") << QByteArray();
        QTest::addRow("%s%s", how, "text, unknown note") << running << QStringList{"--text", "zz.pnf"} << 1 << QByteArray()
                                                  << noNote + "zz.pnf\" in ";
        QTest::addRow("%s%s", how, "text, a path out of the folder") << running << QStringList{"--text", "../settings.ini"} << 1
                                                              << QByteArray() << noNote + "../settings.ini\" in ";
        QTest::addRow("%s%s", how, "find without words") << running << QStringList{"--find"} << 2 << QByteArray()
                                                  << QByteArray("paperlet: '--find' needs the words to look for\nUsage:");
        QTest::addRow("%s%s", how, "remind, no time") << running << QStringList{"--remind", "a.pnf", "+5x"} << 2 << QByteArray()
                                               << QByteArray("paperlet: '+5x' is not a time");
        QTest::addRow("%s%s", how, "show, unknown note") << running << QStringList{"--show", "zz.pnf"} << 1 << QByteArray()
                                                  << noNote + "zz.pnf\" in ";
        QTest::addRow("%s%s", how, "remind, unknown note") << running << QStringList{"--remind", "zz.pnf", "+5m"} << 1
                                                    << QByteArray() << noNote + "zz.pnf\" in ";
    }
}

// Reading commands give the same answers whether or not a copy runs; with
// none running they start none. Wrong names and wrong command lines say so.
void TestScripts::readingCommands()
{
    QFETCH(bool, copyRunning);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QByteArray, out);
    QFETCH(QByteArray, errStart);

    E2E_SESSION(session);
    E2E_BUS(bus, session);
    seedNotes(session);
    if (QTest::currentTestFailed())
        return;
    const BusProbe probe(bus.address());
    qint64 detached = 0;
    if (copyRunning) {
        session.seedSettings(QuietSettings);
        E2eProgram &app = session.start();
        QVERIFY(app.waitForTrayIcon());
        QVERIFY(E2eSession::waitFor([&] { return probe.copyRuns(); }));
    }
    const Ran ran = runScript(session, arguments);
    if (!copyRunning)
        detached = probe.copyPid();
    DetachedCopy started(session, detached);
    QCOMPARE(ran.exitCode, exitCode);
    QCOMPARE(ran.out, out);
    QVERIFY2(errStart.isEmpty() ? ran.err.isEmpty() : ran.err.startsWith(errStart), ran.err.constData());
    if (!copyRunning) {
        // Nothing was started: no copy on the bus, no settings written.
        QCOMPARE(detached, 0);
        QVERIFY(!session.readSettings());
    }
}

void TestScripts::commandsThatStartACopy_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("shown");   // the title of the note the started copy shows

    QTest::newRow("new note with text") << QStringList{"--new-note", "from a script"} << QStringLiteral("New Note");
    QTest::newRow("show") << QStringList{"--show", "a.pnf"} << QStringLiteral("Shopping");
    QTest::newRow("remind") << QStringList{"--remind", "b.pnf", "+30m"} << QStringLiteral("会議");
}

// With no copy running, a command that changes notes starts one that runs
// on by itself, and the script gets its answer and goes on.
void TestScripts::commandsThatStartACopy()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, shown);

    E2E_SESSION(session);
    E2E_BUS(bus, session);
    session.seedSettings(QuietSettings);
    seedNotes(session);
    if (QTest::currentTestFailed())
        return;
    const BusProbe probe(bus.address());
    const Ran ran = runScript(session, arguments);
    DetachedCopy started(session, probe.copyPid());
    QVERIFY2(ran.exitCode == 0, ran.err.constData());
    QVERIFY(probe.copyRuns());
    const qint64 pid = probe.copyPid();
    QVERIFY(pid > 0);
    QVERIFY2(E2eSession::waitFor([&] {
                 return !E2eSession::run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                                     QStringLiteral("--pid"), QString::number(pid),
                                                                     QStringLiteral("--name"), QLatin1Char('^') + shown + QLatin1Char('$')})
                             .isEmpty();
             }),
             qPrintable(shown));
    if (arguments.first() == QLatin1String("--new-note")) {
        const QString file = QString::fromUtf8(ran.out).trimmed();
        QVERIFY2(QRegularExpression(QStringLiteral("^[0-9]+\\.pnf$")).match(file).hasMatch(), ran.out.constData());
        QVERIFY(session.readNote(file).contains("from a script"));
    } else if (arguments.first() == QLatin1String("--remind")) {
        QVERIFY(session.readNote(QStringLiteral("b.pnf")).contains("{\\*\\paperletstate{\\reminder "));
    }
    QVERIFY(started.exit());
    QVERIFY(!probe.copyRuns());
}

// Text in several scripts reaches the note and comes back unchanged, also
// from standard input, and the new note is the first of the list.
void TestScripts::newNotesInSeveralScripts()
{
    E2E_SESSION(session);
    E2E_BUS(bus, session);
    session.seedSettings(QuietSettings);
    seedNotes(session);
    if (QTest::currentTestFailed())
        return;
    E2eProgram &app = session.start();
    QVERIFY(app.waitForTrayIcon());

    const QString mixed = QStringLiteral("会議 مرحبا 🎉 Café\nzweite Zeile");
    const Ran made = runScript(session, {QStringLiteral("--new-note"), mixed});
    QVERIFY2(made.exitCode == 0, made.err.constData());
    const QString file = QString::fromUtf8(made.out).chopped(1);
    QVERIFY(made.out.endsWith('\n'));
    QVERIFY(session.noteFiles().contains(file));
    QVERIFY(app.waitForWindow(QStringLiteral("New Note"), E2eProgram::ViewableOnly));
    Ran text = runScript(session, {QStringLiteral("--text"), file});
    QCOMPARE(text.exitCode, 0);
    QCOMPARE(QString::fromUtf8(text.out), QStringLiteral("New Note\n\n") + mixed + QLatin1Char('\n'));
    QCOMPARE(runScript(session, {QStringLiteral("--list")}).out, file.toUtf8() + "\tNew Note\n" + SeededList);
    QCOMPARE(runScript(session, {QStringLiteral("--find"), QStringLiteral("مرحبا")}).out,
             file.toUtf8() + "\tNew Note\n" + "c.pnf\tتذكير\n");

    const QByteArray piped = "Ünïcödé 📎 from a pipe\n第二行\n";
    const Ran fromInput = runScript(session, {QStringLiteral("--new-note"), QStringLiteral("-")}, piped);
    QVERIFY2(fromInput.exitCode == 0, fromInput.err.constData());
    const QString second = QString::fromUtf8(fromInput.out).trimmed();
    QVERIFY(second != file);
    text = runScript(session, {QStringLiteral("--text"), second});
    QCOMPARE(text.out, "New Note\n\n" + piped);

    // With no text the note has no file yet, but the name printed for it
    // serves the next command; the folder's list leaves it out until it has text.
    for (const QByteArray &nothing : {QByteArray(), QByteArray("")}) {
        const Ran empty = nothing.isNull() ? runScript(session, {QStringLiteral("--new-note")})
                                           : runScript(session, {QStringLiteral("--new-note"), QStringLiteral("-")}, nothing);
        QVERIFY2(empty.exitCode == 0, empty.err.constData());
        const QString name = QString::fromUtf8(empty.out).trimmed();
        text = runScript(session, {QStringLiteral("--text"), name});
        QVERIFY2(text.exitCode == 0, text.err.constData());
        QCOMPARE(text.out, QByteArray("New Note\n\n"));
        const Ran shown = runScript(session, {QStringLiteral("--show"), name});
        QVERIFY2(shown.exitCode == 0, shown.err.constData());
        QVERIFY(!runScript(session, {QStringLiteral("--list")}).out.contains(name.toUtf8()));
    }
    // What the running copy holds is what a later start reads from the files.
    QCOMPARE(runScript(session, {QStringLiteral("--exit")}).exitCode, 0);
    QVERIFY(app.waitForExit());
    QCOMPARE(runScript(session, {QStringLiteral("--text"), second}).out, "New Note\n\n" + piped);
    QCOMPARE(runScript(session, {QStringLiteral("--find"), QStringLiteral("🎉"), QStringLiteral("ZWEITE")}).out,
             file.toUtf8() + "\tNew Note\n");
}

// Typing that the autosave has not written yet is what --text prints.
void TestScripts::unsavedTypingIsSeen()
{
    E2E_SESSION(session);
    E2E_BUS(bus, session);
    seedKeptNote(session);
    E2eProgram &app = session.start();
    const XWindow note = keptNote(app);
    QVERIFY(note);
    // The autosave follows typing after a moment; a busy machine may let it
    // pass before --text answers, so a few words are tried, each new.
    bool seenBeforeWritten = false;
    QString word;
    for (int attempt = 0; attempt < 3 && !seenBeforeWritten; ++attempt) {
        word = QStringLiteral("zq%1x").arg(attempt);
        E2eSession::typeInto(note, QLatin1Char(' ') + word);
        Ran text;
        QVERIFY(E2eSession::waitFor([&] {
            text = runScript(session, {QStringLiteral("--text"), QStringLiteral("1.pnf")});
            return text.out.contains(word.toLatin1());
        }));
        QVERIFY(text.out.startsWith("Kept\n\nkept text"));
        seenBeforeWritten = !session.readNote(QStringLiteral("1.pnf")).contains(word.toLatin1());
    }
    QVERIFY2(seenBeforeWritten, "every typed word was written before --text answered");
    // ... and what --find looks through.
    QCOMPARE(runScript(session, {QStringLiteral("--find"), word}).out, QByteArray("1.pnf\tKept\n"));
}

// --remind puts the reminder into the note's file at once, and "off" takes it out.
void TestScripts::remindWritesTheNoteFile()
{
    E2E_SESSION(session);
    E2E_BUS(bus, session);
    seedKeptNote(session);
    E2eProgram &app = session.start();
    QVERIFY(keptNote(app));

    Ran ran = runScript(session, {QStringLiteral("--remind"), QStringLiteral("1.pnf"), QStringLiteral("2031-03-04T05:06")});
    QVERIFY2(ran.exitCode == 0, ran.err.constData());
    QByteArray bytes = session.readNote(QStringLiteral("1.pnf"));
    const QRegularExpression group(QStringLiteral("\\{\\\\\\*\\\\paperletstate\\{\\\\reminder 2031-03-04T05:06 \\S+ never\\}\\}\\}"));
    QVERIFY2(group.match(QString::fromUtf8(bytes)).hasMatch(), bytes.constData());
    QVERIFY(bytes.contains("kept text"));

    // Relative to now, and a new note with a reminder of its own.
    const QDateTime before = QDateTime::currentDateTime().addSecs(90 * 60);
    ran = runScript(session, {QStringLiteral("--new-note"), QStringLiteral("call back"), QStringLiteral("--remind"),
                              QStringLiteral("+90m")});
    QVERIFY2(ran.exitCode == 0, ran.err.constData());
    const QDateTime after = QDateTime::currentDateTime().addSecs(90 * 60);
    bytes = session.readNote(QString::fromUtf8(ran.out).trimmed());
    const QRegularExpressionMatch at = QRegularExpression(QStringLiteral("\\{\\\\reminder (\\S+) \\S+ never\\}"))
                                           .match(QString::fromUtf8(bytes));
    QVERIFY2(at.hasMatch(), bytes.constData());
    const QDateTime due = QDateTime::fromString(at.captured(1), Qt::ISODate);
    QVERIFY2(due >= before.addSecs(-1) && due <= after, qPrintable(at.captured(1)));

    ran = runScript(session, {QStringLiteral("--remind"), QStringLiteral("1.pnf"), QStringLiteral("off")});
    QVERIFY2(ran.exitCode == 0, ran.err.constData());
    bytes = session.readNote(QStringLiteral("1.pnf"));
    QVERIFY2(!bytes.contains("paperletstate"), bytes.constData());
    QVERIFY(bytes.contains("kept text"));
}

// --show opens a hidden note, and brings one that lies off every screen to
// the pointer.
void TestScripts::showBringsBackHiddenAndLostNotes()
{
    E2E_SESSION(session);
    E2E_BUS(bus, session);
    session.seedSettings(QuietSettings);
    session.seedNote(QStringLiteral("1.pnf"), E2eSession::noteFile(100, 100, "Kept", "kept text"));
    session.seedNote(QStringLiteral("2.pnf"), E2eSession::noteFile(400, 100, "Other", "other text"));
    E2eProgram &app = session.start();
    QVERIFY(app.waitForTrayIcon());
    QVERIFY(E2eSession::waitFor([&] { return app.shownWindows().size() == 2; }));

    QCOMPARE(runScript(session, {QStringLiteral("--hide-all")}).exitCode, 0);
    QVERIFY(E2eSession::waitFor([&] { return app.shownWindows().isEmpty(); }));
    QCOMPARE(runScript(session, {QStringLiteral("--show"), QStringLiteral("2.pnf")}).exitCode, 0);
    const XWindow other = app.waitForWindow(QStringLiteral("Other"), E2eProgram::ViewableOnly);
    QVERIFY(other);
    QCOMPARE(app.shownWindows(), QList<XWindow>{other});

    // Moved off the screen while open (a monitor went away, say).
    E2eSession::run(QStringLiteral("xdotool"), {QStringLiteral("windowmove"), QString::number(other),
                                                QStringLiteral("3000"), QStringLiteral("2500")});
    QVERIFY(E2eSession::waitFor([&] { return E2eSession::geometry(other).value_or(QRect()).left() >= 3000; }));
    const QPoint pointer(500, 400);
    E2eSession::moveMouse(pointer);
    QCOMPARE(runScript(session, {QStringLiteral("--show"), QStringLiteral("2.pnf")}).exitCode, 0);
    // Back on the screen under the pointer (the session's only one), whole.
    const QRect screen(0, 0, 1280, 800);
    QVERIFY2(E2eSession::waitFor([&] { return screen.contains(E2eSession::geometry(other).value_or(QRect())); }),
             qPrintable(QStringLiteral("%1,%2").arg(E2eSession::geometry(other).value_or(QRect()).left())
                            .arg(E2eSession::geometry(other).value_or(QRect()).top())));
}

// The introspection document in docs/ is what the program really serves.
void TestScripts::interfaceIsAsDocumented()
{
    E2E_SESSION(session);
    E2E_BUS(bus, session);
    session.seedSettings(QuietSettings);
    E2eProgram &app = session.start();
    QVERIFY(app.waitForTrayIcon());
    const BusProbe probe(bus.address());
    QVERIFY(E2eSession::waitFor([&] { return probe.copyRuns(); }));

    QFile documented(QStringLiteral(PAPERLET_COMMAND_INTERFACE));
    QVERIFY(documented.open(QIODevice::ReadOnly));
    const QStringList expected = methodsOf(QString::fromUtf8(documented.readAll()));
    QVERIFY(expected.size() >= 13);
    QCOMPARE(methodsOf(probe.introspect()), expected);
}

PAPERLET_E2E_MAIN(TestScripts)
#include "tst_scripts_e2e.moc"
