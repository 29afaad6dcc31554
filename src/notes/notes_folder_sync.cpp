#include "notes/notes_folder_sync.h"

#include "core/error.h"
#include "core/file_fingerprint.h"
#include "core/note_file.h"
#include "core/note_host.h"
#include "core/note_limits.h"
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
    m_known = m_watcher.names();
    connect(&m_watcher, &NotesFolderWatcher::fileSettled, this, guarded(this, &NotesFolderSync::fileSettled));
    connect(&m_watcher, &NotesFolderWatcher::unusableName, this, &NotesFolderSync::reportUnusableName);
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
    // A note's own writes are not news, also once its window has gone.
    connect(note, &TFR_NOTE::saved, this, [this, note] { m_known.insert(note->FileName); });
    // Queued: the other version opens after the write, never during the
    // teardown at exit, which runs outside the event loop.
    connect(note, &TFR_NOTE::forkedFrom, this, guarded(this, &NotesFolderSync::openNote), Qt::QueuedConnection);
}

void NotesFolderSync::openNote(const QString &name)
{
    m_known.insert(name);
    if (!NoteCollection::findOpen(name))
        NoteCollection::open(m_host, name);
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
    Application::reportLater(message);
}

void NotesFolderSync::showTooLarge(const QString &name)
{
    // Never read whole: opening it shows that it is too large.
    m_looks.remove(name);
    TFR_NOTE *note = NoteCollection::findOpen(name);
    if (!note) {
        if (!m_known.contains(name))
            openNote(name);
    } else if (note->hasUnsavedChanges()) {
        note->SaveNote();   // keeps both: the note moves to a file of its own
    } else {
        note->LoadNote(name);
    }
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
        TFR_NOTE *note = NoteCollection::findOpen(name);
        const bool gone = !now.exists() && !QFileInfo::exists(m_folder + name);
        if (gone) {
            m_known.remove(name);
            m_looks.remove(name);
            // A new note that was never written has lost nothing.
            if (note && (note->fileFingerprint().exists() || note->loadFailed()))
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
