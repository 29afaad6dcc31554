#include "theme/gradients.h"

#include "framework/canvas.h"
#include "framework/system_metrics.h"

#include <QPainter>

#include <algorithm>

namespace {

struct Rgb
{
    int r, g, b;
};

Rgb channels(Color c)
{
    const Color rgb = c.resolved(sysColor);
    return {rgb.red(), rgb.green(), rgb.blue()};
}

Color clampedRgb(int r, int g, int b)
{
    return Color::rgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
}

// start + (end - start) * i / n, channel by channel, truncating.
Color step(const Rgb &s, const Rgb &e, int i, int n)
{
    return clampedRgb(s.r + (e.r - s.r) * i / n, s.g + (e.g - s.g) * i / n, s.b + (e.b - s.b) * i / n);
}

// Line `i` of the rectangle across the gradient direction.
Rect lineOf(const Rect &r, int i, Qt::Orientation direction)
{
    return direction == Qt::Vertical ? Rect{r.left, r.top + i, r.right, r.top + i + 1}
                                    : Rect{r.left + i, r.top, r.left + i + 1, r.bottom};
}

} // namespace

void GradientFill(QPainter &canvas, const Rect &rect, Color startColor, Color endColor, Qt::Orientation direction)
{
    const int n = direction == Qt::Vertical ? rect.height() : rect.width();
    if (n < 1 || rect.isEmpty())
        return;
    const Rgb s = channels(startColor), e = channels(endColor);
    for (int i = 1; i <= n; ++i)
        Canvas::fillRect(canvas, lineOf(rect, i - 1, direction), step(s, e, i, n));
}

Color MixColors(Color c1, Color c2, int weight)
{
    const Rgb a = channels(c1), b = channels(c2);
    const int d = weight < 100 ? 100 : 1000;
    const auto mix = [&](int x, int y) { return ((x * weight + y * (d - weight) + d / 2) / d) & 0xFF; };
    return Color::rgb(mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b));
}
