// The global shortcuts' actions and their page, where the desktop offers no
// way to bind them (offscreen, no session bus): the page says so and shows
// the command to bind, the user's keys are kept in shortcuts.ini and read
// again, the Settings dialog's button opens the page, and each action does
// what it says (New Note from Clipboard with text and with a picture).
#include "../common/find_child.h"
#include "../common/modal_answer.h"
#include "../common/scoped_env.h"

#include "app/global_shortcut_actions.h"
#include "app/main_form.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/shortcuts_dialog.h"
#include "framework/application.h"
#include "notes/note_editor.h"
#include "notes/note_window.h"

#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include <memory>

namespace {

using Action = GlobalShortcuts::Action;

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QKeySequence keysOf(const GlobalShortcutActions &actions, Action action)
{
    for (const GlobalShortcuts::Binding &b : actions.bindings())
        if (b.action == action)
            return b.keys;
    return QKeySequence(QStringLiteral("nothing+such"));
}

// The notes open now, oldest first.
QList<TFR_NOTE *> notes()
{
    return Application::instance()->formsOf<TFR_NOTE>();
}

} // namespace

class TestGlobalShortcutActions final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_form = std::make_unique<TFR_PLT_MAIN>(m_dir->path());
    }
    void cleanup()
    {
        for (QWidget *form : Application::instance()->forms())
            if (form != m_form.get())
                delete form;
        m_form.reset();
        m_dir.reset();
    }

    void withoutABackendThePageShowsTheCommand()
    {
        GlobalShortcutActions actions(*m_form);
        bool seen = false;
        answerModal([&](QWidget *page) {
            seen = page->objectName() == QLatin1String("FR_SHORTCUTS");
            const auto *command = child<QLineEdit>(*page, "edCommand");
            QVERIFY(command->isVisibleTo(page));
            QCOMPARE(command->text(), QStringLiteral("paperlet --new-note"));
            QVERIFY(child<QLabel>(*page, "lbBackend")->text().contains(QLatin1String("no global shortcuts")));
            // One row per action, with its default keys.
            QCOMPARE(child<QKeySequenceEdit>(*page, "ed-new-note")->keySequence(),
                     QKeySequence(QStringLiteral("Ctrl+Alt+Shift+N")));
            for (const char *name : {"ed-new-note-from-clipboard", "ed-show-hide-all-notes", "ed-all-notes"})
                QVERIFY(!child<QKeySequenceEdit>(*page, name)->keySequence().isEmpty());
            page->close();
        });
        actions.editShortcuts(m_form.get());
        QVERIFY(seen);
    }

    void keysAreChangedRemovedAndKept()
    {
        const QString ini = m_dir->filePath(QStringLiteral("shortcuts.ini"));
        const QByteArray settingsBefore = fileBytes(m_form->store().settingsPath());
        {
            GlobalShortcutActions actions(*m_form);
            answerModal([](QWidget *page) {
                auto *edit = child<QKeySequenceEdit>(*page, "ed-new-note");
                QTest::keyClick(edit, Qt::Key_J, Qt::ControlModifier | Qt::AltModifier);
                // The page takes one combination and counts it when typing stops.
                QTRY_COMPARE_WITH_TIMEOUT(edit->keySequence(), QKeySequence(QStringLiteral("Ctrl+Alt+J")), 5000);
                // The keys of Show/Hide All Notes taken for All Notes: they move.
                auto *all = child<QKeySequenceEdit>(*page, "ed-all-notes");
                all->setKeySequence(QKeySequence(QStringLiteral("Ctrl+Alt+Shift+H")));
                Q_EMIT all->editingFinished();
                QVERIFY(child<QKeySequenceEdit>(*page, "ed-show-hide-all-notes")->keySequence().isEmpty());
                QVERIFY(child<QLabel>(*page, "lb-show-hide-all-notes")->text().contains(QLatin1String("All Notes")));
                child<QPushButton>(*page, "bt-new-note-from-clipboard")->click();
                QVERIFY(child<QKeySequenceEdit>(*page, "ed-new-note-from-clipboard")->keySequence().isEmpty());
                page->close();
            });
            actions.editShortcuts(m_form.get());
            QTRY_VERIFY(fileBytes(ini).contains("new-note=Ctrl+Alt+J"));
        }
        const QByteArray kept = fileBytes(ini);
        QVERIFY2(kept.contains("all-notes=Ctrl+Alt+Shift+H\r\n"), kept.constData());
        QVERIFY2(kept.contains("show-hide-all-notes=\r\n"), kept.constData());
        QVERIFY2(kept.contains("new-note-from-clipboard=\r\n"), kept.constData());
        // settings.ini keeps its own lines.
        QCOMPARE(fileBytes(m_form->store().settingsPath()), settingsBefore);

        // The next run reads them.
        GlobalShortcutActions again(*m_form);
        QCOMPARE(keysOf(again, Action::NewNote), QKeySequence(QStringLiteral("Ctrl+Alt+J")));
        QCOMPARE(keysOf(again, Action::AllNotes), QKeySequence(QStringLiteral("Ctrl+Alt+Shift+H")));
        QVERIFY(keysOf(again, Action::ToggleAllNotes).isEmpty());
        QVERIFY(keysOf(again, Action::NewNoteFromClipboard).isEmpty());
    }

    void theSettingsDialogOpensThePage()
    {
        GlobalShortcutActions actions(*m_form);
        auto *settings = Application::instance()->createForm<TFR_SETTINGS>(*m_form);
        auto *button = child<QPushButton>(*settings, "btShortcuts");
        // Left of OK in the row of buttons, clear of every control.
        QCOMPARE(button->geometry().top(), child<QPushButton>(*settings, "btOK")->geometry().top());
        for (const char *name : {"btOK", "btClose", "pcGeneral"})
            QVERIFY2(!button->geometry().intersects(child<QWidget>(*settings, name)->geometry()), name);
        bool opened = false;
        answerModal([&](QWidget *page) {
            opened = page->objectName() == QLatin1String("FR_SHORTCUTS") && page->parentWidget() == settings;
            page->close();
        });
        button->click();
        QVERIFY(opened);
        delete settings;
    }

    void newNoteFromClipboardTakesText()
    {
        GlobalShortcutActions actions(*m_form);
        QGuiApplication::clipboard()->setText(QStringLiteral("from the clipboard"));
        const qsizetype before = notes().size();
        actions.carryOut(Action::NewNoteFromClipboard);
        QCOMPARE(notes().size(), before + 1);
        QCOMPARE(child<NoteEditor>(*notes().last(), "reEdit")->toPlainText(), QStringLiteral("from the clipboard"));
    }

    void newNoteFromClipboardTakesAPicture()
    {
        GlobalShortcutActions actions(*m_form);
        QImage picture(16, 12, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        QGuiApplication::clipboard()->setImage(picture);
        actions.carryOut(Action::NewNoteFromClipboard);
        const QTextDocument *text = child<NoteEditor>(*notes().last(), "reEdit")->document();
        bool hasImage = false;
        for (QTextBlock block = text->begin(); block.isValid(); block = block.next())
            for (auto it = block.begin(); !it.atEnd(); ++it)
                hasImage = hasImage || it.fragment().charFormat().isImageFormat();
        QVERIFY(hasImage);
    }

    void allNotesIsAnnounced()
    {
        GlobalShortcutActions actions(*m_form);
        QSignalSpy requested(&actions, &GlobalShortcutActions::allNotesRequested);
        actions.carryOut(Action::AllNotes);
        QCOMPARE(requested.count(), 1);
    }

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TFR_PLT_MAIN> m_form;
};

int main(int argc, char *argv[])
{
    // No bus and no X server: no backend at all.
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/paperlet-test-bus");
    Application app(argc, argv);
    TestGlobalShortcutActions test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_global_shortcut_actions.moc"
