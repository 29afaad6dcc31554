#pragma once

#include <QColor>
#include <QFont>
#include <QKeySequence>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QTextEdit>

#include "core/rtf/rtf.h"
#include "framework/tbx_types.h"

class QFontDialog;
class QPrinter;
class ChecklistInput;
class PictureLayout;
class ImageList;
class TTBXColorPalette;
class PopupMenu;

// reEdit: the rich-text body of a note, with its own context menu of
// clipboard, font, colour, bullet, style and alignment commands that act on
// the selection.
class NoteEditor final : public QTextEdit
{
    Q_OBJECT
public:
    // The most characters that typing or pasting may leave in the editor.
    static constexpr int MaxLength = 65536;
    // Distance from a bullet to its text, also the indent of wrapped lines.
    static constexpr qreal BulletIndentPt = Rtf::BulletIndentPoints;

    explicit NoteEditor(QWidget *parent = nullptr);
    ~NoteEditor() override;

    // The note colour behind the text (ApplyColor).
    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const;

    // The format of text typed where no other format applies: face, size,
    // style (bold, italic, underline, strikeout) and colour of a new note.
    void setDefaultFormat(const QFont &font, const QColor &color);
    // Shows and edits `document` (a note's, which the editor does not own)
    // in place of its own.
    void bindDocument(QTextDocument *document);

    // Characters in the text, a paragraph break counting as one.
    int textLength() const;

    // The format of the selection as the menu reports it: that of its first
    // character (of the insertion point without a selection), with what the
    // format leaves open taken from the document's default font and the
    // editor's text colour.
    QTextCharFormat selectionFormat() const;
    QFont selectionFont() const;
    QColor selectionColor() const;

    // Prints the content over the printable area of as many pages as it
    // needs, nothing else on the pages; only the pages in the printer's page
    // range when the print dialog set one.
    void printTo(QPrinter &printer) const;

    // ilEditor, shared with the note menu; made on first use.
    ImageList *images();

    // The editor's own keys (note_editor_keys.cpp): what each does, as the
    // list of keyboard shortcuts shows it, key text first.
    static QList<QPair<QKeySequence, QString>> shortcutList();
    // Opens the context menu at the caret, as Shift+F10 and the Menu key do.
    void openMenuAtCaret();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    QMimeData *createMimeDataFromSelection() const override;
    // A double click on a picture offers its preset widths.
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private Q_SLOTS:
    // Enables and ticks the items from the selection; runs before the menu
    // opens (and makes the menu when it does not exist yet).
    void pmRichTextEditorPopup();
    void mnDeleteClick();
    void mnColorPopup();
    void tbTextColorChange();
    void mnFontClick();
    void mnNumberingClick();
    void mnChecklistClick();
    void mnBoldClick();
    void mnItalicClick();
    void mnUnderlineClick();
    void mnStrikeoutClick();
    void mnJustifyClick(QAction *item);

private:
    // pmRichTextEditor, made on first use: a menu costs more memory than the
    // rest of a note, and most notes never have theirs opened. Its items
    // below stay null until then.
    PopupMenu *richTextMenu();
    // fdFont, made on first use; tests answer it through the modal widget.
    QFontDialog *fdFont();
    void buildMenu();
    QAction *addCommand(const QString &caption, int image, void (NoteEditor::*handler)());
    void enableSelectionCommands(bool selected);
    void enablePaste();
    // Room left for new text when the selection is replaced.
    int room() const;
    void applyStyleFlag(QAction *item, int flag);
    void applyAlignment(int tag);
    void setBullets(bool on);
    // The preset widths of the picture at `position`; false when it has none.
    bool pictureMenu(int position, const QPoint &where);
    // Gives a clone of the document (for printing) the pictures and their layout.
    void copyPictures(QTextDocument &copy) const;
    // note_editor_keys.cpp: formatting keys and the menu keys; true when
    // the key was one of them.
    bool shortcutKey(const QKeyEvent *event);
    void flipStyle(QAction *item, void (NoteEditor::*handler)());
    // Shows the menu's keys beside its items.
    void showMenuKeys();
    // A read-only editor's menu offers nothing that would change the text;
    // an editable one what the selection and the clipboard allow.
    void followReadOnly();

    // Controls; each has its name as object name.
    ImageList *ilEditor = nullptr;
    PopupMenu *pmRichTextEditor = nullptr;
    QAction *mnUndo = nullptr;
    QAction *mnCut = nullptr;
    QAction *mnCopy = nullptr;
    QAction *mnPaste = nullptr;
    QAction *mnDelete = nullptr;
    PopupMenu *mnColor = nullptr;
    TTBXColorPalette *tbTextColor = nullptr;
    QAction *mnFont = nullptr;
    QAction *mnNumbering = nullptr;
    QAction *mnChecklist = nullptr;
    QAction *mnBold = nullptr;
    QAction *mnItalic = nullptr;
    QAction *mnUnderline = nullptr;
    QAction *mnStrikeout = nullptr;
    QAction *mnLeftJ = nullptr;
    QAction *mnRightJ = nullptr;
    QAction *mnCenterJ = nullptr;
    QPointer<QFontDialog> m_fontDialog;
    ChecklistInput *m_checklist = nullptr;
    PictureLayout *m_pictures = nullptr; // draws the pictures of every document shown here
};
