#include "notes/note_discard.h"

#include "platform/trash.h"

#include <QFile>
#include <QFileInfo>

namespace NoteFile {

Discarded discard(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {true, QString()};
    // The trash lets an accidental delete be undone from the file manager.
    if (const std::optional<QString> id = Trash::create()->moveToTrash(path))
        return {true, *id};
    return {QFile::remove(path), QString()};
}

} // namespace NoteFile
