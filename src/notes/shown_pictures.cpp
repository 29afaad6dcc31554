#include "notes/shown_pictures.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <utility>

ShownPictures::ShownPictures(QString folder, qint64 maxBytes)
    : m_folder(std::move(folder))
    , m_maxBytes(maxBytes)
{
}

ShownPictures::ShownPictures()
    : ShownPictures(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/pictures"),
                    DefaultMaxBytes)
{
}

QString ShownPictures::entry(QByteArrayView data, QSize size) const
{
    // A cryptographic hash: no other picture's bytes can be made to name
    // this entry.
    const QByteArray hash = QCryptographicHash::hash(data, QCryptographicHash::Blake2b_256).toHex();
    return m_folder + u'/' + QString::fromLatin1(hash) + u'-' + QString::number(size.width()) + u'x'
        + QString::number(size.height()) + QStringLiteral(".png");
}

QImage ShownPictures::find(QByteArrayView data, QSize size) const
{
    if (m_folder.isEmpty())
        return {};
    const QString path = entry(data, size);
    QImage image(path, "PNG");
    if (image.size() != size)
        return {};
    // used now: the last to go when the cache is trimmed
    QFile file(path);
    if (file.open(QIODevice::ReadWrite))
        file.setFileTime(QDateTime::currentDateTimeUtc(), QFileDevice::FileModificationTime);
    return image;
}

void ShownPictures::keep(QByteArrayView data, const QImage &shown) const
{
    if (m_folder.isEmpty() || shown.isNull() || !QDir().mkpath(m_folder))
        return;
    QSaveFile file(entry(data, shown.size()));
    // little compression: these are written on the way to the screen
    if (file.open(QIODevice::WriteOnly) && shown.save(&file, "PNG", 80) && file.commit())
        trim();
}

void ShownPictures::trim() const
{
    const QFileInfoList entries = QDir(m_folder).entryInfoList({QStringLiteral("*.png")}, QDir::Files, QDir::Time);
    qint64 total = 0;
    for (const QFileInfo &info : entries) {
        total += info.size();
        if (total > m_maxBytes)
            QFile::remove(info.filePath()); // newest first: what is left past the limit is the least used
    }
}
