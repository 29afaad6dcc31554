#include "core/command_line.h"

namespace {

struct Option
{
    const char *name;
    Command command;
    const char *help;
};

const Option Options[] = {
    {"--new-note", Command::NewNote, "make a new note"},
    {"--show-all", Command::ShowAll, "show all notes"},
    {"--hide-all", Command::HideAll, "hide all notes"},
    {"--settings", Command::Settings, "open the Settings"},
    {"--about", Command::About, "open About"},
    {"--exit", Command::Exit, "end the running copy, writing every note"},
    {"--version", Command::Version, "print the version and exit"},
    {"--help", Command::Help, "print this help and exit"},
};

} // namespace

namespace CommandLine {

std::optional<Command> parse(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return Command::Start;
    // One command at a time: two would race each other in the running copy.
    if (arguments.size() > 1)
        return std::nullopt;
    for (const Option &option : Options)
        if (arguments.first() == QLatin1String(option.name))
            return option.command;
    return std::nullopt;
}

QString usage(const QString &program)
{
    QString text = QStringLiteral("Usage: ") + program + QStringLiteral(" [OPTION]\n"
        "Sticky notes in the tray. With a copy running, an option is carried out by it.\n\n");
    for (const Option &option : Options)
        text += QStringLiteral("  %1  %2\n").arg(QLatin1String(option.name), -12).arg(QLatin1String(option.help));
    text += QStringLiteral("\nGlobal shortcuts, where the desktop offers them: Ctrl+Alt+Shift+N makes a new note,\n"
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
    case Command::Settings:
    case Command::About:
        return true;
    default:
        return false;
    }
}

} // namespace CommandLine
