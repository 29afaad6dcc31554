#pragma once

#include <QString>

// Removing a note's file needs the desktop's trash, so it lives above the
// GUI-free note file format.
namespace NoteFile {

// What became of a discarded file.
struct Discarded
{
    bool gone = false;   // the file is no longer at its path
    QString trashId;     // the trash's name for it; empty when it was deleted for good
    explicit operator bool() const { return gone; }
};

// Moves a file to the desktop's trash, or deletes it where there is none.
Discarded discard(const QString &path);

} // namespace NoteFile
