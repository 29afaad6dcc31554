#include "notes/note_pictures.h"

#include "core/note_limits.h"
#include "core/rtf/rtf_picture.h"

#include <QAbstractTextDocumentLayout>
#include <QFileInfo>
#include <QImageReader>
#include <QMimeData>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextList>
#include <QUrl>

#include <utility>
#include <vector>

namespace NotePictures {

namespace {

QImage imageFile(const QUrl &url)
{
    if (!url.isLocalFile())
        return {};
    QImageReader reader(url.toLocalFile());
    reader.setAutoTransform(true);
    return reader.read();
}

bool hasImageFiles(const QMimeData *source)
{
    if (!source->hasUrls())
        return false;
    for (const QUrl &url : source->urls())
        if (!url.isLocalFile() || QImageReader::imageFormat(url.toLocalFile()).isEmpty())
            return false;
    return !source->urls().isEmpty();
}

bool htmlHasImage(const QMimeData *source)
{
    return source->hasHtml() && source->html().contains(QLatin1String("<img"), Qt::CaseInsensitive);
}

// The picture an <img> of pasted HTML names: inline data, a local file, or a
// picture of a note (copied from this program) still in `home`.
QImage htmlImage(const QString &name, const QTextDocument &home)
{
    const QUrl url(name);
    if (url.scheme() == QLatin1String("data")) {
        const QString path = url.path();
        const qsizetype comma = path.indexOf(u',');
        if (comma > 0 && path.left(comma).endsWith(QLatin1String(";base64")))
            return QImage::fromData(QByteArray::fromBase64(path.mid(comma + 1).toLatin1()));
        return {};
    }
    if (url.isLocalFile())
        return imageFile(url);
    return Rtf::pictureImage(home, name);
}

} // namespace

bool offersPicture(const QMimeData *source)
{
    return source && (source->hasImage() || hasImageFiles(source) || htmlHasImage(source));
}

qint64 pictureBytes(const QTextDocument &document)
{
    qint64 bytes = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                bytes += it.fragment().length()
                    * Rtf::pictureRtfSize(Rtf::pictureOf(it.fragment().charFormat().toImageFormat()));
    return bytes;
}

bool insertImage(QTextCursor &cursor, const QImage &image)
{
    if (image.isNull())
        return true;
    const Rtf::Picture picture = Rtf::pictureFromImage(image, MaxLongSide);
    if (pictureBytes(*cursor.document()) + Rtf::pictureRtfSize(picture) > NoteLimits::MaxPictureBytes)
        return false;
    cursor.insertText(QString(QChar::ObjectReplacementCharacter), Rtf::pictureFormat(*cursor.document(), picture));
    return true;
}

Inserted insertPictures(QTextCursor &cursor, const QMimeData *source)
{
    if (!source)
        return Inserted::NothingOffered;
    if (htmlHasImage(source)) {
        // The HTML's text with every image made a picture of the note.
        QTextDocument incoming;
        incoming.setHtml(source->html());
        QTextDocument &home = *cursor.document();
        std::vector<std::pair<int, QString>> images; // position and name, gathered before the text changes
        for (QTextBlock block = incoming.begin(); block.isValid(); block = block.next())
            for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isImageFormat())
                    for (int k = 0; k < it.fragment().length(); ++k)
                        images.emplace_back(it.fragment().position() + k,
                                            it.fragment().charFormat().toImageFormat().name());
        qint64 room = NoteLimits::MaxPictureBytes - pictureBytes(home);
        bool allFitted = true;
        for (auto image = images.rbegin(); image != images.rend(); ++image) {
            QImage picture = htmlImage(image->second, home);
            if (picture.isNull() && images.size() == 1 && source->hasImage())
                picture = qvariant_cast<QImage>(source->imageData()); // a picture copied from another note
            QTextCursor at(&incoming);
            at.setPosition(image->first);
            at.setPosition(image->first + 1, QTextCursor::KeepAnchor);
            if (picture.isNull()) {
                at.removeSelectedText(); // what cannot be fetched is left out
                continue;
            }
            const Rtf::Picture stored = Rtf::pictureFromImage(picture, MaxLongSide);
            const qsizetype size = Rtf::pictureRtfSize(stored);
            if (size > room) {
                at.removeSelectedText();
                allFitted = false;
                continue;
            }
            room -= size;
            at.setCharFormat(Rtf::pictureFormat(home, stored));
        }
        cursor.insertFragment(QTextDocumentFragment(&incoming));
        return allFitted ? Inserted::All : Inserted::NotAll;
    }
    if (source->hasImage())
        return insertImage(cursor, qvariant_cast<QImage>(source->imageData())) ? Inserted::All : Inserted::NotAll;
    if (hasImageFiles(source)) {
        bool allFitted = true;
        for (const QUrl &url : source->urls())
            allFitted = insertImage(cursor, imageFile(url)) && allFitted;
        return allFitted ? Inserted::All : Inserted::NotAll;
    }
    return Inserted::NothingOffered;
}

} // namespace NotePictures

void PictureLayout::installOn(QTextDocument *document)
{
    document->documentLayout()->registerHandler(QTextFormat::ImageObject, this);
}

QSizeF PictureLayout::intrinsicSize(QTextDocument *document, int posInDocument, const QTextFormat &format)
{
    const QTextImageFormat image = format.toImageFormat();
    QSizeF size(image.width(), image.height());
    if (size.width() <= 0 || size.height() <= 0) {
        const QImage decoded = Rtf::pictureImage(*document, image.name());
        size = decoded.isNull() ? QSizeF(16, 16) : QSizeF(decoded.size());
    }
    // The width the text has at this paragraph: no picture sticks out of the note.
    qreal room = document->textWidth() - 2 * document->documentMargin();
    const QTextBlock block = document->findBlock(posInDocument);
    if (block.isValid()) {
        const QTextBlockFormat bf = block.blockFormat();
        room -= bf.leftMargin() + bf.rightMargin() + bf.textIndent() + bf.indent() * document->indentWidth();
        if (block.textList())
            room -= block.textList()->format().indent() * document->indentWidth();
    }
    if (room > 8 && size.width() > room)
        size = QSizeF(room, size.height() * room / size.width());
    return size;
}

void PictureLayout::drawObject(QPainter *painter, const QRectF &rect, QTextDocument *document, int,
                               const QTextFormat &format)
{
    // the size in device pixels, also when the painter scales (printing)
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1;
    const QSizeF device = painter->worldTransform().mapRect(rect).size() * ratio;
    const QImage &image = shownImage(document, format.toImageFormat().name(), device.toSize());
    if (image.isNull())
        return;
    painter->save();
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(rect, image);
    painter->restore();
}

const QImage &PictureLayout::shownImage(QTextDocument *document, const QString &name, QSize size)
{
    // Pictures are stored up to 1,600 pixels wide and shown a note's width:
    // kept decoded at full size and scaled on every paint, twenty of them
    // would cost a hundred MB and the time of the scaling at each repaint.
    Shown &shown = m_shown[name];
    if (shown.size != size || shown.image.isNull()) {
        const QVariant resource = document->resource(QTextDocument::ImageResource, QUrl(name));
        const QByteArray encoded = resource.typeId() == QMetaType::QByteArray ? resource.toByteArray() : QByteArray();
        QImage image = encoded.isEmpty() ? QImage() : m_cache.find(encoded, size);
        if (image.isNull()) {
            image = Rtf::pictureImage(*document, name);
            if (!image.isNull() && size.isValid() && (image.width() > size.width() || image.height() > size.height())) {
                image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                if (!encoded.isEmpty())
                    m_cache.keep(encoded, image);
            }
        }
        shown = {size, image};
    }
    return shown.image;
}
