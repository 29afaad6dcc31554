#pragma once

#include "core/note_state.h"

#include <QObject>
#include <QRect>

class QAction;
class QLineEdit;
class QMenu;
class QTextEdit;
class QWidget;
class NoteLock;
class NoteRollUp;

// The states a note keeps in its file besides its header: always on top, on
// all workspaces, rolled up and locked. Holds the note's whole state (keys
// it does not know included, so that they are written back), carries each
// state out, and gives the note menu its checkable items.
class NoteStateControl final : public QObject
{
    Q_OBJECT
public:
    // The keys of the states in the file.
    static constexpr char OnTopKey[] = "ontop";
    static constexpr char StickyKey[] = "sticky";
    static constexpr char RolledKey[] = "rolled";
    static constexpr char LockedKey[] = "locked";

    struct Parts
    {
        QWidget *bar;
        QWidget *titlePanel;
        QLineEdit *titleEdit;
        QTextEdit *editor;
        QWidget *bottom;
        int minHeight;
    };
    NoteStateControl(QWidget &note, const Parts &parts);
    ~NoteStateControl() override;

    const NoteState &state() const { return m_state; }
    // The state a file holds: the states it names are carried out, the
    // others ended.
    void setState(const NoteState &state);

    bool isOn(const char *key) const { return m_state.flag(QLatin1String(key)); }
    // Turns one state on or off, as its menu item does.
    void setOn(const char *key, bool on);

    // The note's bounds as the file keeps them: a rolled-up note's height
    // is the one it unrolls to.
    QRect storedBounds(const QRect &bounds) const;

    // Puts the items, in a group of their own, between "New Note" and
    // "Color" of the note menu; returns the separator that closes the group.
    QAction *addTo(QMenu &menu);

Q_SIGNALS:
    // A state changed by the user: the note has something new to save.
    void changed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void carryOut(const char *key, bool on);
    void tickItems();

    QWidget &m_note;
    NoteRollUp *m_rollUp;
    NoteLock *m_lock;
    NoteState m_state;
    QList<QAction *> m_items;   // made with the menu; data() holds the key
};
