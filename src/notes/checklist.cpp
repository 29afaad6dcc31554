#include "notes/checklist.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextDocument>
#include <QTextEdit>

namespace {

// Each paragraph the cursor's selection touches, in order.
template<class Visit>
void forEachBlock(const QTextCursor &cursor, Visit visit)
{
    const QTextDocument *document = cursor.document();
    const QTextBlock last = document->findBlock(cursor.selectionEnd());
    for (QTextBlock block = document->findBlock(cursor.selectionStart()); block.isValid(); block = block.next()) {
        visit(block);
        if (block == last)
            break;
    }
}

QString prefix(char16_t box)
{
    return QString(QChar(box)) + QLatin1Char(' ');
}

// The box of `block` replaced by `box`, keeping the box's character format.
void setBox(const QTextBlock &block, char16_t box)
{
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
    cursor.insertText(QString(QChar(box)), cursor.charFormat());
}

} // namespace

namespace Checklist {

bool isItem(const QTextBlock &block)
{
    const QString text = block.text();
    return text.size() >= PrefixLength && (text.at(0) == QChar(EmptyBox) || text.at(0) == QChar(TickedBox))
        && text.at(1) == QLatin1Char(' ');
}

bool isTicked(const QTextBlock &block)
{
    return isItem(block) && block.text().at(0) == QChar(TickedBox);
}

bool allItems(const QTextCursor &cursor)
{
    bool all = true;
    forEachBlock(cursor, [&all](const QTextBlock &block) { all = all && isItem(block); });
    return all;
}

void setItems(const QTextCursor &cursor, bool on)
{
    QTextCursor edit(cursor);
    edit.beginEditBlock();
    forEachBlock(cursor, [on](const QTextBlock &block) {
        QTextCursor at(block);
        if (on && !isItem(block)) {
            at.insertText(prefix(EmptyBox));
        } else if (!on && isItem(block)) {
            at.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, PrefixLength);
            at.removeSelectedText();
        }
    });
    edit.endEditBlock();
}

bool tick(const QTextCursor &cursor)
{
    bool any = false;
    QTextCursor edit(cursor);
    edit.beginEditBlock();
    forEachBlock(cursor, [&any](const QTextBlock &block) {
        if (!isItem(block))
            return;
        setBox(block, isTicked(block) ? EmptyBox : TickedBox);
        any = true;
    });
    edit.endEditBlock();
    return any;
}

} // namespace Checklist

ChecklistInput::ChecklistInput(QTextEdit &editor)
    : QObject(&editor), m_editor(editor)
{
    setObjectName(QStringLiteral("checklist"));
    m_editor.installEventFilter(this);
    m_editor.viewport()->installEventFilter(this);
    connect(m_editor.document(), &QTextDocument::contentsChanged, this, &ChecklistInput::showDone);
}

void ChecklistInput::toggle()
{
    if (m_editor.isReadOnly())
        return;
    const QTextCursor cursor = m_editor.textCursor();
    Checklist::setItems(cursor, !Checklist::allItems(cursor));
}

bool ChecklistInput::eventFilter(QObject *watched, QEvent *event)
{
    if (m_editor.isReadOnly())
        return QObject::eventFilter(watched, event);
    if (watched == &m_editor && event->type() == QEvent::KeyPress)
        return keyPress(static_cast<QKeyEvent *>(event)) || QObject::eventFilter(watched, event);
    if (watched == m_editor.viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && mouse->modifiers() == Qt::NoModifier
            && clickAt(mouse->position().toPoint()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}

bool ChecklistInput::keyPress(const QKeyEvent *event)
{
    const QKeySequence pressed(event->keyCombination());
    if (pressed == toggleKey()) {
        toggle();
        return true;
    }
    if (pressed == tickKey() || pressed == QKeySequence(Qt::CTRL | Qt::Key_Enter)) {
        Checklist::tick(m_editor.textCursor());
        return true;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
        return enterAtItem();
    return false;
}

bool ChecklistInput::enterAtItem()
{
    QTextCursor cursor = m_editor.textCursor();
    const QTextBlock block = cursor.block();
    // Enter before the box opens a line above, as anywhere else.
    if (cursor.hasSelection() || !Checklist::isItem(block) || cursor.positionInBlock() == 0)
        return false;
    cursor.beginEditBlock();
    if (block.length() - 1 == Checklist::PrefixLength) {
        // An empty item ends the list: it becomes an empty paragraph.
        cursor.setPosition(block.position());
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor, Checklist::PrefixLength);
        cursor.removeSelectedText();
    } else {
        if (cursor.positionInBlock() < Checklist::PrefixLength)
            cursor.setPosition(block.position() + Checklist::PrefixLength);
        cursor.insertBlock();
        cursor.insertText(prefix(Checklist::EmptyBox));
    }
    cursor.endEditBlock();
    m_editor.setTextCursor(cursor);
    m_editor.ensureCursorVisible();
    return true;
}

bool ChecklistInput::clickAt(QPoint viewportPos)
{
    const QTextCursor hit = m_editor.cursorForPosition(viewportPos);
    const QTextBlock block = hit.block();
    if (!Checklist::isItem(block))
        return false;
    // The box spans from the caret place before it to the one after it.
    QTextCursor before(block);
    QTextCursor after(block);
    after.movePosition(QTextCursor::NextCharacter);
    const QRect start = m_editor.cursorRect(before);
    const QRect end = m_editor.cursorRect(after);
    const int left = std::min(start.left(), end.left());
    const int right = std::max(start.left(), end.left());
    if (viewportPos.x() < left || viewportPos.x() > right || viewportPos.y() < start.top()
        || viewportPos.y() > start.bottom())
        return false;
    Checklist::tick(QTextCursor(block));
    return true;
}

void ChecklistInput::showDone()
{
    // Extra selections change the look only: the file keeps the text as typed.
    QList<QTextEdit::ExtraSelection> done;
    const QColor dimmed = m_editor.palette().color(QPalette::Disabled, QPalette::Text);
    for (QTextBlock block = m_editor.document()->begin(); block.isValid(); block = block.next()) {
        if (!Checklist::isTicked(block))
            continue;
        QTextEdit::ExtraSelection selection;
        selection.cursor = QTextCursor(block);
        selection.cursor.setPosition(block.position() + Checklist::PrefixLength);
        selection.cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        selection.format.setFontStrikeOut(true);
        selection.format.setForeground(dimmed);
        done.append(selection);
    }
    if (!done.isEmpty() || !m_editor.extraSelections().isEmpty())
        m_editor.setExtraSelections(done);
}
