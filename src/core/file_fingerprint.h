#pragma once

#include <QByteArray>
#include <QString>

// What a file held when this program last read or wrote it: enough to tell
// later whether someone else has changed or removed it since. Only the bytes
// count: a file's size and time can stay the same across another program's
// write (a copy that keeps the time, a file system with coarse times).
class FileFingerprint
{
public:
    // No file (a note that was never written).
    FileFingerprint() = default;
    // A file whose bytes are `bytes` (just read or written).
    static FileFingerprint of(const QByteArray &bytes);
    // Reads the file; absent or unreadable gives an absent fingerprint, with
    // its bytes left empty.
    static FileFingerprint read(const QString &path, QByteArray *bytes = nullptr);

    bool exists() const { return m_exists; }
    qint64 size() const { return m_size; }
    QByteArray hash() const { return m_hash; }

    // Same bytes (or both absent); a file touched or copied with the same
    // bytes counts as unchanged.
    bool sameContent(const FileFingerprint &other) const;
    // Whether the file at `path` still holds these bytes (read and compared
    // every time).
    bool matchesFile(const QString &path) const;

private:
    bool m_exists = false;
    qint64 m_size = 0;
    QByteArray m_hash;
};
