#pragma once

#include "core/clock.h"
#include "core/note_host.h"
#include "core/settings_store.h"
#include "framework/tbx_types.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>

class NoteCollection;
class NoteReminders;
class TFR_ALL_NOTES;
class NoteDocument;
class NoteWindows;
class NotesFolderSync;
class QAction;
class QMenu;
class QSystemTrayIcon;
class StatusNotifierTray;
class TFR_NOTE;
class ThemeSwitcher;
class TUpdateChecker;
class TrayActivations;
class TrayImages;

// The hidden main form: it owns the tray icon with its menu, the shell's
// timers and the program settings (held, not inherited). There is exactly one, FR_PLT_MAIN; the
// notes and dialogs see it as their NoteHost.
class TFR_PLT_MAIN final : public QWidget, public NoteHost
{
    Q_OBJECT
public:
    // homeFolder: where settings.ini and Notes live (see DataPlace).
    explicit TFR_PLT_MAIN(const QString &homeFolder);
    ~TFR_PLT_MAIN() override;

    const SettingsStore &store() const { return m_store; }
    void LoadSettings();
    void saveSettings() override;
    QString notesFolder() const override { return m_store.NotesFolder(); }
    void ensureNotesFolder() const override { m_store.EnsureNotesFolder(); }
    ProgramSettings &settings() override { return m_settings; }
    const ProgramSettings &settings() const { return m_settings; }
    void makeNewNote() override { tiTrayDblClick(); }
    NoteCollection &noteCollection() override { return *m_notes; }
    NoteWindows &noteWindows() { return *m_noteWindows; }

    // Note collection. The first call also starts following the changes
    // that other programs make to the notes folder.
    void ShowAllNotes();

    // A new note made as New Note makes it, shown and taking the keyboard.
    TFR_NOTE *addNote();
    // Shows the note: opened if hidden, to the front, onto a screen.
    void presentNote(NoteDocument &note);

    // The tray balloon that invites the first note.
    void showBalloon();

    // Update check. One check is outstanding at a time: a further request
    // while one runs or its result is on screen starts nothing, except that an
    // interactive request made during a silent check that then reports nothing
    // runs as soon as that check ends. A silent check with CheckForUpdates off
    // starts nothing.
    void StartUpdateCheck(bool interactive);
    // Tests point the check at their own server; empty is the built-in one.
    void setUpdateServer(const QString &server) { m_updateServer = server; }
    // The outstanding check, from its start until its result has been
    // dismissed; null when there is none.
    TUpdateChecker *updateCheck() const { return m_updateCheck.get(); }

    // The tray menu's commands below "New Note", in menu order, for a
    // window that carries them where there is no tray.
    QList<QAction *> trayCommands() const;

    // The check that has handed its result over for showing (the timer
    // tmChecker shows it), until the result has been dismissed; else null.
    TUpdateChecker *Checker() const { return m_handedOver ? m_updateCheck.get() : nullptr; }

public Q_SLOTS:
    // The commands that the command line and the no-tray mode also give.
    void mnAddNoteClick();
    void mnShowAllNotesClick();
    void mnHideAllNotesClick();
    // Opens the All Notes window, or brings the open one forward.
    void mnAllNotesClick();
    void mnSettingsClick();
    void mnAboutClick();
    void mnCLOSEClick();

Q_SIGNALS:
    // The tray balloon was asked for (tests observe it; offscreen has no tray).
    void balloonShown();

protected:
    void closeEvent(QCloseEvent *event) override;

private Q_SLOTS:
    void tbCheckForUpdatesClick();
    void tiTrayDblClick();
    void tmDblClickTimer();
    void tmCheckerTimer();
    // Receives OnResult, queued onto the GUI thread.
    void UpdateCheckDone(TUpdateChecker *checker);

private:
    void buildTrayMenu();
    void onTrayActivated(int reason);
    void updateCheckFinished(quint64 serial);
    void releaseUpdateCheck();

    QSystemTrayIcon *tiTray = nullptr;
    // Stands in for tiTray on a status-notifier tray (a child).
    StatusNotifierTray *m_statusNotifier = nullptr;
    ThemeSwitcher *tbxSwitch = nullptr;   // selects the theme of every menu
    QMenu *pmPopup = nullptr;            // a PopupMenu
    QAction *mnAddNote = nullptr;
    QAction *mnShowAllNotes = nullptr;
    QAction *mnHideAllNotes = nullptr;
    QAction *mnAllNotes = nullptr;
    QAction *mnSettings = nullptr;
    QAction *tbCheckForUpdates = nullptr;
    QAction *mnAbout = nullptr;
    QAction *mnCLOSE = nullptr;
    QTimer tmDblClick{this};
    QTimer tmChecker{this};

    SettingsStore m_store;
    ProgramSettings m_settings;
    TrayActivations *m_activations = nullptr;
    bool m_dblClickAttached = true;
    // The outstanding check: its only owner, so it is deleted exactly once,
    // after its thread has ended and its result has been dismissed.
    std::unique_ptr<TUpdateChecker> m_updateCheck;
    // Tells a queued end of a released worker from that of the current one.
    quint64 m_updateCheckSerial = 0;
    bool m_interactiveCheckWanted = false;
    bool m_handedOver = false;
    QString m_updateServer;
    // The balloon on screen, where this program draws it (a child window).
    QPointer<QWidget> m_balloon;
    NoteCollection *m_notes = nullptr;          // a child: every note's document
    NoteWindows *m_noteWindows = nullptr;       // a child: the notes' windows
    NotesFolderSync *m_folderSync = nullptr;   // a child
    SystemClock m_clock;
    NoteReminders *m_reminders = nullptr;       // a child: every note's reminder
    QPointer<TFR_ALL_NOTES> m_allNotes;         // the application's while open
};

// The one global the design calls for: set as soon as the main form exists,
// reset when it is destroyed or its construction fails.
extern TFR_PLT_MAIN *FR_PLT_MAIN;
