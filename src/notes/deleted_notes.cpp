#include "notes/deleted_notes.h"

#include "core/error.h"
#include "core/note_file.h"
#include "core/note_host.h"
#include "core/note_limits.h"
#include "core/note_naming.h"
#include "notes/note_collection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString titleOf(const QString &path)
{
    try {
        return NoteFile::decode(NoteLimits::readFile(path)).title;
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
        entries.append({file, titleOf(file.trashedPath)});
    }
    return entries;
}

QString DeletedNotes::freeName(const QString &wanted) const
{
    const QString folder = m_host.notesFolder();
    const auto taken = [this, &folder](const QString &name) {
        return QFileInfo::exists(folder + name) || m_notes.note(name);
    };
    return NoteNaming::uniqueFileName(wanted, taken);
}

NoteDocument *DeletedNotes::restore(const TrashedFile &file)
{
    const QString name = freeName(QFileInfo(file.originalPath).fileName());
    m_host.ensureNotesFolder();
    if (!Trash::create()->restore(file, m_host.notesFolder() + name))
        throw PaperletError(QCoreApplication::translate("DeletedNotes", "The note \"%1\" cannot be taken back from the trash.")
                                .arg(QDir::toNativeSeparators(file.originalPath)));
    // The folder sync may have seen the file arrive first.
    if (NoteDocument *known = m_notes.note(name))
        return known;
    NoteDocument *note = m_notes.load(name);
    if (!note)
        throw PaperletError(QCoreApplication::translate("DeletedNotes", "The restored note \"%1\" cannot be read.")
                                .arg(QDir::toNativeSeparators(m_host.notesFolder() + name)));
    return note;
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
