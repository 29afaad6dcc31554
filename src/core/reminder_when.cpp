#include "core/reminder_when.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// Far enough for any reminder, short of overflowing the arithmetic.
constexpr qint64 MaxMinutes = qint64(100) * 366 * 24 * 60;

std::optional<QDateTime> relative(const QString &when, const QDateTime &now)
{
    static const QRegularExpression pattern(QStringLiteral("^\\+([0-9]{1,9})([mh])$"));
    const QRegularExpressionMatch match = pattern.match(when);
    if (!match.hasMatch())
        return std::nullopt;
    const qint64 count = match.captured(1).toLongLong();
    const qint64 minutes = match.captured(2) == QLatin1String("h") ? count * 60 : count;
    if (count == 0 || minutes > MaxMinutes)
        return std::nullopt;
    return now.toLocalTime().addSecs(minutes * 60);
}

std::optional<QDateTime> absolute(const QString &when)
{
    // A date with a time, and nothing else: an offset or zone would say
    // another clock than the local one a reminder keeps.
    static const QRegularExpression pattern(
        QStringLiteral("^([0-9]{4}-[0-9]{2}-[0-9]{2})[T ]([0-9]{2}:[0-9]{2}(?::[0-9]{2})?)$"));
    const QRegularExpressionMatch match = pattern.match(when);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date = QDate::fromString(match.captured(1), Qt::ISODate);
    // Not Qt::ISODate, which takes 24:00 for the next midnight.
    const QString clock = match.captured(2);
    const QTime time = QTime::fromString(clock, clock.size() > 5 ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::LocalTime);
}

} // namespace

namespace ReminderWhen {

QString notATime(const QString &when)
{
    return QCoreApplication::translate("ReminderWhen",
                                       "'%1' is not a time: give a local date and time (2026-12-24T18:00), +Nm or +Nh")
        .arg(when);
}

bool isOff(const QString &when)
{
    return when == QLatin1String(Off);
}

std::optional<QDateTime> parse(const QString &when, const QDateTime &now)
{
    const QString trimmed = when.trimmed();
    if (trimmed.startsWith(QLatin1Char('+')))
        return relative(trimmed, now);
    return absolute(trimmed);
}

} // namespace ReminderWhen
