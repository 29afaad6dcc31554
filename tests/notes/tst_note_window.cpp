// The note window on the offscreen platform: defaults, look, moving and
// sizing, title editing, closing, its file and the note collection.
#include "framework/application.h"
#include "core/error.h"
#include "app/main_form.h"
#include "core/note_colors.h"
#include "notes/note_editor.h"
#include "core/note_file.h"
#include "notes/note_collection.h"
#include "notes/note_window.h"
#include "notes/rescue_log.h"
#include "../common/find_child.h"
#include "../common/scratch_tmpfs.h"
#include "note_test_fixture.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>

namespace {

// Answers the error boxes that the program shows, keeping their texts.
class ModalCatcher final : public QObject
{
public:
    ModalCatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                texts.append(box->text());
                box->accept();
            }
        });
        m_timer.start(20);
    }
    QStringList texts;

private:
    QTimer m_timer;
};


int alpha(const QWidget *window)
{
    return qRound(window->windowOpacity() * 255);
}

void mouse(QWidget *target, QEvent::Type type, const QPoint &global)
{
    QMouseEvent event(type, target->mapFromGlobal(global), global, Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void drag(QWidget *target, const QPoint &from, const QPoint &to)
{
    mouse(target, QEvent::MouseButtonPress, from);
    mouse(target, QEvent::MouseMove, to);
    mouse(target, QEvent::MouseButtonRelease, to);
}

} // namespace

class TestNoteWindow final : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_home;
    TFR_PLT_MAIN *m_main = nullptr;

    QString notesFolder() const { return m_main->notesFolder(); }

    TFR_NOTE *newNote()
    {
        auto *note = Application::instance()->createForm<TFR_NOTE>(*m_main);
        note->InitNewNote();
        return note;
    }

    // Destroys every note the way teardown does, then waits for closed ones.
    void destroyNotes()
    {
        for (TFR_NOTE *note : Application::instance()->formsOf<TFR_NOTE>())
            delete note;
    }

    void writeNote(const QString &name, const QString &title, const QString &content,
                   const QRect &bounds = QRect(100, 100, 200, 200))
    {
        NoteRecord record;
        record.bounds = bounds;
        record.color = Color::fromValue(0x99FFFF);
        record.title = title;
        record.content = content;
        NoteFile::writeAtomically(notesFolder() + name, NoteFile::encode(record));
    }

    QStringList openNames() const
    {
        QStringList names;
        for (const TFR_NOTE *note : Application::instance()->formsOf<TFR_NOTE>())
            names.append(note->fileName());
        return names;
    }

private Q_SLOTS:
    void init()
    {
        m_home = std::make_unique<QTemporaryDir>();
        m_main = Application::instance()->createForm<TFR_PLT_MAIN>(m_home->path());
        QDir(notesFolder()).removeRecursively();
        m_main->ensureNotesFolder();
    }

    void cleanup()
    {
        destroyNotes();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        delete m_main;
        m_main = nullptr;
        m_home.reset();
    }

    void newNoteTakesTheDefaults()
    {
        m_main->settings().DefaultOpacity = 70;
        m_main->settings().DefaultColor = Color::fromValue(0x99FFFF);
        m_main->settings().DefaultTitle = 0;
        TFR_NOTE *note = newNote();
        QCOMPARE(note->opacity(), 70);
        QCOMPARE(alpha(note), 178);
        QCOMPARE(note->noteColor(), Color::fromValue(0x99FFFF));
        QCOMPARE(note->title(), QStringLiteral("New Note"));
        QCOMPARE(note->size(), QSize(200, 200));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QPoint centre(screen.width() / 2 - 100, screen.height() / 2 - 100);
        QVERIFY(note->x() >= centre.x() - 29 && note->x() <= centre.x() + 10);
        QVERIFY(note->y() >= centre.y() - 29 && note->y() <= centre.y() + 10);
        QVERIFY2(QRegularExpression(QStringLiteral("^[0-9]+\\.pnf$")).match(note->fileName()).hasMatch(),
                 qPrintable(note->fileName()));
        // No file until there is something to keep.
        QVERIFY(!QFile::exists(note->filePath()));
    }

    void otherTitleStylesKeepTheDesignTitle()
    {
        m_main->settings().DefaultTitle = 7;
        QCOMPARE(newNote()->title(), QStringLiteral("Notes"));
    }

    void notesCreatedTogetherGetTheirOwnFiles()
    {
        TFR_NOTE *first = newNote();
        TFR_NOTE *second = newNote();
        QVERIFY(first->fileName() != second->fileName());
        editorOf(*first)->setPlainText(QStringLiteral("one"));
        editorOf(*second)->setPlainText(QStringLiteral("two"));
        destroyNotes();
        QCOMPARE(QDir(notesFolder()).entryList({"*.pnf"}).size(), 2);
    }

    void paintsItsColours()
    {
        TFR_NOTE *note = newNote();
        note->ApplyColor(Color::fromValue(0x99FFFF));
        note->show();
        const QImage shot = note->grab().toImage();
        const auto at = [&shot](int x, int y) { return Color::fromQColor(QColor(shot.pixel(x, y))).value(); };
        QCOMPARE(at(0, 0), 0x94FAFA);                            // frame
        QCOMPARE(at(5, 5), 0x94FAFA);                            // title bar
        QCOMPARE(at(5, shot.height() - 3), 0x99FFFF);            // bottom bar
        QCOMPARE(at(shot.width() / 2, shot.height() / 2), 0x99FFFF); // editor
        QCOMPARE(at(shot.width() - 1, shot.height() - 1), 0x94FAFA);
        // The grip sits 2 pixels from the bottom bar's right end.
        const QPoint grip = child<QLabel>(*note, "imSize")->mapTo(note, QPoint(8, 8));
        QCOMPARE(grip, QPoint(shot.width() - 1 - 2 - 2, shot.height() - 1 - 14 + 2 + 8));
        QCOMPARE(at(grip.x(), grip.y()), 0x49AFAF);
    }

    void resolvesSystemColours()
    {
        TFR_NOTE *note = newNote();
        note->ApplyColor(Color::system(5));
        QVERIFY((quint32(note->noteColor().value()) & 0xFF000000u) == 0);
    }

    void appliesOpacity_data()
    {
        QTest::addColumn<int>("percent");
        QTest::addColumn<int>("alpha");
        QTest::addColumn<int>("item");
        QTest::newRow("10") << 10 << 25 << 10;
        QTest::newRow("25") << 25 << 63 << 30;
        QTest::newRow("50") << 50 << 127 << 50;
        QTest::newRow("75") << 75 << 191 << 80;
        QTest::newRow("90") << 90 << 229 << 90;
        QTest::newRow("100") << 100 << 255 << 100;
    }

    void appliesOpacity()
    {
        QFETCH(int, percent);
        QFETCH(int, alpha);
        QFETCH(int, item);
        TFR_NOTE *note = newNote();
        note->setOpacity(percent);
        QCOMPARE(note->opacity(), percent);
        QCOMPARE(::alpha(note), alpha);
        QCOMPARE(TFR_NOTE::opacityMenuValue(percent), item);
    }

    void movesByTheTitleBarAndSnaps()
    {
        TFR_NOTE *note = newNote();
        QWidget *pnBar = child<QWidget>(*note, "pnBar");
        note->show();
        const QRect area = note->screen()->availableGeometry();
        const QPoint grab = pnBar->mapToGlobal(QPoint(5, 5));
        const QPoint offset = grab - note->pos();
        drag(child<QLabel>(*note, "pnTitlePanel"), grab, QPoint(area.left() + 6, 300) + offset);
        QCOMPARE(note->pos(), QPoint(area.left(), 300));
        drag(pnBar, pnBar->mapToGlobal(QPoint(5, 5)), QPoint(area.left() + 12, 300) + offset);
        QCOMPARE(note->pos(), QPoint(area.left() + 12, 300));
    }

    void resizesByTheGripDownToTheMinimum()
    {
        TFR_NOTE *note = newNote();
        QLabel *imSize = child<QLabel>(*note, "imSize");
        note->show();
        const QPoint topLeft = note->pos();
        const QPoint grip = imSize->mapToGlobal(QPoint(5, 5));
        drag(imSize, grip, grip + QPoint(60, 40));
        QCOMPARE(note->size(), QSize(260, 240));
        QCOMPARE(note->pos(), topLeft);
        const QPoint grip2 = imSize->mapToGlobal(QPoint(5, 5));
        drag(imSize, grip2, grip2 - QPoint(220, 0));
        QCOMPARE(note->size(), QSize(100, 240));
        QCOMPARE(note->pos(), topLeft);
        // The grip follows the bottom bar's right end.
        QCOMPARE(imSize->x(), child<QWidget>(*note, "pnBottom")->width() - 12);
    }

    void editsTheTitle_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("title");
        QTest::newRow("blanks give No Name") << "   " << "No Name";
        QTest::newRow("empty gives No Name") << "" << "No Name";
        QTest::newRow("blanks around a word stay") << "  word  " << "  word  ";
    }

    void editsTheTitle()
    {
        QFETCH(QString, typed);
        QFETCH(QString, title);
        TFR_NOTE *note = newNote();
        QLabel *pnTitlePanel = child<QLabel>(*note, "pnTitlePanel");
        QLineEdit *edTitle = child<QLineEdit>(*note, "edTitle");
        note->show();
        QTest::mouseDClick(pnTitlePanel, Qt::LeftButton);
        QVERIFY(edTitle->isVisible());
        QVERIFY(pnTitlePanel->toolTip().isEmpty());
        edTitle->setText(typed);
        QTest::keyClick(edTitle, Qt::Key_Return);
        QCOMPARE(note->title(), title);
        QVERIFY(!edTitle->isVisible());
        QCOMPARE(pnTitlePanel->toolTip(), QStringLiteral("Double click to edit title"));
    }

    // A shown note with the title edit open and "Typed" in it, the edit
    // holding the focus.
    TFR_NOTE *noteEditingTitle()
    {
        TFR_NOTE *note = newNote();
        note->show();
        note->activateWindow();
        if (!QTest::qWaitForWindowActive(note))
            return nullptr;
        QTest::mouseDClick(child<QLabel>(*note, "pnTitlePanel"), Qt::LeftButton);
        child<QLineEdit>(*note, "edTitle")->setText(QStringLiteral("Typed"));
        return note;
    }

    // The edit's own context menu borrows the focus: the edit stays open
    // through it and ends at the next real loss of focus.
    void titleEditSurvivesItsOwnContextMenu()
    {
        TFR_NOTE *note = noteEditingTitle();
        QLineEdit *edTitle = child<QLineEdit>(*note, "edTitle");
        QVERIFY(note);
        QTRY_VERIFY(edTitle->hasFocus());
        const QPoint at = edTitle->rect().center();
        QContextMenuEvent context(QContextMenuEvent::Mouse, at, edTitle->mapToGlobal(at));
        QApplication::sendEvent(edTitle, &context);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QPointer<QWidget> menu = QApplication::activePopupWidget();
        QVERIFY(edTitle->isVisible());
        QCOMPARE(note->title(), QStringLiteral("New Note"));

        menu->close();
        QTRY_VERIFY(edTitle->hasFocus());
        QVERIFY(edTitle->isVisible());
        editorOf(*note)->setFocus();
        QVERIFY(!edTitle->isVisible());
        QCOMPARE(note->title(), QStringLiteral("Typed"));
    }

    void otherFocusLossEndsTheTitleEdit_data()
    {
        QTest::addColumn<int>("loss");
        QTest::newRow("text area takes the focus") << 0;
        QTest::newRow("a popup of the note itself") << 1;
        QTest::newRow("another window is activated") << 2;
    }
    void otherFocusLossEndsTheTitleEdit()
    {
        QFETCH(int, loss);
        TFR_NOTE *note = noteEditingTitle();
        QLineEdit *edTitle = child<QLineEdit>(*note, "edTitle");
        QVERIFY(note);
        QTRY_VERIFY(edTitle->hasFocus());
        QMenu popup(note);
        popup.addAction(QStringLiteral("item"));
        QWidget other;
        switch (loss) {
        case 0:
            editorOf(*note)->setFocus();
            break;
        case 1:
            popup.popup(note->mapToGlobal(QPoint(10, 10)));
            QTRY_VERIFY(QApplication::activePopupWidget() == &popup);
            break;
        default:
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            break;
        }
        QTRY_VERIFY(!edTitle->isVisible());
        QCOMPARE(note->title(), QStringLiteral("Typed"));
        popup.close();
    }

    void escapeInTheTitleKeepsTheEditAndClosesAtOnce()
    {
        TFR_NOTE *note = newNote();
        QLineEdit *edTitle = child<QLineEdit>(*note, "edTitle");
        editorOf(*note)->setPlainText(QStringLiteral("text"));
        note->show();
        const QString path = note->filePath();
        QPointer<TFR_NOTE> alive(note);
        QTest::mouseDClick(child<QLabel>(*note, "pnTitlePanel"), Qt::LeftButton);
        edTitle->setText(QStringLiteral("Edited"));
        QTest::keyClick(edTitle, Qt::Key_Escape);
        QVERIFY(!note->isVisible());
        QTRY_VERIFY(alive.isNull());
        QCOMPARE(NoteFile::decode(fileBytes(path)).title, QStringLiteral("Edited"));
    }

    void escapeInTheEditorClosesAtOnce()
    {
        TFR_NOTE *note = newNote();
        note->show();
        QTest::keyClick(editorOf(*note), Qt::Key_Escape);
        QVERIFY(!note->isVisible());
        QVERIFY(!child<QTimer>(*note, "tmCloseTimer")->isActive());
    }

    void fadesOutAndCloses_data()
    {
        QTest::addColumn<int>("opacity");
        QTest::addColumn<int>("step");
        QTest::newRow("100") << 100 << 5;
        QTest::newRow("30") << 30 << 1;
        QTest::newRow("10 still closes") << 10 << 1;
    }

    void fadesOutAndCloses()
    {
        QFETCH(int, opacity);
        QFETCH(int, step);
        TFR_NOTE *note = newNote();
        note->setOpacity(opacity);
        note->show();
        QPointer<TFR_NOTE> alive(note);
        child<QToolButton>(*note, "sbClose")->click();
        QCOMPARE(note->fadeStep(), step);
        QVERIFY(child<QTimer>(*note, "tmCloseTimer")->isActive());
        QTRY_VERIFY_WITH_TIMEOUT(alive.isNull(), 5000);
    }

    void aSecondCloseClickRestartsTheFade()
    {
        TFR_NOTE *note = newNote();
        note->show();
        note->CloseFading();
        QTRY_VERIFY(note->fadeLevel() < 80);
        note->CloseFading();
        QCOMPARE(note->fadeLevel(), 100);
    }

    void hideAllClosesWithoutFading()
    {
        TFR_NOTE *note = newNote();
        note->show();
        child<QAction>(m_main, "mnHideAllNotes")->trigger();
        QVERIFY(!note->isVisible());
        QVERIFY(!note->FadeOnClose);
    }

    void destructionWritesOrRemovesTheFile_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("deleted");
        QTest::addColumn<bool>("stored");
        QTest::newRow("text is written") << "milk" << false << true;
        QTest::newRow("blanks and line breaks remove it") << " \n\t \n" << false << false;
        QTest::newRow("deleted with text removes it") << "milk" << true << false;
    }

    void destructionWritesOrRemovesTheFile()
    {
        QFETCH(QString, text);
        QFETCH(bool, deleted);
        QFETCH(bool, stored);
        writeNote(QStringLiteral("1.pnf"), QStringLiteral("Title stays out of it"), QStringLiteral("old"));
        auto *note = Application::instance()->createForm<TFR_NOTE>(*m_main);
        note->LoadNote(QStringLiteral("1.pnf"));
        editorOf(*note)->setPlainText(text);
        if (deleted)
            note->markDeleted();
        delete note;
        QCOMPARE(QFile::exists(notesFolder() + QStringLiteral("1.pnf")), stored);
    }

    // The empty-note rule is for notes the user emptied in this run; one
    // that was stored without text keeps its file unless its text is touched.
    void aStoredNoteWithoutTextIsRemovedOnlyWhenEmptiedHere_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("typed");     // null: the text is not touched
        QTest::addColumn<bool>("retitled");
        QTest::addColumn<bool>("atExit");
        QTest::addColumn<bool>("kept");
        QTest::newRow("title only, closed") << QString() << QString() << false << false << true;
        QTest::newRow("title only, at exit") << QString() << QString() << false << true << true;
        QTest::newRow("title only, retitled") << QString() << QString() << true << true << true;
        QTest::newRow("blanks only, at exit") << QStringLiteral(" \r\n \r\n") << QString() << false << true << true;
        QTest::newRow("title only, typed and emptied") << QString() << QStringLiteral("") << false << true << false;
        QTest::newRow("text emptied") << QStringLiteral("old") << QStringLiteral(" ") << false << false << false;
    }

    void aStoredNoteWithoutTextIsRemovedOnlyWhenEmptiedHere()
    {
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(bool, retitled);
        QFETCH(bool, atExit);
        QFETCH(bool, kept);
        writeNote(QStringLiteral("1.pnf"), QStringLiteral("Just a title"), stored);
        const QString path = notesFolder() + QStringLiteral("1.pnf");
        const QByteArray before = fileBytes(path);
        auto *note = Application::instance()->createForm<TFR_NOTE>(*m_main);
        note->LoadNote(QStringLiteral("1.pnf"));
        note->show();
        if (!typed.isNull()) {
            QTest::keyClicks(editorOf(*note), QStringLiteral("x"));
            editorOf(*note)->setPlainText(typed);
        }
        if (retitled)
            note->setTitle(QStringLiteral("Another title"));
        QPointer<TFR_NOTE> alive(note);
        if (atExit)
            delete note;
        else
            QVERIFY(note->close());
        flushDeletes();
        QVERIFY(alive.isNull());
        QCOMPARE(QFile::exists(path), kept);
        if (kept)
            QCOMPARE(fileBytes(path), before);
    }

    void aNewEmptyNoteLeavesNoFile()
    {
        TFR_NOTE *note = newNote();
        note->show();
        note->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(QDir(notesFolder()).entryList(QDir::Files).isEmpty());
    }

    void comesBackAsItWas()
    {
        TFR_NOTE *note = newNote();
        editorOf(*note)->setPlainText(QStringLiteral("milk\nbread"));
        note->setTitle(QStringLiteral("  Shopping"));
        note->ApplyColor(Color::fromValue(0xC0FFC0));
        note->setOpacity(25);
        note->setGeometry(150, 120, 260, 180);
        const QString name = note->fileName();
        delete note;
        const QByteArray first = fileBytes(notesFolder() + name);

        auto *back = Application::instance()->createForm<TFR_NOTE>(*m_main);
        back->LoadNote(name);
        QCOMPARE(back->fileName(), name);
        QCOMPARE(editorOf(*back)->toPlainText(), QStringLiteral("milk\nbread"));
        QCOMPARE(back->title(), QStringLiteral("  Shopping"));
        QCOMPARE(back->noteColor(), Color::fromValue(0xC0FFC0));
        QCOMPARE(back->opacity(), 25);
        QCOMPARE(back->geometry(), QRect(150, 120, 260, 180));
        delete back;
        // Nothing changed: the second file is the first, byte for byte.
        QCOMPARE(fileBytes(notesFolder() + name), first);
    }

    void anUntouchedNoteIsNotRewritten()
    {
        const QString path = notesFolder() + QStringLiteral("hand.pnf");
        const QByteArray handMade("0001400000f00000c80000c800005a99ffff\nHand made\nplain words\n");
        NoteFile::writeAtomically(path, handMade);
        auto *note = Application::instance()->createForm<TFR_NOTE>(*m_main);
        note->LoadNote(QStringLiteral("hand.pnf"));
        note->show();
        QCoreApplication::processEvents();
        delete note;
        QCOMPARE(fileBytes(path), handMade);
    }

    void savingKeepsNotesOnTheScreen()
    {
        TFR_NOTE *note = newNote();
        editorOf(*note)->setPlainText(QStringLiteral("x"));
        note->move(-40, 10);
        note->SaveNote();
        QCOMPARE(note->pos(), QPoint(0, 10));
        QVERIFY(fileBytes(note->filePath()).mid(3).startsWith("00000000000A"));
    }

    void loadsStoredBoundsOntoTheScreen()
    {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        writeNote(QStringLiteral("far.pnf"), QStringLiteral("t"), QStringLiteral("x"),
                  QRect(screen.width() + 500, 40, 50, 3000));
        auto *note = Application::instance()->createForm<TFR_NOTE>(*m_main);
        note->LoadNote(QStringLiteral("far.pnf"));
        QCOMPARE(note->width(), 100);
        QCOMPARE(note->height(), screen.height());
        QCOMPARE(note->x(), screen.width() - 50);
    }

    void aFileThatFailsToLoadIsLeftAlone()
    {
        const QString path = notesFolder() + QStringLiteral("bad.pnf");
        const QByteArray broken("0001400000F00000C80000C8\r\nonly a broken header\r\n");
        NoteFile::writeAtomically(path, broken);
        auto *note = Application::instance()->createForm<TFR_NOTE>(*m_main);
        QVERIFY_THROWS_EXCEPTION(PaperletError, note->LoadNote(QStringLiteral("bad.pnf")));
        QCOMPARE(note->fileName(), QStringLiteral("bad.pnf"));
        QVERIFY(note->loadFailed());
        editorOf(*note)->setPlainText(QStringLiteral("typed into a window that never showed"));
        delete note;
        QCOMPARE(fileBytes(path), broken);
        // Its document goes with it: the notes are only those that loaded.
        flushDeletes();
        for (const NoteDocument *left : m_main->noteCollection().notes())
            QVERIFY(left->fileName() != QStringLiteral("bad.pnf"));
        QVERIFY(!m_main->noteCollection().note(QStringLiteral("bad.pnf")));
    }

    void aFailedCloseKeepsTheNoteOpenAndSaysWhy()
    {
        ModalCatcher catcher;
        TFR_NOTE *note = newNote();
        editorOf(*note)->setPlainText(QStringLiteral("precious"));
        note->show();
        // A folder where the file should be: the write cannot succeed, even as root.
        QVERIFY(QDir().mkpath(note->filePath()));
        QVERIFY(!note->close());
        QVERIFY(note->isVisible());
        QTRY_COMPARE(catcher.texts.size(), 1);
        QVERIFY2(catcher.texts.first().contains(note->fileName()), qPrintable(catcher.texts.first()));
        const QString path = note->filePath();
        QVERIFY(QDir(path).removeRecursively());
        QVERIFY(note->close());
        QVERIFY(NoteFile::decode(fileBytes(path)).content.contains(QStringLiteral("precious")));
    }

    void teardownWritesEveryNoteAndRescuesTheOnesItCannot()
    {
        TFR_NOTE *blocked = newNote();
        editorOf(*blocked)->setPlainText(QStringLiteral("rescue me"));
        TFR_NOTE *fine = newNote();
        editorOf(*fine)->setPlainText(QStringLiteral("fine"));
        const QString blockedName = blocked->fileName();
        const QString fineName = fine->fileName();
        QVERIFY(QDir().mkpath(blocked->filePath()));
        const QString rescued = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
            + QStringLiteral("/Rescued notes/") + blockedName;
        QFile::remove(rescued);
        RescueLog::takeReport();
        // Newest first, as at exit: the blocked one is destroyed last.
        delete fine;
        delete blocked;
        QVERIFY(QFile::exists(notesFolder() + fineName));
        QVERIFY(NoteFile::decode(fileBytes(rescued)).content.contains(QStringLiteral("rescue me")));
        // The next start tells where the copy went, once.
        const QString report = RescueLog::takeReport();
        QVERIFY2(report.contains(QDir::toNativeSeparators(rescued)), qPrintable(report));
        QVERIFY(!report.contains(fineName));
        QCOMPARE(RescueLog::takeReport(), QString());
    }

    // The disk stays full over two runs: each run's rescue keeps its own
    // copy, and the next start names both.
    void everyRescueKeepsItsOwnCopy()
    {
        RescueLog::takeReport();
        QStringList copies;
        for (const QString &text : {QStringLiteral("first run"), QStringLiteral("second run")}) {
            writeNote(QStringLiteral("1.pnf"), QStringLiteral("Rescued"), QStringLiteral("stored"));
            auto *note = Application::instance()->createForm<TFR_NOTE>(*m_main);
            note->LoadNote(QStringLiteral("1.pnf"));
            editorOf(*note)->setPlainText(text);
            // A folder where the file was: nothing can replace it.
            QVERIFY(QFile::remove(note->filePath()));
            QVERIFY(QDir().mkpath(note->filePath()));
            const QStringList before = QDir(RescueLog::folder()).entryList(QDir::Files);
            delete note;
            QVERIFY(QDir(notesFolder() + QStringLiteral("1.pnf")).removeRecursively());
            QStringList after = QDir(RescueLog::folder()).entryList(QDir::Files);
            for (const QString &name : before)
                after.removeAll(name);
            after.removeAll(QStringLiteral("unreported.txt"));
            QCOMPARE(after.size(), 1);
            copies.append(RescueLog::folder() + after.first());
        }
        QVERIFY(copies.at(0) != copies.at(1));
        QVERIFY(NoteFile::decode(fileBytes(copies.at(0))).content.contains(QStringLiteral("first run")));
        QVERIFY(NoteFile::decode(fileBytes(copies.at(1))).content.contains(QStringLiteral("second run")));
        const QString report = RescueLog::takeReport();
        for (const QString &copy : copies)
            QVERIFY2(report.contains(QDir::toNativeSeparators(copy)), qPrintable(report));
        for (const QString &copy : copies)
            QFile::remove(copy);
    }

    void autosavesShortlyAfterAChange()
    {
        TFR_NOTE *note = newNote();
        note->show();
        QSignalSpy saved(note->document(), &NoteDocument::saved);
        QTest::keyClicks(editorOf(*note), QStringLiteral("typed"));
        QVERIFY(saved.wait(3000));
        const NoteRecord record = NoteFile::decode(fileBytes(note->filePath()));
        QVERIFY(record.content.contains(QStringLiteral("typed")));
        // An empty note is never autosaved, and idle notes write nothing.
        TFR_NOTE *empty = newNote();
        empty->show();
        empty->setTitle(QStringLiteral("title only"));
        QVERIFY(!saved.wait(2500));
        QVERIFY(!QFile::exists(empty->filePath()));
    }

    void aFullDiskKeepsTheOldFileAndTheTypedText()
    {
        const ScratchTmpfs disk;
        if (!disk.skip().isEmpty())
            QSKIP(qPrintable(disk.skip()));
        // The program's folder, and so its Notes folder, on the small disk.
        delete m_main;
        m_main = Application::instance()->createForm<TFR_PLT_MAIN>(disk.path());
        m_main->ensureNotesFolder();
        TFR_NOTE *note = newNote();
        note->show();
        editorOf(*note)->setPlainText(QStringLiteral("first words"));
        note->SaveNote();
        const QString path = note->filePath();
        const QByteArray old = fileBytes(path);
        QVERIFY(NoteFile::decode(old).content.contains(QStringLiteral("first words")));
        QVERIFY(disk.fill());

        ModalCatcher catcher;
        editorOf(*note)->moveCursor(QTextCursor::End);
        QTest::keyClicks(editorOf(*note), QStringLiteral(" and more"));
        // The autosave fails and says so, once; the file is the old one.
        QTRY_COMPARE_WITH_TIMEOUT(catcher.texts.size(), 1, 10000);
        QVERIFY2(catcher.texts.first().contains(QDir::toNativeSeparators(path)), qPrintable(catcher.texts.first()));
        QCOMPARE(fileBytes(path), old);
        QVERIFY(note->isVisible());
        QVERIFY(editorOf(*note)->toPlainText().endsWith(QStringLiteral("first words and more")));

        // Closing fails the same way and keeps the note open.
        QVERIFY(!note->close());
        QVERIFY(note->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(catcher.texts.size(), 2, 10000);
        QCOMPARE(fileBytes(path), old);

        // At exit the text goes to a rescue copy elsewhere.
        const QString rescued = RescueLog::folder() + note->fileName();
        QFile::remove(rescued);
        RescueLog::takeReport();
        delete note;
        QCOMPARE(fileBytes(path), old);
        QVERIFY(NoteFile::decode(fileBytes(rescued)).content.contains(QStringLiteral("first words and more")));
        QVERIFY(RescueLog::takeReport().contains(QDir::toNativeSeparators(rescued)));
        // The main form goes before the disk it lives on.
        delete m_main;
        m_main = nullptr;
    }

    void showAllOpensInNameOrderOnce()
    {
        for (const QString &name : {QStringLiteral("2.pnf"), QStringLiteral("10.pnf"), QStringLiteral("1.pnf")})
            writeNote(name, name, QStringLiteral("text of ") + name);
        writeNote(QStringLiteral(".hidden.pnf"), QStringLiteral("h"), QStringLiteral("h"));
        writeNote(QStringLiteral("other.txt"), QStringLiteral("o"), QStringLiteral("o"));
        QSignalSpy balloon(m_main, &TFR_PLT_MAIN::balloonShown);
        m_main->ShowAllNotes();
        QCOMPARE(openNames(), (QStringList{"1.pnf", "10.pnf", "2.pnf"}));
        for (const TFR_NOTE *note : Application::instance()->formsOf<TFR_NOTE>())
            QVERIFY(note->isVisible());
        m_main->ShowAllNotes();
        QCOMPARE(openNames().size(), 3);
        QCOMPARE(balloon.size(), 0);

        child<QAction>(m_main, "mnHideAllNotes")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(openNames().isEmpty());
        m_main->ShowAllNotes();
        QCOMPARE(openNames(), (QStringList{"1.pnf", "10.pnf", "2.pnf"}));
        QCOMPARE(editorOf(*Application::instance()->formsOf<TFR_NOTE>().at(1))->toPlainText().trimmed(),
                 QStringLiteral("text of 10.pnf"));
    }

    void showAllSkipsDamagedFiles()
    {
        writeNote(QStringLiteral("1.pnf"), QStringLiteral("a"), QStringLiteral("a"));
        NoteFile::writeAtomically(notesFolder() + QStringLiteral("2.pnf"), "one line only");
        writeNote(QStringLiteral("3.pnf"), QStringLiteral("c"), QStringLiteral("c"));
        m_main->ShowAllNotes();
        QCOMPARE(openNames(), (QStringList{"1.pnf", "3.pnf"}));
        QCOMPARE(fileBytes(notesFolder() + QStringLiteral("2.pnf")), QByteArray("one line only"));
    }

    void anEmptyFolderShowsTheBalloon()
    {
        QSignalSpy balloon(m_main, &TFR_PLT_MAIN::balloonShown);
        newNote()->show();
        m_main->ShowAllNotes();
        QCOMPARE(balloon.size(), 1);
    }
};

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    TestNoteWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_note_window.moc"
