#include "dialogs/settings_dialog.h"

#include "core/note_host.h"
#include "dialogs/font_chooser.h"
#include "framework/font_style.h"
#include "dialogs/swatch_panel.h"
#include "framework/font_pick.h"
#include "framework/guarded.h"
#include "framework/popup_menu.h"
#include "framework/system_metrics.h"
#include "platform/autostart.h"
#include "theme/color_palette.h"
#include "theme/color_sets.h"
#include "theme/note_color_set.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

#include <algorithm>

namespace {

constexpr int OpacityEntries = 10;

// As in the design, a click anywhere on the box's area ticks it, not only on
// its caption, whose width depends on the font.
class AreaCheckBox final : public QCheckBox
{
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

// Entry i stands for (i + 1) * 10 percent. A stored value outside 10..109
// names no entry, and an empty list would later store 0 (an invisible
// note), so such values select the nearest entry instead.
int opacityEntry(qint32 opacity)
{
    return std::clamp(opacity / 10 - 1, 0, OpacityEntries - 1);
}

template<class Widget>
Widget *place(Widget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(left, top, width, height);
    return widget;
}

QPushButton *button(const QString &caption, QWidget *parent, int left)
{
    auto *widget = place(new QPushButton(caption, parent), left, 425, 75, 25);
    // Neither button answers Enter, unlike Qt's usual dialog buttons.
    widget->setAutoDefault(false);
    widget->setDefault(false);
    return widget;
}

} // namespace

TFR_SETTINGS::TFR_SETTINGS(NoteHost &host, QWidget *parent)
    : FixedDialog(tr("Settings"), QSize(387, 462), parent)
    , m_host(host)
    , m_autostart(Autostart::create())
{
    setObjectName(QStringLiteral("FR_SETTINGS"));
    buildControls();
    buildPopups();
    setTabOrder();
    loadSettings();
}

TFR_SETTINGS::~TFR_SETTINGS() = default;

QString TFR_SETTINGS::executablePath()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationFilePath());
}

void TFR_SETTINGS::buildControls()
{
    pcGeneral = place(new QTabWidget(this), 8, 8, 369, 401);
    tsPage = new QWidget;
    pcGeneral->addTab(tsPage, tr("General"));

    gbGeneral = place(new QGroupBox(tsPage), 15, 8, 330, 97);
    cbAutoStart = place(new AreaCheckBox(tr("Load on startup"), gbGeneral), 12, 24, 209, 17);
    cbCheckUpdates = place(new AreaCheckBox(tr("Check updates automatically"), gbGeneral),
                           12, 61, 209, 17);

    gbDefault = place(new QGroupBox(tr("Default Note"), tsPage), 15, 111, 330, 250);
    lbTtile = addLabel(tr("Title:"), gbDefault, 12, 24);
    cbTitle = place(new QComboBox(gbDefault), 80, 24, 141, 21);
    cbTitle->addItems({tr("New Note"), tr("Date"), tr("Date Time"),
                       tr("Time")});
    lbOpacity = addLabel(tr("Opacity:"), gbDefault, 12, 59);
    cbOpacity = place(new QComboBox(gbDefault), 80, 59, 65, 21);
    for (int i = 1; i <= OpacityEntries; ++i)
        cbOpacity->addItem(tr("%1 %").arg(i * 10));
    cbOpacity->setCurrentIndex(OpacityEntries - 1);
    lbColor = addLabel(tr("Color:"), gbDefault, 12, 96);
    pnColor = place(new SwatchPanel(gbDefault), 80, 96, 19, 19);
    lbFont = addLabel(tr("Font:"), gbDefault, 12, 127);
    pnFont = place(new SwatchPanel(gbDefault), 80, 129, 233, 72);
    pnFont->setText(tr("Example"));
    Label1 = addLabel(tr("Font Color:"), gbDefault, 12, 215);
    pnFontColor = place(new SwatchPanel(gbDefault), 80, 215, 19, 19);

    btOK = button(tr("OK"), this, 221);
    QFont bold = btOK->font();
    bold.setBold(true);
    btOK->setFont(bold);
    btOK->setEnabled(false);
    btClose = button(tr("Close"), this, 302);
    // In the free corner left of OK, in the row of buttons.
    btShortcuts = place(new QPushButton(tr("&Keyboard Shortcuts..."), this), 8, 425, 180, 25);
    btShortcuts->setAutoDefault(false);
    // Out of the Tab walk, which stays the dialog's own; Alt+K reaches it.
    btShortcuts->setFocusPolicy(Qt::ClickFocus);

    // Screen readers name each control by the label in front of it.
    gbGeneral->setAccessibleName(tr("General"));
    lbTtile->setBuddy(cbTitle);
    lbOpacity->setBuddy(cbOpacity);
    lbColor->setBuddy(pnColor);
    lbFont->setBuddy(pnFont);
    Label1->setBuddy(pnFontColor);
    for (QLabel *label : {lbTtile, lbOpacity, lbColor, lbFont, Label1})
        label->buddy()->setAccessibleName(label->text());

    nameControls({{pcGeneral, "pcGeneral"}, {tsPage, "tsPage"}, {gbGeneral, "gbGeneral"},
                  {cbAutoStart, "cbAutoStart"}, {cbCheckUpdates, "cbCheckUpdates"}, {gbDefault, "gbDefault"},
                  {lbTtile, "lbTtile"}, {cbTitle, "cbTitle"}, {lbOpacity, "lbOpacity"},
                  {cbOpacity, "cbOpacity"}, {lbColor, "lbColor"}, {pnColor, "pnColor"}, {lbFont, "lbFont"},
                  {pnFont, "pnFont"}, {Label1, "Label1"}, {pnFontColor, "pnFontColor"}, {btOK, "btOK"},
                  {btClose, "btClose"}, {btShortcuts, "btShortcuts"}});

    for (QCheckBox *box : {cbAutoStart, cbCheckUpdates})
        connect(box, &QCheckBox::toggled, this, guarded(this, &TFR_SETTINGS::cbChangeSettings));
    for (QComboBox *list : {cbTitle, cbOpacity})
        connect(list, &QComboBox::activated, this, guarded(this, &TFR_SETTINGS::cbChangeSettings));
    connect(pnColor, &SwatchPanel::clicked, this, guarded([this](bool fromKeyboard) {
        m_popupAtPanel = fromKeyboard;
        pnColorClick();
    }));
    connect(pnFontColor, &SwatchPanel::clicked, this, guarded([this](bool fromKeyboard) {
        m_popupAtPanel = fromKeyboard;
        pnFontColorClick();
    }));
    connect(pnFont, &SwatchPanel::clicked, this, guarded(this, &TFR_SETTINGS::pnFontClick));
    connect(btOK, &QPushButton::clicked, this, guarded(this, &TFR_SETTINGS::btOKClick));
    connect(btClose, &QPushButton::clicked, this, guarded(this, &TFR_SETTINGS::btCloseClick));
    connect(btShortcuts, &QPushButton::clicked, this, &TFR_SETTINGS::shortcutsRequested);
}

void TFR_SETTINGS::buildPopups()
{
    tbPopupMenu = new PopupMenu(this);
    csColorSet = new TTBXColorSet(NoteColorSet::GetNoteColorInfo, this);
    csColorSet->UpdateSize(NoteColorSet::ColCount, NoteColorSet::RowCount);

    tbColor = tbPopupMenu->addSubmenu(QString());
    cpColorPalette = new TTBXColorPalette(tbColor);
    cpColorPalette->setColorSet(csColorSet);
    cpColorPalette->setPaletteOptions(tpoCustomImages);
    connect(cpColorPalette, &TTBXColorPalette::selectionChanged, this, guarded(this, &TFR_SETTINGS::cpColorPaletteChange));
    tbColor->addAction(cpColorPalette);
    connect(tbColor, &QMenu::aboutToShow, this, guarded(this, &TFR_SETTINGS::tbColorPopup));

    tbFontColor = tbPopupMenu->addSubmenu(QString());
    cpFontColorPalette = new TTBXColorPalette(tbFontColor);
    cpFontColorPalette->setPaletteOptions(tpoCustomImages);
    connect(cpFontColorPalette, &TTBXColorPalette::selectionChanged, this, guarded(this, &TFR_SETTINGS::cpFontColorChange));
    tbFontColor->addAction(cpFontColorPalette);
    connect(tbFontColor, &QMenu::aboutToShow, this, guarded(this, &TFR_SETTINGS::tbFontColorPopup));

    nameControls({{tbPopupMenu, "tbPopupMenu"}, {csColorSet, "csColorSet"}, {tbColor, "tbColor"},
                  {cpColorPalette, "cpColorPalette"}, {tbFontColor, "tbFontColor"},
                  {cpFontColorPalette, "cpFontColorPalette"}});
}

void TFR_SETTINGS::setTabOrder()
{
    const QList<QWidget *> chain{pcGeneral, cbAutoStart, cbCheckUpdates, cbTitle, cbOpacity,
                                 pnColor, pnFont, pnFontColor, btOK, btClose};
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}

void TFR_SETTINGS::loadSettings()
{
    ProgramSettings &main = m_host.settings();
    pnFont->setFont(FontStyle::fromSettings(main));
    cbTitle->setCurrentIndex(main.DefaultTitle);
    setNoteColor(main.DefaultColor);
    setFontColor(main.DefaultFontColor);
    cbOpacity->setCurrentIndex(opacityEntry(main.DefaultOpacity));
    // A title style that names no entry leaves the list empty, and the
    // stored value follows the list at once.
    main.DefaultTitle = cbTitle->currentIndex();
    cbAutoStart->setChecked(m_autostart->runs(executablePath()));
    cbCheckUpdates->setChecked(main.CheckForUpdates);
    // Ticking the boxes above counted as changes; the dialog opens unchanged.
    btOK->setEnabled(false);
}

QFont TFR_SETTINGS::previewFont() const
{
    return pnFont->font();
}

void TFR_SETTINGS::setNoteColor(Color color)
{
    m_noteColor = color;
    pnColor->setColor(color.resolved(sysColor).toQColor());
    pnFont->setColor(color.resolved(sysColor).toQColor());
}

void TFR_SETTINGS::setFontColor(Color color)
{
    m_fontColor = color;
    pnFont->setTextColor(color.resolved(sysColor).toQColor());
    pnFontColor->setColor(color.resolved(sysColor).toQColor());
}

void TFR_SETTINGS::cbChangeSettings()
{
    btOK->setEnabled(true);
}

void TFR_SETTINGS::popUp(PopupMenu *menu, const SwatchPanel *panel)
{
    const QPoint at = m_popupAtPanel ? panel->mapToGlobal(QPoint(0, panel->height())) : QCursor::pos();
    m_popupAtPanel = false;
    menu->exec(at);
    // Even a popup dismissed without a pick counts as a change.
    cbChangeSettings();
}

void TFR_SETTINGS::pnColorClick()
{
    popUp(tbColor, pnColor);
}

void TFR_SETTINGS::tbColorPopup()
{
    cpColorPalette->presetColor(m_noteColor);
}

void TFR_SETTINGS::cpColorPaletteChange()
{
    setNoteColor(cpColorPalette->Color());
}

void TFR_SETTINGS::pnFontColorClick()
{
    popUp(tbFontColor, pnFontColor);
}

void TFR_SETTINGS::tbFontColorPopup()
{
    cpFontColorPalette->presetColor(m_fontColor);
}

void TFR_SETTINGS::cpFontColorChange()
{
    setFontColor(cpFontColorPalette->Color());
    cbChangeSettings();
}

void TFR_SETTINGS::pnFontClick()
{
    if (!fdFontDialog)
        fdFontDialog = new FontChooser(this);
    // Face, size and style; the chooser offers no colour or effects.
    const std::optional<QFont> chosen = pickFont(*fdFontDialog, pnFont->font());
    if (!chosen)
        return;
    pnFont->setFont(*chosen);
    cbChangeSettings();
}

void TFR_SETTINGS::btOKClick()
{
    if (cbAutoStart->isChecked())
        m_autostart->write(executablePath());
    else
        m_autostart->remove();

    ProgramSettings &main = m_host.settings();
    main.DefaultColor = m_noteColor;
    main.DefaultOpacity = (cbOpacity->currentIndex() + 1) * 10;
    main.DefaultTitle = cbTitle->currentIndex();
    const QFont font = previewFont();
    main.DefaultFontName = font.family();
    main.DefaultFontSize = font.pointSize();
    main.DefaultFontColor = m_fontColor;
    main.DefaultFontStyle = FontStyle::bitsOf(font);
    main.CheckForUpdates = cbCheckUpdates->isChecked();
    m_host.saveSettings();
    accept();
}

void TFR_SETTINGS::btCloseClick()
{
    reject();
}

void TFR_SETTINGS::keyPressEvent(QKeyEvent *event)
{
    // Escape is not bound to Close; only the button and the close box close.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    FixedDialog::keyPressEvent(event);
}
