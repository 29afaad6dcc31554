// The hidden main form: its tray icon and menu, the double-click guard, a
// failed construction, and the standard error display of the application.

#include "../common/find_child.h"

#include "app/main_form.h"
#include "app/no_tray_mode.h"
#include "app/tray_balloon.h"
#include "core/error.h"
#include "framework/application.h"
#include "framework/guarded.h"
#include "framework/popup_menu.h"
#include "notes/note_window.h"
#include "theme/tray_images.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

// Throws from its event handler, as a faulty handler of ours would.
class Thrower final : public QObject
{
public:
    explicit Thrower(bool own) : m_own(own) {}
    int handled = 0;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        ++handled;
        if (m_own)
            throw PaperletError(QStringLiteral("Cannot do that."));
        throw std::runtime_error("not ours");
    }

private:
    bool m_own;
};

struct BoxSeen
{
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Answers the next modal message box from inside its loop and records it.
void answerNextBox(BoxSeen &seen)
{
    QTimer::singleShot(0, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return answerNextBox(seen); // not open yet
        seen = {true, box->windowTitle(), box->text(), box->icon()};
        box->accept();
    });
}

} // namespace

class TestMainForm final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void hiddenFormWithTrayIcon();
    void trayMenuItems();
    void trayImagesAreDrawnAtAnySize_data();
    void trayImagesAreDrawnAtAnySize();
    void threeQuickDoubleClicksMakeOneNote();
    void doubleClickAfterGuardMakesAnother();
    void directCallDoesNotRestartGuard();
    void menuNewNoteIsUnguarded();
    void balloonOnRequest();
    void balloonPlacement_data();
    void balloonPlacement();
    void balloonFollowsTheTrayIconOnceItIsPlaced();
    void failedConstructionLeavesNothing();
    void exitEndsTheLoop();
    void quitRequestCannotBeCancelledByAWindow();

    void exceptionFromHandlerIsShownAndLoopGoesOn_data();
    void exceptionFromHandlerIsShownAndLoopGoesOn();
    void guardedHandlerShowsItsError_data();
    void guardedHandlerShowsItsError();
    void menuWorksAfterACommandFailed();
    void failingNewNoteIsShownAndTheProgramGoesOn_data();
    void failingNewNoteIsShownAndTheProgramGoesOn();
    void submenuWorksAfterACommandFailed();

private:
    int notes() const { return Application::instance()->formsOf<TFR_NOTE>().size(); }
    QSystemTrayIcon *tray() const { return child<QSystemTrayIcon>(m_form, "tiTray"); }
    QTimer *dblClickGuard() const { return child<QTimer>(m_form, "tmDblClick"); }
    void doubleClickTray() { Q_EMIT tray()->activated(QSystemTrayIcon::DoubleClick); }

    std::unique_ptr<QTemporaryDir> m_dir;
    TFR_PLT_MAIN *m_form = nullptr;
};

void TestMainForm::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_form = Application::instance()->createForm<TFR_PLT_MAIN>(m_dir->path());
    QCOMPARE(FR_PLT_MAIN, m_form);
}

void TestMainForm::cleanup()
{
    Application::instance()->destroyForms();
    QCOMPARE(FR_PLT_MAIN, nullptr);
    m_form = nullptr;
}

void TestMainForm::hiddenFormWithTrayIcon()
{
    QVERIFY(!m_form->isVisible());
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Paperlet"));
    QVERIFY(tray()->isVisible());
    QCOMPARE(tray()->toolTip(), QStringLiteral("Paperlet\nDouble click for new note!"));
    QVERIFY(!tray()->icon().isNull());
    // Our own menu opens on a right-click, never one drawn by the tray host.
    QCOMPARE(tray()->contextMenu(), nullptr);
    QCOMPARE(dblClickGuard()->interval(), 1500);
    QVERIFY(!dblClickGuard()->isActive());
    QVERIFY(!child<QTimer>(m_form, "tmChecker")->isActive());
    // The constructor loaded (here: wrote) the settings and made the notes folder.
    QVERIFY(QFileInfo::exists(m_dir->filePath(QStringLiteral("settings.ini"))));
    QVERIFY(QFileInfo(m_form->notesFolder()).isDir());
    QVERIFY(m_form->settings().Version.isEmpty());
}

void TestMainForm::trayMenuItems()
{
    QStringList rows;
    for (QAction *action : child<QMenu>(m_form, "pmPopup")->actions())
        rows << (action->isSeparator() ? QStringLiteral("-")
                                       : action->text() + (action->icon().isNull() ? "" : " [image]"));
    QCOMPARE(rows, QStringList({"New Note [image]", "-", "Show All Notes", "Hide All Notes", "All Notes...", "-",
                                "Settings [image]", "-", "Check for updates", "About", "-", "Exit"}));
    QList<QAction *> named;
    for (const char *name : {"mnAddNote", "mnShowAllNotes", "mnHideAllNotes", "mnAllNotes", "mnSettings", "tbCheckForUpdates",
                             "mnAbout", "mnCLOSE"})
        named << child<QAction>(m_form, name);
    QList<QAction *> items;
    for (QAction *action : child<QMenu>(m_form, "pmPopup")->actions())
        if (!action->isSeparator())
            items << action;
    QCOMPARE(items, named);
    for (QAction *action : items)
        QVERIFY2(action->isEnabled(), qPrintable(action->text()));
}

void TestMainForm::trayImagesAreDrawnAtAnySize_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("note") << int(TrayImages::Note);
    QTest::newRow("plus") << int(TrayImages::Plus);
    QTest::newRow("settings window") << int(TrayImages::SettingsWindow);
    QTest::newRow("note with sparkle") << int(TrayImages::NoteSparkle);
    QTest::newRow("balloon information") << int(TrayImages::Information);
}

void TestMainForm::trayImagesAreDrawnAtAnySize()
{
    QFETCH(int, index);
    QImage previous;
    for (int size : {16, 22, 32, 64}) {
        const QImage image = TrayImages::icon(index).pixmap(size, size).toImage();
        QCOMPARE(image.size(), QSize(size, size));
        // Drawn, on a transparent background.
        int opaque = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                opaque += qAlpha(image.pixel(x, y)) > 128;
        QVERIFY2(opaque > size * size / 10, qPrintable(QStringLiteral("%1 px at %2").arg(opaque).arg(size)));
        QCOMPARE(qAlpha(image.pixel(0, size - 1)), 0);
    }
    // The pictures differ from one another.
    const QImage mine = TrayImages::icon(index).pixmap(32, 32).toImage();
    for (int other = 0; other < TrayImages::Count; ++other)
        if (other != index)
            QVERIFY(TrayImages::icon(other).pixmap(32, 32).toImage() != mine);
}

void TestMainForm::threeQuickDoubleClicksMakeOneNote()
{
    for (int i = 0; i < 3; ++i)
        doubleClickTray();
    QCOMPARE(notes(), 1);
    QVERIFY(dblClickGuard()->isActive());
    // A single click or a right-click makes nothing.
    Q_EMIT tray()->activated(QSystemTrayIcon::Trigger);
    QCOMPARE(notes(), 1);
}

void TestMainForm::doubleClickAfterGuardMakesAnother()
{
    QElapsedTimer clock;
    clock.start();
    doubleClickTray();
    QCOMPARE(notes(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(!dblClickGuard()->isActive(), 3000);
    QVERIFY2(clock.elapsed() >= 1400, qPrintable(QString::number(clock.elapsed())));
    doubleClickTray();
    QCOMPARE(notes(), 2);
}

void TestMainForm::directCallDoesNotRestartGuard()
{
    doubleClickTray();
    // Part of the guard has run.
    QTRY_VERIFY(dblClickGuard()->remainingTime() <= 1000);
    // A note's own "New Note" calls the handler directly: always a note, and
    // the running guard keeps its end.
    m_form->makeNewNote();
    QCOMPARE(notes(), 2);
    QVERIFY(dblClickGuard()->isActive());
    QVERIFY2(dblClickGuard()->remainingTime() <= 1000, qPrintable(QString::number(dblClickGuard()->remainingTime())));
    // With no guard running, the direct call starts one.
    QTRY_VERIFY_WITH_TIMEOUT(!dblClickGuard()->isActive(), 3000);
    m_form->makeNewNote();
    QCOMPARE(notes(), 3);
    QVERIFY(dblClickGuard()->isActive());
    doubleClickTray();
    QCOMPARE(notes(), 3);
}

void TestMainForm::menuNewNoteIsUnguarded()
{
    for (int i = 0; i < 3; ++i)
        child<QAction>(m_form, "mnAddNote")->trigger();
    QCOMPARE(notes(), 3);
    QVERIFY(!dblClickGuard()->isActive());
    // While the tray guard runs, the menu still makes notes.
    doubleClickTray();
    child<QAction>(m_form, "mnAddNote")->trigger();
    QCOMPARE(notes(), 5);
}

void TestMainForm::balloonOnRequest()
{
    QSignalSpy shown(m_form, &TFR_PLT_MAIN::balloonShown);
    QCOMPARE(shown.size(), 0);
    m_form->showBalloon();
    QCOMPARE(shown.size(), 1);
    if (TrayBalloon::desktopShowsMessages())
        QSKIP("the desktop's notification service shows the balloon here");
    // One balloon at a time, gone by itself after its three seconds.
    m_form->showBalloon();
    QCOMPARE(shown.size(), 2);
    QTRY_COMPARE(m_form->findChildren<TrayBalloon *>().size(), 1);
    const TrayBalloon *balloon = m_form->findChildren<TrayBalloon *>().first();
    QVERIFY(balloon->isVisible());
    QVERIFY(balloon->windowFlags().testFlag(Qt::ToolTip));
    QTRY_COMPARE_WITH_TIMEOUT(m_form->findChildren<TrayBalloon *>().size(), 0, 5000);
}

void TestMainForm::balloonPlacement_data()
{
    QTest::addColumn<QRect>("anchor");
    QTest::addColumn<QPoint>("expected");
    // A 200 x 60 balloon on a 1280 x 1000 free area.
    QTest::newRow("tray bottom right: above, ending at the icon") << QRect(1200, 1002, 22, 22) << QPoint(1020, 940);
    QTest::newRow("tray bottom left: above, starting at the icon") << QRect(1, 1002, 22, 22) << QPoint(1, 940);
    QTest::newRow("tray top left: below") << QRect(0, 0, 22, 22) << QPoint(0, 24);
    QTest::newRow("tray top right: below, kept on screen") << QRect(1270, 2, 22, 22) << QPoint(1080, 26);
    QTest::newRow("icon unknown: the lower right corner") << QRect() << QPoint(1072, 932);
}

void TestMainForm::balloonPlacement()
{
    QFETCH(QRect, anchor);
    QFETCH(QPoint, expected);
    const QRect available(0, 0, 1280, 1000);
    const QSize size(200, 60);
    const QPoint at = TrayBalloon::placeFor(size, anchor, available);
    QCOMPARE(at, expected);
    QVERIFY(available.contains(QRect(at, size)));
}

void TestMainForm::balloonFollowsTheTrayIconOnceItIsPlaced()
{
    QRect icon;   // the tray host has not taken the icon in yet
    TrayBalloon balloon(TrayImages::icon(TrayImages::Information), QStringLiteral("Paperlet"),
                        QStringLiteral("Double click for new note!"), [&icon] { return icon; }, 3000);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QCOMPARE(balloon.pos(), TrayBalloon::placeFor(balloon.size(), QRect(), screen));
    icon = QRect(screen.right() - 30, screen.bottom() - 24, 22, 22);
    QTRY_COMPARE(balloon.pos(), TrayBalloon::placeFor(balloon.size(), icon, screen));
    QVERIFY(balloon.geometry().bottom() < icon.top());
}

void TestMainForm::failedConstructionLeavesNothing()
{
    Application::instance()->destroyForms();
    const auto topLevels = QApplication::topLevelWidgets().size();
    const QString folder = m_dir->filePath(QStringLiteral("missing/sub"));
    QVERIFY_THROWS_EXCEPTION(PaperletError, Application::instance()->createForm<TFR_PLT_MAIN>(folder));
    QCOMPARE(FR_PLT_MAIN, nullptr);
    QVERIFY(Application::instance()->forms().isEmpty());
    QCOMPARE(QApplication::topLevelWidgets().size(), topLevels);
    QVERIFY(!QFileInfo::exists(m_dir->filePath(QStringLiteral("missing"))));
}

void TestMainForm::exitEndsTheLoop()
{
    QTimer::singleShot(0, child<QAction>(m_form, "mnCLOSE"), &QAction::trigger);
    QCOMPARE(QApplication::exec(), 0);
    // Exit writes no settings: only the first write at construction happened.
    QFile file(m_dir->filePath(QStringLiteral("settings.ini")));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("Color=10092543\r\n"));
}

void TestMainForm::quitRequestCannotBeCancelledByAWindow()
{
    // The session manager's end of session arrives as a quit request; a window
    // that refuses to close (a note fading out) must not keep the program.
    class Stubborn final : public QWidget
    {
    protected:
        void closeEvent(QCloseEvent *event) override { event->ignore(); }
    };
    Stubborn stubborn;
    stubborn.show();
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(stubborn.isVisible());
}

void TestMainForm::exceptionFromHandlerIsShownAndLoopGoesOn_data()
{
    QTest::addColumn<bool>("own");
    QTest::addColumn<QString>("text");
    QTest::newRow("PaperletError") << true << QStringLiteral("Cannot do that.");
    QTest::newRow("foreign exception: its own text") << false << QStringLiteral("not ours");
}

void TestMainForm::exceptionFromHandlerIsShownAndLoopGoesOn()
{
    QFETCH(bool, own);
    QFETCH(QString, text);
    Thrower thrower(own);
    BoxSeen seen;
    answerNextBox(seen);
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QTRY_VERIFY(seen.shown);
    QCOMPARE(seen.title, QStringLiteral("Paperlet"));
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.icon, QMessageBox::Critical);
    // The loop goes on: the next event is handled (and shown) as well.
    BoxSeen again;
    answerNextBox(again);
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QTRY_VERIFY(again.shown);
    QCOMPARE(thrower.handled, 2);
}

enum class Throws { Own, Standard, EmptyStandard, Unknown };

void TestMainForm::guardedHandlerShowsItsError_data()
{
    QTest::addColumn<Throws>("throws");
    QTest::addColumn<QString>("text");
    QTest::newRow("PaperletError") << Throws::Own << QStringLiteral("Cannot do that.");
    QTest::newRow("std::exception: its what()") << Throws::Standard << QStringLiteral("disk on fire");
    QTest::newRow("empty what(): never an empty box") << Throws::EmptyStandard << QStringLiteral("An unexpected error occurred.");
    QTest::newRow("not an exception class") << Throws::Unknown << QStringLiteral("An unexpected error occurred.");
}

void TestMainForm::guardedHandlerShowsItsError()
{
    QFETCH(Throws, throws);
    QAction action;
    action.setCheckable(true);
    bool checkedSeen = false;
    // The handler takes the signal's argument; the wrapper passes it on.
    connect(&action, &QAction::triggered, &action, guarded([&](bool checked) {
        checkedSeen = checked;
        switch (throws) {
        case Throws::Own: throw PaperletError(QStringLiteral("Cannot do that."));
        case Throws::Standard: throw std::runtime_error("disk on fire");
        case Throws::EmptyStandard: throw std::runtime_error("");
        case Throws::Unknown: throw 42;
        }
    }));
    BoxSeen seen;
    answerNextBox(seen);
    // Shown before trigger() returns: nothing reaches the caller.
    action.trigger();
    QVERIFY(seen.shown);
    QVERIFY(checkedSeen);
    QCOMPARE(seen.title, QStringLiteral("Paperlet"));
    QTEST(seen.text, "text");
    QCOMPARE(seen.icon, QMessageBox::Critical);
}

void TestMainForm::menuWorksAfterACommandFailed()
{
    // Without the notes folder "Show All Notes" fails with an error.
    const QString folder = m_form->notesFolder();
    QVERIFY(QDir(folder).removeRecursively());
    QMenu *menu = child<QMenu>(m_form, "pmPopup");
    QSignalSpy triggered(menu, &QMenu::triggered);
    for (int round = 1; round <= 3; ++round) {
        BoxSeen seen;
        answerNextBox(seen);
        menu->popup(QPoint(100, 100));
        QTRY_VERIFY(menu->isVisible());
        QAction *showAll = child<QAction>(m_form, "mnShowAllNotes");
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(showAll).center());
        QTRY_VERIFY(seen.shown);
        QCOMPARE(seen.text, QStringLiteral("Cannot open the notes folder \"%1\".").arg(QDir::toNativeSeparators(folder)));
        // The menu finished its own work after the error: it reports the
        // command and closes, every time.
        QCOMPARE(triggered.count(), round);
        QCOMPARE(triggered.last().constFirst().value<QAction *>(), showAll);
        QTRY_VERIFY(!menu->isVisible());
    }
}

// Every way to a new note that Qt calls (not our own code) is guarded: the
// failure of a new note shows in the error box, never in Qt's event delivery,
// and the next note is made.
void TestMainForm::failingNewNoteIsShownAndTheProgramGoesOn_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("tray double-click") << QStringLiteral("double-click");
    QTest::newRow("no tray: the first note stands in for it") << QStringLiteral("no tray");
}

void TestMainForm::failingNewNoteIsShownAndTheProgramGoesOn()
{
    QFETCH(QString, entry);
    QTest::failOnWarning(QRegularExpression(QRegularExpression::escape(QLatin1String(Application::UnguardedWarning))));
    // The next note fails half-way through being made.
    int failures = 1;
    QMetaObject::Connection adopted = connect(Application::instance(), &Application::formAdopted, this,
                                              [&failures](QWidget *form) {
        if (auto *note = qobject_cast<TFR_NOTE *>(form))
            connect(note, &TFR_NOTE::opacityChanged, note, [&failures] {
                if (failures-- > 0)
                    throw PaperletError(QStringLiteral("Cannot make the note."));
            });
    });
    const auto cleanup = qScopeGuard([adopted] { QObject::disconnect(adopted); });
    std::unique_ptr<NoTrayMode> noTray;
    BoxSeen seen;
    answerNextBox(seen);
    if (entry == QLatin1String("double-click")) {
        doubleClickTray();
    } else {
        noTray = std::make_unique<NoTrayMode>(*m_form, m_form->noteWindows());
        QSignalSpy active(noTray.get(), &NoTrayMode::activeChanged);
        if (!active.wait(NoTrayMode::GraceMs + 5000))
            QSKIP("a tray is there");
    }
    QTRY_VERIFY_WITH_TIMEOUT(seen.shown, NoTrayMode::GraceMs + 5000);
    QCOMPARE(seen.title, QStringLiteral("Paperlet"));
    QCOMPARE(seen.text, QStringLiteral("Cannot make the note."));
    QCOMPARE(failures, 0);
    QCOMPARE(notes(), 0);
    // The program goes on: the next note is made.
    m_form->makeNewNote();
    QCOMPARE(notes(), 1);
}

// The parent menu learns of a command in its submenu only after the
// command's handler has returned: an error that unwound through the submenu
// left the parent deaf for good.
void TestMainForm::submenuWorksAfterACommandFailed()
{
    PopupMenu menu;
    PopupMenu *submenu = menu.addSubmenu(QStringLiteral("Opacity"));
    QAction *item = submenu->addItem(QStringLiteral("50 %"));
    int runs = 0;
    connect(item, &QAction::triggered, item, guarded([&runs] {
        ++runs;
        throw PaperletError(QStringLiteral("Cannot do that."));
    }));
    QSignalSpy triggered(&menu, &QMenu::triggered);
    for (int round = 1; round <= 3; ++round) {
        BoxSeen seen;
        answerNextBox(seen);
        menu.popup(QPoint(100, 100));
        QTRY_VERIFY(menu.isVisible());
        menu.setActiveAction(submenu->menuAction());
        QTest::keyClick(&menu, Qt::Key_Right);
        QTRY_VERIFY(submenu->isVisible());
        QTest::mouseClick(submenu, Qt::LeftButton, {}, submenu->actionGeometry(item).center());
        QTRY_VERIFY(seen.shown);
        QCOMPARE(seen.text, QStringLiteral("Cannot do that."));
        QCOMPARE(runs, round);
        QCOMPARE(triggered.count(), round);
        QTRY_VERIFY(!menu.isVisible());
    }
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    TestMainForm test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_main_form.moc"
