#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <functional>
#include <optional>

// Names and titles a new note gets from the moment it is created.
namespace NoteNaming {

inline const QString Extension = QStringLiteral(".pnf");

// Whether a file of the notes folder is a note: its name ends in ".pnf", in
// any case, and it is not hidden (a leading dot: the temporary files of
// editors and sync tools).
bool isNoteFileName(const QString &name);

// The locale's long time format (hours, minutes, seconds) without the time
// zone, whose name may hold digits of its own.
QString longTimeFormat(const QLocale &locale);
QString dateText(const QDate &date, const QLocale &locale);
QString timeText(const QTime &time, const QLocale &locale);
// Short date, a blank and long time; the date alone at exactly midnight.
QString dateTimeText(const QDateTime &moment, const QLocale &locale);

// The characters "0" to "9" of `text`, in order.
QString digitsOf(const QString &text);

// The digits of dateTimeText plus ".pnf".
QString fileNameFor(const QDateTime &moment, const QLocale &locale);

// `name` itself when it is free, otherwise the first free one of its digits
// followed by 1, 2, 3... (still digits and ".pnf").
QString uniqueFileName(const QString &name, const std::function<bool(const QString &)> &taken);

// The title of a new note for a title style: 0 "New Note", 1 the date, 2 the
// date and time, 3 the time; nothing for other values.
std::optional<QString> titleFor(int style, const QDateTime &moment, const QLocale &locale);

} // namespace NoteNaming
