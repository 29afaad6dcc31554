#pragma once

#include "core/file_fingerprint.h"
#include "core/note_file.h"
#include "core/color.h"

#include <QPoint>
#include <QTimer>
#include <QWidget>

class NoteEditor;
class NoteHost;
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
    // it must outlive the note.
    explicit TFR_NOTE(NoteHost &host, QWidget *parent = nullptr);
    ~TFR_NOTE() override;

    // Default look, title, place and a new file name from the main form's settings.
    void InitNewNote();
    // Sets FileName, then reads NotesFolder + fileName; throws PaperletError.
    // A note that failed to load never touches its file again.
    void LoadNote(const QString &fileName);
    // Writes NotesFolder + FileName atomically; throws PaperletError. A file
    // that someone else changed since this window last read or wrote it is
    // left as it is: the note moves to a new file of its own (forkedFrom).
    void SaveNote();

    // What the file held when this window last read or wrote it.
    const FileFingerprint &fileFingerprint() const { return m_fingerprint; }
    // Changed (text, look or place) since the file was last read or written.
    bool hasUnsavedChanges() const;
    // Shows another program's version of the file, as if just opened.
    void reloadFrom(const NoteRecord &record, const FileFingerprint &print);
    // The file was removed elsewhere: an unchanged note closes writing
    // nothing, a changed one writes its file back. Throws PaperletError.
    void fileRemovedElsewhere();

    // 0x00BBGGRR; a system colour is taken at its current RGB value.
    void ApplyColor(Color c);
    Color noteColor() const { return m_color; }
    void SetOpacity(int percent);
    int Opacity() const { return m_opacity; }
    // The Opacity item a percent ticks: 25 counts as 30 and 75 as 80.
    static int opacityMenuValue(int percent);

    QString title() const;
    void setTitle(const QString &title);

    // Closes with the fade-out when FadeOnClose is set, at once otherwise.
    void CloseFading();

    // The editor's plain text without leading and trailing blanks is not empty.
    bool hasText() const;
    // The full path of the note's file.
    QString filePath() const;
    // Where the note menu opens: just below the Menu button, at the left edge
    // of the button panel.
    QPoint menuPoint() const;
    bool loadFailed() const { return m_loadFailed; }

    QString FileName;          // bare name with ".pnf", no folder
    bool FadeOnClose = true;   // the Close button fades the window out first
    bool Deleted = false;      // the user deleted the note: its file goes too
    int FadeStep = 0;          // percent taken off at each fade tick
    int FadeLevel = 0;         // current level of the fade

Q_SIGNALS:
    // LoadNote read the whole file.
    void loaded();
    // The file was written (by autosave or on closing); tests wait for it.
    void saved();
    // The note's bytes are on the disk and about to replace its file: the
    // last moment at which another program's write is still seen (tests
    // write one here).
    void aboutToReplaceFile();
    // The file `theirs` held someone else's version, so this note now lives
    // in a new file; `theirs` is left as it was.
    void forkedFrom(const QString &theirs);
    // pmSettings is about to open: the shell may add its own items.
    void settingsMenuAboutToShow(QMenu *menu);
    void opacityChanged(int percent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
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

    NoteRecord currentRecord() const;
    void applyRecord(const NoteRecord &record);
    void writeFile(const QByteArray &bytes);
    // The file holds what this note last read or wrote, or nothing a note
    // could be read from.
    bool isFileOurs() const;
    // Moves the note to a new file when its own was changed elsewhere.
    void keepOthersVersion();
    // A file name no file and no other open note has.
    QString freshFileName(const QDateTime &moment) const;
    // The destruction rule: write the file, or remove it when the note is
    // empty or deleted. Throws PaperletError when the file cannot be written.
    void persist();
    void rescue(const QString &reason);
    void textChanged();
    void scheduleAutosave();
    void autosave();
    // A move or resize; ours (the title bar, the grip, a load) or the window
    // manager's (its own move and size commands, or settling the window).
    void geometryChanged(bool ours);
    // The window's place and size, its place as the window system has it.
    QRect placeNow() const;
    // Qt's own geometry is asked first: only a note it believes moved costs
    // a round trip to the window system (hundreds of them slow an exit).
    bool isPlaceSaved() const { return geometry() == m_savedGeometry || placeNow() == m_savedGeometry; }

    NoteHost &m_host;

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
    QTimer *tmCloseTimer = nullptr;
    QMenu *pmSettings = nullptr;   // null until first used

    Color m_color = Color::fromValue(0);
    int m_opacity = 100;
    QPoint m_dragOffset;
    bool m_dragging = false;
    QPoint m_sizeOffset;
    bool m_sizing = false;
    bool m_editingTitle = false;
    bool m_ready = false;        // initialised or loaded: changes are worth saving
    bool m_loadFailed = false;
    bool m_persisted = false;    // the destruction rule already ran on close
    bool m_removedElsewhere = false;   // closing writes nothing
    bool m_dirty = false;        // changed since loaded or last written
    bool m_textEdited = false;   // the text was changed since it was loaded
    bool m_autosaveErrorShown = false;
    QTimer m_autosave;
    QByteArray m_lastWritten;    // what the file holds since this window wrote it
    FileFingerprint m_fingerprint;   // the file as last read or written here
    QRect m_savedGeometry;       // the place and size the file holds
};
