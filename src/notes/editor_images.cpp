#include "notes/editor_images.h"

#include "framework/image_list.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor Ink(0x30, 0x30, 0x30);
const QColor Paper(Qt::white);
const QColor PaperEdge(0x70, 0x78, 0x88);
const QColor Accent(0x2A, 0x5C, 0xB8);
const QColor Danger(0xD0, 0x20, 0x20);
const QColor NoteYellow(0xFF, 0xE8, 0x5C);
const QColor NoteEdge(0xC8, 0xA0, 0x20);

void paintLetter(QPainter &p, const QString &letter, bool bold, bool italic, qreal top = 1, qreal height = 11)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(64);
    font.setBold(bold);
    font.setItalic(italic);
    QPainterPath path;
    path.addText(0, 0, font, letter);
    // Fit the glyph into the box regardless of which font the system offers.
    const QRectF box = path.boundingRect();
    const qreal scale = height / box.height();
    QTransform t;
    t.translate(8 - box.center().x() * scale, top - box.top() * scale);
    t.scale(scale, scale);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawPath(t.map(path));
}

void paintLines(QPainter &p, Qt::Alignment align)
{
    p.setPen(QPen(Ink, 1.2));
    const qreal widths[] = {12, 8, 12, 6};
    for (int i = 0; i < 4; ++i) {
        const qreal w = widths[i];
        qreal x = 2;
        if (align & Qt::AlignRight)
            x = 14 - w;
        else if (align & Qt::AlignHCenter)
            x = 8 - w / 2;
        const qreal y = 3.5 + i * 3;
        p.drawLine(QPointF(x, y), QPointF(x + w, y));
    }
}

void paintPage(QPainter &p, const QRectF &r)
{
    p.setPen(QPen(PaperEdge, 1));
    p.setBrush(Paper);
    p.drawRect(r);
    p.setPen(QPen(QColor(0xA0, 0xA8, 0xB8), 0.8));
    for (qreal y = r.top() + 2.5; y < r.bottom() - 1; y += 2)
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

void paintUndo(QPainter &p)
{
    QPainterPath arc;
    arc.moveTo(4, 7);
    arc.cubicTo(7, 3, 14, 4, 13, 10);
    arc.cubicTo(12.5, 12, 11, 13, 9, 13.5);
    p.setPen(QPen(Accent, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);
    QPainterPath head;
    head.moveTo(1.5, 3);
    head.lineTo(7, 9);
    head.lineTo(1.5, 9.5);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    p.drawPath(head);
}

void paintCut(QPainter &p)
{
    p.setPen(QPen(Ink, 1.3));
    p.drawLine(QPointF(4.5, 1.5), QPointF(10, 10));
    p.drawLine(QPointF(11.5, 1.5), QPointF(6, 10));
    p.setPen(QPen(Danger, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
    p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
}

void paintCopy(QPainter &p)
{
    paintPage(p, QRectF(1.5, 1.5, 8, 10));
    paintPage(p, QRectF(6.5, 4.5, 8, 10));
}

void paintPaste(QPainter &p)
{
    p.setPen(QPen(QColor(0x80, 0x58, 0x20), 1));
    p.setBrush(QColor(0xC8, 0x90, 0x48));
    p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1, 1);
    p.setBrush(QColor(0x90, 0x90, 0x90));
    p.drawRect(QRectF(4, 1, 5, 3));
    paintPage(p, QRectF(6.5, 6.5, 8, 8));
}

void paintDelete(QPainter &p)
{
    p.setPen(QPen(Danger, 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

void paintPrint(QPainter &p)
{
    paintPage(p, QRectF(4.5, 1.5, 7, 6));
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(0xB8, 0xB8, 0xC0));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
    p.setBrush(Paper);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0xB0, 0x30));
    p.drawRect(QRectF(11.5, 8, 1.5, 1.5));
}

void paintFontColor(QPainter &p)
{
    paintLetter(p, QStringLiteral("A"), true, false, 0.5, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(Danger);
    p.drawRect(QRectF(1.5, 12, 13, 3));
}

void paintBullets(QPainter &p, bool numbered)
{
    p.setPen(QPen(Ink, 1.2));
    for (int i = 0; i < 3; ++i) {
        const qreal y = 3.5 + i * 4.5;
        p.drawLine(QPointF(6.5, y), QPointF(14.5, y));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Accent);
    for (int i = 0; i < 3; ++i) {
        const qreal y = 3.5 + i * 4.5;
        if (numbered)
            p.drawRect(QRectF(1.5 + (i == 0 ? 1 : 0), y - 1.8, i == 0 ? 1.2 : 2.6, 3.6));
        else
            p.drawEllipse(QPointF(3, y), 1.6, 1.6);
    }
}

void paintStrikeout(QPainter &p)
{
    paintLetter(p, QStringLiteral("S"), false, false, 2, 12);
    p.setPen(QPen(Danger, 1.5));
    p.drawLine(QPointF(1.5, 8.5), QPointF(14.5, 8.5));
}

void paintUnderline(QPainter &p)
{
    paintLetter(p, QStringLiteral("U"), false, false, 1, 10);
    p.setPen(QPen(Ink, 1.4));
    p.drawLine(QPointF(3, 14), QPointF(13, 14));
}

void paintFont(QPainter &p)
{
    paintLetter(p, QStringLiteral("A"), false, false, 1.5, 13);
    p.setPen(QPen(Accent, 1.2));
    p.drawLine(QPointF(1, 14.5), QPointF(15, 14.5));
}

void paintNewNote(QPainter &p)
{
    p.setPen(QPen(NoteEdge, 1));
    p.setBrush(NoteYellow);
    p.drawRect(QRectF(1.5, 2.5, 11, 11));
    p.setPen(QPen(NoteEdge, 0.8));
    p.drawLine(QPointF(3.5, 6), QPointF(10, 6));
    p.drawLine(QPointF(3.5, 8.5), QPointF(10, 8.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x20, 0x90, 0x20));
    p.drawRect(QRectF(11, 7, 2, 8));
    p.drawRect(QRectF(8, 10, 8, 2));
}

void paintSendMail(QPainter &p)
{
    p.setPen(QPen(PaperEdge, 1));
    p.setBrush(Paper);
    p.drawRect(QRectF(1.5, 3.5, 13, 9));
    QPainterPath flap;
    flap.moveTo(1.5, 3.5);
    flap.lineTo(8, 9);
    flap.lineTo(14.5, 3.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Accent, 1.1));
    p.drawPath(flap);
}

void paintImage(QPainter &p, int index)
{
    switch (index) {
    case EditorImages::Undo: paintUndo(p); break;
    case EditorImages::Cut: paintCut(p); break;
    case EditorImages::Copy: paintCopy(p); break;
    case EditorImages::Paste: paintPaste(p); break;
    case EditorImages::Delete: paintDelete(p); break;
    case EditorImages::Print: paintPrint(p); break;
    case EditorImages::Underline: paintUnderline(p); break;
    case EditorImages::Bold: paintLetter(p, QStringLiteral("B"), true, false, 2, 12); break;
    case EditorImages::Italic: paintLetter(p, QStringLiteral("I"), false, true, 2, 12); break;
    case EditorImages::FontColor: paintFontColor(p); break;
    case EditorImages::Center: paintLines(p, Qt::AlignHCenter); break;
    case EditorImages::LeftJustify: paintLines(p, Qt::AlignLeft); break;
    case EditorImages::RightJustify: paintLines(p, Qt::AlignRight); break;
    case EditorImages::Bullets: paintBullets(p, false); break;
    case EditorImages::Numbering: paintBullets(p, true); break;
    case EditorImages::Strikeout: paintStrikeout(p); break;
    case EditorImages::Font: paintFont(p); break;
    case EditorImages::NewNote: paintNewNote(p); break;
    case EditorImages::SendMail: paintSendMail(p); break;
    default: break;
    }
}

} // namespace

QImage EditorImages::image(int index, int size)
{
    // Every note has the same pictures: paint each once and share it (QImage
    // is implicitly shared), which saves start-up time and memory per note.
    // Only the GUI thread draws menus.
    static QHash<quint64, QImage> painted;
    const quint64 key = (quint64(quint32(index)) << 32) | quint32(size);
    if (const auto it = painted.constFind(key); it != painted.constEnd())
        return *it;
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    paintImage(p, index);
    p.end();
    painted.insert(key, img);
    return img;
}

QIcon EditorImages::icon(int index)
{
    QIcon icon;
    for (int size : {16, 32})
        icon.addPixmap(QPixmap::fromImage(image(index, size)));
    return icon;
}

void EditorImages::fill(ImageList &list)
{
    for (int i = 0; i < Count; ++i)
        list.add(image(i, list.width()));
}
