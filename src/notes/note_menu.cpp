#include "notes/note_menu.h"

#include "core/note_host.h"
#include "framework/guarded.h"
#include "framework/message_box.h"
#include "framework/popup_menu.h"
#include "notes/editor_images.h"
#include "notes/mail_url.h"
#include "notes/note_editor.h"
#include "notes/note_window.h"
#include "theme/color_palette.h"
#include "theme/color_sets.h"
#include "theme/note_color_set.h"

#include <QActionGroup>
#include <QDesktopServices>
#include <QPrintDialog>
#include <QPrinter>

namespace {

constexpr int OpacityStep = 10;

} // namespace

NoteMenu::NoteMenu(TFR_NOTE &note)
    : QObject(&note), m_note(note), m_editor(*note.reEdit)
{
    csColorSet = new TTBXColorSet(NoteColorSet::GetNoteColorInfo, this);
    csColorSet->UpdateSize(NoteColorSet::ColCount, NoteColorSet::RowCount);

    pmSettings = new PopupMenu(&note);
    pmSettings->setImages(m_editor.images());
    tbNewNote = pmSettings->addItem(QStringLiteral("New Note"), EditorImages::NewNote);
    connect(tbNewNote, &QAction::triggered, this, guarded(this, &NoteMenu::tbNewNoteClick));
    pmSettings->addSeparator();

    tbColor = pmSettings->addSubmenu(QStringLiteral("Color"));
    cpColorPalette = new TTBXColorPalette(tbColor);
    cpColorPalette->setColorSet(csColorSet);
    cpColorPalette->setPaletteOptions(cpColorPalette->PaletteOptions() | tpoCustomImages);
    connect(cpColorPalette, &TTBXColorPalette::selectionChanged, this, guarded(this, &NoteMenu::cpColorPaletteChange));
    tbColor->addAction(cpColorPalette);
    connect(tbColor, &QMenu::aboutToShow, this, guarded(this, &NoteMenu::tbColorPopup));

    tbTransparent = pmSettings->addSubmenu(QStringLiteral("Opacity         "));
    opacityGroup = new QActionGroup(tbTransparent);
    for (int percent = OpacityStep; percent <= 100; percent += OpacityStep) {
        QAction *item = tbTransparent->addItem(QString::number(percent) + QStringLiteral(" %"));
        item->setObjectName(QStringLiteral("N") + QString::number(percent));
        item->setData(percent);
        item->setCheckable(true);
        opacityGroup->addAction(item);
    }
    connect(opacityGroup, &QActionGroup::triggered, &note, guarded(&note, &TFR_NOTE::OpacityClick));
    connect(&note, &TFR_NOTE::opacityChanged, this, &NoteMenu::tickOpacity);
    tickOpacity(note.Opacity());
    pmSettings->addSeparator();

    tbDelete = pmSettings->addItem(QStringLiteral("Delete"), EditorImages::Delete);
    connect(tbDelete, &QAction::triggered, this, guarded(this, &NoteMenu::mnDeleteNoteClick));
    pmSettings->addSeparator();
    tbPrint = pmSettings->addItem(QStringLiteral("Print"), EditorImages::Print);
    connect(tbPrint, &QAction::triggered, this, guarded(this, &NoteMenu::mnPrintClick));
    tbSendMail = pmSettings->addItem(QStringLiteral("Send Mail"), EditorImages::SendMail);
    connect(tbSendMail, &QAction::triggered, this, guarded(this, &NoteMenu::tbSendMailClick));
    pmSettings->addSeparator();
    tbExit = pmSettings->addItem(QStringLiteral("Close"));
    connect(tbExit, &QAction::triggered, this, guarded(this, &NoteMenu::mnExitClick));

    connect(pmSettings, &QMenu::aboutToShow, &note,
            [&note, menu = pmSettings] { Q_EMIT note.settingsMenuAboutToShow(menu); });
    note.pmSettings = pmSettings;
}

NoteMenu::~NoteMenu() = default;

void NoteMenu::tickOpacity(int percent)
{
    const int ticked = TFR_NOTE::OpacityMenuValue(percent);
    for (QAction *item : opacityGroup->actions())
        item->setChecked(item->data().toInt() == ticked);
}

void NoteMenu::tbColorPopup()
{
    // Marking the note's colour is not a pick.
    cpColorPalette->presetColor(Color::fromQColor(m_editor.backgroundColor()));
}

void NoteMenu::cpColorPaletteChange()
{
    m_note.ApplyColor(cpColorPalette->Color());
    // Every child paints in the new colour at once, without unmapping the
    // window the way hiding and showing it would.
    m_note.update();
    for (QWidget *child : m_note.findChildren<QWidget *>())
        child->update();
}

void NoteMenu::tbNewNoteClick()
{
    if (NoteHost *host = NoteHost::current())
        host->makeNewNote();
}

void NoteMenu::mnDeleteNoteClick()
{
    const auto answer = Messages::exec({QMessageBox::Question, DeleteCaption, DeleteQuestion,
                                        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes},
                                       &m_note);
    if (answer != QMessageBox::Yes)
        return;
    m_note.Deleted = true;
    m_note.close();
}

bool NoteMenu::printNote(QPrinter &printer)
{
    QPrintDialog dialog(&printer, &m_note);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printer.setDocName(m_note.Title());
    m_editor.printTo(printer);
    return true;
}

void NoteMenu::mnPrintClick()
{
    QPrinter printer;
    printNote(printer);
}

void NoteMenu::tbSendMailClick()
{
    // No mail program is not the note's concern: the result is not looked at.
    QDesktopServices::openUrl(MailUrl::url(m_note.Title(), m_editor.toPlainText()));
}

void NoteMenu::mnExitClick()
{
    m_note.close();
}
