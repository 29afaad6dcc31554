#include "notes/note_discard.h"

#include "platform/trash.h"

#include <QFile>
#include <QFileInfo>

namespace NoteFile {

bool discard(const QString &path)
{
    if (!QFileInfo::exists(path))
        return true;
    // The trash lets an accidental delete be undone from the file manager.
    if (Trash::create()->moveToTrash(path))
        return true;
    return QFile::remove(path);
}

} // namespace NoteFile
