#pragma once

#include <QColor>
#include <QFont>
#include <QTextEdit>

class QMenu;

// reEdit: the rich-text body of a note, with its own context menu of clipboard,
// font, colour, bullet, style and alignment commands.
class NoteEditor final : public QTextEdit
{
    Q_OBJECT
public:
    // The most characters that typing or pasting may leave in the editor.
    static constexpr int MaxLength = 65536;

    explicit NoteEditor(QWidget *parent = nullptr);
    ~NoteEditor() override;

    // The note colour behind the text (ApplyColor).
    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const;

    // The format of text typed where no other format applies: face, size,
    // style and colour of a new note.
    void setDefaultFormat(const QFont &font, const QColor &color);
};
