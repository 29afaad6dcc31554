// A note's states (rolled up, locked), its checklists and its keys, on the
// widgets themselves; the window manager's side is in tst_note_features_e2e.
#include "app/main_form.h"
#include "core/note_file.h"
#include "framework/application.h"
#include "notes/checklist.h"
#include "notes/note_editor.h"
#include "notes/note_keys.h"
#include "notes/note_window.h"
#include "../common/find_child.h"
#include "note_test_fixture.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <memory>

namespace {

const QString Empty = QStringLiteral("\u2610 ");
const QString Ticked = QStringLiteral("\u2611 ");

QStringList paragraphs(const QTextDocument &document)
{
    QStringList lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    return lines;
}

void placeCaret(NoteEditor &editor, int block, int column)
{
    QTextCursor cursor(editor.document()->findBlockByNumber(block));
    cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, column);
    editor.setTextCursor(cursor);
}

} // namespace

class TestNoteFeatures final : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<MainFormOverScratch> m_main;

    TFR_NOTE *loadNote(const QByteArray &content)
    {
        const QString path = m_main->form().notesFolder() + QStringLiteral("1.pnf");
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return nullptr;
        file.write("\xEF\xBB\xBF" "0000640000640000C80000C800006499FFFF\r\nStates\r\n" + content + "\r\n");
        file.close();
        auto *note = Application::instance()->createForm<TFR_NOTE>(m_main->form());
        note->LoadNote(QStringLiteral("1.pnf"));
        note->show();
        return note;
    }

private Q_SLOTS:
    void init() { m_main = std::make_unique<MainFormOverScratch>(); }
    void cleanup()
    {
        flushDeletes();
        m_main.reset();
    }

    void aRolledNoteUnrollsToItsStoredSize()
    {
        TFR_NOTE *note = loadNote("{\\rtf1\\ansi hello\\par\r\n{\\*\\paperletstate{\\rolled}}}");
        QVERIFY(note);
        QCOMPARE(note->height(), TFR_NOTE::BarHeight + 2);
        QCOMPARE(note->width(), 200);
        // The file keeps the height it unrolls to.
        note->SaveNote();
        QVERIFY(NoteFile::readAll(note->filePath()).contains("0000640000640000C80000C8"));

        MainFormOverScratch::menuOf(*note);
        child<QAction>(*note, "tbRollUp")->trigger();
        QCOMPARE(note->geometry(), QRect(100, 100, 200, 200));
        QVERIFY(editorOf(*note)->isVisible());
        delete note;
    }

    void stateKeysOfNewerCopiesAreWrittenBack()
    {
        TFR_NOTE *note = loadNote("{\\rtf1\\ansi hello\\par\r\n{\\*\\paperletstate{\\fromthefuture x y}}}");
        QVERIFY(note);
        MainFormOverScratch::menuOf(*note);
        QVERIFY(!child<QAction>(*note, "tbOnTop")->isChecked());
        child<QAction>(*note, "tbOnTop")->trigger();
        note->SaveNote();
        QVERIFY(NoteFile::readAll(note->filePath()).contains("{\\*\\paperletstate{\\fromthefuture x y}{\\ontop}}"));
        child<QAction>(*note, "tbOnTop")->trigger();
        note->SaveNote();
        QVERIFY(NoteFile::readAll(note->filePath()).contains("{\\*\\paperletstate{\\fromthefuture x y}}"));
        delete note;
    }

    void aLockedNoteChangesNeitherTextNorTitle()
    {
        TFR_NOTE *note = loadNote("{\\rtf1\\ansi hello\\par\r\n{\\*\\paperletstate{\\locked}}}");
        QVERIFY(note);
        MainFormOverScratch::menuOf(*note);
        QVERIFY(child<QAction>(*note, "tbLock")->isChecked());
        QVERIFY(!child<QAction>(*note, "tbDelete")->isEnabled());
        NoteEditor *editor = editorOf(*note);
        QVERIFY(editor->isReadOnly());
        QVERIFY(child<QLabel>(*note, "lockSign")->isVisibleTo(note));

        // Typing, formatting keys and the checklist key do nothing.
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_B, Qt::ControlModifier);
        QTest::keyClicks(editor, QStringLiteral("zz"));
        QTest::keyClick(editor, Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(editor->toPlainText().trimmed(), QStringLiteral("hello"));
        QVERIFY(!editor->selectionFont().bold());
        // The text menu offers copying and nothing that changes the text.
        prepareEditorMenu(*editor);
        for (const char *name : {"mnCut", "mnPaste", "mnDelete", "mnBold", "mnChecklist", "mnLeftJ"})
            QVERIFY2(!child<QAction>(*editor, name)->isEnabled(), name);
        QVERIFY(child<QAction>(*editor, "mnCopy")->isEnabled());
        // The title does not open for editing.
        QTest::mouseDClick(child<QLabel>(*note, "pnTitlePanel"), Qt::LeftButton);
        QVERIFY(!child<QLineEdit>(*note, "edTitle")->isVisible());

        // Unlocked, all of it works again.
        child<QAction>(*note, "tbLock")->trigger();
        QVERIFY(child<QAction>(*note, "tbDelete")->isEnabled());
        QVERIFY(!editor->isReadOnly());
        QVERIFY(!child<QLabel>(*note, "lockSign")->isVisibleTo(note));
        prepareEditorMenu(*editor);
        QVERIFY(child<QAction>(*editor, "mnBold")->isEnabled());
        delete note;
    }

    void checklistCommand_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");   // block of the selection's start
        QTest::addColumn<int>("to");     // block of its end
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("plain paragraph becomes an item") << "milk" << 0 << 0 << QStringList{Empty + "milk"};
        QTest::newRow("an item becomes plain") << Empty + "milk" << 0 << 0 << QStringList{"milk"};
        QTest::newRow("a ticked item becomes plain") << Ticked + "milk" << 0 << 0 << QStringList{"milk"};
        QTest::newRow("mixed selection: all become items")
            << Empty + "milk\nbread\n" + Ticked + "jam" << 0 << 2
            << QStringList{Empty + "milk", Empty + "bread", Ticked + "jam"};
        QTest::newRow("only the touched paragraphs") << "a\nb\nc" << 1 << 1 << QStringList{"a", Empty + "b", "c"};
        QTest::newRow("a box without its blank is no item") << QStringLiteral("\u2610milk") << 0 << 0
                                                            << QStringList{Empty + QStringLiteral("\u2610milk")};
    }

    void checklistCommand()
    {
        QFETCH(QString, text);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QStringList, expected);
        NoteEditor editor;
        editor.setPlainText(text);
        QTextCursor cursor(editor.document()->findBlockByNumber(from));
        cursor.setPosition(editor.document()->findBlockByNumber(to).position(), QTextCursor::KeepAnchor);
        editor.setTextCursor(cursor);
        // Through the menu item, ticked from the selection as the menu opens.
        prepareEditorMenu(editor);
        QAction *item = child<QAction>(editor, "mnChecklist");
        item->trigger();
        QCOMPARE(paragraphs(*editor.document()), expected);
        // The menu item sits right after "Bullets..." and shows its key.
        const QList<QAction *> items = child<QMenu>(editor, "pmRichTextEditor")->actions();
        QCOMPARE(items.indexOf(item), items.indexOf(child<QAction>(editor, "mnNumbering")) + 1);
        QCOMPARE(item->shortcut(), ChecklistInput::toggleKey());
        // One undo step takes it back.
        editor.undo();
        QCOMPARE(editor.toPlainText(), text);
    }

    void keysOnAChecklist_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("block");
        QTest::addColumn<int>("column");
        QTest::addColumn<QKeySequence>("key");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("caretBlock");
        const QKeySequence enter(Qt::Key_Return);
        const QKeySequence tick = ChecklistInput::tickKey();
        QTest::newRow("enter at the end starts an item") << Empty + "milk" << 0 << 6 << enter
                                                         << QStringList{Empty + "milk", Empty} << 1;
        QTest::newRow("enter after a ticked item starts an empty one")
            << Ticked + "milk" << 0 << 6 << enter << QStringList{Ticked + "milk", Empty} << 1;
        QTest::newRow("enter inside an item splits it into two items")
            << Empty + "milkshake" << 0 << 6 << enter << QStringList{Empty + "milk", Empty + "shake"} << 1;
        QTest::newRow("enter on an empty item ends the list")
            << Empty + "milk\n" + Empty << 1 << 2 << enter << QStringList{Empty + "milk", ""} << 1;
        QTest::newRow("enter before the box is plain enter") << Empty + "milk" << 0 << 0 << enter
                                                             << QStringList{"", Empty + "milk"} << 1;
        QTest::newRow("enter on a plain paragraph is plain enter") << "milk" << 0 << 4 << enter
                                                                   << QStringList{"milk", ""} << 1;
        QTest::newRow("the tick key ticks") << Empty + "milk" << 0 << 3 << tick << QStringList{Ticked + "milk"} << 0;
        QTest::newRow("the tick key unticks") << Ticked + "milk" << 0 << 3 << tick << QStringList{Empty + "milk"}
                                              << 0;
        QTest::newRow("the tick key leaves plain text") << "milk" << 0 << 3 << tick << QStringList{"milk"} << 0;
        QTest::newRow("the checklist key") << "milk" << 0 << 3 << ChecklistInput::toggleKey()
                                           << QStringList{Empty + "milk"} << 0;
    }

    void keysOnAChecklist()
    {
        QFETCH(QString, text);
        QFETCH(int, block);
        QFETCH(int, column);
        QFETCH(QKeySequence, key);
        QFETCH(QStringList, expected);
        QFETCH(int, caretBlock);
        NoteEditor editor;
        editor.setPlainText(text);
        placeCaret(editor, block, column);
        QTest::keySequence(&editor, key);
        QCOMPARE(paragraphs(*editor.document()), expected);
        QCOMPARE(editor.textCursor().blockNumber(), caretBlock);
    }

    void aClickOnTheBoxTicksAndElsewhereDoesNot()
    {
        NoteEditor editor;
        editor.resize(200, 200);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        editor.setPlainText(Empty + "milk\nbread");
        const QRect box = editor.cursorRect(QTextCursor(editor.document()->begin()));
        const QPoint onBox(box.left() + 3, box.center().y());
        QTest::mouseClick(editor.viewport(), Qt::LeftButton, {}, onBox);
        QCOMPARE(editor.document()->begin().text(), Ticked + "milk");
        // Struck through on screen only: the text is what was typed.
        QCOMPARE(editor.extraSelections().size(), 1);
        QVERIFY(editor.extraSelections().first().format.fontStrikeOut());
        QTest::mouseClick(editor.viewport(), Qt::LeftButton, {}, onBox);
        QCOMPARE(editor.document()->begin().text(), Empty + "milk");
        QVERIFY(editor.extraSelections().isEmpty());
        // On the item's text, and on a plain line, a click only places the caret.
        QTest::mouseClick(editor.viewport(), Qt::LeftButton, {}, onBox + QPoint(40, 0));
        const QRect second = editor.cursorRect(QTextCursor(editor.document()->begin().next()));
        QTest::mouseClick(editor.viewport(), Qt::LeftButton, {}, QPoint(second.left() + 3, second.center().y()));
        QCOMPARE(paragraphs(*editor.document()), (QStringList{Empty + "milk", "bread"}));
    }

    void formattingKeysFollowThePlatform()
    {
        NoteEditor editor;
        editor.setPlainText(QStringLiteral("word"));
        editor.selectAll();
        QTest::keySequence(&editor, QKeySequence::Bold);
        QVERIFY(editor.selectionFont().bold());
        QTest::keySequence(&editor, QKeySequence::Bold);
        QVERIFY(!editor.selectionFont().bold());
        QTest::keySequence(&editor, QKeySequence::Italic);
        QTest::keySequence(&editor, QKeySequence::Underline);
        QTest::keyClick(&editor, Qt::Key_X, Qt::ControlModifier | Qt::ShiftModifier);
        const QFont font = editor.selectionFont();
        QVERIFY(font.italic() && font.underline() && font.strikeOut());
        QCOMPARE(editor.toPlainText(), QStringLiteral("word"));
    }

    void theShortcutListNamesEveryKey()
    {
        const auto list = NoteKeys::shortcutList();
        QStringList keys;
        for (const auto &[key, what] : list) {
            QVERIFY2(!key.isEmpty(), qPrintable(what));
            keys.append(key.toString());
        }
        for (const QKeySequence::StandardKey standard : {QKeySequence::Bold, QKeySequence::Italic,
                                                          QKeySequence::Underline, QKeySequence::Undo,
                                                          QKeySequence::Redo, QKeySequence::SelectAll,
                                                          QKeySequence::Print, QKeySequence::New,
                                                          QKeySequence::Close})
            QVERIFY2(keys.contains(QKeySequence(standard).toString()), qPrintable(QKeySequence(standard).toString()));
        for (const char *own : {"F2", "F10", "Shift+F10", "Alt+F7", "Alt+F8", "Ctrl+Shift+L", "Ctrl+Return", "Ctrl+Shift+X"})
            QVERIFY2(keys.contains(QLatin1String(own)), own);
        QCOMPARE(keys.removeDuplicates(), 0);
    }

    void keyboardMoveAndSize()
    {
        TFR_NOTE *note = m_main->newNote();
        note->move(300, 300);
        const QSize size = note->size();
        NoteEditor *editor = editorOf(*note);
        QTest::keyClick(editor, Qt::Key_F7, Qt::AltModifier);
        QTest::keyClick(note, Qt::Key_Right);
        QTest::keyClick(note, Qt::Key_Down, Qt::ControlModifier);
        QTest::keyClick(note, Qt::Key_Return);
        QCOMPARE(note->pos(), QPoint(310, 301));
        // Escape puts it back where the move began.
        QTest::keyClick(editor, Qt::Key_F7, Qt::AltModifier);
        QTest::keyClick(note, Qt::Key_Left);
        QTest::keyClick(note, Qt::Key_Escape);
        QCOMPARE(note->pos(), QPoint(310, 301));
        QVERIFY(note->isVisible());
        // Sizing stops at the smallest note.
        QTest::keyClick(editor, Qt::Key_F8, Qt::AltModifier);
        QTest::keyClick(note, Qt::Key_Right);
        for (int i = 0; i < 20; ++i)
            QTest::keyClick(note, Qt::Key_Up);
        QTest::keyClick(note, Qt::Key_Enter);
        QCOMPARE(note->size(), QSize(size.width() + 10, TFR_NOTE::MinSize));
        delete note;
    }
};

PAPERLET_NOTES_TEST_MAIN(TestNoteFeatures)
#include "tst_note_features.moc"
