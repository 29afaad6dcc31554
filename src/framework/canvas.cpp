#include "framework/canvas.h"

#include "framework/system_metrics.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

namespace Canvas {

void fillRect(QPainter &p, const Rect &r, Color c)
{
    if (c.isNone() || r.isEmpty())
        return;
    p.fillRect(r.toQRect(), c.resolved(sysColor).toQColor());
}

void frameRectConst(QPainter &p, const Rect &r, Color c)
{
    if (c.isNone() || r.isEmpty())
        return;
    const QColor q = c.resolved(sysColor).toQColor();
    p.fillRect(QRect(r.left, r.top, r.width(), 1), q);
    p.fillRect(QRect(r.left, r.bottom - 1, r.width(), 1), q);
    p.fillRect(QRect(r.left, r.top, 1, r.height()), q);
    p.fillRect(QRect(r.right - 1, r.top, 1, r.height()), q);
}

void frameRect(QPainter &p, Rect &r, Color c)
{
    frameRectConst(p, r, c);
    r = r.inflated(-1, -1);
}

void setPixel(QPainter &p, int x, int y, Color c)
{
    if (!c.isNone())
        p.fillRect(QRect(x, y, 1, 1), c.resolved(sysColor).toQColor());
}

void line(QPainter &p, int x1, int y1, int x2, int y2, Color c)
{
    if (c.isNone())
        return;
    const QColor q = c.resolved(sysColor).toQColor();
    if (y1 == y2) {
        if (x1 != x2)
            p.fillRect(x1 < x2 ? QRect(x1, y1, x2 - x1, 1) : QRect(x2 + 1, y1, x1 - x2, 1), q);
        return;
    }
    if (x1 == x2) {
        p.fillRect(y1 < y2 ? QRect(x1, y1, 1, y2 - y1) : QRect(x1, y2 + 1, 1, y1 - y2), q);
        return;
    }
    // Bresenham, stopping one step before the end point.
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1, y = y1;
    while (x != x2 || y != y2) {
        p.fillRect(QRect(x, y, 1, 1), q);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void polyline(QPainter &p, std::initializer_list<QPoint> points, Color c)
{
    const QPoint *prev = nullptr;
    for (const QPoint &pt : points) {
        if (prev)
            line(p, prev->x(), prev->y(), pt.x(), pt.y(), c);
        prev = &pt;
    }
}

void fillTriangle(QPainter &p, QPoint a, QPoint b, QPoint c, Color color)
{
    if (color.isNone())
        return;
    const auto edge = [](QPoint u, QPoint v, int x, int y) {
        return (v.x() - u.x()) * (y - u.y()) - (v.y() - u.y()) * (x - u.x());
    };
    const int area = edge(a, b, c.x(), c.y());
    if (area == 0)
        return;
    const int left = std::min({a.x(), b.x(), c.x()}), right = std::max({a.x(), b.x(), c.x()});
    const int top = std::min({a.y(), b.y(), c.y()}), bottom = std::max({a.y(), b.y(), c.y()});
    const QColor q = color.resolved(sysColor).toQColor();
    for (int y = top; y <= bottom; ++y) {
        int from = right + 1, to = left - 1;
        for (int x = left; x <= right; ++x) {
            int e0 = edge(a, b, x, y), e1 = edge(b, c, x, y), e2 = edge(c, a, x, y);
            if (area < 0) {
                e0 = -e0;
                e1 = -e1;
                e2 = -e2;
            }
            if (e0 >= 0 && e1 >= 0 && e2 >= 0) {
                from = std::min(from, x);
                to = std::max(to, x);
            }
        }
        if (from <= to)
            p.fillRect(QRect(from, y, to - from + 1, 1), q);
    }
}

} // namespace Canvas
