#include "notes/note_listing.h"

#include "core/note_query.h"
#include "notes/note_collection.h"
#include "notes/note_document.h"
#include "notes/note_list_order.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace NoteListing {

bool isListed(const NoteDocument &note)
{
    if (note.fileName().isEmpty() || note.isDeleted() || note.isGone())
        return false;
    return note.hasText() || QFileInfo::exists(note.filePath());
}

QList<ListedNote> list(const NoteCollection &notes, const NoteQuery &query)
{
    QList<NoteDocument *> shown;
    for (NoteDocument *note : notes.notes())
        if (isListed(*note) && (query.isEmpty() || query.matches(note->title(), note->text()->toPlainText())))
            shown.append(note);
    QList<ListedNote> listed;
    for (const NoteDocument *note : NoteListOrder::sorted(shown))
        listed.append({note->fileName(), note->title()});
    return listed;
}

QString noSuchNote(const QString &fileName, const QString &folder)
{
    return QCoreApplication::translate("NoteListing", "there is no note \"%1\" in %2")
        .arg(fileName, QDir::toNativeSeparators(folder));
}

QString text(const NoteDocument &note)
{
    return CommandLine::noteText(note.title(), note.text()->toPlainText());
}

} // namespace NoteListing
