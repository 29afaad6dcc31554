#include "theme/tray_images.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace {

const QColor NoteYellow(0xFF, 0xE8, 0x5C);
const QColor NoteEdge(0xC8, 0xA0, 0x20);
const QColor NoteFold(0xE8, 0xC8, 0x40);

// A sticky note in a 16 x 16 design grid, with its lower-left corner turned up.
void paintNote(QPainter &p)
{
    QPainterPath body;
    body.moveTo(2, 1.5);
    body.lineTo(14.5, 1.5);
    body.lineTo(14.5, 14.5);
    body.lineTo(6, 14.5);
    body.lineTo(1.5, 10);
    body.lineTo(1.5, 2);
    body.closeSubpath();
    p.setPen(QPen(NoteEdge, 1));
    p.setBrush(NoteYellow);
    p.drawPath(body);
    QPainterPath fold;
    fold.moveTo(1.5, 10);
    fold.lineTo(6, 10);
    fold.lineTo(6, 14.5);
    fold.closeSubpath();
    p.setBrush(NoteFold);
    p.drawPath(fold);
    p.setPen(QPen(NoteEdge, 0.8));
    for (qreal y : {5.0, 7.5})
        p.drawLine(QPointF(4, y), QPointF(12.5, y));
}

void paintPlus(QPainter &p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawRect(QRectF(7, 3, 2.2, 10));
    p.drawRect(QRectF(3, 7, 10, 2.2));
}

void paintSettingsWindow(QPainter &p)
{
    p.setPen(QPen(QColor(0x40, 0x50, 0x70), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 2.5, 11, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x60, 0xC0));
    p.drawRect(QRectF(2, 3, 10, 2.5));
    // The pencil across the window.
    p.save();
    p.translate(10, 10);
    p.rotate(-45);
    p.setBrush(NoteYellow);
    p.setPen(QPen(NoteEdge, 0.8));
    p.drawRect(QRectF(-5, -1.4, 8.5, 2.8));
    p.setBrush(QColor(0xF0, 0xC0, 0xA0));
    QPainterPath tip;
    tip.moveTo(-5, -1.4);
    tip.lineTo(-7.5, 0);
    tip.lineTo(-5, 1.4);
    tip.closeSubpath();
    p.drawPath(tip);
    p.restore();
}

void paintNoteSparkle(QPainter &p)
{
    paintNote(p);
    QPainterPath star;
    const QPointF c(3.5, 3.5);
    for (int i = 0; i < 8; ++i) {
        const qreal r = (i % 2 == 0) ? 3.4 : 1.0;
        const qreal a = i * 3.14159265358979 / 4;
        const QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
        i == 0 ? star.moveTo(pt) : star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(0xFF, 0xA0, 0x00), 0.6));
    p.setBrush(Qt::white);
    p.drawPath(star);
}

// The usual information sign: a white "i" on a blue disc, drawn without a
// font so that it looks the same everywhere.
void paintInformation(QPainter &p)
{
    p.setPen(QPen(QColor(0x1A, 0x4F, 0x9C), 0.8));
    p.setBrush(QColor(0x2F, 0x6F, 0xD0));
    p.drawEllipse(QPointF(8, 8), 7.1, 7.1);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(8, 4.6), 1.25, 1.25);
    p.drawRoundedRect(QRectF(6.9, 6.6, 2.2, 6.4), 0.5, 0.5);
}

class PaintedIconEngine final : public QIconEngine
{
public:
    explicit PaintedIconEngine(int index) : m_index(index) {}

    // The pictures are square. Given another shape (at 2x, Qt asks a tray
    // 22 pixels high for an icon window twice as wide), they take the
    // largest square in its middle instead of stretching.
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        return {side, side};
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        const int side = qMin(rect.width(), rect.height());
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        // On whole device pixels, or every edge blurs.
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const auto middle = [ratio](int room) { return std::round(room * ratio / 2) / ratio; };
        painter->translate(rect.x() + middle(rect.width() - side), rect.y() + middle(rect.height() - side));
        painter->scale(side / 16.0, side / 16.0);
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.4);
        switch (m_index) {
        case TrayImages::Note: paintNote(*painter); break;
        case TrayImages::Plus: paintPlus(*painter); break;
        case TrayImages::SettingsWindow: paintSettingsWindow(*painter); break;
        case TrayImages::NoteSparkle: paintNoteSparkle(*painter); break;
        case TrayImages::Information: paintInformation(*painter); break;
        default: break;
        }
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pm(size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paint(&p, QRect(QPoint(0, 0), size), mode, state);
        return pm;
    }

    // Tray protocols that ship pixmaps (StatusNotifierItem) ask for these.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(22, 22), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }

    QIconEngine *clone() const override { return new PaintedIconEngine(m_index); }

private:
    int m_index;
};

} // namespace

QIcon TrayImages::icon(int index)
{
    return QIcon(new PaintedIconEngine(index));
}
