#include "notes/deleted_notes.h"

#include "core/error.h"
#include "core/note_file.h"
#include "core/note_host.h"
#include "core/note_limits.h"
#include "core/note_naming.h"
#include "core/rtf/rtf.h"
#include "notes/note_collection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace {

// The title and plain text a trashed note file holds; empty when unreadable.
std::pair<QString, QString> wordsOf(const QString &path)
{
    try {
        const NoteRecord record = NoteFile::decode(NoteLimits::readFile(path));
        QTextDocument text;
        Rtf::load(text, record.content);
        return {record.title, text.toPlainText()};
    } catch (const PaperletError &) {
        return {};
    }
}

} // namespace

DeletedNotes::DeletedNotes(NoteHost &host, NoteCollection &notes)
    : m_host(host)
    , m_notes(notes)
{
}

QList<DeletedNotes::Entry> DeletedNotes::list() const
{
    QList<Entry> entries;
    const QList<TrashedFile> files = Trash::create()->filesFrom(m_host.notesFolder());
    for (const TrashedFile &file : files) {
        if (!NoteNaming::isNoteFileName(QFileInfo(file.originalPath).fileName()))
            continue;
        const auto [title, text] = wordsOf(file.trashedPath);
        entries.append({file, title, text});
    }
    return entries;
}

NoteDocument *DeletedNotes::restore(const TrashedFile &file)
{
    const QString name = m_notes.freeFileName(QFileInfo(file.originalPath).fileName());
    m_host.ensureNotesFolder();
    if (!Trash::create()->restore(file, m_host.notesFolder() + name))
        throw PaperletError(QCoreApplication::translate("DeletedNotes", "The note \"%1\" cannot be taken back from the trash.")
                                .arg(QDir::toNativeSeparators(file.originalPath)));
    return m_notes.arrived(name);
}

QList<NoteDocument *> DeletedNotes::restoreLatest(const QStringList &originalPaths)
{
    const QList<TrashedFile> files = Trash::create()->filesFrom(m_host.notesFolder());
    QList<NoteDocument *> restored;
    for (const QString &path : originalPaths) {
        const QString wanted = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
        // Newest first, so the first one found is the latest.
        for (const TrashedFile &file : files) {
            if (QDir::cleanPath(file.originalPath) == wanted) {
                restored.append(restore(file));
                break;
            }
        }
    }
    return restored;
}

NoteDocument *DeletedNotes::restoreTrashed(const QString &trashId)
{
    const QList<TrashedFile> files = Trash::create()->filesFrom(m_host.notesFolder());
    const auto found = std::find_if(files.begin(), files.end(), [&trashId](const TrashedFile &file) {
        return file.id == trashId && NoteNaming::isNoteFileName(QFileInfo(file.originalPath).fileName());
    });
    return found == files.end() ? nullptr : restore(*found);
}
