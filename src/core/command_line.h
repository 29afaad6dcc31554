#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What the program is asked to do when it starts. Start is the plain start;
// the commands from NewNote to Exit are those of the tray menu, carried out
// by the running copy. List to Remind are for scripts: List, Find and Text
// only read, and read the notes folder themselves when no copy runs.
enum class Command {
    Start, NewNote, ShowAll, HideAll, AllNotes, Settings, About, Exit, Version, Help,
    List, Find, ShowNote, Text, Remind,
};

// A command with what it was given.
struct CommandRequest
{
    Command command = Command::Start;
    QString note;               // the note's file name: ShowNote, Text, Remind
    QString text;               // NewNote's TEXT, Find's WORDS
    bool hasText = false;       // NewNote was given TEXT
    bool textFromInput = false; // NewNote's TEXT is "-": standard input gives it
    QString when;               // Remind, or NewNote with --remind: WHEN as given

    bool operator==(const CommandRequest &other) const;
};

// A note as --list and --find print it.
struct ListedNote
{
    QString fileName;   // bare, in the notes folder
    QString title;

    bool operator==(const ListedNote &other) const { return fileName == other.fileName && title == other.title; }
};

namespace CommandLine {

// What stands for standard input in place of TEXT.
inline constexpr char StandardInput[] = "-";

// The arguments after the program's name; nullopt when they are not
// understood, with error saying which argument was wrong (the caller prints
// it and the usage to stderr and exits with 2). WHEN is checked here too.
std::optional<CommandRequest> parse(const QStringList &arguments, QString *error = nullptr);
QString usage(const QString &program);

// One line per note, FILE<tab>TITLE; a tab or line break in either
// becomes a space, so that every line splits at its one tab.
QString listLines(const QList<ListedNote> &notes);
// What --text prints: the title, an empty line, the text and a line break
// (the subject and body a mail of the note has).
QString noteText(const QString &title, const QString &text);

// Whether the command goes to a running copy when there is one.
bool goesToRunningCopy(Command command);
// Whether, with no copy running, the command starts the program in this
// process (and is then carried out by it).
bool startsProgram(const CommandRequest &request);
// Whether the command only reads notes: with no copy running, this process
// reads the notes folder itself.
bool onlyReads(Command command);
// Whether, with no copy running, the command starts the program as a
// process of its own and hands itself over to it like to any running copy,
// so that a script gets the answer and goes on.
bool startsCopyOfItsOwn(const CommandRequest &request);

} // namespace CommandLine
