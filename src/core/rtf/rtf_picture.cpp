#include "core/rtf/rtf_picture.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

#include <cstring>

namespace Rtf {

namespace {

constexpr int TwipsPerPixel = 15; // at 96 dpi
constexpr int MaxPlaceholderSide = 2048;

bool isEncoded(PictureKind kind) { return kind == PictureKind::Png || kind == PictureKind::Jpeg; }

quint32 le32(const QByteArray &d, qsizetype at)
{
    if (at + 4 > d.size())
        return 0;
    const auto *p = reinterpret_cast<const unsigned char *>(d.constData() + at);
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 le16(const QByteArray &d, qsizetype at)
{
    if (at + 2 > d.size())
        return 0;
    const auto *p = reinterpret_cast<const unsigned char *>(d.constData() + at);
    return quint16(p[0] | p[1] << 8);
}

void appendLe32(QByteArray &out, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        out += char((v >> (8 * i)) & 0xFF);
}

// A \dibitmap holds a BMP file without its file header; Qt reads it with one.
QByteArray bmpFile(const QByteArray &dib)
{
    const quint32 headerSize = le32(dib, 0);
    if (headerSize < 12 || headerSize > quint32(dib.size()))
        return {};
    const int bitCount = headerSize == 12 ? le16(dib, 10) : le16(dib, 14);
    const quint32 compression = headerSize == 12 ? 0 : le32(dib, 16);
    const quint32 used = headerSize == 12 ? 0 : le32(dib, 32);
    const quint32 entries = used != 0 ? used : (bitCount <= 8 ? 1u << bitCount : 0u);
    const quint32 masks = (compression == 3 && headerSize == 40) ? 12 : 0;
    const quint32 entrySize = headerSize == 12 ? 3 : 4;
    QByteArray out("BM");
    appendLe32(out, quint32(14 + dib.size()));
    appendLe32(out, 0);
    appendLe32(out, 14 + headerSize + masks + entries * entrySize);
    out += dib;
    return out;
}

QImage deviceBitmap(const Picture &p)
{
    const int w = p.pixels.width();
    const int h = p.pixels.height();
    const int stride = p.widthBytes;
    if (w <= 0 || h <= 0 || stride <= 0 || qint64(stride) * h > p.data.size())
        return {};
    QImage::Format format = QImage::Format_Invalid;
    switch (p.bitsPerPixel) {
    case 1: format = QImage::Format_Mono; break;
    case 24: format = QImage::Format_BGR888; break;
    case 32: format = QImage::Format_RGB32; break;
    default: return {};
    }
    if (qint64(stride) * 8 < qint64(w) * p.bitsPerPixel)
        return {};
    QImage image(reinterpret_cast<const uchar *>(p.data.constData()), w, h, stride, format);
    if (format == QImage::Format_Mono) {
        image.setColorCount(2);
        image.setColor(0, qRgb(0, 0, 0));
        image.setColor(1, qRgb(255, 255, 255));
    }
    return image.copy();
}

bool canDecode(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    return reader.canRead();
}

QImage placeholder(QSize size)
{
    QImage image(size.boundedTo(QSize(MaxPlaceholderSide, MaxPlaceholderSide)).expandedTo(QSize(8, 8)),
                 QImage::Format_RGB32);
    image.fill(QColor(0xEE, 0xEE, 0xEE));
    QPainter painter(&image);
    painter.setPen(QColor(0x99, 0x99, 0x99));
    const QRect r = image.rect().adjusted(0, 0, -1, -1);
    painter.drawRect(r);
    painter.drawLine(r.topLeft(), r.bottomRight());
    painter.drawLine(r.bottomLeft(), r.topRight());
    return image;
}

QByteArray encoded(const QImage &image, const char *format, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

constexpr qsizetype HexBytesPerLine = 64; // each line of hex ends in CR LF

// One line of a picture's hex: up to HexBytesPerLine bytes from `from`, then
// CR LF, written at `out`; returns where it ends.
char *hexLine(const QByteArray &data, qsizetype from, char *out)
{
    static constexpr char digits[] = "0123456789abcdef";
    const auto *p = reinterpret_cast<const unsigned char *>(data.constData());
    const qsizetype end = qMin(data.size(), from + HexBytesPerLine);
    for (qsizetype k = from; k < end; ++k) {
        *out++ = digits[p[k] >> 4];
        *out++ = digits[p[k] & 15];
    }
    *out++ = '\r';
    *out++ = '\n';
    return out;
}

constexpr qsizetype HexLineBytes = HexBytesPerLine * 2 + 2;

void appendHex(QByteArray &out, const QByteArray &data)
{
    const qsizetype n = data.size();
    out.reserve(out.size() + n * 2 + (n / HexBytesPerLine + 1) * 2);
    char line[HexLineBytes];
    for (qsizetype i = 0; i < n; i += HexBytesPerLine)
        out.append(line, hexLine(data, i, line) - line);
}

} // namespace

QSize Picture::displaySize() const
{
    QSizeF size;
    if (goalTwips.width() > 0 && goalTwips.height() > 0) {
        size = QSizeF(goalTwips) / TwipsPerPixel;
    } else if (pixels.width() > 0 && pixels.height() > 0) {
        const bool metafile = kind == PictureKind::Emf || kind == PictureKind::Wmf || kind == PictureKind::MacPict
            || kind == PictureKind::PmMetafile;
        // a metafile's \picw and \pich are hundredths of a millimetre
        size = metafile && kind != PictureKind::MacPict ? QSizeF(pixels) * 96.0 / 2540.0 : QSizeF(pixels);
    } else {
        size = QSizeF(64, 64);
    }
    size = QSizeF(size.width() * qBound(1, scaleX, 1000) / 100.0, size.height() * qBound(1, scaleY, 1000) / 100.0);
    return QSize(qBound(1, qRound(size.width()), 20000), qBound(1, qRound(size.height()), 20000));
}

static QSize encodedSize(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer).size();
}

QTextImageFormat pictureFormat(QTextDocument &document, const Picture &given)
{
    Picture picture = given;
    if (picture.pixels.isEmpty() && isEncoded(picture.kind))
        picture.pixels = encodedSize(picture.data); // a writer that left out \picw and \pich
    const QSize shown = picture.displaySize();
    QVariant resource;
    switch (picture.kind) {
    case PictureKind::Png:
    case PictureKind::Jpeg:
        // Decoded by the document when it first paints the picture.
        if (canDecode(picture.data))
            resource = picture.data;
        break;
    case PictureKind::Dib: {
        const QByteArray bmp = bmpFile(picture.data);
        if (!bmp.isEmpty() && canDecode(bmp))
            resource = bmp;
        break;
    }
    case PictureKind::WBitmap: {
        const QImage image = deviceBitmap(picture);
        if (!image.isNull())
            resource = image;
        break;
    }
    default:
        break;
    }
    if (!resource.isValid())
        resource = placeholder(shown);

    const QString name = QStringLiteral("rtf-picture:%1-%2-%3x%4")
                             .arg(qHashBits(picture.data.constData(), size_t(picture.data.size())), 0, 16)
                             .arg(int(picture.kind))
                             .arg(shown.width())
                             .arg(shown.height());
    document.addResource(QTextDocument::ImageResource, QUrl(name), resource);

    QTextImageFormat format;
    format.setName(name);
    format.setWidth(shown.width());
    format.setHeight(shown.height());
    format.setProperty(PictureKindProperty, int(picture.kind));
    format.setProperty(PictureDataProperty, picture.data);
    if (!picture.raw.isEmpty())
        format.setProperty(PictureRawProperty, picture.raw);
    format.setProperty(PicturePixelsProperty, picture.pixels);
    format.setProperty(PictureGoalProperty, picture.goalTwips);
    return format;
}

QImage pictureImage(const QTextDocument &document, const QString &name)
{
    const QVariant resource = document.resource(QTextDocument::ImageResource, QUrl(name));
    QImage image = resource.value<QImage>();
    if (image.isNull())
        image.loadFromData(resource.toByteArray());
    return image;
}

Picture pictureOf(const QTextImageFormat &format)
{
    Picture p;
    p.kind = PictureKind(format.intProperty(PictureKindProperty));
    p.data = format.property(PictureDataProperty).toByteArray();
    p.raw = format.property(PictureRawProperty).toByteArray();
    p.pixels = format.property(PicturePixelsProperty).toSize();
    p.goalTwips = format.property(PictureGoalProperty).toSize();
    return p;
}

namespace {

// A picture's group up to its data.
QByteArray pictureStart(const Picture &picture)
{
    QByteArray out;
    out += picture.kind == PictureKind::Png ? "{\\pict\\pngblip" : "{\\pict\\jpegblip";
    out += "\\picw" + QByteArray::number(picture.pixels.width());
    out += "\\pich" + QByteArray::number(picture.pixels.height());
    out += "\\picwgoal" + QByteArray::number(picture.goalTwips.width());
    out += "\\pichgoal" + QByteArray::number(picture.goalTwips.height());
    out += "\r\n";
    return out;
}

} // namespace

bool isPictureRtf(const Picture &picture, QByteArrayView group)
{
    // Compared as it would be written, a line at a time: a picture is
    // megabytes of hex, read at every start.
    if (!isEncoded(picture.kind) || picture.data.isEmpty())
        return false;
    Picture own = picture;
    own.raw.clear();
    if (pictureRtfSize(own) != group.size())
        return false;
    const QByteArray start = pictureStart(own);
    if (!group.startsWith(start) || !group.endsWith('}'))
        return false;
    const char *at = group.data() + start.size();
    char line[HexLineBytes];
    for (qsizetype i = 0; i < picture.data.size(); i += HexBytesPerLine) {
        const qsizetype length = hexLine(picture.data, i, line) - line;
        if (std::memcmp(at, line, size_t(length)) != 0)
            return false;
        at += length;
    }
    return true;
}

QByteArray pictureRtf(const Picture &picture)
{
    if (!picture.raw.isEmpty())
        return picture.raw;
    if (!isEncoded(picture.kind) || picture.data.isEmpty())
        return {};
    QByteArray out = pictureStart(picture);
    appendHex(out, picture.data);
    out += '}';
    return out;
}

qsizetype pictureRtfSize(const Picture &picture)
{
    if (!picture.raw.isEmpty())
        return picture.raw.size();
    if (!isEncoded(picture.kind) || picture.data.isEmpty())
        return 0;
    const qsizetype n = picture.data.size();
    return pictureStart(picture).size() + n * 2 + (n + HexBytesPerLine - 1) / HexBytesPerLine * 2 + 1;
}

Picture pictureFromImage(const QImage &source, int maxLongSide)
{
    QImage image = source;
    if (qMax(image.width(), image.height()) > maxLongSide)
        image = image.scaled(maxLongSide, maxLongSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    Picture p;
    p.pixels = image.size();
    p.goalTwips = image.size() * TwipsPerPixel;
    p.kind = PictureKind::Png;
    p.data = encoded(image, "PNG", -1);
    // Only opaque images may become JPEG: it has no transparency.
    bool opaque = !image.hasAlphaChannel();
    if (!opaque) {
        const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
        opaque = true;
        for (int y = 0; y < argb.height() && opaque; ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
            for (int x = 0; x < argb.width(); ++x)
                if (qAlpha(line[x]) != 255) {
                    opaque = false;
                    break;
                }
        }
    }
    if (opaque) {
        QByteArray jpeg = encoded(image.convertToFormat(QImage::Format_RGB32), "JPEG", 88);
        if (!jpeg.isEmpty() && jpeg.size() * 2 < p.data.size()) {
            p.kind = PictureKind::Jpeg;
            p.data = std::move(jpeg);
        }
    }
    return p;
}

Picture resizedPicture(const Picture &picture, int widthPixels)
{
    if (!isEncoded(picture.kind) || widthPixels <= 0)
        return picture;
    const QSize shown = picture.displaySize();
    Picture p = picture;
    p.raw.clear();
    p.scaleX = p.scaleY = 100;
    const int height = qMax(1, qRound(double(shown.height()) * widthPixels / qMax(1, shown.width())));
    p.goalTwips = QSize(widthPixels, height) * TwipsPerPixel;
    if (p.pixels.isEmpty())
        p.pixels = shown;
    return p;
}

} // namespace Rtf
