#pragma once

#include <QDateTime>
#include <QMetaType>
#include <QString>
#include <QTimeZone>

#include <optional>

// A note's reminder: a local date and time in a named time zone (so that a
// synced copy elsewhere means the same moment and repeats keep their local
// hour across daylight-saving changes), and how it repeats. Kept in the
// note's state group as the "reminder" value (docs/note-state.md).
class Reminder
{
public:
    enum class Repeat { Never, Daily, Weekdays, Weekly, Monthly, Yearly };
    static constexpr int SnoozeMinutes = 10;

    // `start` is the first occurrence, its local date and time in its own
    // time zone (a QDateTime with Qt::TimeZone, or local time, which is taken
    // in the system's zone). Weekdays starting on a weekend begin on Monday.
    Reminder(const QDateTime &start, Repeat repeat);
    // No reminder at all, for containers and signal arguments.
    Reminder() = default;

    // The state group's text and back; nullopt for text that is not a reminder.
    static std::optional<Reminder> parse(const QString &text);
    QString toString() const;

    static QString repeatName(Repeat repeat);
    static std::optional<Repeat> repeatFromName(const QString &name);

    Repeat repeat() const { return m_repeat; }
    QString zoneName() const { return m_zoneName; }
    // The pending occurrence, in the reminder's zone.
    QDateTime due() const { return m_due; }
    QDateTime start() const { return m_start; }
    std::optional<QDateTime> snoozedUntil() const { return m_snooze; }
    // When it is next to be shown: the snooze time if snoozed, else due().
    QDateTime dueInstant() const { return m_snooze ? *m_snooze : m_due; }

    // The first occurrence strictly after `instant`, at the start's local
    // hour (on a month's last day when the start's day is not in that month).
    QDateTime occurrenceAfter(const QDateTime &instant) const;

    // What is kept once it has been shown at `now`: a repeat moves on to its
    // first occurrence after now (a repeat missed many times moves on once);
    // a one-off stays as it is until it is snoozed or done.
    Reminder fired(const QDateTime &now) const;
    // Shown again SnoozeMinutes after `now`.
    Reminder snoozed(const QDateTime &now) const;
    // Done: a one-off is over (nullopt); a repeat keeps its next occurrence.
    std::optional<Reminder> done(const QDateTime &now) const;

    bool operator==(const Reminder &other) const;
    bool operator!=(const Reminder &other) const { return !(*this == other); }

private:
    QDateTime occurrence(qint64 index) const;
    QDateTime local(const QDate &date, const QTime &time) const;

    QDateTime m_start;
    QDateTime m_due;
    std::optional<QDateTime> m_snooze;
    Repeat m_repeat = Repeat::Never;
    QTimeZone m_zone;
    QString m_zoneName; // as written, even when this system does not know the zone
};

Q_DECLARE_METATYPE(Reminder)
