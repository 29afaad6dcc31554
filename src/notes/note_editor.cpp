#include "notes/note_editor.h"

#include "core/rtf/rtf.h"
#include "core/rtf/rtf_picture.h"
#include "framework/font_pick.h"
#include "framework/font_style.h"
#include "framework/guarded.h"
#include "framework/image_list.h"
#include "framework/popup_menu.h"
#include "framework/system_metrics.h"
#include "notes/checklist.h"
#include "notes/editor_images.h"
#include "notes/note_pictures.h"
#include "theme/color_palette.h"

#include <QAbstractTextDocumentLayout>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontDialog>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <QPageRanges>
#include <QPalette>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextList>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace {

QTextCharFormat styleFormat(int style)
{
    QTextCharFormat format;
    format.setFontWeight(style & FontStyle::Bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style & FontStyle::Italic);
    format.setFontUnderline(style & FontStyle::Underline);
    format.setFontStrikeOut(style & FontStyle::StrikeOut);
    return format;
}

bool isBullet(const QTextList *list)
{
    if (!list)
        return false;
    const auto style = list->format().style();
    return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle
        || style == QTextListFormat::ListSquare;
}

// Points to document pixels at the 96 dpi the layout works in.
constexpr qreal pointsToPixels(qreal points) { return points * 96 / 72; }

// The characters a key press would type, 0 for keys that type nothing.
int typedLength(const QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return 1;
    if (event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return 0;
    const QString text = event->text();
    if (text.isEmpty() || !(text.at(0).isPrint() || text.at(0) == u'\t'))
        return 0;
    return int(text.size());
}

// The pages (counted from 0) that the print dialog asked for, in the order
// it asked for them. A range beyond the last page prints nothing.
std::vector<std::size_t> pagesToPrint(const QPrinter &printer, std::size_t pageCount)
{
    const QPageRanges ranges = printer.pageRanges();
    const bool all = printer.printRange() != QPrinter::PageRange || ranges.isEmpty();
    std::vector<std::size_t> pages;
    for (std::size_t i = 0; i < pageCount; ++i)
        if (all || ranges.contains(int(i) + 1))
            pages.push_back(i);
    if (printer.pageOrder() == QPrinter::LastPageFirst)
        std::reverse(pages.begin(), pages.end());
    return pages;
}

} // namespace

NoteEditor::NoteEditor(QWidget *parent)
    : QTextEdit(parent)
{
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setAcceptRichText(true);
    setTabChangesFocus(false);
    // A bullet list level is the hanging indent between bullet and text.
    document()->setIndentWidth(pointsToPixels(BulletIndentPt));
    m_pictures = new PictureLayout(this);
    m_pictures->installOn(document());
    // The design font; set explicitly so that the note window's own font
    // does not propagate into the document.
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSize(10);
    setDefaultFormat(font, palette().color(QPalette::WindowText));
    m_checklist = new ChecklistInput(*this);
}

NoteEditor::~NoteEditor() = default;

QAction *NoteEditor::addCommand(const QString &caption, int image, void (NoteEditor::*handler)())
{
    QAction *item = pmRichTextEditor->addItem(caption, image);
    connect(item, &QAction::triggered, this, guarded(this, handler));
    return item;
}

ImageList *NoteEditor::images()
{
    if (!ilEditor) {
        ilEditor = new ImageList(16, 16, this);
        ilEditor->setObjectName(QStringLiteral("ilEditor"));
        EditorImages::fill(*ilEditor);
    }
    return ilEditor;
}

PopupMenu *NoteEditor::richTextMenu()
{
    if (!pmRichTextEditor)
        buildMenu();
    return pmRichTextEditor;
}

void NoteEditor::buildMenu()
{
    pmRichTextEditor = new PopupMenu(this);
    pmRichTextEditor->setImages(images());
    mnUndo = addCommand(tr("Undo"), EditorImages::Undo, &QTextEdit::undo);
    pmRichTextEditor->addSeparator();
    mnCut = addCommand(tr("Cut"), EditorImages::Cut, &QTextEdit::cut);
    mnCopy = addCommand(tr("Copy"), EditorImages::Copy, &QTextEdit::copy);
    mnPaste = addCommand(tr("Paste"), EditorImages::Paste, &QTextEdit::paste);
    mnDelete = addCommand(tr("Delete"), EditorImages::Delete, &NoteEditor::mnDeleteClick);
    pmRichTextEditor->addSeparator();
    mnColor = pmRichTextEditor->addSubmenu(tr("Font Color..."), EditorImages::FontColor);
    tbTextColor = new TTBXColorPalette(mnColor);
    tbTextColor->setPaletteOptions(tbTextColor->PaletteOptions() | tpoCustomImages);
    connect(tbTextColor, &TTBXColorPalette::selectionChanged, this, guarded(this, &NoteEditor::tbTextColorChange));
    mnColor->addAction(tbTextColor);
    connect(mnColor, &QMenu::aboutToShow, this, guarded(this, &NoteEditor::mnColorPopup));
    mnFont = addCommand(tr("Font..."), EditorImages::Font, &NoteEditor::mnFontClick);
    pmRichTextEditor->addSeparator();
    mnNumbering = addCommand(tr("Bullets..."), EditorImages::Bullets, &NoteEditor::mnNumberingClick);
    mnChecklist = addCommand(tr("Checklist"), -1, &NoteEditor::mnChecklistClick);
    pmRichTextEditor->addSeparator();
    mnBold = addCommand(tr("Bold"), EditorImages::Bold, &NoteEditor::mnBoldClick);
    mnItalic = addCommand(tr("Italic"), EditorImages::Italic, &NoteEditor::mnItalicClick);
    mnUnderline = addCommand(tr("Underline"), EditorImages::Underline, &NoteEditor::mnUnderlineClick);
    mnStrikeout = addCommand(tr("Strikeout"), EditorImages::Strikeout, &NoteEditor::mnStrikeoutClick);
    pmRichTextEditor->addSeparator();
    mnLeftJ = pmRichTextEditor->addItem(tr("Left Justify"), EditorImages::LeftJustify);
    mnRightJ = pmRichTextEditor->addItem(tr("Right Justify"), EditorImages::RightJustify);
    mnCenterJ = pmRichTextEditor->addItem(tr("Center"), EditorImages::Center);
    auto *alignment = new QActionGroup(pmRichTextEditor);
    for (QAction *item : {mnLeftJ, mnRightJ, mnCenterJ})
        alignment->addAction(item);
    mnLeftJ->setData(0);
    mnRightJ->setData(1);
    mnCenterJ->setData(2);
    connect(alignment, &QActionGroup::triggered, this, guarded(this, &NoteEditor::mnJustifyClick));
    for (QAction *item : {mnNumbering, mnChecklist, mnBold, mnItalic, mnUnderline, mnStrikeout, mnLeftJ, mnRightJ, mnCenterJ})
        item->setCheckable(true);
    connect(pmRichTextEditor, &QMenu::aboutToShow, this, guarded(this, &NoteEditor::pmRichTextEditorPopup));
    const std::pair<QObject *, const char *> controls[] = {
        {pmRichTextEditor, "pmRichTextEditor"},
        {mnUndo, "mnUndo"},
        {mnCut, "mnCut"},
        {mnCopy, "mnCopy"},
        {mnPaste, "mnPaste"},
        {mnDelete, "mnDelete"},
        {mnColor, "mnColor"},
        {tbTextColor, "tbTextColor"},
        {mnFont, "mnFont"},
        {mnNumbering, "mnNumbering"},
        {mnChecklist, "mnChecklist"},
        {mnBold, "mnBold"},
        {mnItalic, "mnItalic"},
        {mnUnderline, "mnUnderline"},
        {mnStrikeout, "mnStrikeout"},
        {mnLeftJ, "mnLeftJ"},
        {mnRightJ, "mnRightJ"},
        {mnCenterJ, "mnCenterJ"},
    };
    for (const auto &[control, name] : controls)
        control->setObjectName(QLatin1String(name));

    // Enabled states follow the document, the selection and the clipboard.
    mnUndo->setEnabled(document()->isUndoAvailable());
    connect(this, &QTextEdit::undoAvailable, mnUndo, &QAction::setEnabled);
    enableSelectionCommands(textCursor().hasSelection());
    connect(this, &QTextEdit::copyAvailable, this, &NoteEditor::enableSelectionCommands);
    enablePaste();
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &NoteEditor::enablePaste);
    showMenuKeys();
}

void NoteEditor::enableSelectionCommands(bool selected)
{
    for (QAction *item : {mnCut, mnCopy, mnDelete, mnBold, mnItalic, mnUnderline, mnStrikeout,
                          mnColor->menuAction(), mnFont, mnNumbering})
        item->setEnabled(selected);
}

void NoteEditor::enablePaste()
{
    const QMimeData *clip = QGuiApplication::clipboard()->mimeData();
    mnPaste->setEnabled(clip && clip->hasText());
}

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
    QFont base(font.family());
    base.setPointSizeF(font.pointSizeF());
    setFont(base);
    QTextCharFormat format = styleFormat(FontStyle::bitsOf(font));
    format.setFontFamilies({font.family()});
    format.setFontPointSize(font.pointSizeF());
    format.setForeground(color);
    QTextCursor all(document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(format);
    QTextCursor cursor = textCursor();
    cursor.mergeBlockCharFormat(format);
    setTextCursor(cursor);
    mergeCurrentCharFormat(format);
}

void NoteEditor::bindDocument(QTextDocument *document)
{
    // The document keeps its own font for what its runs leave unset: that
    // is what its file says.
    const QFont font = document->defaultFont();
    setDocument(document);
    document->setDefaultFont(font);
    m_pictures->installOn(document);
}

int NoteEditor::textLength() const
{
    return document()->characterCount() - 1;
}

int NoteEditor::room() const
{
    const QTextCursor cursor = textCursor();
    return MaxLength - textLength() + (cursor.selectionEnd() - cursor.selectionStart());
}

void NoteEditor::printTo(QPrinter &printer) const
{
    const std::unique_ptr<QTextDocument> copy(document()->clone());
    copy->setDocumentMargin(0);
    copyPictures(*copy);
    // Laid out at the screen's resolution, so that the note keeps the line
    // breaks and sizes it has on screen, then scaled onto the printer.
    const qreal scaleX = printer.logicalDpiX() / qreal(logicalDpiX());
    const qreal scaleY = printer.logicalDpiY() / qreal(logicalDpiY());
    const QSizeF page(printer.width() / scaleX, printer.height() / scaleY);
    copy->setTextWidth(page.width());

    // Pages break between lines, never through one: Qt's own pagination
    // lets a line straddle the break and prints its halves on two pages.
    QAbstractTextDocumentLayout *layout = copy->documentLayout();
    std::vector<qreal> pageTops{0};
    for (QTextBlock block = copy->begin(); block.isValid(); block = block.next()) {
        const qreal blockTop = layout->blockBoundingRect(block).top();
        const QTextLayout *lines = block.layout();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            const qreal top = blockTop + line.y();
            if (top + line.height() > pageTops.back() + page.height() && top > pageTops.back())
                pageTops.push_back(top);
        }
    }

    const std::vector<std::size_t> pages = pagesToPrint(printer, pageTops.size());
    if (pages.empty())
        return;
    QPainter painter(&printer);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    for (const std::size_t i : pages) {
        if (i != pages.front())
            printer.newPage();
        const qreal bottom = i + 1 < pageTops.size() ? pageTops[i + 1] : pageTops[i] + page.height();
        const QRectF view(0, pageTops[i], page.width(), bottom - pageTops[i]);
        painter.save();
        painter.scale(scaleX, scaleY);
        painter.translate(0, -view.top());
        painter.setClipRect(view);
        // Blocks that only touch the page edge stay out of the page's content.
        context.clip = view.adjusted(0, 0.5, 0, -0.5);
        layout->draw(&painter, context);
        painter.restore();
    }
}

QFontDialog *NoteEditor::fdFont()
{
    if (!m_fontDialog) {
        m_fontDialog = new QFontDialog(this);
        m_fontDialog->setObjectName(QStringLiteral("fdFont"));
        prepareFontDialog(*m_fontDialog);
    }
    return m_fontDialog;
}

void NoteEditor::pmRichTextEditorPopup()
{
    richTextMenu();
    const QTextCursor cursor = textCursor();

    const QTextBlock block = document()->findBlock(cursor.selectionStart());
    mnNumbering->setChecked(isBullet(block.textList()));
    const Qt::Alignment align = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    mnLeftJ->setChecked(align == Qt::AlignLeft);
    mnRightJ->setChecked(align == Qt::AlignRight);
    mnCenterJ->setChecked(align == Qt::AlignHCenter);

    const int style = FontStyle::bitsOf(selectionFont());
    mnBold->setChecked(style & FontStyle::Bold);
    mnItalic->setChecked(style & FontStyle::Italic);
    mnUnderline->setChecked(style & FontStyle::Underline);
    mnStrikeout->setChecked(style & FontStyle::StrikeOut);
    mnChecklist->setChecked(Checklist::allItems(cursor));
    followReadOnly();
}

QTextCharFormat NoteEditor::selectionFormat() const
{
    const QTextCursor selection = textCursor();
    if (!selection.hasSelection())
        return selection.charFormat();
    // charFormat() reports the character before the position: step onto the
    // first selected one.
    QTextCursor first(document());
    first.setPosition(selection.selectionStart() + 1);
    return first.charFormat();
}

QFont NoteEditor::selectionFont() const
{
    return selectionFormat().font().resolve(document()->defaultFont());
}

QColor NoteEditor::selectionColor() const
{
    const QTextCharFormat format = selectionFormat();
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush)
        return format.foreground().color();
    return palette().color(QPalette::Text);
}

void NoteEditor::mnDeleteClick()
{
    textCursor().removeSelectedText();
}

void NoteEditor::mnColorPopup()
{
    // Marking the selection's colour is not a pick.
    tbTextColor->presetColor(Color::fromQColor(selectionColor()));
}

void NoteEditor::tbTextColorChange()
{
    QTextCharFormat format;
    format.setForeground(tbTextColor->Color().resolved(sysColor).toQColor());
    mergeCurrentCharFormat(format);
}

void NoteEditor::mnFontClick()
{
    const QFont current = selectionFont();
    QFont preset(current.family());
    preset.setPointSizeF(current.pointSizeF());
    preset.setBold(current.bold());
    preset.setItalic(current.italic());
    const std::optional<QFont> chosen = pickFont(*fdFont(), preset);
    if (!chosen)
        return;
    // Underline and strikeout are not in the dialog: every character keeps
    // its own, as it keeps its colour.
    QTextCharFormat format;
    format.setFontFamilies({chosen->family()});
    format.setFontPointSize(chosen->pointSizeF());
    format.setFontWeight(chosen->bold() ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chosen->italic());
    mergeCurrentCharFormat(format);
}

void NoteEditor::applyStyleFlag(QAction *item, int flag)
{
    // The tick was flipped by the click; the other three flags are those
    // read from the selection, so mixed selections become uniform.
    int style = FontStyle::bitsOf(selectionFont());
    style = item->isChecked() ? (style | flag) : (style & ~flag);
    mergeCurrentCharFormat(styleFormat(style));
}

void NoteEditor::mnBoldClick()
{
    applyStyleFlag(mnBold, FontStyle::Bold);
}

void NoteEditor::mnItalicClick()
{
    applyStyleFlag(mnItalic, FontStyle::Italic);
}

void NoteEditor::mnUnderlineClick()
{
    applyStyleFlag(mnUnderline, FontStyle::Underline);
}

void NoteEditor::mnStrikeoutClick()
{
    applyStyleFlag(mnStrikeout, FontStyle::StrikeOut);
}

void NoteEditor::mnJustifyClick(QAction *item)
{
    applyAlignment(item->data().toInt());
}

void NoteEditor::applyAlignment(int tag)
{
    static constexpr Qt::Alignment ByTag[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    if (tag < 0 || tag > 2)
        return;
    QTextBlockFormat format;
    format.setAlignment(ByTag[tag]);
    textCursor().mergeBlockFormat(format);
}

void NoteEditor::mnNumberingClick()
{
    setBullets(mnNumbering->isChecked());
}

void NoteEditor::mnChecklistClick()
{
    Checklist::setItems(textCursor(), mnChecklist->isChecked());
}

void NoteEditor::setBullets(bool on)
{
    QTextCursor cursor = textCursor();
    const QTextBlock first = document()->findBlock(cursor.selectionStart());
    const QTextBlock last = document()->findBlock(cursor.selectionEnd());
    cursor.beginEditBlock();
    if (on) {
        // One list level is the 10-point hanging indent; deeper levels
        // already indent further and keep their depth.
        QTextListFormat list = Rtf::bulletListFormat();
        if (const QTextList *current = first.textList())
            list.setIndent(std::max(list.indent(), current->format().indent()));
        cursor.createList(list);
    } else {
        for (QTextBlock block = first; block.isValid(); block = block.next()) {
            QTextBlockFormat format = block.blockFormat();
            format.setObjectIndex(-1);
            format.setIndent(0);
            format.setTextIndent(0);
            QTextCursor(block).setBlockFormat(format);
            if (block == last)
                break;
        }
    }
    cursor.endEditBlock();
}

void NoteEditor::contextMenuEvent(QContextMenuEvent *event)
{
    // The Menu key reaches us first as this event (X11 and Windows make one
    // of it), placed by Qt over the caret's middle: open below the caret,
    // as Shift+F10 does, so that the line stays readable.
    if (event->reason() == QContextMenuEvent::Keyboard)
        openMenuAtCaret();
    else
        richTextMenu()->popup(event->globalPos());
    event->accept();
}

void NoteEditor::keyPressEvent(QKeyEvent *event)
{
    if (shortcutKey(event)) {
        event->accept();
        return;
    }
    const int typed = isReadOnly() ? 0 : typedLength(event);
    if (typed > 0 && typed > room()) {
        QApplication::beep();
        event->accept();
        return;
    }
    QTextEdit::keyPressEvent(event);
}

void NoteEditor::inputMethodEvent(QInputMethodEvent *event)
{
    const int free = room();
    if (event->commitString().size() <= free) {
        QTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent trimmed(event->preeditString(), event->attributes());
    trimmed.setCommitString(event->commitString().left(std::max(free, 0)), event->replacementStart(),
                            event->replacementLength());
    QTextEdit::inputMethodEvent(&trimmed);
    event->accept();
}

bool NoteEditor::canInsertFromMimeData(const QMimeData *source) const
{
    return NotePictures::offersPicture(source) || QTextEdit::canInsertFromMimeData(source);
}

QMimeData *NoteEditor::createMimeDataFromSelection() const
{
    QMimeData *data = QTextEdit::createMimeDataFromSelection();
    // A picture selected on its own goes out as an image too, for other programs.
    const QTextCursor cursor = textCursor();
    if (cursor.selectionEnd() - cursor.selectionStart() == 1) {
        QTextCursor probe(document());
        probe.setPosition(cursor.selectionEnd());
        const QTextCharFormat format = probe.charFormat();
        if (format.isImageFormat()) {
            const QImage image = Rtf::pictureImage(*document(), format.toImageFormat().name());
            if (!image.isNull())
                data->setImageData(image);
        }
    }
    return data;
}

void NoteEditor::copyPictures(QTextDocument &copy) const
{
    // A clone shares the text, not the pictures behind it.
    for (QTextBlock block = copy.begin(); block.isValid(); block = block.next())
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) {
                const QUrl name(it.fragment().charFormat().toImageFormat().name());
                copy.addResource(QTextDocument::ImageResource, name,
                                 document()->resource(QTextDocument::ImageResource, name));
            }
    m_pictures->installOn(&copy);
}

void NoteEditor::mouseDoubleClickEvent(QMouseEvent *event)
{
    QTextCursor at = cursorForPosition(event->pos());
    // the picture under the pointer is the character before or after the cursor's place
    for (const int position : {at.position(), at.position() + 1}) {
        QTextCursor probe(document());
        if (position < 1 || position > textLength())
            continue;
        probe.setPosition(position);
        if (!probe.atBlockStart() && probe.charFormat().isImageFormat() && pictureMenu(position - 1, event->globalPosition().toPoint())) {
            event->accept();
            return;
        }
    }
    QTextEdit::mouseDoubleClickEvent(event);
}

bool NoteEditor::pictureMenu(int position, const QPoint &where)
{
    QTextCursor picture(document());
    picture.setPosition(position);
    picture.setPosition(position + 1, QTextCursor::KeepAnchor);
    const Rtf::Picture stored = Rtf::pictureOf(picture.charFormat().toImageFormat());
    if (stored.kind != Rtf::PictureKind::Png && stored.kind != Rtf::PictureKind::Jpeg)
        return false; // pictures from other programs keep their size and bytes
    setTextCursor(picture);
    PopupMenu menu(this);
    menu.setObjectName(QStringLiteral("pmPictureSize"));
    const qreal room = document()->textWidth() - 2 * document()->documentMargin();
    for (const int percent : NotePictures::PresetPercents) {
        const int width = percent > 0 ? qRound(room * percent / 100) : stored.pixels.width();
        QAction *item = menu.addItem(percent > 0 ? tr("%1% of the note's width").arg(percent) : tr("Original size"));
        connect(item, &QAction::triggered, this, guarded([this, position, stored, width] {
                    QTextCursor c(document());
                    c.setPosition(position);
                    c.setPosition(position + 1, QTextCursor::KeepAnchor);
                    c.setCharFormat(Rtf::pictureFormat(*document(), Rtf::resizedPicture(stored, qMax(8, width))));
                }));
    }
    menu.exec(where);
    return true;
}

void NoteEditor::insertFromMimeData(const QMimeData *source)
{
    if (!source)
        return;
    if (NotePictures::offersPicture(source)) {
        if (room() <= 0) {
            QApplication::beep();
            return;
        }
        QTextCursor cursor = textCursor();
        if (NotePictures::insertPictures(cursor, source) == NotePictures::Inserted::NotAll)
            QApplication::beep(); // the note is full, as for text
        setTextCursor(cursor);
        ensureCursorVisible();
        return;
    }
    QTextDocument incoming;
    if (source->hasHtml() && acceptRichText())
        incoming.setHtml(source->html());
    else
        incoming.setPlainText(source->text());
    const int free = room();
    const int length = incoming.characterCount() - 1;
    if (length <= free) {
        QTextEdit::insertFromMimeData(source);
        return;
    }
    QApplication::beep();
    if (free <= 0)
        return;
    QTextCursor tail(&incoming);
    tail.setPosition(free);
    tail.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    tail.removeSelectedText();
    QTextCursor cursor = textCursor();
    cursor.insertFragment(QTextDocumentFragment(&incoming));
    setTextCursor(cursor);
    ensureCursorVisible();
}
