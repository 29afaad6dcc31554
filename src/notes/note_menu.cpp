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

NoteMenu::NoteMenu(TFR_NOTE &note, NoteEditor &editor, NoteHost &host)
    : QObject(&note), m_note(note), m_editor(editor), m_host(host)
{
    csColorSet = new TTBXColorSet(NoteColorSet::GetNoteColorInfo, this);
    csColorSet->setObjectName(QStringLiteral("csColorSet"));
    csColorSet->UpdateSize(NoteColorSet::ColCount, NoteColorSet::RowCount);

    pmSettings = new PopupMenu(&note);
    pmSettings->setObjectName(QStringLiteral("pmSettings"));
    pmSettings->setImages(m_editor.images());
    tbNewNote = pmSettings->addItem(tr("New Note"), EditorImages::NewNote);
    tbNewNote->setObjectName(QStringLiteral("tbNewNote"));
    connect(tbNewNote, &QAction::triggered, this, guarded(this, &NoteMenu::tbNewNoteClick));
    pmSettings->addSeparator();

    tbColor = pmSettings->addSubmenu(tr("Color"));
    tbColor->setObjectName(QStringLiteral("tbColor"));
    cpColorPalette = new TTBXColorPalette(tbColor);
    cpColorPalette->setObjectName(QStringLiteral("cpColorPalette"));
    cpColorPalette->setColorSet(csColorSet);
    cpColorPalette->setPaletteOptions(cpColorPalette->PaletteOptions() | tpoCustomImages);
    connect(cpColorPalette, &TTBXColorPalette::selectionChanged, this, guarded(this, &NoteMenu::cpColorPaletteChange));
    tbColor->addAction(cpColorPalette);
    connect(tbColor, &QMenu::aboutToShow, this, guarded(this, &NoteMenu::tbColorPopup));

    tbTransparent = pmSettings->addSubmenu(tr("Opacity         "));
    tbTransparent->setObjectName(QStringLiteral("tbTransparent"));
    opacityGroup = new QActionGroup(tbTransparent);
    opacityGroup->setObjectName(QStringLiteral("opacityGroup"));
    for (int percent = OpacityStep; percent <= 100; percent += OpacityStep) {
        QAction *item = tbTransparent->addItem(tr("%1 %").arg(percent));
        item->setObjectName(QStringLiteral("N") + QString::number(percent));
        item->setData(percent);
        item->setCheckable(true);
        opacityGroup->addAction(item);
    }
    connect(opacityGroup, &QActionGroup::triggered, this, &NoteMenu::opacityPicked);
    connect(&note, &TFR_NOTE::opacityChanged, this, &NoteMenu::tickOpacity);
    tickOpacity(note.opacity());
    pmSettings->addSeparator();

    tbDelete = pmSettings->addItem(tr("Delete"), EditorImages::Delete);
    tbDelete->setObjectName(QStringLiteral("tbDelete"));
    connect(tbDelete, &QAction::triggered, this, guarded(this, &NoteMenu::mnDeleteNoteClick));
    pmSettings->addSeparator();
    tbPrint = pmSettings->addItem(tr("Print"), EditorImages::Print);
    tbPrint->setObjectName(QStringLiteral("tbPrint"));
    connect(tbPrint, &QAction::triggered, this, guarded(this, &NoteMenu::mnPrintClick));
    tbSendMail = pmSettings->addItem(tr("Send Mail"), EditorImages::SendMail);
    tbSendMail->setObjectName(QStringLiteral("tbSendMail"));
    connect(tbSendMail, &QAction::triggered, this, guarded(this, &NoteMenu::tbSendMailClick));
    pmSettings->addSeparator();
    tbExit = pmSettings->addItem(tr("Close"));
    tbExit->setObjectName(QStringLiteral("tbExit"));
    connect(tbExit, &QAction::triggered, this, guarded(this, &NoteMenu::mnExitClick));

    connect(pmSettings, &QMenu::aboutToShow, &note,
            [&note, menu = pmSettings] { Q_EMIT note.settingsMenuAboutToShow(menu); });
}

NoteMenu::~NoteMenu() = default;

QMenu *NoteMenu::settingsMenu() const
{
    return pmSettings;
}

void NoteMenu::tickOpacity(int percent)
{
    const int ticked = TFR_NOTE::opacityMenuValue(percent);
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
    m_host.makeNewNote();
}

void NoteMenu::mnDeleteNoteClick()
{
    const auto answer = Messages::exec({QMessageBox::Question, DeleteCaption(), DeleteQuestion(),
                                        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes},
                                       &m_note);
    if (answer != QMessageBox::Yes)
        return;
    m_note.markDeleted();
    m_note.close();
}

bool NoteMenu::printNote(QPrinter &printer)
{
    QPrintDialog dialog(&printer, &m_note);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    printer.setDocName(m_note.title());
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
    QDesktopServices::openUrl(MailUrl::url(m_note.title(), m_editor.toPlainText()));
}

void NoteMenu::mnExitClick()
{
    m_note.close();
}
