#pragma once

#include <QObject>
#include <QString>

class QAction;
class QActionGroup;
class QMenu;
class QPrinter;
class NoteEditor;
class NoteHost;
class TFR_NOTE;
class TTBXColorPalette;
class TTBXColorSet;
class PopupMenu;

// pmSettings: the menu of one note (New Note, Color, Opacity, Delete, Print,
// Send Mail, Close) with the handlers of its commands.
//
// Made once per note after the note's controls exist, owned by the note,
// which shows settingsMenu() as its pmSettings; its N10 ... N100 items follow
// the note's opacity. It acts on that note and its editor only, and asks
// the host for new notes.
class NoteMenu final : public QObject
{
    Q_OBJECT
public:
    static QString DeleteQuestion() { return tr("Are you sure want to delete the note?"); }
    static QString DeleteCaption() { return tr("Delete Confirmation"); }

    NoteMenu(TFR_NOTE &note, NoteEditor &editor, NoteHost &host);
    ~NoteMenu() override;

    // pmSettings, the menu itself.
    QMenu *settingsMenu() const;

    // Shows the print dialog, then prints the editor's content with the
    // note's title as the job's name. False when the dialog was cancelled.
    bool printNote(QPrinter &printer);

Q_SIGNALS:
    // One of the Opacity items was clicked; its percent is in data().
    void opacityPicked(QAction *item);

private Q_SLOTS:
    // Ticks the item of that opacity (25 ticks 30 %, 75 80 %), or none.
    void tickOpacity(int percent);
    void tbNewNoteClick();
    void tbColorPopup();
    void cpColorPaletteChange();
    void mnDeleteNoteClick();
    void mnPrintClick();
    void tbSendMailClick();
    void mnExitClick();

private:
    // Controls; each has its name as object name.
    TTBXColorSet *csColorSet = nullptr;          // the 24 note colours
    PopupMenu *pmSettings = nullptr;
    QAction *tbNewNote = nullptr;
    PopupMenu *tbColor = nullptr;
    TTBXColorPalette *cpColorPalette = nullptr;
    PopupMenu *tbTransparent = nullptr;
    QActionGroup *opacityGroup = nullptr;         // N10 ... N100, the percent in data()
    QAction *tbDelete = nullptr;
    QAction *tbPrint = nullptr;
    QAction *tbSendMail = nullptr;
    QAction *tbExit = nullptr;

    TFR_NOTE &m_note;
    NoteEditor &m_editor;
    NoteHost &m_host;
};
