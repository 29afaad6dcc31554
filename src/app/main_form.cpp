#include "app/main_form.h"

#include "app/note_reminder_dialogs.h"
#include "app/tray_activations.h"
#include "app/tray_balloon.h"
#include "dialogs/about_dialog.h"
#include "dialogs/settings_dialog.h"
#include "framework/application.h"
#include "framework/guarded.h"
#include "framework/popup_menu.h"
#include "framework/theme_registry.h"
#include "notes/all_notes_window.h"
#include "notes/delete_undo.h"
#include "notes/note_collection.h"
#include "notes/note_reminders.h"
#include "notes/note_window.h"
#include "notes/note_windows.h"
#include "notes/notes_folder_sync.h"
#include "platform/clock_events.h"
#include "platform/status_notifier_tray.h"
#include "platform/window_state.h"
#include "theme/ide_theme.h"
#include "theme/note_color_set.h"
#include "theme/tray_images.h"
#include "update/update_checker.h"
#include "update/update_report.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QMenu>
#include <QScopeGuard>
#include <QSystemTrayIcon>

#include <memory>
#include <utility>

TFR_PLT_MAIN *FR_PLT_MAIN = nullptr;

namespace {

const char *const TrayTip = QT_TRANSLATE_NOOP("TFR_PLT_MAIN", "Paperlet\nDouble click for new note!");
const char *const BalloonTitle = QT_TRANSLATE_NOOP("TFR_PLT_MAIN", "Paperlet");
const char *const BalloonText = QT_TRANSLATE_NOOP("TFR_PLT_MAIN", "Double click for new note!");
constexpr int BalloonMs = 3000;
constexpr int DblClickGuardMs = 1500;
constexpr int CheckerHandOverMs = 100;

// Resets FR_PLT_MAIN when construction fails half-way.
struct GlobalGuard
{
    bool committed = false;
    ~GlobalGuard()
    {
        if (!committed)
            FR_PLT_MAIN = nullptr;
    }
};

// Settings and About exist once: asking again brings the open one forward
// instead of stacking a second modal copy on top of it.
template<class Dialog>
void openOnce(TFR_PLT_MAIN &form)
{
    const QList<Dialog *> open = Application::instance()->formsOf<Dialog>();
    for (Dialog *dialog : open)
        if (dialog->isVisible()) {
            WindowState::bringForward(dialog);
            return;
        }
    // A fresh modal dialog; it destroys itself when closed.
    Application::instance()->createForm<Dialog>(form)->exec();
}

} // namespace

TFR_PLT_MAIN::TFR_PLT_MAIN(const QString &homeFolder)
    : QWidget(nullptr)
    , m_store(homeFolder)
    , m_notes(new NoteCollection(*this, this))
    , m_noteWindows(new NoteWindows(*this, *m_notes, this))
    , m_reminders(new NoteReminders(*m_notes, *m_noteWindows, m_clock, this))
{
    FR_PLT_MAIN = this;
    GlobalGuard guard;
    // A note without a window has no other place to say that it failed.
    connect(m_notes, &NoteCollection::errorOccurred, this, &Application::reportLater);
    // Timers count only time awake: the reminders look again after a
    // resume and when the clock is set.
    auto *clockEvents = new ClockEvents(QString(), this);
    connect(clockEvents, &ClockEvents::resumed, m_reminders, &NoteReminders::check);
    connect(clockEvents, &ClockEvents::clockChanged, m_reminders, &NoteReminders::check);
    new NoteReminderDialogs(m_clock, this);
    new DeleteUndo(*this, *m_notes, *m_noteWindows, this);

    // 1. The form from its layout: tray icon with tip and menu, timers off.
    setWindowTitle(tr("Paperlet"));
    tmDblClick.setObjectName(QStringLiteral("tmDblClick"));
    tmChecker.setObjectName(QStringLiteral("tmChecker"));
    tmDblClick.setInterval(DblClickGuardMs);
    tmChecker.setInterval(CheckerHandOverMs);
    connect(&tmDblClick, &QTimer::timeout, this, guarded(this, &TFR_PLT_MAIN::tmDblClickTimer));
    connect(&tmChecker, &QTimer::timeout, this, guarded(this, &TFR_PLT_MAIN::tmCheckerTimer));
    tbxSwitch = new ThemeSwitcher(this);
    tbxSwitch->setObjectName(QStringLiteral("tbxSwitch"));
    buildTrayMenu();
    tiTray = new QSystemTrayIcon(TrayImages::icon(TrayImages::Note), this);
    tiTray->setObjectName(QStringLiteral("tiTray"));
    tiTray->setToolTip(tr(TrayTip));
    m_activations = new TrayActivations(this);
    connect(m_activations, &TrayActivations::doubleClick, this, guarded([this] {
        if (m_dblClickAttached)
            tiTrayDblClick();
    }));
    const auto onActivated = guarded([this](QSystemTrayIcon::ActivationReason reason) { onTrayActivated(reason); });
    connect(tiTray, &QSystemTrayIcon::activated, this, onActivated);
    m_statusNotifier = new StatusNotifierTray(tiTray->icon(), tr(TrayTip), pmPopup, this);
    connect(m_statusNotifier, &StatusNotifierTray::activated, this, onActivated);
    if (!m_statusNotifier->replacesQtIcon())
        tiTray->show();

    try {
        // 2. and 3. Built-in defaults, then settings.ini over them.
        m_settings.setBuiltInDefaults();
        LoadSettings();
        // 4. The menu theme, registered once per run.
        if (!ThemeRegistry::instance()->isRegistered(QStringLiteral("Ide")))
            registerIdeTheme();
        tbxSwitch->setTheme(QStringLiteral("Ide"));
        // 5. The notes folder.
        ensureNotesFolder();
    } catch (...) {
        // The icon must not outlive a failed start.
        tiTray->hide();
        throw;
    }
    guard.committed = true;
}

TFR_PLT_MAIN::~TFR_PLT_MAIN()
{
    if (tiTray)
        tiTray->hide();
    if (FR_PLT_MAIN == this)
        FR_PLT_MAIN = nullptr;
}

void TFR_PLT_MAIN::LoadSettings()
{
    m_store.LoadSettings(m_settings);
}

void TFR_PLT_MAIN::saveSettings()
{
    m_store.SaveSettings(m_settings);
}

void TFR_PLT_MAIN::buildTrayMenu()
{
    pmPopup = new PopupMenu(this);
    pmPopup->setObjectName(QStringLiteral("pmPopup"));
    const auto item = [this](const char *name, const QString &caption, int image, void (TFR_PLT_MAIN::*handler)()) {
        QAction *action = pmPopup->addAction(caption);
        action->setObjectName(QLatin1String(name));
        if (image >= 0)
            action->setIcon(TrayImages::icon(image));
        connect(action, &QAction::triggered, this, guarded(this, handler));
        return action;
    };
    mnAddNote = item("mnAddNote", tr("New Note"), TrayImages::Plus, &TFR_PLT_MAIN::mnAddNoteClick);
    pmPopup->addSeparator(); // N1
    mnShowAllNotes = item("mnShowAllNotes", tr("Show All Notes"), -1, &TFR_PLT_MAIN::mnShowAllNotesClick);
    mnHideAllNotes = item("mnHideAllNotes", tr("Hide All Notes"), -1, &TFR_PLT_MAIN::mnHideAllNotesClick);
    mnAllNotes = item("mnAllNotes", tr("All Notes..."), -1, &TFR_PLT_MAIN::mnAllNotesClick);
    pmPopup->addSeparator(); // N2
    mnSettings = item("mnSettings", tr("Settings"), TrayImages::SettingsWindow,
                      &TFR_PLT_MAIN::mnSettingsClick);
    pmPopup->addSeparator(); // N3
    tbCheckForUpdates = item("tbCheckForUpdates", tr("Check for updates"), -1,
                             &TFR_PLT_MAIN::tbCheckForUpdatesClick);
    mnAbout = item("mnAbout", tr("About"), -1, &TFR_PLT_MAIN::mnAboutClick);
    pmPopup->addSeparator(); // N4
    mnCLOSE = item("mnCLOSE", tr("Exit"), -1, &TFR_PLT_MAIN::mnCLOSEClick);
}

QList<QAction *> TFR_PLT_MAIN::trayCommands() const
{
    return {mnShowAllNotes, mnHideAllNotes, mnAllNotes, mnSettings, tbCheckForUpdates, mnAbout, mnCLOSE};
}

void TFR_PLT_MAIN::onTrayActivated(int reason)
{
    switch (reason) {
    case QSystemTrayIcon::Context:
        // Always our own menu, so that the theme paints it.
        pmPopup->popup(QCursor::pos());
        break;
    case QSystemTrayIcon::Trigger:
        m_activations->trigger();
        break;
    case QSystemTrayIcon::DoubleClick:
        m_activations->doubleClicked();
        break;
    default:
        break;
    }
}

void TFR_PLT_MAIN::tiTrayDblClick()
{
    m_dblClickAttached = false;
    // The guard's timer runs also when making the note fails, or the tray
    // would ignore double-clicks for good. A running timer is not restarted.
    const auto armGuard = [this] {
        if (!tmDblClick.isActive())
            tmDblClick.start();
    };
    try {
        mnAddNoteClick();
    } catch (...) {
        armGuard();
        throw;
    }
    armGuard();
}

void TFR_PLT_MAIN::tmDblClickTimer()
{
    m_dblClickAttached = true;
    tmDblClick.stop();
}

void TFR_PLT_MAIN::mnAddNoteClick()
{
    addNote();
}

TFR_NOTE *TFR_PLT_MAIN::addNote()
{
    TFR_NOTE *note = m_noteWindows->showNew();
    // Made at the user's request: typing goes into it straight away. Showing
    // alone leaves the keyboard where it was with no window manager, and
    // some window managers do not focus a new tool window.
    WindowState::bringForward(note);
    return note;
}

void TFR_PLT_MAIN::presentNote(NoteDocument &note)
{
    m_noteWindows->present(note);
}

void TFR_PLT_MAIN::showBalloon()
{
    const QIcon icon = TrayImages::icon(TrayImages::Information);
    if (m_statusNotifier->showMessage(tr(BalloonTitle), tr(BalloonText), BalloonMs)) {
        // The desktop shows it; the icon stays as it is.
    } else if (TrayBalloon::desktopShowsMessages()) {
        tiTray->showMessage(tr(BalloonTitle), tr(BalloonText), icon, BalloonMs);
    } else {
        // One balloon at a time, as the desktop's own would do.
        delete m_balloon;
        m_balloon = new TrayBalloon(icon, tr(BalloonTitle), tr(BalloonText), [tray = tiTray] { return tray->geometry(); },
                                    BalloonMs, this);
        m_balloon->show();
    }
    Q_EMIT balloonShown();
}

void TFR_PLT_MAIN::mnShowAllNotesClick()
{
    ShowAllNotes();
}

void TFR_PLT_MAIN::ShowAllNotes()
{
    const QStringList names = NoteCollection::noteFiles(notesFolder());
    // Before the notes open, so that it follows their writes.
    if (!m_folderSync) {
        m_folderSync = new NotesFolderSync(*this, *m_notes, this);
        connect(m_folderSync, &NotesFolderSync::failed, this, &Application::reportLater);
    }
    if (names.isEmpty())
        showBalloon();
    else
        m_noteWindows->showAll(names);
}

void TFR_PLT_MAIN::mnHideAllNotesClick()
{
    m_noteWindows->hideAll();
}

void TFR_PLT_MAIN::mnAllNotesClick()
{
    if (!m_allNotes) {
        m_allNotes = Application::instance()->createForm<TFR_ALL_NOTES>(*this, *m_notes, *m_noteWindows);
        m_allNotes->show();
    }
    WindowState::bringForward(m_allNotes);
}

void TFR_PLT_MAIN::mnSettingsClick()
{
    openOnce<TFR_SETTINGS>(*this);
}

void TFR_PLT_MAIN::mnAboutClick()
{
    openOnce<TFR_ABOUT>(*this);
}

void TFR_PLT_MAIN::tbCheckForUpdatesClick()
{
    StartUpdateCheck(true);
}

void TFR_PLT_MAIN::StartUpdateCheck(bool interactive)
{
    if (!interactive && !m_settings.CheckForUpdates)
        return;
    if (m_updateCheck) {
        if (interactive && !m_updateCheck->Interactive)
            m_interactiveCheckWanted = true;
        return;
    }
    m_updateCheck = std::make_unique<TUpdateChecker>(m_settings.Version, interactive, m_updateServer);
    TUpdateChecker *worker = m_updateCheck.get();
    const quint64 serial = ++m_updateCheckSerial;
    connect(worker, &TUpdateChecker::OnResult, this, guarded(this, &TFR_PLT_MAIN::UpdateCheckDone),
            Qt::QueuedConnection);
    // Queued after OnResult, so a worker that was handed over is known by now.
    connect(worker, &QThread::finished, this, guarded([this, serial] { updateCheckFinished(serial); }),
            Qt::QueuedConnection);
    worker->start();
}

void TFR_PLT_MAIN::UpdateCheckDone(TUpdateChecker *checker)
{
    if (!checker || checker != m_updateCheck.get())
        return;
    m_handedOver = true;
    // A silent check that found a newer version asks the same question an
    // interactive one would, so a waiting interactive request is answered.
    m_interactiveCheckWanted = false;
    tmChecker.start();
}

void TFR_PLT_MAIN::tmCheckerTimer()
{
    tmChecker.stop();
    if (!m_handedOver)
        return;
    // Released after the message, also when showing it throws; until then the
    // check counts as outstanding, and its thread's end leaves it alone.
    const auto release = qScopeGuard([this] {
        m_handedOver = false;
        releaseUpdateCheck();
    });
    UpdateReport::show(*m_updateCheck, m_settings.Version);
}

void TFR_PLT_MAIN::updateCheckFinished(quint64 serial)
{
    // A worker handed over is released by the timer event once its result
    // has been dismissed; an end queued before an earlier release is stale.
    if (serial != m_updateCheckSerial || m_handedOver)
        return;
    releaseUpdateCheck();
}

void TFR_PLT_MAIN::releaseUpdateCheck()
{
    // Waits for a thread that has reported but not quite ended.
    m_updateCheck.reset();
    ++m_updateCheckSerial;
    if (std::exchange(m_interactiveCheckWanted, false))
        StartUpdateCheck(true);
}

void TFR_PLT_MAIN::mnCLOSEClick()
{
    close();
}

void TFR_PLT_MAIN::closeEvent(QCloseEvent *event)
{
    // Closing the main form ends the message loop; teardown follows in main().
    event->accept();
    QCoreApplication::exit(0);
}
