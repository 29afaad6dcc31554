#include "notes/notes_folder_sync.h"

#include "core/error.h"
#include "core/file_fingerprint.h"
#include "core/note_file.h"
#include "core/note_host.h"
#include "core/note_limits.h"
#include "notes/note_collection.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

// The note a file holds, or nothing while it does not read completely.
// Something there that cannot be read at all is no removal either.
std::optional<NoteRecord> noteIn(const FileFingerprint &print, const QByteArray &bytes)
{
    if (!print.exists())
        return std::nullopt;
    try {
        return NoteFile::decode(bytes);
    } catch (const PaperletError &) {
        return std::nullopt;
    }
}

} // namespace

NotesFolderSync::NotesFolderSync(NoteHost &host, NoteCollection &notes, QObject *parent)
    : QObject(parent)
    , m_notes(notes)
    , m_folder(QDir(host.notesFolder()).absolutePath() + QLatin1Char('/'))
    , m_watcher(host.notesFolder())
{
    connect(&m_watcher, &NotesFolderWatcher::fileSettled, this, &NotesFolderSync::fileSettled);
    connect(&m_watcher, &NotesFolderWatcher::unusableName, this, &NotesFolderSync::reportUnusableName);
    const QList<NoteDocument *> all = m_notes.notes();
    for (NoteDocument *note : all)
        follow(note);
    connect(&m_notes, &NoteCollection::noteAdded, this, &NotesFolderSync::follow);
}

void NotesFolderSync::follow(NoteDocument *note)
{
    // Queued: the other version opens after the write, never during the
    // teardown at exit, which runs outside the event loop.
    connect(note, &NoteDocument::forkedFrom, this, &NotesFolderSync::openNote,
            Qt::ConnectionType(Qt::UniqueConnection | Qt::QueuedConnection));
}

void NotesFolderSync::openNote(const QString &name)
{
    // Not readable yet (the other side of a conflict half-written, say):
    // looked at again, and at its next change in any case.
    if (!m_notes.note(name) && !m_notes.load(name))
        lookAgainLater(name);
}

void NotesFolderSync::lookAgainLater(const QString &name)
{
    // A writer still at work, or a file that is not a note; its next change
    // is looked at in any case.
    int &looks = m_looks[name];
    if (++looks <= MaxLooksAtUnreadable)
        m_watcher.lookAgainLater(name);
    else
        m_looks.remove(name);
}

void NotesFolderSync::reportUnusableName(const QString &name)
{
    const QString message = tr("The note file \"%1\" in \"%2\" cannot be opened: its name is not valid UTF-8. "
                               "Rename it to open it as a note; until then Paperlet leaves it as it is.")
                                .arg(name, QDir::toNativeSeparators(m_folder));
    qWarning("%s", qPrintable(message));
    Q_EMIT failed(message);
}

void NotesFolderSync::showTooLarge(const QString &name)
{
    // Never read whole: opening it shows that it is too large.
    m_looks.remove(name);
    NoteDocument *note = m_notes.note(name);
    if (!note)
        openNote(name);
    else if (note->hasUnsavedChanges())
        note->save();   // keeps both: the note moves to a file of its own
    else
        note->load(name);
}

void NotesFolderSync::fileSettled(const QString &name)
{
    try {
        if (NoteLimits::fileTooLarge(m_folder + name)) {
            showTooLarge(name);
            Q_EMIT settled(name);
            return;
        }
        QByteArray bytes;
        const FileFingerprint now = FileFingerprint::read(m_folder + name, &bytes);
        NoteDocument *note = m_notes.note(name);
        const bool gone = !now.exists() && !QFileInfo::exists(m_folder + name);
        if (gone) {
            m_looks.remove(name);
            // A new note that was never written has lost nothing.
            if (note && (note->fileFingerprint().exists() || note->loadFailed()))
                note->fileRemovedElsewhere();
            Q_EMIT settled(name);
            return;
        }
        // A note's own write, or a change already seen.
        if (note && note->fileFingerprint().sameContent(now)) {
            m_looks.remove(name);
            Q_EMIT settled(name);
            return;
        }
        if (NoteLimits::textBytes(bytes) > NoteLimits::MaxTextFileBytes) {
            showTooLarge(name);
            Q_EMIT settled(name);
            return;
        }
        const std::optional<NoteRecord> record = noteIn(now, bytes);
        if (!record) {
            lookAgainLater(name);
            Q_EMIT unreadable(name);
            return;
        }
        m_looks.remove(name);
        if (!note)
            openNote(name);
        else if (note->hasUnsavedChanges())
            note->save();   // keeps both: the note moves to a file of its own
        else
            note->reload(*record, now);
        Q_EMIT settled(name);
    } catch (const PaperletError &error) {
        Q_EMIT failed(error.message());
    }
}
