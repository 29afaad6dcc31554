#include "core/note_naming.h"

#include <QCoreApplication>

namespace {

// Removes the time-zone tokens ("t", "tt"...) of a QLocale time format, with
// the blanks before them, leaving quoted text alone.
QString withoutTimeZone(const QString &format)
{
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t')) {
            while (result.endsWith(QLatin1Char(' ')))
                result.chop(1);
            continue;
        }
        result.append(c);
    }
    return result.trimmed();
}

} // namespace

namespace NoteNaming {

QString longTimeFormat(const QLocale &locale)
{
    return withoutTimeZone(locale.timeFormat(QLocale::LongFormat));
}

QString dateText(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, QLocale::ShortFormat);
}

QString timeText(const QTime &time, const QLocale &locale)
{
    return locale.toString(time, longTimeFormat(locale));
}

QString dateTimeText(const QDateTime &moment, const QLocale &locale)
{
    const QString date = dateText(moment.date(), locale);
    if (moment.time() == QTime(0, 0))
        return date;
    return date + QLatin1Char(' ') + timeText(moment.time(), locale);
}

QString digitsOf(const QString &text)
{
    QString digits;
    for (const QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits.append(c);
    return digits;
}

QString fileNameFor(const QDateTime &moment, const QLocale &locale)
{
    QString digits = digitsOf(dateTimeText(moment, locale));
    // A locale that writes its own digits still needs a usable name.
    if (digits.isEmpty())
        digits = moment.toString(QStringLiteral("ddMMyyyyHHmmss"));
    return digits + Extension;
}

QString uniqueFileName(const QString &name, const std::function<bool(const QString &)> &taken)
{
    if (!taken(name))
        return name;
    const QString stem = name.endsWith(Extension) ? name.chopped(Extension.size()) : name;
    for (int n = 1;; ++n) {
        const QString candidate = stem + QString::number(n) + Extension;
        if (!taken(candidate))
            return candidate;
    }
}

bool isNoteFileName(const QString &name)
{
    return !name.startsWith(QLatin1Char('.')) && name.endsWith(Extension, Qt::CaseInsensitive);
}

std::optional<QString> titleFor(int style, const QDateTime &moment, const QLocale &locale)
{
    switch (style) {
    case 0:
        return QCoreApplication::translate("NoteNaming", "New Note");
    case 1:
        return dateText(moment.date(), locale);
    case 2:
        return dateTimeText(moment, locale);
    case 3:
        return timeText(moment.time(), locale);
    default:
        return std::nullopt;
    }
}

} // namespace NoteNaming
