// The command line as words: what each option takes, and WHEN.
#include "core/command_line.h"
#include "core/reminder_when.h"

#include <QtTest>

namespace {

CommandRequest request(Command command)
{
    CommandRequest result;
    result.command = command;
    return result;
}

CommandRequest withNote(Command command, const QString &note, const QString &when = QString())
{
    CommandRequest result = request(command);
    result.note = note;
    result.when = when;
    return result;
}

CommandRequest newNote(const QString &text, bool fromInput = false, const QString &when = QString())
{
    CommandRequest result = request(Command::NewNote);
    result.hasText = true;
    result.text = text;
    result.textFromInput = fromInput;
    result.when = when;
    return result;
}

CommandRequest find(const QString &words)
{
    CommandRequest result = request(Command::Find);
    result.text = words;
    return result;
}

} // namespace

Q_DECLARE_METATYPE(CommandRequest)

class TestCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void understood_data();
    void understood();
    void refused_data();
    void refused();
    void whereCommandsRun();
    void when_data();
    void when();
    void printedAnswers();
};

void TestCommandLine::understood_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<CommandRequest>("expected");

    QTest::newRow("nothing") << QStringList{} << request(Command::Start);
    QTest::newRow("tray command") << QStringList{"--hide-all"} << request(Command::HideAll);
    QTest::newRow("new note, empty") << QStringList{"--new-note"} << request(Command::NewNote);
    QTest::newRow("new note with text") << QStringList{"--new-note", "milk, eggs"} << newNote("milk, eggs");
    QTest::newRow("new note, text from input") << QStringList{"--new-note", "-"} << newNote(QString(), true);
    QTest::newRow("new note, empty text is text") << QStringList{"--new-note", ""} << newNote(QString());
    QTest::newRow("new note, text that starts with a dash") << QStringList{"--new-note", "-x"} << newNote("-x");
    QTest::newRow("new note with reminder") << QStringList{"--new-note", "call", "--remind", "+15m"}
                                            << newNote("call", false, "+15m");
    QTest::newRow("new note from input with reminder") << QStringList{"--new-note", "-", "--remind", "2030-01-02T03:04"}
                                                       << newNote(QString(), true, "2030-01-02T03:04");
    QTest::newRow("list") << QStringList{"--list"} << request(Command::List);
    QTest::newRow("find one word") << QStringList{"--find", "café"} << find("café");
    QTest::newRow("find words in one argument") << QStringList{"--find", " milk  bread "} << find("milk  bread");
    QTest::newRow("find words in several") << QStringList{"--find", "milk", "bread"} << find("milk bread");
    QTest::newRow("show") << QStringList{"--show", "1.pnf"} << withNote(Command::ShowNote, "1.pnf");
    QTest::newRow("text, CJK name") << QStringList{"--text", "会議.pnf"} << withNote(Command::Text, "会議.pnf");
    QTest::newRow("remind") << QStringList{"--remind", "1.pnf", "+2h"} << withNote(Command::Remind, "1.pnf", "+2h");
    QTest::newRow("remind off") << QStringList{"--remind", "1.pnf", "off"} << withNote(Command::Remind, "1.pnf", "off");
}

void TestCommandLine::understood()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandRequest, expected);
    QString error;
    const std::optional<CommandRequest> parsed = CommandLine::parse(arguments, &error);
    QVERIFY2(parsed, qPrintable(error));
    QCOMPARE(parsed->command, expected.command);
    QCOMPARE(parsed->note, expected.note);
    QCOMPARE(parsed->text, expected.text);
    QCOMPARE(parsed->hasText, expected.hasText);
    QCOMPARE(parsed->textFromInput, expected.textFromInput);
    QCOMPARE(parsed->when, expected.when);
}

void TestCommandLine::refused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("error");

    QTest::newRow("unknown") << QStringList{"--frobnicate"} << "unknown option '--frobnicate'";
    QTest::newRow("two commands") << QStringList{"--new-note", "--exit"}
                                  << "only one option at a time; '--exit' is one too many";
    QTest::newRow("tray command with a word") << QStringList{"--hide-all", "now"}
                                              << "only one option at a time; 'now' is one too many";
    QTest::newRow("new note with two texts") << QStringList{"--new-note", "a", "b"}
                                             << "only one option at a time; 'b' is one too many";
    QTest::newRow("find nothing") << QStringList{"--find"} << "'--find' needs the words to look for";
    QTest::newRow("find blanks") << QStringList{"--find", "  "} << "'--find' needs the words to look for";
    QTest::newRow("show nothing") << QStringList{"--show"} << "'--show' needs a note's file name (as --list prints it)";
    QTest::newRow("text, empty name") << QStringList{"--text", ""} << "'--text' needs a note's file name (as --list prints it)";
    QTest::newRow("show two") << QStringList{"--show", "1.pnf", "2.pnf"}
                              << "only one option at a time; '2.pnf' is one too many";
    QTest::newRow("remind without when") << QStringList{"--remind", "1.pnf"} << "'--remind' needs WHEN";
    QTest::newRow("remind, bad when") << QStringList{"--remind", "1.pnf", "soon"}
                                      << "'soon' is not a time: give a local date and time (2026-12-24T18:00), +Nm or +Nh";
    QTest::newRow("new note, reminder off") << QStringList{"--new-note", "a", "--remind", "off"}
                                            << "'off' is not a time: give a local date and time (2026-12-24T18:00), +Nm or +Nh";
    QTest::newRow("new note, reminder without when") << QStringList{"--new-note", "a", "--remind"}
                                                     << "'--remind' needs WHEN";
    QTest::newRow("reminder without text") << QStringList{"--new-note", "--remind", "+5m"}
                                           << "only one option at a time; '--remind' is one too many";
}

void TestCommandLine::refused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, error);
    QString said;
    QVERIFY(!CommandLine::parse(arguments, &said));
    QCOMPARE(said, error);
}

void TestCommandLine::whereCommandsRun()
{
    const auto parsed = [](const QStringList &arguments) { return *CommandLine::parse(arguments); };
    // A plain new note starts the program here, as it always did; one with
    // text is for scripts, which must get their answer and go on.
    QVERIFY(CommandLine::startsProgram(parsed({"--new-note"})));
    QVERIFY(!CommandLine::startsCopyOfItsOwn(parsed({"--new-note"})));
    QVERIFY(!CommandLine::startsProgram(parsed({"--new-note", "a"})));
    QVERIFY(CommandLine::startsCopyOfItsOwn(parsed({"--new-note", "a"})));
    for (const QStringList &arguments : {QStringList{"--show", "1.pnf"}, QStringList{"--remind", "1.pnf", "+1m"}}) {
        QVERIFY(!CommandLine::startsProgram(parsed(arguments)));
        QVERIFY(CommandLine::startsCopyOfItsOwn(parsed(arguments)));
        QVERIFY(!CommandLine::onlyReads(parsed(arguments).command));
    }
    for (const QStringList &arguments : {QStringList{"--list"}, QStringList{"--find", "a"}, QStringList{"--text", "1.pnf"}}) {
        QVERIFY(CommandLine::onlyReads(parsed(arguments).command));
        QVERIFY(!CommandLine::startsProgram(parsed(arguments)));
        QVERIFY(!CommandLine::startsCopyOfItsOwn(parsed(arguments)));
        QVERIFY(CommandLine::goesToRunningCopy(parsed(arguments).command));
    }
}

void TestCommandLine::when_data()
{
    QTest::addColumn<QString>("when");
    QTest::addColumn<QDateTime>("expected");   // invalid: refused

    const QDateTime now(QDate(2026, 3, 28), QTime(23, 50, 30), Qt::LocalTime);
    const QDateTime none;
    QTest::newRow("minutes") << "+10m" << now.addSecs(600);
    QTest::newRow("hours over midnight") << "+2h" << now.addSecs(7200);
    QTest::newRow("one minute") << "+1m" << now.addSecs(60);
    QTest::newRow("surrounding blanks") << " +5m " << now.addSecs(300);
    QTest::newRow("date and time") << "2026-12-24T18:00" << QDateTime(QDate(2026, 12, 24), QTime(18, 0), Qt::LocalTime);
    QTest::newRow("with seconds") << "2026-12-24T18:00:15" << QDateTime(QDate(2026, 12, 24), QTime(18, 0, 15), Qt::LocalTime);
    QTest::newRow("space for T") << "2026-12-24 18:00" << QDateTime(QDate(2026, 12, 24), QTime(18, 0), Qt::LocalTime);
    QTest::newRow("leap day") << "2028-02-29T07:30" << QDateTime(QDate(2028, 2, 29), QTime(7, 30), Qt::LocalTime);
    QTest::newRow("no leap day") << "2027-02-29T07:30" << none;
    QTest::newRow("hour 24") << "2026-12-24T24:00" << none;
    QTest::newRow("zero minutes") << "+0m" << none;
    QTest::newRow("no number") << "+m" << none;
    QTest::newRow("days are not offered") << "+2d" << none;
    QTest::newRow("negative") << "-5m" << none;
    QTest::newRow("no plus") << "5m" << none;
    QTest::newRow("upper-case unit") << "+5M" << none;
    QTest::newRow("too far") << "+999999999h" << none;
    QTest::newRow("date alone") << "2026-12-24" << none;
    QTest::newRow("time alone") << "18:00" << none;
    QTest::newRow("offset") << "2026-12-24T18:00+01:00" << none;
    QTest::newRow("UTC") << "2026-12-24T18:00Z" << none;
    QTest::newRow("off is no time") << "off" << none;
    QTest::newRow("empty") << "" << none;
}

void TestCommandLine::when()
{
    QFETCH(QString, when);
    QFETCH(QDateTime, expected);
    const QDateTime now(QDate(2026, 3, 28), QTime(23, 50, 30), Qt::LocalTime);
    const std::optional<QDateTime> parsed = ReminderWhen::parse(when, now);
    QCOMPARE(parsed.has_value(), expected.isValid());
    if (parsed) {
        QCOMPARE(*parsed, expected);
        QCOMPARE(parsed->timeSpec(), Qt::LocalTime);
    }
    QCOMPARE(ReminderWhen::isOff(when), when == QLatin1String("off"));
}

void TestCommandLine::printedAnswers()
{
    // Every line splits at its one tab, whatever a title holds.
    QCOMPARE(CommandLine::listLines({{"1.pnf", "Shopping"}, {"会議.pnf", "a\tb\nc\rd"}, {"3.pnf", ""}}),
             QStringLiteral("1.pnf\tShopping\n会議.pnf\ta b c d\n3.pnf\t\n"));
    QCOMPARE(CommandLine::listLines({}), QString());
    QCOMPARE(CommandLine::noteText("Title", "one\ntwo"), QStringLiteral("Title\n\none\ntwo\n"));
    QCOMPARE(CommandLine::noteText("Title", "ends\n"), QStringLiteral("Title\n\nends\n"));
    QCOMPARE(CommandLine::noteText("", ""), QStringLiteral("\n\n"));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
