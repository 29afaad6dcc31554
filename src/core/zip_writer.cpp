#include "core/zip_writer.h"

#include "core/error.h"

#include <QCoreApplication>
#include <QtEndian>

#include <array>
#include <limits>

namespace {

constexpr quint32 LocalHeaderSignature = 0x04034b50;
constexpr quint32 CentralHeaderSignature = 0x02014b50;
constexpr quint32 EndSignature = 0x06054b50;
constexpr quint16 VersionNeeded = 20;      // 2.0: deflate
// Made on Unix: unzip tools then take names as they are (with "MS-DOS" they
// convert them from an old code page) and file modes from the attributes.
constexpr quint16 MadeBy = (3 << 8) | VersionNeeded;
constexpr quint32 RegularFileMode = 0100644u << 16;
constexpr quint16 Utf8NamesFlag = 0x0800;
constexpr quint16 Stored = 0;
constexpr quint16 Deflated = 8;
// qCompress puts a 4-byte length before the zlib stream, and zlib a 2-byte
// header before the raw deflate data and a 4-byte checksum after it.
constexpr int QtLengthPrefix = 4;
constexpr int ZlibHeader = 2;
constexpr int ZlibTrailer = 4;

class Bytes
{
public:
    Bytes &u16(quint16 value)
    {
        char raw[2];
        qToLittleEndian(value, raw);
        m_bytes.append(raw, 2);
        return *this;
    }
    Bytes &u32(quint32 value)
    {
        char raw[4];
        qToLittleEndian(value, raw);
        m_bytes.append(raw, 4);
        return *this;
    }
    Bytes &raw(const QByteArray &bytes)
    {
        m_bytes.append(bytes);
        return *this;
    }
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};

// MS-DOS time and date as the format keeps them (2-second steps, from 1980).
quint16 dosTime(const QTime &time)
{
    return quint16((time.hour() << 11) | (time.minute() << 5) | (time.second() / 2));
}

quint16 dosDate(const QDate &date)
{
    const int year = std::max(date.year(), 1980);
    return quint16(((year - 1980) << 9) | (date.month() << 5) | date.day());
}

QByteArray rawDeflate(const QByteArray &data)
{
    const QByteArray zlib = qCompress(data, 9);
    if (zlib.size() < QtLengthPrefix + ZlibHeader + ZlibTrailer)
        return {};
    return zlib.mid(QtLengthPrefix + ZlibHeader, zlib.size() - QtLengthPrefix - ZlibHeader - ZlibTrailer);
}

[[noreturn]] void tooLarge()
{
    throw PaperletError(QCoreApplication::translate("ZipWriter", "The archive would be too large."));
}

} // namespace

ZipWriter::ZipWriter(QIODevice &out)
    : m_out(out)
{
}

quint32 ZipWriter::crc32(const QByteArray &data)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 crc = 0xFFFFFFFFu;
    for (const char byte : data)
        crc = table[(crc ^ quint8(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

void ZipWriter::write(const QByteArray &bytes)
{
    if (m_out.write(bytes) != bytes.size())
        throw PaperletError(QCoreApplication::translate("ZipWriter", "The archive cannot be written: %1").arg(m_out.errorString()));
    m_offset += quint64(bytes.size());
}

void ZipWriter::add(const QString &name, const QByteArray &data, const QDateTime &modified)
{
    constexpr quint64 Limit = std::numeric_limits<quint32>::max();
    if (m_finished || quint64(data.size()) >= Limit || m_offset >= Limit || m_entries.size() >= 0xFFFF)
        tooLarge();
    Entry entry;
    entry.name = name.toUtf8();
    entry.crc = crc32(data);
    entry.size = quint32(data.size());
    const QDateTime local = modified.isValid() ? modified.toLocalTime() : QDateTime::currentDateTime();
    entry.time = dosTime(local.time());
    entry.date = dosDate(local.date());
    entry.offset = quint32(m_offset);
    QByteArray body = rawDeflate(data);
    if (body.isEmpty() || body.size() >= data.size()) {
        body = data;
        entry.method = Stored;
    } else {
        entry.method = Deflated;
    }
    entry.compressedSize = quint32(body.size());
    Bytes header;
    header.u32(LocalHeaderSignature).u16(VersionNeeded).u16(Utf8NamesFlag).u16(entry.method).u16(entry.time)
        .u16(entry.date).u32(entry.crc).u32(entry.compressedSize).u32(entry.size).u16(quint16(entry.name.size()))
        .u16(0).raw(entry.name);
    write(header.bytes());
    write(body);
    m_entries.append(entry);
}

void ZipWriter::finish()
{
    if (m_finished)
        return;
    const quint64 start = m_offset;
    for (const Entry &entry : std::as_const(m_entries)) {
        Bytes central;
        central.u32(CentralHeaderSignature).u16(MadeBy).u16(VersionNeeded).u16(Utf8NamesFlag)
            .u16(entry.method).u16(entry.time).u16(entry.date).u32(entry.crc).u32(entry.compressedSize)
            .u32(entry.size).u16(quint16(entry.name.size())).u16(0).u16(0).u16(0).u16(0).u32(RegularFileMode)
            .u32(entry.offset).raw(entry.name);
        write(central.bytes());
    }
    const quint64 size = m_offset - start;
    if (m_offset >= std::numeric_limits<quint32>::max())
        tooLarge();
    Bytes end;
    end.u32(EndSignature).u16(0).u16(0).u16(quint16(m_entries.size())).u16(quint16(m_entries.size()))
        .u32(quint32(size)).u32(quint32(start)).u16(0);
    write(end.bytes());
    m_finished = true;
}
