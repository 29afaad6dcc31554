#include "notes/note_list_order.h"

#include "notes/note_document.h"

#include <algorithm>

namespace NoteListOrder {

bool comesBefore(const NoteDocument *a, const NoteDocument *b)
{
    const QDateTime changedA = a->lastChanged();
    const QDateTime changedB = b->lastChanged();
    if (changedA != changedB)
        return changedA > changedB;
    return a->fileName() < b->fileName();
}

QList<NoteDocument *> sorted(QList<NoteDocument *> notes)
{
    std::sort(notes.begin(), notes.end(), comesBefore);
    return notes;
}

} // namespace NoteListOrder
