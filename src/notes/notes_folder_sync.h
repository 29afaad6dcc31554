#pragma once

#include "notes/notes_folder_watcher.h"

#include <QHash>
#include <QObject>
#include <QString>

class NoteCollection;
class NoteDocument;
class NoteHost;

// Keeps the notes (the collection's documents, with or without a window) in
// step with a notes folder that other programs also
// write (sync tools, editors, a second computer), losing neither side:
// - an unchanged note shows the new version of its file;
// - a changed note keeps its text in a new file, and the changed file opens
//   as a note of its own;
// - a file removed elsewhere closes its unchanged note (a changed one writes
//   it back);
// - a note file that appears opens.
class NotesFolderSync final : public QObject
{
    Q_OBJECT
public:
    // Looks at a file that does not read completely this many times before
    // waiting for its next change.
    static constexpr int MaxLooksAtUnreadable = 8;

    // Follows `host`'s notes folder and keeps `notes` in step with it.
    NotesFolderSync(NoteHost &host, NoteCollection &notes, QObject *parent = nullptr);

Q_SIGNALS:
    // A change to `name` was looked at and dealt with (tests wait for it).
    void settled(const QString &name);
    // `name` did not read as a note (yet); it is looked at again.
    void unreadable(const QString &name);
    // Dealing with a change failed (a write back, say); the shell shows it.
    void failed(const QString &message);

private:
    void follow(NoteDocument *note);
    // Deals with a change; what fails is reported (failed), never thrown.
    void fileSettled(const QString &name);
    // Reads `name` into the collection unless a note has it already.
    void openNote(const QString &name);
    void lookAgainLater(const QString &name);
    // Says that the note file `name` cannot be opened by its name.
    void reportUnusableName(const QString &name);
    // `name` is over the size limits: its note says so.
    void showTooLarge(const QString &name);

    NoteCollection &m_notes;
    const QString m_folder;   // with a trailing separator
    NotesFolderWatcher m_watcher;
    QHash<QString, int> m_looks;
};
