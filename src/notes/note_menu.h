#pragma once

#include <QObject>
#include <QString>

class QAction;
class QActionGroup;
class QPrinter;
class NoteEditor;
class TFR_NOTE;
class TTBXColorPalette;
class TTBXColorSet;
class PopupMenu;

// pmSettings: the menu of one note (New Note, Color, Opacity, Delete, Print,
// Send Mail, Close) with the handlers of its commands.
//
// Made once per note after the note's controls exist: `new NoteMenu(*this)`.
// It is owned by the note, installs itself as the note's pmSettings (which
// sbPopupClick opens; its N10 ... N100 items follow the note's opacity) and acts
// on that note and its editor only.
class NoteMenu final : public QObject
{
    Q_OBJECT
public:
    static inline const QString DeleteQuestion = QStringLiteral("Are you sure want to delete the note?");
    static inline const QString DeleteCaption = QStringLiteral("Delete Confirmation");

    explicit NoteMenu(TFR_NOTE &note);
    ~NoteMenu() override;

    // Shows the print dialog, then prints the editor's content with the
    // note's title as the job's name. False when the dialog was cancelled.
    bool printNote(QPrinter &printer);

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

public Q_SLOTS:
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
    TFR_NOTE &m_note;
    NoteEditor &m_editor;
};
