#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// The record the Windows recycle bin keeps for each deleted file: a file
// named "$I…" beside the deleted file's content "$R…" (same suffix), holding
// where the file was, its size and when it was deleted. All numbers are
// little-endian.
//   version 1: 8-byte version (1), 8-byte size, 8-byte FILETIME, then the
//              path in a fixed field of 260 UTF-16 units, ended by a 0 unit;
//   version 2: 8-byte version (2), 8-byte size, 8-byte FILETIME, a 4-byte
//              count of UTF-16 units including the ending 0, then the path.
namespace RecycleBinRecord {

struct Record
{
    int version = 0;
    quint64 originalSize = 0;
    QString originalPath;   // as Windows wrote it, e.g. "C:\Users\…\a.pnf"
    QDateTime deleted;      // UTC
};

// The longest path Windows handles, in UTF-16 units with the ending 0.
constexpr quint32 MaxPathUnits = 32767;
// A version 1 record's path field, in UTF-16 units.
constexpr int FixedPathUnits = 260;
// The largest record there is (version 2 with the longest path).
constexpr qsizetype MaxRecordSize = 28 + 2 * qsizetype(MaxPathUnits);

// Reads a whole $I file; nullopt for anything that is not exactly one
// record of a known version with a non-empty, 0-ended path (cut short, an
// unknown version, a count past the longest path, bytes left over).
std::optional<Record> parse(const QByteArray &bytes);

// Whether the record's file was deleted from `folder` itself, not from a
// folder below it. Windows paths: letter case, "/" or "\\", a trailing
// separator and the "\\?\" prefix make no difference.
bool deletedFrom(const Record &record, const QString &folder);

// FILETIME (100-nanosecond steps since 1601-01-01 UTC) as a UTC date and
// time; invalid past what QDateTime holds.
QDateTime fromFileTime(quint64 fileTime);

} // namespace RecycleBinRecord
