#pragma once

#include "notes/shown_pictures.h"

#include <QHash>
#include <QImage>
#include <QObject>
#include <QTextObjectInterface>

class QMimeData;
class QTextCursor;
class QTextDocument;

// Pictures in a note's text: how they are laid out (never wider than the
// note), and how pasted or dropped images become pictures of the note.
namespace NotePictures {

// The long side, in pixels, that a picture put into a note is scaled down
// to. A full-HD screenshot keeps a readable size at 1600 pixels, and the
// stored picture stays a few hundred kilobytes of hex, small enough for sync
// tools to carry a note as one file without trouble.
constexpr int MaxLongSide = 1600;

// The preset widths a picture can be given, in percent of the note's width;
// 0 stands for the picture's own size.
constexpr int PresetPercents[] = {100, 50, 25, 0};

// Whether the clipboard or a drop offers a picture: an image, image files,
// or HTML with an image in it.
bool offersPicture(const QMimeData *source);

// What the note's file gives to the pictures of `document`.
qint64 pictureBytes(const QTextDocument &document);

enum class Inserted {
    NothingOffered,
    All,
    NotAll, // pictures that would take the note's pictures past NoteLimits::MaxPictureBytes were left out
};

// Inserts the pictures `source` offers at the cursor (with the text around
// them when it is HTML), each only while the note has room for it.
Inserted insertPictures(QTextCursor &cursor, const QMimeData *source);

// Inserts one image as a picture of the note at the cursor; false when the
// note has no room left for it.
bool insertImage(QTextCursor &cursor, const QImage &image);

} // namespace NotePictures

// Lays out the note's pictures at their stored size, scaled down to the width
// of the text when they are wider; draws them from the document's resources.
class PictureLayout final : public QObject, public QTextObjectInterface
{
    Q_OBJECT
    Q_INTERFACES(QTextObjectInterface)
public:
    explicit PictureLayout(QObject *parent) : QObject(parent) {}

    // Becomes the image handler of `document`'s layout. One handler serves
    // every document of a view: its pictures are named after their bytes.
    void installOn(QTextDocument *document);

    QSizeF intrinsicSize(QTextDocument *document, int posInDocument, const QTextFormat &format) override;
    void drawObject(QPainter *painter, const QRectF &rect, QTextDocument *document, int posInDocument,
                    const QTextFormat &format) override;

private:
    // The picture `name` as drawn at `size` device pixels.
    const QImage &shownImage(QTextDocument *document, const QString &name, QSize size);

    struct Shown
    {
        QSize size;
        QImage image; // no larger than size: a note keeps its pictures at the size they show
    };
    QHash<QString, Shown> m_shown; // by resource name: decoded and scaled once for each size drawn
    const ShownPictures m_cache;    // and kept between runs
};
