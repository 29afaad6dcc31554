#pragma once

#include <QKeySequence>
#include <QObject>
#include <QTextBlock>
#include <QTextCursor>

class QTextEdit;

// Check items: paragraphs that start with a box, U+2610 (empty) or U+2611
// (ticked), and a blank. The box is part of the text, so mail, print,
// search and other programs see it, and a paragraph starting that way in
// any file is an item.
namespace Checklist {

inline constexpr char16_t EmptyBox = 0x2610;
inline constexpr char16_t TickedBox = 0x2611;
// The box and its blank.
inline constexpr int PrefixLength = 2;

bool isItem(const QTextBlock &block);
bool isTicked(const QTextBlock &block);
// Every paragraph the cursor's selection touches is an item.
bool allItems(const QTextCursor &cursor);
// Makes the touched paragraphs empty items, or takes their boxes away.
void setItems(const QTextCursor &cursor, bool on);
// Flips the box of each touched item; false when none is an item.
bool tick(const QTextCursor &cursor);

} // namespace Checklist

// What a checklist does in an editor: a click on a box ticks it, Enter at
// an item starts the next one and on an empty item ends the list, and ticked
// items look done (struck through and dimmed, on screen only). Two keys work
// on the current paragraphs: one makes them items and back, one ticks.
class ChecklistInput final : public QObject
{
    Q_OBJECT
public:
    static QKeySequence toggleKey() { return QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L); }
    static QKeySequence tickKey() { return QKeySequence(Qt::CTRL | Qt::Key_Return); }

    explicit ChecklistInput(QTextEdit &editor);

    // As the Checklist command: items when not all of the touched paragraphs
    // are, plain paragraphs when they all are. Nothing while read-only.
    void toggle();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyPress(const QKeyEvent *event);
    bool enterAtItem();
    bool clickAt(QPoint viewportPos);
    void showDone();

    QTextEdit &m_editor;
};
