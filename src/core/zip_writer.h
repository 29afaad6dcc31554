#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QIODevice>
#include <QString>

// Writes a .zip archive (PKWARE's format, no encryption, no ZIP64): each
// file deflated with Qt's zlib, or stored when that does not make it
// smaller. Names are UTF-8 with "/" between folders. Enough for a backup
// that any unzip tool opens.
class ZipWriter
{
public:
    // Writes into `out`, which must be open for writing and stay so until finish().
    explicit ZipWriter(QIODevice &out);

    // Adds one file; throws PaperletError when the device fails or the
    // archive would exceed the format's 4 GiB limits.
    void add(const QString &name, const QByteArray &data, const QDateTime &modified);
    // Writes the central directory; nothing can be added afterwards.
    void finish();

    // The CRC-32 of the format (the one of zlib and PNG).
    static quint32 crc32(const QByteArray &data);

private:
    struct Entry
    {
        QByteArray name;
        quint32 crc = 0;
        quint32 compressedSize = 0;
        quint32 size = 0;
        quint16 method = 0;
        quint16 time = 0;
        quint16 date = 0;
        quint32 offset = 0;
    };

    void write(const QByteArray &bytes);

    QIODevice &m_out;
    QList<Entry> m_entries;
    quint64 m_offset = 0;
    bool m_finished = false;
};
