#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// WHEN as scripts give a reminder's time: a local date and time in ISO form
// ("2026-12-24T18:00", seconds optional, a space for the T allowed) or a
// number of minutes or hours from now ("+10m", "+2h"). "off" clears the
// reminder instead.
namespace ReminderWhen {

inline constexpr char Off[] = "off";

bool isOff(const QString &when);

// The moment `when` names, as a local time (for a reminder kept in the
// system's time zone), counted from `now` where it is relative; nullopt when
// it names no moment ("off" included).
std::optional<QDateTime> parse(const QString &when, const QDateTime &now);

// What is said of a WHEN that names no moment.
QString notATime(const QString &when);

} // namespace ReminderWhen
