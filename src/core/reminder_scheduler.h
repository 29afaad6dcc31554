#pragma once

#include "core/reminder.h"

#include <QHash>
#include <QObject>
#include <QTimer>

class Clock;

// Tells when notes' reminders are due. One single-shot timer runs for the
// next due reminder and nothing else wakes the program. A timer counts time
// the machine is awake, so the wall clock is asked again whenever the timer
// fires and whenever check() is called: after a resume from sleep and after
// the clock was set. Each note's due moment is reported once: not again after
// a check, a resume or a clock change, only anew when the note's reminder is
// replaced by one due at another moment.
class ReminderScheduler final : public QObject
{
    Q_OBJECT
public:
    // The timer's longest interval; longer waits are done in steps.
    static constexpr qint64 MaxIntervalMs = 24LL * 3600 * 1000;

    // Reminders due before now were due while the program was not running:
    // they are reported once, as missed.
    explicit ReminderScheduler(const Clock &clock, QObject *parent = nullptr);

    // Adds, replaces or (nullopt) removes a note's reminder. Never reports
    // synchronously: a reminder already due is reported from the event loop.
    void set(const QString &noteId, const std::optional<Reminder> &reminder);
    std::optional<Reminder> reminder(const QString &noteId) const;

    // When the timer will next look, nullopt when it is stopped.
    std::optional<QDateTime> nextCheck() const;

public Q_SLOTS:
    // Reports whatever is due by the wall clock and sets the timer again.
    void check();

Q_SIGNALS:
    void due(const QString &noteId, const Reminder &reminder, bool missed);

private:
    void arm();

    const Clock &m_clock;
    const QDateTime m_startedAt;
    QHash<QString, Reminder> m_reminders;
    QHash<QString, QDateTime> m_reported; // note -> the due moment reported last
    QTimer m_timer{this};
    QDateTime m_nextCheck;
};
