#pragma once

#include "core/color.h"
#include "core/file_fingerprint.h"
#include "core/note_file.h"

#include <QDateTime>
#include <QObject>
#include <QRect>
#include <QTextDocument>
#include <QTimer>

class NoteHost;
class NoteNames;
class NoteTooLarge;

// One note file and what it holds, with no window: its name, its place, look
// and title, its text, what the file held when this note last read or wrote
// it, and the rules of its file life (autosave, write, keeping another
// program's version, write-back, reload, rescue). A note window is a view of
// one document; the document lives on when its window closes.
//
// Changed means the text document's modified flag: the text sets it, and so
// does every change of the title, colour, opacity or (the user's) place.
class NoteDocument final : public QObject
{
    Q_OBJECT
public:
    static constexpr int AutosaveDelayMs = 1500;

    // `host` gives the notes folder, `names` tells which file names other
    // notes use; both must outlive the document.
    NoteDocument(NoteHost &host, const NoteNames &names, QObject *parent = nullptr);
    ~NoteDocument() override;

    // A new note stored under `fileName` (a fresh name from the current
    // time when empty) once there is something to keep.
    void startNew(const QString &fileName = QString());
    // Sets the file name, then reads the file; throws PaperletError. A note
    // that failed to load never touches its file.
    void load(const QString &fileName);
    // Shows another program's version of the file, as if just loaded.
    void reload(const NoteRecord &record, const FileFingerprint &print);

    QString fileName() const { return m_fileName; }
    // The full path of the note's file.
    QString filePath() const;
    // Failed to load, or over the size limits: either way the file is never
    // touched.
    bool loadFailed() const { return m_state == State::LoadFailed || m_state == State::TooLarge; }
    // Over the size limits (NoteLimits): shown read-only, saying so.
    bool isTooLarge() const { return m_state == State::TooLarge; }
    // Started or loaded: its changes are worth keeping.
    bool isReady() const { return m_state == State::Ready; }
    // What the file held when this note last read or wrote it.
    const FileFingerprint &fileFingerprint() const { return m_fingerprint; }

    QTextDocument *text() { return &m_text; }
    const QTextDocument *text() const { return &m_text; }
    // The plain text without leading and trailing blanks is not empty.
    bool hasText() const;

    QRect bounds() const { return m_bounds; }
    int opacity() const { return m_opacity; }
    Color color() const { return m_color; }
    QString title() const { return m_title; }
    void setOpacity(int percent);
    void setColor(Color color);
    void setTitle(const QString &title);
    // Per-note states kept in the file (on top, rolled up, locked...).
    const NoteState &noteState() const { return m_noteState; }
    void setNoteState(const NoteState &state);
    // The user moved or sized the note.
    void moveTo(const QRect &bounds);
    // Where the window manager moved the window: it counts once the note
    // is written, which the autosave looks at (the place may settle first).
    void movedByWindowManager(const QRect &bounds);
    // Where the window really is after loading or placing it: what the file
    // says, no change.
    void placed(const QRect &bounds);

    // Changed (text, look or place) since the file was last read or written.
    bool hasUnsavedChanges() const;
    // When the note last changed: its last edit here, or else its file's
    // modification time (read when first asked, not at start-up).
    QDateTime lastChanged() const;
    // The record as it would be written now.
    NoteRecord record() const;

    // Writes the file atomically (SaveNote); throws PaperletError. A file
    // that someone else changed since this note last read or wrote it is
    // left as it is: the note moves to a new file of its own (forkedFrom).
    void save();
    // The destruction rule: write the file, or remove it when the note is
    // deleted or the user emptied it. Throws PaperletError when the file
    // cannot be written.
    void persist();
    // Writes a copy where rescued notes go, when persist() failed at exit.
    void rescue(const QString &reason);
    // The file was removed elsewhere: an unchanged note goes too
    // (removedElsewhere), a changed one writes its file back. Throws
    // PaperletError.
    void fileRemovedElsewhere();

    // The user deleted the note: its file goes on persist(), nothing is
    // written any more.
    void markDeleted();
    bool isDeleted() const { return m_deleted; }
    // The file was removed elsewhere and the note let it go.
    bool isGone() const { return m_gone; }

    // The window showing this document, if any (a view sets and clears it).
    QObject *view() const { return m_view; }
    void setView(QObject *view) { m_view = view; }

Q_SIGNALS:
    // The file name changed (a new note named, a fork).
    void fileNameChanged(const QString &previous);
    // load() read the whole file.
    void loaded();
    // reload() replaced everything: views show it anew.
    void reloaded();
    // The file was written (by autosave or save()); tests wait for it.
    void saved();
    // The note's bytes are on the disk and about to replace its file: the
    // last moment at which another program's write is still seen (tests
    // write one here).
    void aboutToReplaceFile();
    // The file `theirs` held someone else's version, so this note now lives
    // in a new file; `theirs` is left as it was.
    void forkedFrom(const QString &theirs);
    // The user deleted the note and its file went to the desktop's trash,
    // where the trash knows it as `trashId`; discarded() follows.
    void deletedToTrash(const QString &trashId);
    // Unchanged and removed elsewhere: its window closes writing nothing.
    void removedElsewhere();
    // The note was deleted or emptied (or never written in): its file is
    // removed, unless someone else's version is there.
    void discarded();
    // The autosave failed; said once per failing stretch.
    void autosaveFailed(const QString &message);
    void opacityChanged(int percent);
    // setNoteState() changed the per-note states (a menu, a reminder, the
    // command line); a file read in tells reloaded() instead.
    void noteStateChanged();

private:
    enum class State { Blank, Ready, LoadFailed, TooLarge };
    // Where a note too large to open shows when its own place is unreadable.
    static constexpr int FallbackSize = 200;

    // Fills the note with what a file says, as no change.
    void apply(const NoteRecord &record);
    void showTooLarge(const NoteTooLarge &large);
    void textChanged();
    void markChanged();
    // The file holds what the note holds.
    void markUnchanged();
    void autosave();
    void writeFile(const QByteArray &bytes);
    // The file holds what this note last read or wrote, or nothing a note
    // could be read from.
    bool isFileOurs() const;
    // Moves the note to a new file when its own was changed elsewhere.
    void keepOthersVersion();
    void setFileName(const QString &name);
    // A file name no file and no other note has.
    QString freshFileName() const;

    NoteHost &m_host;
    const NoteNames &m_names;
    QTextDocument m_text;
    QString m_fileName;          // bare name with ".pnf", no folder
    State m_state = State::Blank;
    QRect m_bounds;              // the place and size now
    QRect m_savedBounds;         // the place and size the file holds
    int m_opacity = 100;
    Color m_color = Color::fromValue(0);
    QString m_title;
    NoteState m_noteState;
    bool m_applying = false;     // a load or reload is filling the document
    bool m_clearing = false;     // markUnchanged() at work
    bool m_textEdited = false;   // the text was changed since it was loaded
    bool m_deleted = false;
    bool m_gone = false;         // removed elsewhere, let go
    bool m_autosaveErrorShown = false;
    QTimer m_autosave;
    mutable QDateTime m_lastChanged;  // invalid: the file's time
    QByteArray m_lastWritten;    // what the file holds since this note wrote it
    FileFingerprint m_fingerprint;
    QObject *m_view = nullptr;
};

// Which file names the notes of a folder use.
class NoteNames
{
public:
    NoteNames(const NoteNames &) = delete;
    NoteNames &operator=(const NoteNames &) = delete;

    // Whether a note other than `except` has the file name `name`.
    virtual bool isNameInUse(const QString &name, const NoteDocument *except) const = 0;

protected:
    NoteNames() = default;
    virtual ~NoteNames() = default;
};
