#include "core/command_line.h"

#include <QCoreApplication>

namespace {

struct Option
{
    const char *name;
    Command command;
    const char *help;
};

const Option Options[] = {
    {"--new-note", Command::NewNote, QT_TRANSLATE_NOOP("CommandLine", "make a new note")},
    {"--show-all", Command::ShowAll, QT_TRANSLATE_NOOP("CommandLine", "show all notes")},
    {"--hide-all", Command::HideAll, QT_TRANSLATE_NOOP("CommandLine", "hide all notes")},
    {"--all-notes", Command::AllNotes, QT_TRANSLATE_NOOP("CommandLine", "open the All Notes window")},
    {"--settings", Command::Settings, QT_TRANSLATE_NOOP("CommandLine", "open the Settings")},
    {"--about", Command::About, QT_TRANSLATE_NOOP("CommandLine", "open About")},
    {"--exit", Command::Exit, QT_TRANSLATE_NOOP("CommandLine", "end the running copy, writing every note")},
    {"--version", Command::Version, QT_TRANSLATE_NOOP("CommandLine", "print the version and exit")},
    {"--help", Command::Help, QT_TRANSLATE_NOOP("CommandLine", "print this help and exit")},
};

} // namespace

namespace CommandLine {

std::optional<Command> parse(const QStringList &arguments, QString *error)
{
    const auto fail = [error](const QString &why) -> std::optional<Command> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    if (arguments.isEmpty())
        return Command::Start;
    for (const Option &option : Options) {
        if (arguments.first() != QLatin1String(option.name))
            continue;
        // One command at a time: two would race each other in the running copy.
        if (arguments.size() > 1)
            return fail(QCoreApplication::translate("CommandLine", "only one option at a time; '%1' is one too many").arg(arguments.at(1)));
        return option.command;
    }
    return fail(QCoreApplication::translate("CommandLine", "unknown option '%1'").arg(arguments.first()));
}

QString usage(const QString &program)
{
    QString text = QCoreApplication::translate("CommandLine", "Usage: %1 [OPTION]\n"
        "Sticky notes in the tray. With a copy running, an option is carried out by it.\n\n").arg(program);
    for (const Option &option : Options)
        text += QStringLiteral("  %1  %2\n").arg(QLatin1String(option.name), -12).arg(QCoreApplication::translate("CommandLine", option.help));
    text += QCoreApplication::translate("CommandLine", "\nGlobal shortcuts, where the desktop offers them: Ctrl+Alt+Shift+N makes a new note,\n"
                                        "Ctrl+Alt+Shift+H shows or hides all notes.\n");
    return text;
}

bool goesToRunningCopy(Command command)
{
    return command != Command::Start && command != Command::Version && command != Command::Help;
}

bool startsProgram(Command command)
{
    switch (command) {
    case Command::Start:
    case Command::NewNote:
    case Command::ShowAll:
    case Command::AllNotes:
    case Command::Settings:
    case Command::About:
        return true;
    default:
        return false;
    }
}

} // namespace CommandLine
