#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// What the program is asked to do when it starts. Start is the plain start;
// the commands from NewNote to Exit are those of the tray menu, carried out
// by the running copy.
enum class Command { Start, NewNote, ShowAll, HideAll, AllNotes, Settings, About, Exit, Version, Help };

namespace CommandLine {

// The arguments after the program's name; nullopt when they are not
// understood, with error saying which argument was wrong (the caller prints
// it and the usage to stderr and exits with 2).
std::optional<Command> parse(const QStringList &arguments, QString *error = nullptr);
QString usage(const QString &program);

// Whether the command goes to a running copy when there is one.
bool goesToRunningCopy(Command command);
// Whether, with no copy running, the command starts the program (and is
// then carried out by it).
bool startsProgram(Command command);

} // namespace CommandLine
