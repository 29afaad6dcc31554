#pragma once

#include "outside_writes.h"
#include "../common/find_child.h"
#include "../common/modal_answer.h"

#include "app/main_form.h"
#include "core/note_file.h"
#include "framework/application.h"
#include "framework/popup_menu.h"
#include "notes/note_editor.h"
#include "notes/note_menu.h"
#include "notes/note_window.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <QKeySequence>

#include <initializer_list>
#include <memory>

// The children of `parent` with these names, in this order.
template<class T = QAction>
QList<T *> namedChildren(const QObject &parent, std::initializer_list<const char *> names)
{
    QList<T *> found;
    for (const char *name : names)
        found.append(child<T>(parent, name));
    return found;
}

inline NoteEditor *editorOf(const TFR_NOTE &note)
{
    return child<NoteEditor>(note, "reEdit");
}

// Runs what opening the editor's context menu runs before it shows (and
// makes the menu the first time).
inline void prepareEditorMenu(NoteEditor &editor)
{
    QVERIFY(QMetaObject::invokeMethod(&editor, "pmRichTextEditorPopup"));
}

// A real main form over a scratch folder, so that notes read its defaults
// and keep their files in its Notes folder.
class MainFormOverScratch
{
public:
    MainFormOverScratch()
        : m_dir(std::make_unique<QTemporaryDir>()), m_form(std::make_unique<TFR_PLT_MAIN>(m_dir->path()))
    {
    }

    TFR_PLT_MAIN &form() { return *m_form; }

    // A new note as the tray makes it, shown, with `text` typed in.
    TFR_NOTE *newNote(const QString &text = QString())
    {
        auto *note = Application::instance()->createForm<TFR_NOTE>(*m_form);
        note->InitNewNote();
        note->show();
        if (!text.isEmpty())
            editorOf(*note)->setPlainText(text);
        return note;
    }

    // The note's menu, made as opening it makes it; the menu is closed again.
    static NoteMenu &menuOf(TFR_NOTE &note)
    {
        if (!note.findChild<NoteMenu *>()) {
            child<QToolButton>(note, "sbPopup")->click();
            child<QMenu>(note, "pmSettings")->close();
        }
        return *child<NoteMenu>(note, nullptr);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TFR_PLT_MAIN> m_form;
};

// One expected menu row: caption (empty for a separator) and image index.
struct MenuRow
{
    QString caption;
    int image;
    QKeySequence shortcut = {};   // the key the item shows, if any
};

// The menu's items are exactly `expected`, in order, with their keys.
inline void checkMenuItems(const QMenu &menu, const QList<MenuRow> &expected)
{
    const QList<QAction *> items = menu.actions();
    QCOMPARE(items.size(), expected.size());
    for (int i = 0; i < items.size(); ++i) {
        QCOMPARE(items[i]->isSeparator(), expected[i].caption.isEmpty());
        if (items[i]->isSeparator())
            continue;
        QCOMPARE(items[i]->text(), expected[i].caption);
        QCOMPARE(PopupMenu::imageIndex(items[i]), expected[i].image);
        QCOMPARE(items[i]->shortcut(), expected[i].shortcut);
    }
}

// Lets closed windows be destroyed.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Destroys every note; they go while their main form is still there.
inline void destroyAllNotes()
{
    for (TFR_NOTE *note : Application::instance()->formsOf<TFR_NOTE>())
        delete note;
    flushDeletes();
}

#define PAPERLET_NOTES_TEST_MAIN(TestObject)    \
    int main(int argc, char *argv[])            \
    {                                           \
        Application app(argc, argv);            \
        TestObject test;                        \
        return QTest::qExec(&test, argc, argv); \
    }
