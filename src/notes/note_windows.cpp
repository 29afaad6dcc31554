#include "notes/note_windows.h"

#include "framework/application.h"
#include "framework/guarded.h"
#include "notes/note_announcer.h"
#include "notes/note_collection.h"
#include "notes/note_window.h"
#include "platform/window_state.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

NoteWindows::NoteWindows(NoteHost &host, NoteCollection &notes, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_notes(notes)
{
    connect(&m_notes, &NoteCollection::noteAdded, this, guarded(this, &NoteWindows::noteAdded));
    new NoteAnnouncer(this);
}

TFR_NOTE *NoteWindows::windowOf(const NoteDocument *note)
{
    return note ? qobject_cast<TFR_NOTE *>(note->view()) : nullptr;
}

void NoteWindows::noteAdded(NoteDocument *note)
{
    if (!windowOf(note))
        show(*note);
}

TFR_NOTE *NoteWindows::show(NoteDocument &note)
{
    auto *window = Application::instance()->createForm<TFR_NOTE>(m_host, note);
    window->show();
    Q_EMIT windowOpened(window);
    return window;
}

TFR_NOTE *NoteWindows::showNew()
{
    auto *window = Application::instance()->createForm<TFR_NOTE>(m_host);
    try {
        window->InitNewNote();
    } catch (...) {
        delete window;
        throw;
    }
    window->show();
    Q_EMIT windowOpened(window);
    return window;
}

QList<TFR_NOTE *> NoteWindows::openWindows() const
{
    QList<TFR_NOTE *> windows;
    for (const NoteDocument *note : m_notes.notes()) {
        if (TFR_NOTE *window = windowOf(note))
            windows.append(window);
    }
    return windows;
}

void NoteWindows::showAll(const QStringList &names)
{
    for (const QString &name : names) {
        NoteDocument *note = m_notes.note(name);
        if (TFR_NOTE *open = windowOf(note)) {
            open->showNormal();
            open->raise();
        } else if (note) {
            show(*note);
        } else {
            // Shown as it joins; one damaged file must not hide the notes
            // after it.
            m_notes.load(name);
        }
    }
}

void NoteWindows::hideAll()
{
    const QList<NoteDocument *> notes = m_notes.notes();
    for (NoteDocument *note : notes) {
        if (TFR_NOTE *window = windowOf(note)) {
            window->FadeOnClose = false;
            window->close();
        }
    }
}

namespace {

// Whether any part of the rectangle is on some screen.
bool onSomeScreen(const QRect &rect)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(),
                       [&rect](const QScreen *screen) { return screen->geometry().intersects(rect); });
}

} // namespace

TFR_NOTE *NoteWindows::present(NoteDocument &note)
{
    TFR_NOTE *window = windowOf(&note);
    if (!window)
        window = show(note);
    else if (window->isMinimized() || !window->isVisible())
        window->showNormal();
    if (!onSomeScreen(window->frameGeometry())) {
        QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (screen) {
            QRect place = window->geometry();
            place.moveCenter(screen->availableGeometry().center());
            WindowState::settlePosition(window);
            window->move(place.topLeft());
        }
    }
    WindowState::bringForward(window);
    return window;
}

void NoteWindows::remove(NoteDocument &note)
{
    if (TFR_NOTE *window = windowOf(&note)) {
        window->markDeleted();
        window->FadeOnClose = false;
        window->close();
        return;
    }
    note.markDeleted();
    note.persist();
}
