#pragma once

#include "core/command_line.h"

#include <QList>
#include <QString>

class NoteCollection;
class NoteDocument;
class NoteQuery;

// What scripts are told about the notes of a collection: which notes there
// are, in list order, and a note's text. The running copy answers from its
// documents, so unsaved typing counts; with no copy running, the same rules
// go over the documents read from the folder (StoredNotes).
namespace NoteListing {

// A note that lists show: it has its file, or text that is about to reach
// one; not deleted, not gone. An empty new note is not there yet.
bool isListed(const NoteDocument &note);

// The listed notes that match, in list order.
QList<ListedNote> list(const NoteCollection &notes, const NoteQuery &query);

// What is said when `folder` holds no note `fileName`.
QString noSuchNote(const QString &fileName, const QString &folder);

// What --text prints for the note.
QString text(const NoteDocument &note);

} // namespace NoteListing
