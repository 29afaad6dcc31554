#include "core/note_colors.h"

#include <QColor>

#include <algorithm>
#include <array>

namespace {

struct Dot
{
    int x;
    int y;
};

struct Shade
{
    int shift;
    std::array<Dot, 6> pixels;
};

// Each dot is a dark, a middle and a light pixel, lit from the top left.
constexpr std::array<Shade, 3> GripShades{{
    {-80, {{{8, 2}, {8, 5}, {8, 8}, {5, 5}, {5, 8}, {2, 8}}}},
    {-60, {{{8, 1}, {8, 4}, {8, 7}, {5, 4}, {5, 7}, {2, 7}}}},
    {-30, {{{7, 2}, {7, 5}, {7, 8}, {4, 5}, {4, 8}, {1, 8}}}},
}};

constexpr int GripSize = 10;

} // namespace

namespace NoteColors {

qint32 ShiftColor(qint32 c, int d)
{
    const auto shift = [d](int channel) {
        const int v = channel + d;
        return d < 0 ? std::max(v, 0) : std::min(v, 255);
    };
    const int r = shift(c & 0xFF);
    const int g = shift((c >> 8) & 0xFF);
    const int b = shift((c >> 16) & 0xFF);
    return r | (g << 8) | (b << 16);
}

QColor toQColor(qint32 c)
{
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

qint32 fromQColor(const QColor &c)
{
    const QColor rgb = c.toRgb();
    return rgb.red() | (rgb.green() << 8) | (rgb.blue() << 16);
}

QImage gripImage(qint32 c)
{
    QImage image(GripSize, GripSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (const Shade &shade : GripShades) {
        const QRgb rgb = toQColor(ShiftColor(c, shade.shift)).rgb();
        for (const Dot &dot : shade.pixels)
            image.setPixel(dot.x, dot.y, rgb);
    }
    return image;
}

} // namespace NoteColors
