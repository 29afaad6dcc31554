#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What a file held when this program last read or wrote it: enough to tell
// later whether someone else has changed or removed it since.
class FileFingerprint
{
public:
    // No file (a note that was never written).
    FileFingerprint() = default;
    // The file at `path` whose bytes are `bytes` (just read or written).
    static FileFingerprint of(const QString &path, const QByteArray &bytes);
    // Reads the file; absent or unreadable gives an absent fingerprint, with
    // its bytes left empty.
    static FileFingerprint read(const QString &path, QByteArray *bytes = nullptr);

    bool exists() const { return m_exists; }
    qint64 size() const { return m_size; }
    QDateTime modified() const { return m_modified; }
    QByteArray hash() const { return m_hash; }

    // Same bytes (or both absent); the time is not compared, so a file
    // touched or copied with the same bytes counts as unchanged.
    bool sameContent(const FileFingerprint &other) const;
    // Whether the file at `path` still holds these bytes. Size and
    // modification time unchanged answer without reading the file.
    bool matchesFile(const QString &path) const;

private:
    bool m_exists = false;
    qint64 m_size = 0;
    QDateTime m_modified;
    QByteArray m_hash;
};
