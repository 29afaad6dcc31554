#include "notes/note_keys.h"

#include "framework/guarded.h"
#include "framework/message_box.h"
#include "notes/note_editor.h"
#include "notes/note_keyboard_move.h"
#include "notes/note_state_control.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace {

const QKeySequence MenuKey(Qt::Key_F10);
const QKeySequence TitleKey(Qt::Key_F2);
const QKeySequence MoveKey(Qt::ALT | Qt::Key_F7);
const QKeySequence SizeKey(Qt::ALT | Qt::Key_F8);

struct Command
{
    QKeySequence::StandardKey key;
    const char *item;   // the note menu item it clicks
};

const Command Commands[] = {
    {QKeySequence::New, "tbNewNote"},
    {QKeySequence::Print, "tbPrint"},
    {QKeySequence::Close, "tbExit"},
};

QKeySequence firstBinding(QKeySequence::StandardKey key)
{
    const QList<QKeySequence> bindings = QKeySequence::keyBindings(key);
    return bindings.isEmpty() ? QKeySequence() : bindings.first();
}

} // namespace

NoteKeys::NoteKeys(QWidget &note, const NoteStateControl &states)
    : QObject(&note), m_note(note), m_states(states), m_move(new NoteKeyboardMove(note))
{
    setObjectName(QStringLiteral("noteKeys"));
}

bool NoteKeys::handle(const QKeyEvent *event)
{
    for (const Command &command : Commands) {
        if (event->matches(command.key)) {
            Q_EMIT commandRequested(QLatin1String(command.item));
            return true;
        }
    }
    const QKeySequence pressed(event->keyCombination());
    if (pressed == MenuKey) {
        Q_EMIT menuRequested();
    } else if (pressed == TitleKey) {
        if (!m_states.isOn(NoteStateControl::LockedKey))
            Q_EMIT titleEditRequested();
    } else if (pressed == MoveKey) {
        m_move->start(NoteKeyboardMove::Mode::Move);
    } else if (pressed == SizeKey) {
        m_move->start(NoteKeyboardMove::Mode::Size, m_states.isOn(NoteStateControl::RolledKey));
    } else {
        return false;
    }
    return true;
}

QList<QPair<QKeySequence, QString>> NoteKeys::shortcutList()
{
    QList<QPair<QKeySequence, QString>> list = {
        {firstBinding(QKeySequence::New), tr("New Note")},
        {firstBinding(QKeySequence::Print), tr("Print")},
        {firstBinding(QKeySequence::Close), tr("Close")},
        {QKeySequence(Qt::Key_Escape), tr("Close at once")},
        {MenuKey, tr("Open the note menu")},
        {TitleKey, tr("Edit the title")},
        {MoveKey, tr("Move the note: arrow keys, then Enter or Escape")},
        {SizeKey, tr("Size the note: arrow keys, then Enter or Escape")},
    };
    list += NoteEditor::shortcutList();
    return list;
}

QString NoteKeys::shortcutText()
{
    QString rows;
    for (const auto &[key, what] : shortcutList())
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>&nbsp;&nbsp;%2</td></tr>")
                    .arg(key.toString(QKeySequence::NativeText).toHtmlEscaped(), what.toHtmlEscaped());
    return QStringLiteral("<table>") + rows + QStringLiteral("</table>");
}

void NoteKeys::addTo(QMenu &menu, QAction *before)
{
    auto *item = new QAction(tr("Keyboard Shortcuts"), &menu);
    item->setObjectName(QStringLiteral("tbShortcuts"));
    connect(item, &QAction::triggered, this, guarded(this, &NoteKeys::showShortcuts));
    menu.insertAction(before, item);
}

void NoteKeys::showShortcuts()
{
    Messages::exec({QMessageBox::Information, tr("Keyboard Shortcuts"), shortcutText(), QMessageBox::Ok,
                    QMessageBox::Ok, Qt::RichText},
                   &m_note);
}
