#pragma once

#include "platform/trash.h"

#include <QList>
#include <QString>
#include <QStringList>

class NoteCollection;
class NoteDocument;
class NoteHost;

// The notes of the notes folder that went to the desktop's trash, as the
// trash's own records list them, and the way back. Nothing is kept here:
// every call asks the trash, so the list survives restarts and follows what
// the user does in a file manager.
class DeletedNotes final
{
public:
    struct Entry
    {
        TrashedFile file;
        QString title;   // as the trashed file says; empty when unreadable
        QString text;    // its plain text, for the search
    };

    DeletedNotes(NoteHost &host, NoteCollection &notes);

    // The most recently deleted first.
    QList<Entry> list() const;
    // Puts the file back in the notes folder, under its old name or, when
    // that is taken, a new one, and adds it to the collection (which opens
    // it). Throws PaperletError when it cannot.
    NoteDocument *restore(const TrashedFile &file);
    // Restores the most recent trashed copy of each of these notes (full
    // paths as they were); the ones found.
    QList<NoteDocument *> restoreLatest(const QStringList &originalPaths);
    // Restores the file the trash knows as `trashId` (TrashedFile::id) if it
    // is still there, deleted from the notes folder; null when it is not.
    NoteDocument *restoreTrashed(const QString &trashId);

private:
    NoteHost &m_host;
    NoteCollection &m_notes;
};
