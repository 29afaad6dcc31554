#include "notes/note_announcer.h"

#include "framework/announcement.h"
#include "framework/application.h"
#include "framework/guarded.h"
#include "notes/note_window.h"

#include <QAccessible>
#include <QEvent>
#include <QTimer>

NoteAnnouncer::NoteAnnouncer(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("noteAnnouncer"));
    if (auto *app = qobject_cast<Application *>(qApp))
        connect(app, &Application::formAdopted, this, &NoteAnnouncer::watch);
    QAccessible::installActivationObserver(this);
}

NoteAnnouncer::~NoteAnnouncer()
{
    QAccessible::removeActivationObserver(this);
}

void NoteAnnouncer::accessibilityActiveChanged(bool active)
{
    // Called as Qt turns accessibility on, before the bridge to the bus is
    // ready to carry anything: tell once the current event is done.
    if (active)
        QTimer::singleShot(0, this, guarded(this, &NoteAnnouncer::tellOpenNotes));
}

void NoteAnnouncer::tellOpenNotes()
{
    const auto *app = qobject_cast<Application *>(qApp);
    if (!app)
        return;
    for (const TFR_NOTE *note : app->formsOf<TFR_NOTE>())
        if (note->isVisible())
            record(Opened, note->title());
}

void NoteAnnouncer::watch(QWidget *form)
{
    if (qobject_cast<TFR_NOTE *>(form))
        form->installEventFilter(this);
}

bool NoteAnnouncer::eventFilter(QObject *watched, QEvent *event)
{
    // Shown and hidden by the program, not by the window manager
    // (a workspace switch, a minimised desktop).
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::Hide) && !event->spontaneous() && QAccessible::isActive()) {
        const auto *note = static_cast<TFR_NOTE *>(watched);
        if (type == QEvent::Show)
            record(Opened, note->title());
        else
            record(note->isDeleted() ? Deleted : Closed, note->title());
    }
    return QObject::eventFilter(watched, event);
}

void NoteAnnouncer::record(Change change, const QString &title)
{
    m_titles[change].append(title);
    if (!m_telling) {
        m_telling = true;
        QTimer::singleShot(0, this, guarded(this, &NoteAnnouncer::tell));
    }
}

void NoteAnnouncer::tell()
{
    m_telling = false;
    const struct
    {
        QString one;
        QString many;
    } texts[ChangeCount] = {
        {tr("Note opened: %1"), tr("Notes opened: %1")},
        {tr("Note closed: %1"), tr("Notes closed: %1")},
        {tr("Note deleted: %1"), tr("Notes deleted: %1")},
    };
    for (int change = 0; change < ChangeCount; ++change) {
        QStringList &titles = m_titles[change];
        if (titles.size() == 1)
            Announcement::announce(texts[change].one.arg(titles.first()));
        else if (titles.size() > 1)
            Announcement::announce(texts[change].many.arg(titles.size()));
        titles.clear();
    }
}
