#include "framework/popup_menu.h"
#include "note_test_fixture.h"
#include "notes/editor_images.h"
#include "notes/note_editor.h"
#include "theme/color_palette.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontDialog>
#include <QMimeData>
#include <QTextBlock>
#include <QTextList>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace {

enum Style { B = 1, I = 2, U = 4, S = 8 };

int styleAt(const NoteEditor &editor, int position)
{
    QTextCursor cursor(editor.document());
    cursor.setPosition(position + 1);
    const QFont font = cursor.charFormat().font().resolve(editor.document()->defaultFont());
    return (font.bold() ? B : 0) | (font.italic() ? I : 0) | (font.underline() ? U : 0)
        | (font.strikeOut() ? S : 0);
}

QTextCharFormat formatAt(const NoteEditor &editor, int position)
{
    QTextCursor cursor(editor.document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

void formatRange(NoteEditor &editor, int from, int to, const QTextCharFormat &format)
{
    QTextCursor cursor(editor.document());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
}

void styleRange(NoteEditor &editor, int from, int to, int style)
{
    QTextCharFormat format;
    format.setFontWeight(style & B ? QFont::Bold : QFont::Normal);
    format.setFontItalic(style & I);
    format.setFontUnderline(style & U);
    format.setFontStrikeOut(style & S);
    formatRange(editor, from, to, format);
}

void select(NoteEditor &editor, int from, int to)
{
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

QString installedFamily(int index)
{
    const QStringList families = QFontDatabase::families();
    return families.value(std::min(index, int(families.size()) - 1));
}

} // namespace

class TestNoteEditor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void menuHasItemsInOrderWithImagesAndKeys();
    void withoutSelectionOnlyAlignmentIsEnabled_data();
    void withoutSelectionOnlyAlignmentIsEnabled();
    void pasteFollowsClipboardText_data();
    void pasteFollowsClipboardText();
    void undoFollowsDocument();
    void styleCommandsWriteAllFourFlags_data();
    void styleCommandsWriteAllFourFlags();
    void boldTwiceRestoresBold();
    void alignmentAppliesToTouchedParagraphs_data();
    void alignmentAppliesToTouchedParagraphs();
    void bulletsOnAndOff();
    void bulletsKeepDeeperLevel();
    void fontColorPresetIsNotAChange();
    void fontDialogPresetAndApply();
    void fontDialogCancelChangesNothing();
    void fontDialogKeepsAFaceThatIsNotInstalled_data();
    void fontDialogKeepsAFaceThatIsNotInstalled();
    void typingStopsAtLimit();
    void pasteIsCutToLimit_data();
    void pasteIsCutToLimit();
    void cutCopyPasteDelete();
    void editorImagesAreDrawn();
};

void TestNoteEditor::menuHasItemsInOrderWithImagesAndKeys()
{
    NoteEditor editor;
    const QList<MenuRow> expected = {
        {"Undo", 0, QKeySequence::Undo}, {"", -1}, {"Cut", 1, QKeySequence::Cut},
        {"Copy", 2, QKeySequence::Copy}, {"Paste", 3, QKeySequence::Paste}, {"Delete", 4}, {"", -1},
        {"Font Color...", 9}, {"Font...", 16}, {"", -1}, {"Bullets...", 13},
        {"Checklist", -1, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L)}, {"", -1},
        {"Bold", 7, QKeySequence::Bold}, {"Italic", 8, QKeySequence::Italic},
        {"Underline", 6, QKeySequence::Underline},
        {"Strikeout", 15, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_X)}, {"", -1},
        {"Left Justify", 11}, {"Right Justify", 12}, {"Center", 10},
    };
    // Made when first asked for, never with the editor.
    QVERIFY(!editor.findChild<QMenu *>(QStringLiteral("pmRichTextEditor")));
    QVERIFY(!editor.findChild<QAction *>(QStringLiteral("mnBold")));
    prepareEditorMenu(editor);
    checkMenuItems(*child<QMenu>(editor, "pmRichTextEditor"), expected);
    if (QTest::currentTestFailed())
        return;
    const QList<QAction *> items = child<QMenu>(editor, "pmRichTextEditor")->actions();
    QMenu *colorMenu = child<QMenu>(editor, "mnColor");
    auto *textColor = child<TTBXColorPalette>(editor, "tbTextColor");
    QCOMPARE(items[7]->menu(), colorMenu);
    QVERIFY(colorMenu->actions().contains(textColor));
    QCOMPARE(textColor->ColorSet(), nullptr);
    QCOMPARE(textColor->ColCount() * textColor->RowCount(), 40);
    QCOMPARE(child(editor, "mnLeftJ")->data().toInt(), 0);
    QCOMPARE(child(editor, "mnRightJ")->data().toInt(), 1);
    QCOMPARE(child(editor, "mnCenterJ")->data().toInt(), 2);
}

void TestNoteEditor::withoutSelectionOnlyAlignmentIsEnabled_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("ticked");   // 0 left, 1 right, 2 centre
    QTest::newRow("left") << int(Qt::AlignLeft) << 0;
    QTest::newRow("right") << int(Qt::AlignRight) << 1;
    QTest::newRow("centre") << int(Qt::AlignHCenter) << 2;
}

void TestNoteEditor::withoutSelectionOnlyAlignmentIsEnabled()
{
    QFETCH(int, alignment);
    QFETCH(int, ticked);
    NoteEditor editor;
    editor.setPlainText(QStringLiteral("one\ntwo"));
    QTextBlockFormat format;
    format.setAlignment(Qt::Alignment(alignment));
    QTextCursor(editor.document()->findBlockByNumber(1)).mergeBlockFormat(format);
    select(editor, 5, 5);
    prepareEditorMenu(editor);

    QAction *colorItem = child<QMenu>(editor, "mnColor")->menuAction();
    const QList<QAction *> needSelection = namedChildren(editor, {"mnCut", "mnCopy", "mnDelete", "mnBold", "mnItalic",
                                                                  "mnUnderline", "mnStrikeout", "mnFont", "mnNumbering"});
    for (const QAction *item : needSelection + QList<QAction *>{colorItem})
        QVERIFY2(!item->isEnabled(), qPrintable(item->text()));
    const QList<QAction *> align = namedChildren(editor, {"mnLeftJ", "mnRightJ", "mnCenterJ"});
    for (int i = 0; i < 3; ++i) {
        QVERIFY(align[i]->isEnabled());
        QCOMPARE(align[i]->isChecked(), i == ticked);
    }

    select(editor, 4, 6);
    prepareEditorMenu(editor);
    const QList<QAction *> nowEnabled = namedChildren(editor, {"mnCut", "mnCopy", "mnDelete", "mnBold", "mnFont", "mnNumbering"});
    for (const QAction *item : nowEnabled + QList<QAction *>{colorItem})
        QVERIFY2(item->isEnabled(), qPrintable(item->text()));
}

void TestNoteEditor::pasteFollowsClipboardText_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("empty") << "empty" << false;
    QTest::newRow("picture only") << "image" << false;
    QTest::newRow("plain text") << "text" << true;
    QTest::newRow("rich text") << "html" << true;
}

void TestNoteEditor::pasteFollowsClipboardText()
{
    QFETCH(QString, kind);
    QFETCH(bool, enabled);
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    if (kind == "image") {
        QImage picture(8, 8, QImage::Format_RGB32);
        picture.fill(Qt::red);
        clipboard->setImage(picture);
    } else if (kind == "text") {
        clipboard->setText(QStringLiteral("milk"));
    } else if (kind == "html") {
        auto *data = new QMimeData;
        data->setHtml(QStringLiteral("<b>milk</b>"));
        data->setText(QStringLiteral("milk"));
        clipboard->setMimeData(data);
    }
    NoteEditor editor;
    prepareEditorMenu(editor);
    QCOMPARE(child(editor, "mnPaste")->isEnabled(), enabled);
}

void TestNoteEditor::undoFollowsDocument()
{
    NoteEditor editor;
    prepareEditorMenu(editor);
    QVERIFY(!child(editor, "mnUndo")->isEnabled());
    QTest::keyClicks(&editor, QStringLiteral("abc"));
    prepareEditorMenu(editor);
    QVERIFY(child(editor, "mnUndo")->isEnabled());
    child(editor, "mnUndo")->trigger();
    QCOMPARE(editor.toPlainText(), QString());
}

void TestNoteEditor::styleCommandsWriteAllFourFlags_data()
{
    // Text "alpha beta": alpha is 0..5, beta 6..10.
    QTest::addColumn<int>("alphaStyle");
    QTest::addColumn<int>("betaStyle");
    QTest::addColumn<int>("selectionEnd");
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("expected");   // for every selected character
    QTest::newRow("bold word becomes regular") << int(B) << 0 << 5 << "Bold" << 0;
    QTest::newRow("underlined word gets italic, stays underlined") << int(U) << 0 << 5 << "Italic" << int(U | I);
    QTest::newRow("strikeout on plain word") << 0 << 0 << 5 << "Strikeout" << int(S);
    QTest::newRow("mixed selection takes the first word's flags") << int(B | U) << 0 << 10 << "Italic"
                                                                  << int(B | U | I);
    QTest::newRow("mixed selection loses the other flags too") << int(U) << int(I | S) << 10 << "Underline" << 0;
    QTest::newRow("bold added across a bold-and-plain selection") << 0 << int(B) << 10 << "Bold" << int(B);
}

void TestNoteEditor::styleCommandsWriteAllFourFlags()
{
    QFETCH(int, alphaStyle);
    QFETCH(int, betaStyle);
    QFETCH(int, selectionEnd);
    QFETCH(QString, command);
    QFETCH(int, expected);
    NoteEditor editor;
    editor.setPlainText(QStringLiteral("alpha beta"));
    styleRange(editor, 0, 5, alphaStyle);
    styleRange(editor, 6, 10, betaStyle);
    select(editor, 0, selectionEnd);
    prepareEditorMenu(editor);
    QAction *item = nullptr;
    for (QAction *a : child<QMenu>(editor, "pmRichTextEditor")->actions())
        if (a->text() == command)
            item = a;
    QVERIFY(item);
    item->trigger();
    for (int pos = 0; pos < selectionEnd; ++pos)
        QCOMPARE(styleAt(editor, pos), expected);
    if (selectionEnd < 10)
        QCOMPARE(styleAt(editor, 7), betaStyle);
}

void TestNoteEditor::boldTwiceRestoresBold()
{
    NoteEditor editor;
    editor.setPlainText(QStringLiteral("word"));
    styleRange(editor, 0, 4, B);
    select(editor, 0, 4);
    prepareEditorMenu(editor);
    QVERIFY(child(editor, "mnBold")->isChecked());
    child(editor, "mnBold")->trigger();
    QCOMPARE(styleAt(editor, 1), 0);
    prepareEditorMenu(editor);
    QVERIFY(!child(editor, "mnBold")->isChecked());
    child(editor, "mnBold")->trigger();
    QCOMPARE(styleAt(editor, 1), int(B));
}

void TestNoteEditor::alignmentAppliesToTouchedParagraphs_data()
{
    QTest::addColumn<QByteArray>("item");
    QTest::addColumn<int>("alignment");
    QTest::newRow("right") << QByteArray("mnRightJ") << int(Qt::AlignRight);
    QTest::newRow("centre") << QByteArray("mnCenterJ") << int(Qt::AlignHCenter);
    QTest::newRow("left again") << QByteArray("mnLeftJ") << int(Qt::AlignLeft);
}

void TestNoteEditor::alignmentAppliesToTouchedParagraphs()
{
    QFETCH(QByteArray, item);
    QFETCH(int, alignment);
    NoteEditor editor;
    editor.setPlainText(QStringLiteral("one\ntwo\nthree"));
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    QTextCursor(editor.document()->lastBlock()).mergeBlockFormat(centred);
    select(editor, 2, 5);   // touches "one" and "two", not "three"
    prepareEditorMenu(editor);
    child(editor, item.constData())->trigger();
    auto alignOf = [&](int n) {
        return int(editor.document()->findBlockByNumber(n).blockFormat().alignment() & Qt::AlignHorizontal_Mask);
    };
    QCOMPARE(alignOf(0), alignment);
    QCOMPARE(alignOf(1), alignment);
    QCOMPARE(alignOf(2), int(Qt::AlignHCenter));
    prepareEditorMenu(editor);
    QVERIFY(child(editor, item.constData())->isChecked());
}

void TestNoteEditor::bulletsOnAndOff()
{
    NoteEditor editor;
    editor.setPlainText(QStringLiteral("milk\nbread\nbutter"));
    select(editor, 1, 7);   // milk and bread
    prepareEditorMenu(editor);
    QVERIFY(!child(editor, "mnNumbering")->isChecked());
    child(editor, "mnNumbering")->trigger();

    const QTextBlock milk = editor.document()->findBlockByNumber(0);
    const QTextBlock bread = milk.next();
    const QTextBlock butter = bread.next();
    QVERIFY(milk.textList());
    QCOMPARE(milk.textList(), bread.textList());
    QCOMPARE(milk.textList()->format().style(), QTextListFormat::ListDisc);
    QVERIFY(!butter.textList());
    // The text stands 10 points from the bullet: one list level.
    const qreal tenPoints = NoteEditor::BulletIndentPt * 96 / 72;
    QCOMPARE(editor.document()->indentWidth(), tenPoints);
    QCOMPARE(milk.textList()->format().indent(), 1);
    QCOMPARE(editor.toPlainText(), QStringLiteral("milk\nbread\nbutter"));

    prepareEditorMenu(editor);
    QVERIFY(child(editor, "mnNumbering")->isChecked());
    child(editor, "mnNumbering")->trigger();
    for (QTextBlock block = editor.document()->begin(); block.isValid(); block = block.next()) {
        QVERIFY(!block.textList());
        QCOMPARE(block.blockFormat().indent(), 0);
        QCOMPARE(block.blockFormat().textIndent(), 0.0);
    }

    // One step of undo brings the bullets back.
    editor.undo();
    QVERIFY(editor.document()->findBlockByNumber(1).textList());
}

void TestNoteEditor::bulletsKeepDeeperLevel()
{
    NoteEditor editor;
    editor.setPlainText(QStringLiteral("nested"));
    QTextListFormat numbered;
    numbered.setStyle(QTextListFormat::ListDecimal);
    numbered.setIndent(3);
    QTextCursor(editor.document()->firstBlock()).createList(numbered);
    select(editor, 0, 3);
    prepareEditorMenu(editor);
    QVERIFY(!child(editor, "mnNumbering")->isChecked());   // numbers are not bullets
    child(editor, "mnNumbering")->trigger();
    const QTextList *list = editor.document()->firstBlock().textList();
    QVERIFY(list);
    QCOMPARE(list->format().style(), QTextListFormat::ListDisc);
    QCOMPARE(list->format().indent(), 3);
}

void TestNoteEditor::fontColorPresetIsNotAChange()
{
    NoteEditor editor;
    editor.setPlainText(QStringLiteral("red text"));
    QTextCharFormat red;
    red.setForeground(QColor(255, 0, 0));
    formatRange(editor, 0, 3, red);
    select(editor, 0, 3);
    const int undoSteps = editor.document()->availableUndoSteps();
    prepareEditorMenu(editor);
    QMenu *colorMenu = child<QMenu>(editor, "mnColor");
    auto *textColor = child<TTBXColorPalette>(editor, "tbTextColor");
    QVERIFY(colorMenu->menuAction()->isEnabled());
    Q_EMIT colorMenu->aboutToShow();
    QCOMPARE(textColor->Color(), Color::rgb(255, 0, 0));
    QCOMPARE(textColor->SelectedCell(), QPoint(0, 2));
    QCOMPARE(editor.document()->availableUndoSteps(), undoSteps);
    QCOMPARE(formatAt(editor, 1).foreground().color(), QColor(255, 0, 0));
    QVERIFY(!textColor->signalsBlocked());

    // Picking "Dark blue" recolours the selection only.
    textColor->ClickCell(5, 0);
    QCOMPARE(formatAt(editor, 0).foreground().color(), QColor(0, 0, 0x80));
    QCOMPARE(formatAt(editor, 2).foreground().color(), QColor(0, 0, 0x80));
    QVERIFY(formatAt(editor, 5).foreground().color() != QColor(0, 0, 0x80));
}

void TestNoteEditor::fontDialogPresetAndApply()
{
    const QString from = installedFamily(0);
    const QString to = installedFamily(1);
    if (from == to)
        QSKIP("needs two installed font families");
    NoteEditor editor;
    editor.setPlainText(QStringLiteral("some words"));
    QTextCharFormat start;
    start.setFontFamilies({from});
    start.setFontPointSize(12);
    start.setFontWeight(QFont::Bold);
    start.setFontUnderline(true);
    start.setForeground(QColor(0, 0x80, 0));
    formatRange(editor, 0, 4, start);
    select(editor, 0, 4);

    QFont preset;
    bool effectsShown = true;
    answerModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFontDialog *>(modal);
        QVERIFY(dialog);
        preset = dialog->currentFont();
        effectsShown = false;
        for (QCheckBox *box : dialog->findChildren<QCheckBox *>())
            effectsShown = effectsShown || box->isVisibleTo(dialog);
        QFont chosen(to);
        chosen.setPointSize(16);
        chosen.setItalic(true);
        dialog->setCurrentFont(chosen);
        dialog->accept();
    });
    prepareEditorMenu(editor);
    child(editor, "mnFont")->trigger();

    QCOMPARE(preset.family(), from);
    QCOMPARE(preset.pointSize(), 12);
    QVERIFY(preset.bold());
    QVERIFY(!preset.italic());
    QVERIFY(!effectsShown);
    const QTextCharFormat after = formatAt(editor, 1);
    QCOMPARE(after.fontFamilies().toStringList().value(0), to);
    QCOMPARE(after.fontPointSize(), 16.0);
    QCOMPARE(styleAt(editor, 1), int(I | U));
    QCOMPARE(after.foreground().color(), QColor(0, 0x80, 0));
    QVERIFY(formatAt(editor, 6).fontFamilies().toStringList().value(0) != to);
}

void TestNoteEditor::fontDialogCancelChangesNothing()
{
    NoteEditor editor;
    editor.setPlainText(QStringLiteral("keep me"));
    select(editor, 0, 4);
    const QString before = editor.toHtml();
    answerModal([](QWidget *modal) {
        auto *dialog = qobject_cast<QFontDialog *>(modal);
        QVERIFY(dialog);
        QFont other(installedFamily(1));
        other.setPointSize(30);
        dialog->setCurrentFont(other);
        dialog->reject();
    });
    prepareEditorMenu(editor);
    child(editor, "mnFont")->trigger();
    QCOMPARE(editor.toHtml(), before);
}

void TestNoteEditor::fontDialogKeepsAFaceThatIsNotInstalled_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("newSize");   // 0: OK without a change
    QTest::newRow("Tahoma, bold, unchanged") << "Tahoma" << int(B) << 0;
    QTest::newRow("Tahoma, bold italic, unchanged") << "Tahoma" << int(B | I) << 0;
    QTest::newRow("unknown face, plain, unchanged") << "Paperlet No Such Face" << 0 << 0;
    QTest::newRow("Tahoma, bold, only the size changed") << "Tahoma" << int(B) << 20;
}

void TestNoteEditor::fontDialogKeepsAFaceThatIsNotInstalled()
{
    QFETCH(QString, face);
    QFETCH(int, style);
    QFETCH(int, newSize);
    if (QFontDatabase::hasFamily(face))
        QSKIP("the face is installed here; the case needs one that is not");
    NoteEditor editor;
    editor.setPlainText(QStringLiteral("some words"));
    QTextCharFormat start;
    start.setFontFamilies({face});
    start.setFontPointSize(11);
    formatRange(editor, 0, 4, start);
    styleRange(editor, 0, 4, style);
    select(editor, 0, 4);

    answerModal([&](QWidget *modal) {
        auto *dialog = qobject_cast<QFontDialog *>(modal);
        QVERIFY(dialog);
        if (newSize) {
            QFont font = dialog->currentFont();
            font.setPointSize(newSize);
            dialog->setCurrentFont(font);
        }
        dialog->accept();
    });
    prepareEditorMenu(editor);
    child(editor, "mnFont")->trigger();

    const QTextCharFormat after = formatAt(editor, 1);
    QCOMPARE(after.fontFamilies().toStringList(), QStringList{face});
    QCOMPARE(after.fontPointSize(), newSize ? qreal(newSize) : 11.0);
    QCOMPARE(styleAt(editor, 1), style);
}

void TestNoteEditor::typingStopsAtLimit()
{
    NoteEditor editor;
    editor.setPlainText(QString(NoteEditor::MaxLength - 1, u'x'));
    editor.moveCursor(QTextCursor::End);
    QTest::keyClicks(&editor, QStringLiteral("ab"));
    QCOMPARE(editor.textLength(), NoteEditor::MaxLength);
    QVERIFY(editor.toPlainText().endsWith(QStringLiteral("xa")));
    QTest::keyClick(&editor, Qt::Key_Return);
    QCOMPARE(editor.textLength(), NoteEditor::MaxLength);
    // Typing over a selection replaces it, within the limit.
    select(editor, 0, 1);
    QTest::keyClicks(&editor, QStringLiteral("y"));
    QCOMPARE(editor.textLength(), NoteEditor::MaxLength);
    QVERIFY(editor.toPlainText().startsWith(u'y'));
    // Deleting still works at the limit.
    QTest::keyClick(&editor, Qt::Key_Backspace);
    QCOMPARE(editor.textLength(), NoteEditor::MaxLength - 1);
}

void TestNoteEditor::pasteIsCutToLimit_data()
{
    QTest::addColumn<int>("filled");
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("rich");
    QTest::addColumn<QString>("expectedTail");
    QTest::newRow("plain text cut to room") << NoteEditor::MaxLength - 4 << 0 << false << "0123";
    QTest::newRow("rich text cut to room") << NoteEditor::MaxLength - 4 << 0 << true << "0123";
    QTest::newRow("no room") << NoteEditor::MaxLength << 0 << false << "xxxx";
    QTest::newRow("selection makes room") << NoteEditor::MaxLength << 10 << false << "0123456789";
    QTest::newRow("fits") << 100 << 0 << false << "0123456789";
}

void TestNoteEditor::pasteIsCutToLimit()
{
    QFETCH(int, filled);
    QFETCH(int, selected);
    QFETCH(bool, rich);
    QFETCH(QString, expectedTail);
    auto *data = new QMimeData;
    data->setText(QStringLiteral("0123456789"));
    if (rich)
        data->setHtml(QStringLiteral("<b>0123456789</b>"));
    QGuiApplication::clipboard()->setMimeData(data);

    NoteEditor editor;
    editor.setPlainText(QString(filled, u'x'));
    select(editor, filled - selected, filled);
    prepareEditorMenu(editor);
    QVERIFY(child(editor, "mnPaste")->isEnabled());
    child(editor, "mnPaste")->trigger();
    QVERIFY(editor.textLength() <= NoteEditor::MaxLength);
    QVERIFY2(editor.toPlainText().endsWith(expectedTail), qPrintable(editor.toPlainText().right(12)));
    if (rich)
        QCOMPARE(styleAt(editor, editor.textLength() - 1), int(B));
}

void TestNoteEditor::cutCopyPasteDelete()
{
    QGuiApplication::clipboard()->clear();
    NoteEditor editor;
    editor.setPlainText(QStringLiteral("milk and bread"));
    styleRange(editor, 0, 4, B);
    select(editor, 0, 4);
    prepareEditorMenu(editor);
    child(editor, "mnCopy")->trigger();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("milk"));
    child(editor, "mnCut")->trigger();
    QCOMPARE(editor.toPlainText(), QStringLiteral(" and bread"));
    editor.moveCursor(QTextCursor::End);
    prepareEditorMenu(editor);
    child(editor, "mnPaste")->trigger();
    QCOMPARE(editor.toPlainText(), QStringLiteral(" and breadmilk"));
    QCOMPARE(styleAt(editor, 11), int(B));   // pasted as rich text

    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    select(editor, 0, 4);
    prepareEditorMenu(editor);
    child(editor, "mnDelete")->trigger();
    QCOMPARE(editor.toPlainText(), QStringLiteral(" breadmilk"));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
    child(editor, "mnUndo")->trigger();
    QCOMPARE(editor.toPlainText(), QStringLiteral(" and breadmilk"));
}

void TestNoteEditor::editorImagesAreDrawn()
{
    // Each picture has ink and differs from every other (image 14 included).
    QList<QImage> images;
    for (int i = 0; i < EditorImages::Count; ++i) {
        const QImage image = EditorImages::image(i);
        QCOMPARE(image.size(), QSize(16, 16));
        int inked = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                inked += qAlpha(image.pixel(x, y)) > 128;
        QVERIFY2(inked >= 10, qPrintable(QString::number(i)));
        for (const QImage &other : images)
            QVERIFY(other != image);
        images.append(image);
    }
}

QTEST_MAIN(TestNoteEditor)
#include "tst_note_editor.moc"
