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

QString ShownPictures::folder() const
{
    if (!m_folder.isEmpty())
        return m_folder;
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    return cache.isEmpty() ? QString() : cache + QStringLiteral("/pictures");
}

QString ShownPictures::entry(const QString &folder, QByteArrayView data, QSize size)
{
    // A cryptographic hash: no other picture's bytes can be made to name
    // this entry.
    const QByteArray hash = QCryptographicHash::hash(data, QCryptographicHash::Blake2b_256).toHex();
    return folder + u'/' + QString::fromLatin1(hash) + u'-' + QString::number(size.width()) + u'x'
        + QString::number(size.height()) + QStringLiteral(".png");
}

QImage ShownPictures::find(QByteArrayView data, QSize size) const
{
    const QString place = folder();
    if (place.isEmpty())
        return {};
    const QString path = entry(place, data, size);
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
    const QString place = folder();
    if (place.isEmpty() || shown.isNull() || !QDir().mkpath(place))
        return;
    QSaveFile file(entry(place, data, shown.size()));
    // little compression: these are written on the way to the screen
    if (file.open(QIODevice::WriteOnly) && shown.save(&file, "PNG", 80) && file.commit())
        trim();
}

void ShownPictures::trim() const
{
    const QFileInfoList entries = QDir(folder()).entryInfoList({QStringLiteral("*.png")}, QDir::Files, QDir::Time);
    qint64 total = 0;
    for (const QFileInfo &info : entries) {
        total += info.size();
        if (total > m_maxBytes)
            QFile::remove(info.filePath()); // newest first: what is left past the limit is the least used
    }
}
