#pragma once

#include "notes/note_document.h"

#include <QList>

#include <algorithm>

// The order in which notes are listed to the user and to scripts: the most
// recently changed first, notes changed at the same moment by file name.
namespace NoteListOrder {

inline bool before(const NoteDocument *a, const NoteDocument *b)
{
    const QDateTime changedA = a->lastChanged();
    const QDateTime changedB = b->lastChanged();
    if (changedA != changedB)
        return changedA > changedB;
    return a->fileName() < b->fileName();
}

inline void sort(QList<NoteDocument *> &notes)
{
    std::stable_sort(notes.begin(), notes.end(), before);
}

} // namespace NoteListOrder
