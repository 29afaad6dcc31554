#include "core/file_fingerprint.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray hashOf(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha1);
}

} // namespace

FileFingerprint FileFingerprint::of(const QString &path, const QByteArray &bytes)
{
    FileFingerprint print;
    print.m_exists = true;
    print.m_size = bytes.size();
    print.m_modified = QFileInfo(path).lastModified();
    print.m_hash = hashOf(bytes);
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
    return of(path, content);
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
    if (info.size() == m_size && info.lastModified() == m_modified)
        return true;
    // Another size is another version: a large file need not be read for that.
    if (info.size() != m_size)
        return false;
    return sameContent(read(path));
}
