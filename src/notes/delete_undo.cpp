#include "notes/delete_undo.h"

#include "framework/guarded.h"
#include "notes/note_collection.h"
#include "notes/note_windows.h"
#include "platform/action_notifications.h"
#include "platform/desktop_notifications.h"

namespace {

constexpr int NothingToUndoMs = 5000;

} // namespace

DeleteUndo::DeleteUndo(NoteHost &host, NoteCollection &notes, NoteWindows &windows, QObject *parent)
    : QObject(parent)
    , m_windows(windows)
    , m_deleted(host, notes)
    , m_notifications(new ActionNotifications(this))
{
    connect(&notes, &NoteCollection::noteDeletedToTrash, this, guarded(this, &DeleteUndo::offer));
    connect(m_notifications, &ActionNotifications::actionInvoked, this, guarded(this, &DeleteUndo::answer));
    connect(m_notifications, &ActionNotifications::closed, this, [this](quint64 n) { m_offers.remove(n); });
}

DeleteUndo::~DeleteUndo() = default;

void DeleteUndo::offer(NoteDocument *note, const QString &trashId)
{
    // The trash may give a name back once its file left: an older offer
    // under the same name would now take back this later delete.
    for (auto it = m_offers.cbegin(); it != m_offers.cend(); ++it)
        if (it->trashId == trashId)
            m_notifications->close(it.key());
    const QString title = note->title();
    const quint64 notification = m_notifications->offer(QStringLiteral("user-trash"), tr("Note deleted"), title,
                                                        {{QLatin1String(UndoAction), tr("Undo")}});
    if (notification)
        m_offers.insert(notification, {trashId, title});
}

void DeleteUndo::answer(quint64 notification, const QString &key)
{
    if (key != QLatin1String(UndoAction))
        return;
    const Offer offer = m_offers.take(notification);
    if (offer.trashId.isEmpty())
        return;
    if (NoteDocument *note = m_deleted.restoreTrashed(offer.trashId)) {
        m_windows.present(*note);
        return;
    }
    // Restored or emptied since: said briefly, nothing else happens.
    showDesktopNotification(tr("Nothing to undo"),
                            tr("The note \"%1\" is no longer in the trash.").arg(offer.title), NothingToUndoMs);
}
