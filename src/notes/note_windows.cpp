#include "notes/note_windows.h"

#include "framework/application.h"
#include "framework/guarded.h"
#include "notes/note_collection.h"
#include "notes/note_window.h"
#include "platform/window_state.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {

// Enough of a note to take hold of by its bar.
constexpr int VisiblePart = TFR_NOTE::BarHeight;

bool isOnAnyScreen(const QRect &bounds)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&bounds](const QScreen *screen) {
        const QRect seen = screen->availableGeometry().intersected(bounds);
        return seen.width() >= VisiblePart && seen.height() >= VisiblePart;
    });
}

// Centred on the pointer, kept inside that screen's work area.
QRect underPointer(const QRect &bounds)
{
    const QPoint pointer = QCursor::pos();
    const QScreen *screen = QGuiApplication::screenAt(pointer);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return bounds;
    const QRect area = screen->availableGeometry();
    QRect moved = bounds;
    moved.moveCenter(pointer);
    moved.setSize(moved.size().boundedTo(area.size()));
    moved.moveLeft(std::clamp(moved.left(), area.left(), area.right() + 1 - moved.width()));
    moved.moveTop(std::clamp(moved.top(), area.top(), area.bottom() + 1 - moved.height()));
    return moved;
}

} // namespace

NoteWindows::NoteWindows(NoteHost &host, NoteCollection &notes, QObject *parent)
    : QObject(parent)
    , m_host(host)
    , m_notes(notes)
{
    connect(&m_notes, &NoteCollection::noteAdded, this, guarded(this, &NoteWindows::noteAdded));
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
    return window;
}

TFR_NOTE *NoteWindows::present(NoteDocument &note)
{
    TFR_NOTE *window = windowOf(&note);
    if (!window)
        window = show(note);
    window->showNormal();
    // Frameless: the window's geometry is all of it.
    if (!isOnAnyScreen(window->geometry()))
        window->setGeometry(underPointer(window->geometry()));
    window->raise();
    WindowState::bringForward(window);
    return window;
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
