#include "app/script_commands.h"

#include "app/main_form.h"
#include "core/note_query.h"
#include "core/reminder.h"
#include "core/reminder_when.h"
#include "notes/note_collection.h"
#include "notes/note_document.h"
#include "notes/note_editor.h"
#include "notes/note_listing.h"
#include "notes/note_window.h"
#include "notes/stored_notes.h"
#include "platform/command_channel.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTextCursor>

namespace {

const QString ReminderKey = QStringLiteral("reminder");

} // namespace

ScriptCommands::ScriptCommands(TFR_PLT_MAIN &form, QObject *parent)
    : QObject(parent)
    , m_form(form)
{
}

void ScriptCommands::carryOut(const CommandRequest &request, CommandReply reply)
{
    switch (request.command) {
    case Command::NewNote:
        if (const std::optional<QString> name = newNote(request, reply))
            reply.answer(*name);
        return;
    case Command::ShowAll: m_form.mnShowAllNotesClick(); break;
    case Command::HideAll: m_form.mnHideAllNotesClick(); break;
    case Command::AllNotes: m_form.mnAllNotesClick(); break;
    case Command::Settings: m_form.mnSettingsClick(); break;
    case Command::About: m_form.mnAboutClick(); break;
    case Command::Exit: m_form.mnCLOSEClick(); break;
    case Command::List:
    case Command::Find:
        reply.answer(NoteListing::list(m_form.noteCollection(), NoteQuery(request.text)));
        return;
    case Command::ShowNote:
        if (NoteDocument *note = noteNamed(request.note, reply, true)) {
            m_form.presentNote(*note);
            reply.answer();
        }
        return;
    case Command::Text: {
        const QString printed = text(request.note, reply);
        if (!printed.isNull())
            reply.answer(printed);
        return;
    }
    case Command::Remind:
        if (NoteDocument *note = noteNamed(request.note, reply, false))
            remind(*note, request.when, reply);
        return;
    default:
        break;
    }
    reply.answer();
}

std::optional<QString> ScriptCommands::newNote(const CommandRequest &request, CommandReply &reply)
{
    if (request.text.size() > NoteEditor::MaxLength) {
        reply.fail(CommandReply::Failure::BadArgument,
                   tr("the text is longer than a note takes (%1 characters)").arg(NoteEditor::MaxLength));
        return std::nullopt;
    }
    std::optional<QString> reminder;
    if (!request.when.isEmpty() && !(reminder = reminderValue(request.when, false, reply)))
        return std::nullopt;
    TFR_NOTE *window = m_form.addNote();
    NoteDocument &note = *window->document();
    // Typed in, as it were: the new note's own font and colour.
    if (!request.text.isEmpty())
        QTextCursor(note.text()).insertText(request.text);
    if (reminder) {
        NoteState state = note.noteState();
        state.setValue(ReminderKey, *reminder);
        note.setNoteState(state);
    }
    // Written at once: the script may well read the folder next.
    if (note.hasText())
        note.save();
    return note.fileName();
}

NoteDocument *ScriptCommands::openNote(const QString &fileName) const
{
    // Also a note still empty, which has no file yet: --new-note gave its
    // name to the script, which may well show it or set its reminder next.
    NoteDocument *note = m_form.noteCollection().note(fileName);
    return note && !note->isDeleted() && !note->isGone() ? note : nullptr;
}

void ScriptCommands::noSuchNote(const QString &fileName, CommandReply &reply) const
{
    reply.fail(CommandReply::Failure::UnknownNote, NoteListing::noSuchNote(fileName, m_form.notesFolder()));
}

NoteDocument *ScriptCommands::noteNamed(const QString &fileName, CommandReply &reply, bool opens)
{
    if (NoteDocument *note = openNote(fileName))
        return note;
    // Hidden notes stay documents, so this is a file that came in unseen.
    NoteCollection &notes = m_form.noteCollection();
    if (opens && !notes.note(fileName) && StoredNotes(m_form.notesFolder()).load(fileName))
        if (NoteDocument *note = notes.load(fileName))
            return note;
    noSuchNote(fileName, reply);
    return nullptr;
}

QString ScriptCommands::text(const QString &fileName, CommandReply &reply)
{
    if (const NoteDocument *note = openNote(fileName))
        return NoteListing::text(*note);
    // Read, not opened: printing a note does not show it.
    StoredNotes stored(m_form.notesFolder());
    if (const NoteDocument *note = stored.load(fileName))
        return NoteListing::text(*note);
    noSuchNote(fileName, reply);
    return QString();
}

void ScriptCommands::remind(NoteDocument &note, const QString &when, CommandReply &reply)
{
    if (note.loadFailed()) {
        reply.fail(CommandReply::Failure::Failed, tr("the note \"%1\" cannot be changed").arg(note.fileName()));
        return;
    }
    const std::optional<QString> value = reminderValue(when, true, reply);
    if (!value)
        return;
    NoteState state = note.noteState();
    if (value->isEmpty())
        state.remove(ReminderKey);
    else
        state.setValue(ReminderKey, *value);
    note.setNoteState(state);
    if (note.hasUnsavedChanges())
        note.save();
    reply.answer();
}

std::optional<QString> ScriptCommands::reminderValue(const QString &when, bool mayClear, CommandReply &reply)
{
    if (mayClear && ReminderWhen::isOff(when))
        return QString(QLatin1String(""));
    const std::optional<QDateTime> at = ReminderWhen::parse(when, QDateTime::currentDateTime());
    if (!at) {
        reply.fail(CommandReply::Failure::BadArgument, ReminderWhen::notATime(when));
        return std::nullopt;
    }
    return Reminder(*at, Reminder::Repeat::Never).toString();
}
