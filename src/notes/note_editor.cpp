#include "notes/note_editor.h"

#include <QPalette>

NoteEditor::NoteEditor(QWidget *parent)
    : QTextEdit(parent)
{
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setAcceptRichText(true);
}

NoteEditor::~NoteEditor() = default;

void NoteEditor::setBackgroundColor(const QColor &color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, color);
    setPalette(pal);
}

QColor NoteEditor::backgroundColor() const
{
    return palette().color(QPalette::Base);
}

void NoteEditor::setDefaultFormat(const QFont &font, const QColor &color)
{
    document()->setDefaultFont(font);
    QTextCharFormat format;
    format.setFont(font);
    format.setForeground(color);
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.mergeCharFormat(format);
    mergeCurrentCharFormat(format);
}
