#pragma once

#include <QString>

// Removing a note's file needs the desktop's trash, so it lives above the
// GUI-free note file format.
namespace NoteFile {

// Moves a file to the desktop's trash, or deletes it where there is none.
// Returns false when the file is still there afterwards.
bool discard(const QString &path);

} // namespace NoteFile
