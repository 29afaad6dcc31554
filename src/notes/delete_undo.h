#pragma once

#include "notes/deleted_notes.h"

#include <QHash>
#include <QObject>
#include <QString>

class ActionNotifications;
class NoteCollection;
class NoteDocument;
class NoteHost;
class NoteWindows;

// Right after the user deletes a note into the trash, a desktop notification
// names it and offers Undo, which takes that very file back and shows the
// note. Where the desktop's notifications have no buttons nothing is shown;
// a note deleted for good has nothing to undo.
class DeleteUndo final : public QObject
{
    Q_OBJECT
public:
    static constexpr char UndoAction[] = "undo";

    DeleteUndo(NoteHost &host, NoteCollection &notes, NoteWindows &windows, QObject *parent = nullptr);
    ~DeleteUndo() override;

private:
    struct Offer
    {
        QString trashId;
        QString title;
    };

    void offer(NoteDocument *note, const QString &trashId);
    void answer(quint64 notification, const QString &key);

    NoteWindows &m_windows;
    DeletedNotes m_deleted;
    ActionNotifications *m_notifications;   // a child
    QHash<quint64, Offer> m_offers;         // by notification, while on screen
};
