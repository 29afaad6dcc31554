#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QSize>
#include <QTextFormat>
#include <QTextImageFormat>

class QImage;
class QTextDocument;

// Pictures inside RTF: what a \pict group holds, how it shows in a
// QTextDocument and how it is written again. GUI-free.
namespace Rtf {

enum class PictureKind : int { None = 0, Png, Jpeg, Emf, Wmf, MacPict, PmMetafile, Dib, WBitmap };

struct Picture
{
    PictureKind kind = PictureKind::None;
    QByteArray data; // the picture's bytes as stored (\bin or hex decoded)
    QSize pixels; // \picw, \pich
    QSize goalTwips; // \picwgoal, \pichgoal: the size it shows at
    int scaleX = 100; // \picscalex, \picscaley
    int scaleY = 100;
    int bitsPerPixel = 0; // \wbmbitspixel of a \wbitmap
    int widthBytes = 0; // \wbmwidthbytes of a \wbitmap
    // The group(s) as read from another writer, written back unchanged so
    // that a save never loses what this program cannot show; empty for
    // pictures made here.
    QByteArray raw;

    // The size it shows at, in pixels at 96 dpi.
    QSize displaySize() const;
};

// Properties of the QTextImageFormat of a picture.
enum PictureProperty : int {
    PictureKindProperty = QTextFormat::UserProperty + 0x700,
    PictureDataProperty,
    PictureRawProperty,
    PicturePixelsProperty,
    PictureGoalProperty,
};

// Registers the picture as a resource of `document` and returns the format
// of the character that shows it. Pictures Qt cannot decode (metafiles,
// unknown data) show as a framed placeholder of their size.
QTextImageFormat pictureFormat(QTextDocument &document, const Picture &picture);

// The picture behind an image format (kind None when it has none).
Picture pictureOf(const QTextImageFormat &format);

// The image a document's picture resource `name` holds (decoded when it is
// stored as data); null when there is none.
QImage pictureImage(const QTextDocument &document, const QString &name);

// The RTF group of a picture: its raw group when it has one, otherwise
// {\pict\pngblip (or \jpegblip)\picwN\pichN\picwgoalN\pichgoalN hex}.
QByteArray pictureRtf(const Picture &picture);

// Whether `group` is what pictureRtf() writes for the picture from its data
// (its raw group left aside): such a group need not be kept as well.
bool isPictureRtf(const Picture &picture, QByteArrayView group);

// How many bytes pictureRtf() gives for the picture, without writing it.
qsizetype pictureRtfSize(const Picture &picture);

// A picture for an image put into a note: scaled down so that its long side
// is at most `maxLongSide` pixels, stored as PNG, or as JPEG when the image is
// opaque and JPEG is less than half the size (photographs). Shown at its
// pixel size.
Picture pictureFromImage(const QImage &image, int maxLongSide);

// The picture with a new width in pixels (height kept in proportion); only
// pictures this program can encode (PNG, JPEG) lose their raw group.
Picture resizedPicture(const Picture &picture, int widthPixels);

} // namespace Rtf
