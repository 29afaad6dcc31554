#pragma once

#include "notes/notes_folder_watcher.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

class NoteHost;
class TFR_NOTE;

// Keeps the open notes in step with a notes folder that other programs also
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

    // Follows `host`'s notes folder and opens its new notes for it.
    NotesFolderSync(NoteHost &host, QObject *parent = nullptr);

Q_SIGNALS:
    // A change to `name` was looked at and dealt with (tests wait for it).
    void settled(const QString &name);
    // `name` did not read as a note (yet); it is looked at again.
    void unreadable(const QString &name);

private:
    void follow(TFR_NOTE *note);
    void fileSettled(const QString &name);
    // Opens `name` unless a note shows it already.
    void openNote(const QString &name);
    void lookAgainLater(const QString &name);

    NoteHost &m_host;
    const QString m_folder;   // with a trailing separator
    NotesFolderWatcher m_watcher;
    // Note files this program has shown or written: a change to any other
    // is a new note from elsewhere (or one that did not read before).
    QSet<QString> m_known;
    QHash<QString, int> m_looks;
};
