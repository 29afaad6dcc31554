#include "app/no_tray_mode.h"

#include "app/main_form.h"
#include "framework/guarded.h"
#include "notes/note_window.h"
#include "notes/note_windows.h"

#include <QAction>
#include <QMenu>

NoTrayMode::NoTrayMode(TFR_PLT_MAIN &form, NoteWindows &windows, QObject *parent)
    : QObject(parent)
    , m_form(form)
    , m_windows(windows)
    , m_separator(new QAction(this))
{
    m_separator->setSeparator(true);
    connect(&m_presence, &TrayPresence::changed, this, &NoTrayMode::trayChanged);
    connect(&m_windows, &NoteWindows::windowOpened, this, &NoTrayMode::watchNote);
    for (TFR_NOTE *note : m_windows.openWindows())
        watchNote(note);
    if (m_presence.isPresent())
        return;
    m_grace.setSingleShot(true);
    m_grace.setInterval(GraceMs);
    connect(&m_grace, &QTimer::timeout, this, guarded(this, &NoTrayMode::graceOver));
    m_grace.start();
}

void NoTrayMode::trayChanged()
{
    if (!m_presence.isPresent())
        return;
    m_grace.stop();
    if (m_active) {
        m_active = false;
        Q_EMIT activeChanged(false);
    }
}

void NoTrayMode::graceOver()
{
    if (m_presence.isPresent())
        return;
    m_active = true;
    Q_EMIT activeChanged(true);
    // Nothing on screen to start from: the first note stands in for the tray.
    if (m_windows.openWindows().isEmpty())
        m_form.mnAddNoteClick();
}

void NoTrayMode::watchNote(TFR_NOTE *note)
{
    connect(note, &TFR_NOTE::settingsMenuAboutToShow, this, &NoTrayMode::fitMenu);
}

QList<QAction *> NoTrayMode::trayCommands() const
{
    return QList<QAction *>{m_separator} + m_form.trayCommands();
}

void NoTrayMode::fitMenu(QMenu *menu) const
{
    // The tray menu's own items, shared: one click handler for both menus.
    const QList<QAction *> commands = trayCommands();
    const bool carries = menu->actions().contains(m_separator);
    if (m_active && !carries)
        menu->addActions(commands);
    else if (!m_active && carries)
        for (QAction *action : commands)
            menu->removeAction(action);
}
