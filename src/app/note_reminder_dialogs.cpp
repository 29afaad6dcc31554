#include "app/note_reminder_dialogs.h"

#include "core/clock.h"
#include "dialogs/reminder_dialog.h"
#include "framework/application.h"
#include "framework/guarded.h"
#include "notes/note_reminders.h"
#include "notes/note_window.h"

#include <QPointer>

NoteReminderDialogs::NoteReminderDialogs(const Clock &clock, QObject *parent) : QObject(parent), m_clock(clock)
{
    Application *app = Application::instance();
    connect(app, &Application::formAdopted, this, &NoteReminderDialogs::watch);
    for (TFR_NOTE *note : app->formsOf<TFR_NOTE>())
        watch(note);
}

void NoteReminderDialogs::watch(QWidget *form)
{
    if (auto *note = qobject_cast<TFR_NOTE *>(form))
        connect(note, &TFR_NOTE::reminderRequested, this, guarded([this, note] { edit(*note); }));
}

void NoteReminderDialogs::edit(TFR_NOTE &note)
{
    // The document outlives its window, which may close while the dialog is up.
    QPointer<NoteDocument> document = note.document();
    if (!document)
        return;
    auto *dialog = new TFR_REMINDER(NoteReminders::reminderOf(*document), m_clock.now(), &note);
    dialog->setObjectName(QStringLiteral("FR_REMINDER"));
    connect(dialog, &TFR_REMINDER::reminderChosen, this, guarded([document](const Reminder &reminder) {
                if (document)
                    NoteReminders::setReminder(*document, reminder);
            }));
    connect(dialog, &TFR_REMINDER::reminderCleared, this, guarded([document] {
                if (document)
                    NoteReminders::setReminder(*document, std::nullopt);
            }));
    dialog->exec();
}
