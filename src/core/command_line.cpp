#include "core/command_line.h"

#include "core/reminder_when.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {

// What an option takes after it.
enum class Takes { Nothing, OptionalText, Words, File, FileAndWhen };

struct Option
{
    const char *name;
    Command command;
    Takes takes;
    const char *arguments;  // as the help shows them
    const char *help;
};

const Option Options[] = {
    {"--new-note", Command::NewNote, Takes::OptionalText, "[TEXT]",
     QT_TRANSLATE_NOOP("CommandLine", "make a new note, holding TEXT if given (\"-\": standard input);\n"
                                      "print its file name")},
    {"--show-all", Command::ShowAll, Takes::Nothing, "", QT_TRANSLATE_NOOP("CommandLine", "show all notes")},
    {"--hide-all", Command::HideAll, Takes::Nothing, "", QT_TRANSLATE_NOOP("CommandLine", "hide all notes")},
    {"--all-notes", Command::AllNotes, Takes::Nothing, "", QT_TRANSLATE_NOOP("CommandLine", "open the All Notes window")},
    {"--settings", Command::Settings, Takes::Nothing, "", QT_TRANSLATE_NOOP("CommandLine", "open the Settings")},
    {"--about", Command::About, Takes::Nothing, "", QT_TRANSLATE_NOOP("CommandLine", "open About")},
    {"--exit", Command::Exit, Takes::Nothing, "",
     QT_TRANSLATE_NOOP("CommandLine", "end the running copy, writing every note")},
    {"--list", Command::List, Takes::Nothing, "",
     QT_TRANSLATE_NOOP("CommandLine", "print FILE<tab>TITLE for every note, the last changed first")},
    {"--find", Command::Find, Takes::Words, "WORDS",
     QT_TRANSLATE_NOOP("CommandLine", "the same for the notes that hold every word in their title or\n"
                                      "text, whatever the case and accents")},
    {"--show", Command::ShowNote, Takes::File, "FILE",
     QT_TRANSLATE_NOOP("CommandLine", "show the note, brought to the front and onto the screen")},
    {"--text", Command::Text, Takes::File, "FILE",
     QT_TRANSLATE_NOOP("CommandLine", "print the note's title, an empty line and its text")},
    {"--remind", Command::Remind, Takes::FileAndWhen, "FILE WHEN",
     QT_TRANSLATE_NOOP("CommandLine", "remind of the note at WHEN: a local date and time\n"
                                      "(2026-12-24T18:00), or +Nm or +Nh from now; \"off\" clears it.\n"
                                      "After --new-note TEXT, WHEN alone reminds of the new note")},
    {"--version", Command::Version, Takes::Nothing, "", QT_TRANSLATE_NOOP("CommandLine", "print the version and exit")},
    {"--help", Command::Help, Takes::Nothing, "", QT_TRANSLATE_NOOP("CommandLine", "print this help and exit")},
};

constexpr int SynopsisWidth = 18;
const QLatin1String RemindOption("--remind");

bool isOption(const QString &argument)
{
    return argument.startsWith(QLatin1String("--"));
}

const Option *optionNamed(const QString &name)
{
    for (const Option &option : Options)
        if (name == QLatin1String(option.name))
            return &option;
    return nullptr;
}

// Reads one command line; each step takes what it needs from the front.
class Parser
{
public:
    explicit Parser(const QStringList &arguments)
        : m_rest(arguments)
    {
    }

    std::optional<CommandRequest> run()
    {
        if (m_rest.isEmpty())
            return CommandRequest{};
        const QString name = m_rest.takeFirst();
        const Option *option = optionNamed(name);
        if (!option)
            return fail(QCoreApplication::translate("CommandLine", "unknown option '%1'").arg(name));
        CommandRequest request;
        request.command = option->command;
        if (!takeArguments(*option, request))
            return std::nullopt;
        // One command at a time: two would race each other in the running copy.
        if (!m_rest.isEmpty())
            return fail(QCoreApplication::translate("CommandLine", "only one option at a time; '%1' is one too many").arg(m_rest.first()));
        return request;
    }

    QString error() const { return m_error; }

private:
    bool takeArguments(const Option &option, CommandRequest &request)
    {
        const QString name = QLatin1String(option.name);
        switch (option.takes) {
        case Takes::Nothing:
            return true;
        case Takes::OptionalText:
            if (!m_rest.isEmpty() && !isOption(m_rest.first())) {
                request.hasText = true;
                request.text = m_rest.takeFirst();
                request.textFromInput = request.text == QLatin1String(CommandLine::StandardInput);
                if (request.textFromInput)
                    request.text.clear();
            }
            if (request.hasText && !m_rest.isEmpty() && m_rest.first() == RemindOption) {
                m_rest.removeFirst();
                return takeWhen(RemindOption, request);
            }
            return true;
        case Takes::Words: {
            QStringList words;
            while (!m_rest.isEmpty() && !isOption(m_rest.first()))
                words.append(m_rest.takeFirst());
            request.text = words.join(QLatin1Char(' ')).trimmed();
            if (request.text.isEmpty())
                return failed(QCoreApplication::translate("CommandLine", "'%1' needs the words to look for").arg(name));
            return true;
        }
        case Takes::File:
            return takeFile(name, request);
        case Takes::FileAndWhen:
            return takeFile(name, request) && takeWhen(name, request);
        }
        return true;
    }

    bool takeFile(const QString &name, CommandRequest &request)
    {
        if (m_rest.isEmpty() || isOption(m_rest.first()) || m_rest.first().isEmpty())
            return failed(QCoreApplication::translate("CommandLine", "'%1' needs a note's file name (as --list prints it)").arg(name));
        request.note = m_rest.takeFirst();
        return true;
    }

    bool takeWhen(const QString &name, CommandRequest &request)
    {
        if (m_rest.isEmpty() || isOption(m_rest.first()))
            return failed(QCoreApplication::translate("CommandLine", "'%1' needs WHEN").arg(name));
        request.when = m_rest.takeFirst();
        const bool clears = request.command == Command::Remind && ReminderWhen::isOff(request.when);
        if (!clears && !ReminderWhen::parse(request.when, QDateTime::currentDateTime()))
            return failed(ReminderWhen::notATime(request.when));
        return true;
    }

    bool failed(const QString &why)
    {
        m_error = why;
        return false;
    }

    std::optional<CommandRequest> fail(const QString &why)
    {
        failed(why);
        return std::nullopt;
    }

    QStringList m_rest;
    QString m_error;
};

} // namespace

bool CommandRequest::operator==(const CommandRequest &other) const
{
    return command == other.command && note == other.note && text == other.text && hasText == other.hasText
           && textFromInput == other.textFromInput && when == other.when;
}

namespace CommandLine {

std::optional<CommandRequest> parse(const QStringList &arguments, QString *error)
{
    Parser parser(arguments);
    const std::optional<CommandRequest> request = parser.run();
    if (!request && error)
        *error = parser.error();
    return request;
}

QString usage(const QString &program)
{
    QString text = QCoreApplication::translate("CommandLine", "Usage: %1 [OPTION]\n"
                      "Sticky notes in the tray. With a copy running, an option is carried out by it.\n\n").arg(program);
    const QString indent(2 + SynopsisWidth + 2, QLatin1Char(' '));
    for (const Option &option : Options) {
        QString synopsis = QLatin1String(option.name);
        if (*option.arguments)
            synopsis += QLatin1Char(' ') + QLatin1String(option.arguments);
        QString help = QCoreApplication::translate("CommandLine", option.help);
        help.replace(QLatin1Char('\n'), QLatin1Char('\n') + indent);
        text += QStringLiteral("  %1  %2\n").arg(synopsis, -SynopsisWidth).arg(help);
    }
    text += QCoreApplication::translate("CommandLine", "\nFILE is a note's file name in the notes folder, as --list prints it. A missing\n"
               "note ends with status 1, a wrong command line with 2. With no copy running, the\n"
               "commands --list, --find and --text read the notes folder themselves, while the\n"
               "commands --show, --remind and --new-note with TEXT start a copy that runs on.\n");
    text += QCoreApplication::translate("CommandLine", "\nGlobal shortcuts, where the desktop offers them: Ctrl+Alt+Shift+N makes a new note,\n"
               "Ctrl+Alt+Shift+H shows or hides all notes.\n");
    return text;
}

QString listLines(const QList<ListedNote> &notes)
{
    const auto oneField = [](QString text) {
        for (QChar &c : text)
            if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
                c = QLatin1Char(' ');
        return text;
    };
    QString lines;
    for (const ListedNote &note : notes)
        lines += oneField(note.fileName) + QLatin1Char('\t') + oneField(note.title) + QLatin1Char('\n');
    return lines;
}

QString noteText(const QString &title, const QString &text)
{
    QString printed = title + QStringLiteral("\n\n") + text;
    if (!printed.endsWith(QLatin1Char('\n')))
        printed += QLatin1Char('\n');
    return printed;
}

bool goesToRunningCopy(Command command)
{
    return command != Command::Start && command != Command::Version && command != Command::Help;
}

bool startsProgram(const CommandRequest &request)
{
    switch (request.command) {
    case Command::Start:
    case Command::ShowAll:
    case Command::AllNotes:
    case Command::Settings:
    case Command::About:
        return true;
    case Command::NewNote:
        return !startsCopyOfItsOwn(request);
    default:
        return false;
    }
}

bool onlyReads(Command command)
{
    return command == Command::List || command == Command::Find || command == Command::Text;
}

bool startsCopyOfItsOwn(const CommandRequest &request)
{
    switch (request.command) {
    case Command::NewNote:
        return request.hasText;
    case Command::ShowNote:
    case Command::Remind:
        return true;
    default:
        return false;
    }
}

} // namespace CommandLine
