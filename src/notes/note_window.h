#pragma once

#include "core/color.h"
#include "notes/note_document.h"

#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>

class NoteEditor;
class NoteHost;
class NoteKeys;
class NoteStateControl;
class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;

// A sticky note: a frameless window with a title bar, a rich-text editor and a
// resize grip, stored in one file of the Notes folder. When the window goes
// away its file is written, or removed when the note is empty or deleted;
// while it is open, changes reach the file a moment after they are made.
class TFR_NOTE final : public QWidget
{
    Q_OBJECT
public:
    static constexpr int BarHeight = 26;
    static constexpr int ButtonsWidth = 39;
    static constexpr int BottomHeight = 14;
    static constexpr int MinSize = 100;
    static constexpr int NewNoteSize = 200;
    static constexpr int FadeIntervalMs = 10;
    static constexpr int AutosaveDelayMs = 1500;

    // `host` is the shell the note takes its defaults and its folder from;
    // it must outlive the note. The window shows `document`, or a new
    // document of the host's collection.
    TFR_NOTE(NoteHost &host, NoteDocument &document, QWidget *parent = nullptr);
    explicit TFR_NOTE(NoteHost &host, QWidget *parent = nullptr);
    ~TFR_NOTE() override;

    // The document this window shows.
    NoteDocument *document() const { return m_doc; }

    // Default look, title, place and a new file name from the main form's settings.
    void InitNewNote();
    // Reads the stored note `fileName` into the document; throws
    // PaperletError. A note that failed to load never touches its file.
    void LoadNote(const QString &fileName);
    // Writes the note's file now (see NoteDocument::save); throws PaperletError.
    void SaveNote();

    // 0x00BBGGRR; a system colour is taken at its current RGB value.
    void ApplyColor(Color c);
    Color noteColor() const;
    void setOpacity(int percent);
    int opacity() const;
    // The Opacity item a percent ticks: 25 counts as 30 and 75 as 80.
    static int opacityMenuValue(int percent);

    QString title() const;
    void setTitle(const QString &title);

    // Closes with the fade-out when FadeOnClose is set, at once otherwise.
    void CloseFading();
    int fadeStep() const { return m_fadeStep; }
    int fadeLevel() const { return m_fadeLevel; }

    // The user deleted the note: closing removes its file.
    void markDeleted();
    bool isDeleted() const;

    // The note file's bare name ("*.pnf", no folder) and full path.
    QString fileName() const;
    QString filePath() const;
    bool loadFailed() const;
    // The editor's plain text without leading and trailing blanks is not empty.
    bool hasText() const;
    // Where the note menu opens: just below the Menu button, at the left edge
    // of the button panel.
    QPoint menuPoint() const;

    bool FadeOnClose = true;   // the Close button fades the window out first

    // Puts what the clipboard holds (text or a picture) into the note's text.
    void pasteFromClipboard();

    // Draws attention to the note: its bar flashes `times` times.
    void flashBar(int times);
    bool isFlashing() const;

Q_SIGNALS:
    // The note menu's "Reminder..." was chosen: the shell asks for the time.
    void reminderRequested();
    // pmSettings is about to open: the shell may add its own items.
    void settingsMenuAboutToShow(QMenu *menu);
    void opacityChanged(int percent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private Q_SLOTS:
    void sbPopupClick();
    void sbCloseClick();
    void OpacityClick(QAction *item);
    void pnTitlePanelDblClick();
    void edTitleExit();
    void tmCloseTimerTimer();

private:
    // The note menu, made on first use.
    QMenu *settingsMenu();
    bool filterChildEvent(QObject *watched, QEvent *event);
    void buildGui();
    void buildTitleBar();
    void buildBottomBar();

    bool barMouseEvent(QEvent *event);
    bool gripMouseEvent(QEvent *event);
    bool FormKeyDown(QKeyEvent *event);
    void edTitleKeyDown(QKeyEvent *event);
    void pnBottomResize();
    void PaintGrip(Color c);
    void setAlpha(int percent);

    // Shows what the document holds (a load, a reload, a window opened
    // again for a note).
    void showDocument();
    // The document's states changed: carried out here, the bell shown or hidden.
    void showNoteState();
    void flashTick();
    QLabel *bell();
    // A move or resize; ours (the title bar, the grip, a load) or the window
    // manager's (its own move and size commands, or settling the window).
    void geometryChanged(bool ours);
    // Tells the document where a hidden window is.
    void syncPlace();
    // The window's place and size, its place as the window system has it.
    QRect placeNow() const;

    NoteHost &m_host;
    QPointer<NoteDocument> m_doc;   // the collection's

    // Controls; each has its name as object name.
    QWidget *pnBar = nullptr;
    QWidget *pnButtons = nullptr;
    QToolButton *sbPopup = nullptr;
    QToolButton *sbClose = nullptr;
    QLabel *pnTitlePanel = nullptr;
    QLineEdit *edTitle = nullptr;
    NoteEditor *reEdit = nullptr;
    QWidget *pnBottom = nullptr;
    QLabel *imSize = nullptr;
    QLabel *imReminder = nullptr;   // the bell of a note with a reminder, made when first needed
    QTimer *tmCloseTimer = nullptr;
    QTimer *tmFlash = nullptr;      // runs only while the bar flashes
    QMenu *pmSettings = nullptr;   // null until first used
    NoteStateControl *m_states = nullptr;   // on top, all workspaces, rolled up, locked
    NoteKeys *m_keys = nullptr;

    QPoint m_dragOffset;
    bool m_dragging = false;
    QPoint m_sizeOffset;
    bool m_sizing = false;
    bool m_editingTitle = false;
    bool m_showing = false;      // the document's values are being shown
    bool m_persisted = false;    // the destruction rule already ran on close
    int m_fadeStep = 0;          // percent taken off at each fade tick
    int m_fadeLevel = 0;         // current level of the fade
    int m_flashesLeft = 0;       // bar colour changes still to come
};
