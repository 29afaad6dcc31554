#include "core/file_fingerprint.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

FileFingerprint FileFingerprint::of(const QByteArray &bytes)
{
    FileFingerprint print;
    print.m_exists = true;
    print.m_size = bytes.size();
    print.m_hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
    return print;
}

FileFingerprint FileFingerprint::read(const QString &path, QByteArray *bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray content = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {};
    if (bytes)
        *bytes = content;
    return of(content);
}

bool FileFingerprint::sameContent(const FileFingerprint &other) const
{
    if (m_exists != other.m_exists)
        return false;
    return !m_exists || (m_size == other.m_size && m_hash == other.m_hash);
}

bool FileFingerprint::matchesFile(const QString &path) const
{
    const QFileInfo info(path);
    if (!info.exists() || !m_exists)
        return info.exists() == m_exists;
    // A different size needs no reading; the same size proves nothing.
    return info.size() == m_size && sameContent(read(path));
}
