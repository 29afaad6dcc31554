#pragma once

#include "platform/tray_presence.h"

#include <QObject>
#include <QTimer>

class QAction;
class QMenu;
class NoteWindows;
class TFR_NOTE;
class TFR_PLT_MAIN;

// Keeps the program usable on a desktop that shows no tray. When none has
// come up within a grace period after the start, the mode begins: a note
// opens when none is open, and every note's menu carries the tray menu's
// commands below its own. When a tray comes up later, the mode ends and the
// note menus go back to their own items.
class NoTrayMode final : public QObject
{
    Q_OBJECT
public:
    static constexpr int GraceMs = 4000;

    NoTrayMode(TFR_PLT_MAIN &form, NoteWindows &windows, QObject *parent = nullptr);

    bool isActive() const { return m_active; }

Q_SIGNALS:
    void activeChanged(bool active);

private:
    void trayChanged();
    void graceOver();
    void watchNote(TFR_NOTE *note);
    void fitMenu(QMenu *menu) const;
    QList<QAction *> trayCommands() const;

    TFR_PLT_MAIN &m_form;
    NoteWindows &m_windows;
    TrayPresence m_presence;
    QTimer m_grace;
    QAction *const m_separator;
    bool m_active = false;
};
