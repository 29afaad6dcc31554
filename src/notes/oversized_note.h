#pragma once

#include "core/note_limits.h"

#include <QRect>
#include <QString>

// A note too large to open: what its window shows instead of its text.
namespace OversizedNote {

// Throws NoteTooLarge when the text `record` holds is over the limits (it is
// read into a document of its own for that, only when it is long enough to
// be).
void checkText(const NoteRecord &record);

// What a window shows for the note file at `path` that is over the limits:
// its own title, place and colour when they could be read (otherwise the
// file's name and `fallbackBounds`), and as text why it does not open.
NoteRecord placeholder(const NoteTooLarge &large, const QString &path, const QRect &fallbackBounds);

} // namespace OversizedNote
