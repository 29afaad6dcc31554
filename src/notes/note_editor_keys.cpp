// The keys of the note editor: the platform's standard keys for the
// formatting commands, our own for strike-out and checklists, and the keys
// that open the context menu from the keyboard.

#include "notes/note_editor.h"

#include "framework/popup_menu.h"
#include "notes/checklist.h"

#include <QAction>
#include <QKeyEvent>
#include <QTextDocument>

#include <iterator>
#include <utility>

namespace {

QKeySequence strikeoutKey()
{
    return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_X);
}

QKeySequence menuKey()
{
    return QKeySequence(Qt::SHIFT | Qt::Key_F10);
}

QKeySequence standard(QKeySequence::StandardKey key)
{
    const QList<QKeySequence> bindings = QKeySequence::keyBindings(key);
    return bindings.isEmpty() ? QKeySequence() : bindings.first();
}

} // namespace

QList<QPair<QKeySequence, QString>> NoteEditor::shortcutList()
{
    return {
        {standard(QKeySequence::Bold), tr("Bold")},
        {standard(QKeySequence::Italic), tr("Italic")},
        {standard(QKeySequence::Underline), tr("Underline")},
        {strikeoutKey(), tr("Strikeout")},
        {ChecklistInput::toggleKey(), tr("Checklist")},
        {ChecklistInput::tickKey(), tr("Tick or untick the check item")},
        {standard(QKeySequence::Undo), tr("Undo")},
        {standard(QKeySequence::Redo), tr("Redo")},
        {standard(QKeySequence::SelectAll), tr("Select all")},
        {menuKey(), tr("Open the text menu at the caret (also the Menu key)")},
    };
}

bool NoteEditor::shortcutKey(const QKeyEvent *event)
{
    const QKeySequence pressed(event->keyCombination());
    if (event->key() == Qt::Key_Menu || pressed == menuKey()) {
        openMenuAtCaret();
        return true;
    }
    // Bold, italic, underline, strikeout: the platform's keys and ours.
    const bool matches[] = {event->matches(QKeySequence::Bold), event->matches(QKeySequence::Italic),
                            event->matches(QKeySequence::Underline), pressed == strikeoutKey()};
    for (std::size_t i = 0; i < std::size(matches); ++i) {
        if (!matches[i])
            continue;
        // A locked text takes no formats; the key still does nothing else.
        if (isReadOnly())
            return true;
        richTextMenu();
        const std::pair<QAction *, void (NoteEditor::*)()> commands[] = {
            {mnBold, &NoteEditor::mnBoldClick},
            {mnItalic, &NoteEditor::mnItalicClick},
            {mnUnderline, &NoteEditor::mnUnderlineClick},
            {mnStrikeout, &NoteEditor::mnStrikeoutClick},
        };
        flipStyle(commands[i].first, commands[i].second);
        return true;
    }
    return false;
}

void NoteEditor::flipStyle(QAction *item, void (NoteEditor::*handler)())
{
    // As the menu does it: the tick shows the selection, the command flips
    // it. Without a selection the flag applies to what is typed next.
    pmRichTextEditorPopup();
    item->setChecked(!item->isChecked());
    (this->*handler)();
}

void NoteEditor::openMenuAtCaret()
{
    const QRect caret = cursorRect();
    richTextMenu()->popup(viewport()->mapToGlobal(caret.bottomLeft()));
}

void NoteEditor::showMenuKeys()
{
    const std::pair<QAction *, QKeySequence> keys[] = {
        {mnUndo, standard(QKeySequence::Undo)},     {mnCut, standard(QKeySequence::Cut)},
        {mnCopy, standard(QKeySequence::Copy)},     {mnPaste, standard(QKeySequence::Paste)},
        {mnChecklist, ChecklistInput::toggleKey()}, {mnBold, standard(QKeySequence::Bold)},
        {mnItalic, standard(QKeySequence::Italic)}, {mnUnderline, standard(QKeySequence::Underline)},
        {mnStrikeout, strikeoutKey()},
    };
    for (const auto &[item, key] : keys) {
        // Shown in the menu; the editor itself handles the key.
        item->setShortcut(key);
        item->setShortcutContext(Qt::WidgetShortcut);
    }
}

void NoteEditor::followReadOnly()
{
    const bool editable = !isReadOnly();
    if (editable) {
        mnUndo->setEnabled(document()->isUndoAvailable());
        enableSelectionCommands(textCursor().hasSelection());
        enablePaste();
    } else {
        for (QAction *item : {mnUndo, mnCut, mnPaste, mnDelete, mnBold, mnItalic, mnUnderline, mnStrikeout,
                              mnColor->menuAction(), mnFont, mnNumbering})
            item->setEnabled(false);
    }
    for (QAction *item : {mnChecklist, mnLeftJ, mnRightJ, mnCenterJ})
        item->setEnabled(editable);
}
