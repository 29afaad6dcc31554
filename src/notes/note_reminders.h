#pragma once

#include "core/reminder.h"
#include "core/reminder_scheduler.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

class ActionNotifications;
class Clock;
class NoteCollection;
class NoteDocument;
class NoteWindows;

// The reminders of every note, whoever set them: this program's menu, the
// command line, or a synced copy whose file changed. One scheduler for the
// whole program follows the collection's documents; when a reminder is due
// the note comes forward (opened if it was hidden), its bar flashes, and a
// desktop notification offers Snooze and Done. What the user answers is
// written to the note's file, so that other copies of it know.
class NoteReminders final : public QObject
{
    Q_OBJECT
public:
    static constexpr char StateKey[] = "reminder";
    static constexpr char SnoozeAction[] = "snooze";
    static constexpr char DoneAction[] = "done";
    static constexpr int FlashCount = 4;

    NoteReminders(NoteCollection &notes, NoteWindows &windows, const Clock &clock, QObject *parent = nullptr);
    ~NoteReminders() override;

    // The reminder a note's state holds; nullopt for none or unreadable text.
    static std::optional<Reminder> reminderOf(const NoteDocument &note);
    // Sets or (nullopt) clears it in the note's state: a change to save.
    static void setReminder(NoteDocument &note, const std::optional<Reminder> &reminder);

    const ReminderScheduler &scheduler() const { return m_scheduler; }

public Q_SLOTS:
    // The wall clock may have jumped (a resume, the clock set): looks again.
    void check();
    // The user's answers to a shown reminder; the note's file is written.
    void snooze(NoteDocument *note);
    void done(NoteDocument *note);

Q_SIGNALS:
    // A reminder was shown; missed when it fell due while the program was
    // not running.
    void alerted(NoteDocument *note, bool missed);

private:
    void follow(NoteDocument *note);
    // Tells the scheduler what the note holds now (also after a rename).
    void update(NoteDocument *note);
    void forget(const QString &fileName);
    void fire(const QString &fileName, const Reminder &reminder, bool missed);
    void alert(NoteDocument &note);
    void answer(quint64 notification, const QString &key);
    // Writes the answer, unless the reminder changed since it was shown.
    void apply(NoteDocument *note, const std::optional<Reminder> &expected, const std::optional<Reminder> &next);

    struct Shown
    {
        QPointer<NoteDocument> note;
        std::optional<Reminder> expected; // what the note held once shown
    };

    NoteCollection &m_notes;
    NoteWindows &m_windows;
    const Clock &m_clock;
    ReminderScheduler m_scheduler;
    ActionNotifications *m_notifications;
    QHash<QString, QPointer<NoteDocument>> m_scheduled; // by file name
    QHash<quint64, Shown> m_shown;                      // by notification
};
