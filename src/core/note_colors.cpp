#include "core/note_colors.h"

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

QImage gripImage(Color c)
{
    QImage image(GripSize, GripSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (const Shade &shade : GripShades) {
        const QRgb rgb = c.shifted(shade.shift).toQColor().rgb();
        for (const Dot &dot : shade.pixels)
            image.setPixel(dot.x, dot.y, rgb);
    }
    return image;
}

} // namespace NoteColors
