#pragma once

#include <QList>

class NoteDocument;

// The order in which lists show notes: the last changed first, notes that
// changed at the same moment by file name.
namespace NoteListOrder {

bool comesBefore(const NoteDocument *a, const NoteDocument *b);
QList<NoteDocument *> sorted(QList<NoteDocument *> notes);

} // namespace NoteListOrder
