#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

class QAction;
class QKeyEvent;
class QMenu;
class QWidget;
class NoteKeyboardMove;
class NoteStateControl;

// The keys of a note window: the platform's standard keys for New Note,
// Print and Close, F10 for the note menu, F2 for the title, and moving and
// sizing with the keyboard. Its "Keyboard Shortcuts" item lists these and
// the editor's keys.
class NoteKeys final : public QObject
{
    Q_OBJECT
public:
    NoteKeys(QWidget &note, const NoteStateControl &states);

    // A key pressed anywhere in the note; true when it was the note's.
    bool handle(const QKeyEvent *event);

    // Every key of a note and what it does, key text first.
    static QList<QPair<QKeySequence, QString>> shortcutList();
    // The list as the Keyboard Shortcuts item shows it.
    static QString shortcutText();

    // Puts "Keyboard Shortcuts" into the note menu just before `before`,
    // the separator that ends the note's state items.
    void addTo(QMenu &menu, QAction *before);

Q_SIGNALS:
    void menuRequested();
    void titleEditRequested();
    // One of the note menu's commands, by the item's object name.
    void commandRequested(const QString &itemName);

private:
    void showShortcuts();

    QWidget &m_note;
    const NoteStateControl &m_states;
    NoteKeyboardMove *m_move;
};
