#include "core/reminder.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace {

const std::array<QLatin1String, 6> RepeatNames = {QLatin1String("never"),   QLatin1String("daily"),
                                                  QLatin1String("weekdays"), QLatin1String("weekly"),
                                                  QLatin1String("monthly"),  QLatin1String("yearly")};

bool isWeekend(const QDate &date)
{
    return date.dayOfWeek() >= Qt::Saturday;
}

QDate nextWeekday(QDate date)
{
    do
        date = date.addDays(1);
    while (isWeekend(date));
    return date;
}

// Minutes when the seconds are zero, as the dialog sets them.
QString localText(const QDateTime &at)
{
    return at.toString(at.time().second() == 0 ? QStringLiteral("yyyy-MM-ddTHH:mm")
                                               : QStringLiteral("yyyy-MM-ddTHH:mm:ss"));
}

std::optional<QDateTime> localFromText(const QString &text, const QTimeZone &zone)
{
    const QDateTime parsed = QDateTime::fromString(text, Qt::ISODate);
    if (!parsed.isValid() || parsed.timeSpec() != Qt::LocalTime) // a local time, no offset
        return std::nullopt;
    return QDateTime(parsed.date(), parsed.time(), zone);
}

} // namespace

Reminder::Reminder(const QDateTime &start, Repeat repeat)
    : m_repeat(repeat)
{
    m_zone = start.timeSpec() == Qt::TimeZone ? start.timeZone() : QTimeZone::systemTimeZone();
    m_zoneName = QString::fromUtf8(m_zone.id());
    QDate date = start.date();
    if (repeat == Repeat::Weekdays && isWeekend(date))
        date = nextWeekday(date);
    m_start = local(date, start.time());
    m_due = m_start;
}

QDateTime Reminder::local(const QDate &date, const QTime &time) const
{
    const QDateTime at(date, time, m_zone);
    if (at.isValid())
        return at;
    // A local time that a daylight-saving change skips (Qt gives no such
    // moment) is moved on by the change, 02:30 to 03:30, so it is not lost.
    for (const int gapMinutes : {60, 30, 120}) {
        const QDateTime later(date, time.addSecs(gapMinutes * 60), m_zone);
        if (later.isValid())
            return later;
    }
    return QDateTime(date, time, Qt::UTC).toTimeZone(m_zone);
}

QString Reminder::repeatName(Repeat repeat)
{
    return RepeatNames.at(size_t(repeat));
}

std::optional<Reminder::Repeat> Reminder::repeatFromName(const QString &name)
{
    for (size_t i = 0; i < RepeatNames.size(); ++i)
        if (name == RepeatNames.at(i))
            return Repeat(i);
    return std::nullopt;
}

QDateTime Reminder::occurrence(qint64 index) const
{
    const QDate first = m_start.date();
    switch (m_repeat) {
    case Repeat::Never:
        return index == 0 ? m_start : QDateTime();
    case Repeat::Daily:
        return local(first.addDays(index), m_start.time());
    case Repeat::Weekly:
        return local(first.addDays(7 * index), m_start.time());
    case Repeat::Monthly:
        // Counted from the start, so the 31st comes back after February.
        return local(first.addMonths(int(index)), m_start.time());
    case Repeat::Yearly:
        return local(first.addYears(int(index)), m_start.time());
    case Repeat::Weekdays: {
        QDate date = first.addDays(7 * (index / 5));
        for (qint64 i = 0; i < index % 5; ++i)
            date = nextWeekday(date);
        return local(date, m_start.time());
    }
    }
    return QDateTime();
}

QDateTime Reminder::occurrenceAfter(const QDateTime &instant) const
{
    if (m_repeat == Repeat::Never)
        return m_start > instant ? m_start : QDateTime();
    const QDate day = instant.toTimeZone(m_zone).date();
    const qint64 days = m_start.date().daysTo(day);
    qint64 index = 0;
    switch (m_repeat) {
    case Repeat::Daily: index = days - 1; break;
    case Repeat::Weekly: index = days / 7 - 1; break;
    case Repeat::Weekdays: index = days * 5 / 7 - 2; break;
    case Repeat::Monthly:
        index = (day.year() - m_start.date().year()) * 12 + day.month() - m_start.date().month() - 1;
        break;
    case Repeat::Yearly: index = day.year() - m_start.date().year() - 1; break;
    case Repeat::Never: break;
    }
    index = std::max<qint64>(index, 0);
    while (occurrence(index) <= instant)
        ++index;
    return occurrence(index);
}

Reminder Reminder::fired(const QDateTime &now) const
{
    if (m_repeat == Repeat::Never)
        return *this;
    Reminder next = *this;
    next.m_snooze.reset();
    if (next.m_due <= now)
        next.m_due = occurrenceAfter(now);
    return next;
}

Reminder Reminder::snoozed(const QDateTime &now) const
{
    Reminder next = *this;
    const QDateTime at = now.addSecs(SnoozeMinutes * 60).toTimeZone(m_zone);
    next.m_snooze = local(at.date(), at.time());
    return next;
}

std::optional<Reminder> Reminder::done(const QDateTime &now) const
{
    if (m_repeat == Repeat::Never)
        return std::nullopt;
    return fired(now);
}

QString Reminder::toString() const
{
    QStringList parts{localText(m_due), m_zoneName, repeatName(m_repeat)};
    if (m_start != m_due)
        parts << QStringLiteral("start=") + localText(m_start);
    if (m_snooze)
        parts << QStringLiteral("snooze=") + localText(*m_snooze);
    return parts.join(QLatin1Char(' '));
}

std::optional<Reminder> Reminder::parse(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() < 3)
        return std::nullopt;
    const std::optional<Repeat> repeat = repeatFromName(parts.at(2));
    if (!repeat)
        return std::nullopt;
    Reminder r;
    r.m_repeat = *repeat;
    r.m_zoneName = parts.at(1);
    r.m_zone = QTimeZone(parts.at(1).toUtf8());
    // A zone this system does not know: its own zone is the best guess, and
    // the name is written back unchanged.
    if (!r.m_zone.isValid())
        r.m_zone = QTimeZone::systemTimeZone();
    const std::optional<QDateTime> due = localFromText(parts.at(0), r.m_zone);
    if (!due)
        return std::nullopt;
    r.m_due = *due;
    r.m_start = *due;
    for (const QString &part : parts.mid(3)) {
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        const std::optional<QDateTime> at = eq > 0 ? localFromText(part.mid(eq + 1), r.m_zone) : std::nullopt;
        if (!at)
            continue; // a later version's addition
        if (part.startsWith(QLatin1String("start=")))
            r.m_start = *at;
        else if (part.startsWith(QLatin1String("snooze=")))
            r.m_snooze = *at;
    }
    return r;
}

bool Reminder::operator==(const Reminder &other) const
{
    return m_repeat == other.m_repeat && m_zoneName == other.m_zoneName && m_start == other.m_start
        && m_due == other.m_due && m_snooze == other.m_snooze;
}
