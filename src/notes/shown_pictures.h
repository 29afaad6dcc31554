#pragma once

#include <QByteArrayView>
#include <QImage>
#include <QSize>
#include <QString>

// Pictures as notes show them, scaled down, kept between runs in the user's
// cache folder. Decoding a pasted screenshot takes longer than starting a
// dozen notes; its shown copy is a few kilobytes and reads in a fraction of
// that. Entries are named after their picture's bytes and size, so a stale
// entry is never found; a damaged one is made again.
class ShownPictures
{
public:
    // The cache in `folder`, kept under `maxBytes` by dropping the entries
    // longest unused.
    ShownPictures(QString folder, qint64 maxBytes);
    // The user's cache folder, looked up when a picture is first drawn.
    ShownPictures() = default;

    // The picture encoded as `data`, as kept at `size` device pixels; null
    // when it is not kept (or its entry is unreadable).
    QImage find(QByteArrayView data, QSize size) const;
    // Keeps `shown`, the picture encoded as `data` at its size. A cache
    // that cannot be written is no fault: the picture is decoded next time.
    void keep(QByteArrayView data, const QImage &shown) const;

    static constexpr qint64 DefaultMaxBytes = 64 * 1024 * 1024;

private:
    QString folder() const;
    static QString entry(const QString &folder, QByteArrayView data, QSize size);
    void trim() const;

    QString m_folder; // empty: the user's cache folder
    qint64 m_maxBytes = DefaultMaxBytes;
};
