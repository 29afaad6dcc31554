#pragma once

#include "dialogs/fixed_dialog.h"
#include "framework/tbx_types.h"

#include <memory>

class Autostart;
class FontChooser;
class NoteHost;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class SwatchPanel;
class TTBXColorPalette;
class TTBXColorSet;
class PopupMenu;

// FR_SETTINGS: the defaults of new notes, the update switch and start at
// log-in. It reads the NoteHost's settings when it is built and writes them
// back (and saves settings.ini) only on OK. Modal, one per opening, and it
// destroys itself when closed.
class TFR_SETTINGS final : public FixedDialog
{
    Q_OBJECT
public:
    // Throws PaperletError when the autostart entry cannot be read.
    explicit TFR_SETTINGS(NoteHost &host, QWidget *parent = nullptr);
    ~TFR_SETTINGS() override;

    // The full path of this executable, as the autostart entry stores it.
    static QString executablePath();

Q_SIGNALS:
    // "Keyboard Shortcuts..." was clicked: the shell opens the page over this dialog.
    void shortcutsRequested();

private:
    QTabWidget *pcGeneral = nullptr;
    QWidget *tsPage = nullptr;
    QGroupBox *gbGeneral = nullptr;
    QCheckBox *cbAutoStart = nullptr;
    QCheckBox *cbCheckUpdates = nullptr;
    QGroupBox *gbDefault = nullptr;
    QLabel *lbTtile = nullptr;
    QComboBox *cbTitle = nullptr;
    QLabel *lbOpacity = nullptr;
    QComboBox *cbOpacity = nullptr;
    QLabel *lbColor = nullptr;
    SwatchPanel *pnColor = nullptr;
    QLabel *lbFont = nullptr;
    SwatchPanel *pnFont = nullptr;
    QLabel *Label1 = nullptr;
    SwatchPanel *pnFontColor = nullptr;
    QPushButton *btOK = nullptr;
    QPushButton *btClose = nullptr;
    QPushButton *btShortcuts = nullptr;   // the global shortcuts' page

    PopupMenu *tbPopupMenu = nullptr;
    PopupMenu *tbColor = nullptr;
    TTBXColorPalette *cpColorPalette = nullptr;
    PopupMenu *tbFontColor = nullptr;
    TTBXColorPalette *cpFontColorPalette = nullptr;
    TTBXColorSet *csColorSet = nullptr;
    FontChooser *fdFontDialog = nullptr;   // made on first use

public:
    // The colours the swatches stand for, kept as stored (system colours
    // stay symbolic).
    Color noteColor() const { return m_noteColor; }
    Color fontColor() const { return m_fontColor; }
    QFont previewFont() const;

private Q_SLOTS:
    void cbChangeSettings();
    void pnColorClick();
    void tbColorPopup();
    void cpColorPaletteChange();
    void pnFontColorClick();
    void tbFontColorPopup();
    void cpFontColorChange();
    void pnFontClick();
    // Throws PaperletError when the autostart entry or settings.ini cannot
    // be written; the dialog then stays open.
    void btOKClick();
    void btCloseClick();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void buildControls();
    void buildPopups();
    void setTabOrder();
    void loadSettings();
    void setNoteColor(Color color);
    void setFontColor(Color color);
    // Opens a colour popup at the pointer, or under the panel from the keyboard.
    void popUp(PopupMenu *menu, const SwatchPanel *panel);

    NoteHost &m_host;
    std::unique_ptr<Autostart> m_autostart;
    Color m_noteColor = Color::black();
    Color m_fontColor = Color::black();
    bool m_popupAtPanel = false;   // the swatch was clicked from the keyboard
};
