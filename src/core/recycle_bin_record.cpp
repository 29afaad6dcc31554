#include "core/recycle_bin_record.h"

#include <QtEndian>


namespace RecycleBinRecord {

namespace {

constexpr qsizetype HeaderSize = 24;            // version, size, FILETIME
constexpr qsizetype CountSize = 4;              // version 2's path length
constexpr qint64 TicksPerMillisecond = 10000;
// From 1601-01-01 to 1970-01-01, in FILETIME steps.
constexpr quint64 UnixEpochTicks = 116444736000000000ULL;

template<typename T>
T readLittle(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<T>(bytes.constData() + at);
}

// `units` UTF-16 units at `at` that must end with their only 0: the path
// before it, or nothing when there is no such 0 or no path.
std::optional<QString> terminatedPath(const QByteArray &bytes, qsizetype at, qsizetype units, bool fixedField)
{
    for (qsizetype i = 0; i < units; ++i) {
        if (readLittle<quint16>(bytes, at + 2 * i) != 0)
            continue;
        // Version 2 counts the 0 in: one sooner means a cut or a forged path.
        if (i == 0 || (!fixedField && i != units - 1))
            return std::nullopt;
        QString path(i, Qt::Uninitialized);
        for (qsizetype c = 0; c < i; ++c)
            path[c] = QChar(readLittle<quint16>(bytes, at + 2 * c));
        return path;
    }
    return std::nullopt;
}

// One spelling of a Windows path, for comparing.
QString comparable(QString path)
{
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    if (path.startsWith(QLatin1String("\\\\?\\UNC\\")))
        path = QLatin1String("\\\\") + path.mid(8);
    else if (path.startsWith(QLatin1String("\\\\?\\")))
        path = path.mid(4);
    while (path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    return path;
}

} // namespace

bool deletedFrom(const Record &record, const QString &folder)
{
    const QString original = comparable(record.originalPath);
    const qsizetype cut = original.lastIndexOf(QLatin1Char('\\'));
    const QString wanted = comparable(folder);
    return cut > 0 && !wanted.isEmpty() && original.left(cut).compare(wanted, Qt::CaseInsensitive) == 0;
}

QDateTime fromFileTime(quint64 fileTime)
{
    // Before 1970 is allowed: QDateTime reaches back far enough.
    const qint64 sinceEpoch = fileTime >= UnixEpochTicks ? qint64((fileTime - UnixEpochTicks) / TicksPerMillisecond)
                                                         : -qint64((UnixEpochTicks - fileTime) / TicksPerMillisecond);
    return QDateTime::fromMSecsSinceEpoch(sinceEpoch, Qt::UTC);
}

std::optional<Record> parse(const QByteArray &bytes)
{
    if (bytes.size() < HeaderSize)
        return std::nullopt;
    Record record;
    const quint64 version = readLittle<quint64>(bytes, 0);
    record.originalSize = readLittle<quint64>(bytes, 8);
    record.deleted = fromFileTime(readLittle<quint64>(bytes, 16));
    std::optional<QString> path;
    if (version == 1) {
        if (bytes.size() != HeaderSize + 2 * FixedPathUnits)
            return std::nullopt;
        path = terminatedPath(bytes, HeaderSize, FixedPathUnits, true);
    } else if (version == 2) {
        if (bytes.size() < HeaderSize + CountSize)
            return std::nullopt;
        const quint32 units = readLittle<quint32>(bytes, HeaderSize);
        if (units == 0 || units > MaxPathUnits || bytes.size() != HeaderSize + CountSize + 2 * qsizetype(units))
            return std::nullopt;
        path = terminatedPath(bytes, HeaderSize + CountSize, units, false);
    } else {
        return std::nullopt;
    }
    if (!path || !record.deleted.isValid())
        return std::nullopt;
    record.version = int(version);
    record.originalPath = *path;
    return record;
}

} // namespace RecycleBinRecord
