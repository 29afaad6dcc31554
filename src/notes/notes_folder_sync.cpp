#include "notes/notes_folder_sync.h"

#include "core/error.h"
#include "core/file_fingerprint.h"
#include "core/note_file.h"
#include "core/note_host.h"
#include "framework/application.h"
#include "framework/guarded.h"
#include "notes/note_collection.h"
#include "notes/note_window.h"

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

NotesFolderSync::NotesFolderSync(NoteHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_folder(QDir(host.NotesFolder()).absolutePath() + QLatin1Char('/'))
    , m_watcher(host.NotesFolder())
{
    connect(&m_watcher, &NotesFolderWatcher::fileSettled, this, guarded(this, &NotesFolderSync::fileSettled));
    const auto notes = Application::instance()->formsOf<TFR_NOTE>();
    for (TFR_NOTE *note : notes)
        follow(note);
    connect(Application::instance(), &Application::formAdopted, this, [this](QWidget *form) {
        if (auto *note = qobject_cast<TFR_NOTE *>(form))
            follow(note);
    });
}

void NotesFolderSync::follow(TFR_NOTE *note)
{
    // A note's own writes are not news, also once its window has gone; nor
    // is a file a note showed. A file that did not read is not known: its
    // next change is looked at.
    connect(note, &TFR_NOTE::saved, this, [this, note] { m_known.insert(note->FileName); });
    connect(note, &TFR_NOTE::loaded, this, [this, note] { m_known.insert(note->FileName); });
    // Queued: the other version opens after the write, never during the
    // teardown at exit, which runs outside the event loop.
    connect(note, &TFR_NOTE::forkedFrom, this, guarded(this, &NotesFolderSync::openNote), Qt::QueuedConnection);
}

void NotesFolderSync::openNote(const QString &name)
{
    // The name is no longer a file this program shows (a note left it for
    // a file of its own): a change to it is news again.
    m_known.remove(name);
    // Not readable yet (the other side of a conflict half-written, say):
    // looked at again, and at its next change in any case.
    if (!NoteCollection::findOpen(name) && !NoteCollection::open(m_host, name))
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

void NotesFolderSync::fileSettled(const QString &name)
{
    try {
        QByteArray bytes;
        const FileFingerprint now = FileFingerprint::read(m_folder + name, &bytes);
        TFR_NOTE *note = NoteCollection::findOpen(name);
        const bool gone = !now.exists() && !QFileInfo::exists(m_folder + name);
        if (gone) {
            m_known.remove(name);
            m_looks.remove(name);
            // A new note that was never written has lost nothing.
            if (note && note->fileFingerprint().exists())
                note->fileRemovedElsewhere();
            Q_EMIT settled(name);
            return;
        }
        // Our own write, or a change already seen.
        if (note ? note->fileFingerprint().sameContent(now) : m_known.contains(name)) {
            m_looks.remove(name);
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
            note->SaveNote();   // keeps both: the note moves to a file of its own
        else
            note->reloadFrom(*record, now);
        Q_EMIT settled(name);
    } catch (const PaperletError &error) {
        Application::reportLater(error.message());
    }
}
