#include "theme/gradients.h"

#include "framework/canvas.h"
#include "theme/system_gradient.h"

#include <QPainter>

#include <algorithm>

namespace {

struct Rgb
{
    int r, g, b;
};

Rgb channels(TColor c)
{
    const TColor rgb = ColorToRGB(c);
    return {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
}

TColor clampedRgb(int r, int g, int b)
{
    return RGBColor(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
}

// start + (end - start) * i / n, channel by channel, truncating.
TColor step(const Rgb &s, const Rgb &e, int i, int n)
{
    return clampedRgb(s.r + (e.r - s.r) * i / n, s.g + (e.g - s.g) * i / n, s.b + (e.b - s.b) * i / n);
}

// Line `i` of the rectangle across the gradient direction.
TRect lineOf(const TRect &r, int i, TGradDir direction)
{
    return direction == tgTopBottom ? TRect{r.Left, r.Top + i, r.Right, r.Top + i + 1}
                                    : TRect{r.Left + i, r.Top, r.Left + i + 1, r.Bottom};
}

} // namespace

void GradientFill(QPainter &canvas, const TRect &rect, TColor startColor, TColor endColor, TGradDir direction)
{
    const int n = direction == tgTopBottom ? rect.Height() : rect.Width();
    if (n < 1 || rect.IsEmpty())
        return;
    const Rgb s = channels(startColor), e = channels(endColor);
    for (int i = 1; i <= n; ++i)
        Canvas::FillRect(canvas, lineOf(rect, i - 1, direction), step(s, e, i, n));
}

bool GradientFill(void *deviceContext, const TRect &rect, TColor startColor, TColor endColor, TGradDir direction)
{
    const Rgb s = channels(startColor), e = channels(endColor);
    const TTriVertex vertices[2] = {
        {rect.Left, rect.Top, std::uint16_t(s.r << 8), std::uint16_t(s.g << 8), std::uint16_t(s.b << 8), 0},
        {rect.Right, rect.Bottom, std::uint16_t(e.r << 8), std::uint16_t(e.g << 8), std::uint16_t(e.b << 8), 0},
    };
    const TGradientRect mesh{0, 1};
    return GradientFillWin(deviceContext, vertices, 2, &mesh, 1, direction == tgTopBottom ? 1u : 0u);
}

bool GradientFillWin(void *deviceContext, const TTriVertex *vertices, std::uint32_t vertexCount,
                     const TGradientRect *mesh, std::uint32_t meshCount, std::uint32_t mode)
{
    return SystemGradient::Fill(deviceContext, vertices, vertexCount, mesh, meshCount, mode);
}

bool GradientFillWinEnabled()
{
    return SystemGradient::Available();
}

void GradientGlass(QPainter &canvas, const TRect &rect, bool hot, bool pressed, TGradDir direction)
{
    static constexpr Rgb kStops[3][4] = {
        {{248, 248, 248}, {216, 216, 216}, {240, 240, 240}, {248, 248, 248}},
        {{240, 248, 255}, {128, 176, 224}, {112, 232, 240}, {176, 255, 255}},
        {{224, 232, 239}, {112, 160, 208}, {96, 208, 224}, {160, 239, 239}},
    };
    const Rgb *stop = kStops[!hot ? 0 : (pressed ? 2 : 1)];
    const int n = (direction == tgTopBottom ? rect.Height() : rect.Width()) - 1;
    if (n < 0 || rect.IsEmpty())
        return;
    const int s = std::max(1, n / 3);
    for (int i = 0; i <= n; ++i) {
        // The rows at s and 2s belong to both neighbouring segments and get
        // the same colour from either; past 2s the last segment runs on.
        const int segment = i <= s ? 0 : (i <= 2 * s ? 1 : 2);
        Canvas::FillRect(canvas, lineOf(rect, i, direction),
                         step(stop[segment], stop[segment + 1], i - segment * s, s));
    }
}

void GradientGlass(QPainter &canvas, const TRect &rect, bool hot, TGradDir direction)
{
    GradientGlass(canvas, rect, hot, false, direction);
}

void OLDGradientFill(QPainter &canvas, const TRect &rect, TColor startColor, TColor endColor, TGradDir direction)
{
    int n = (direction == tgTopBottom ? rect.Height() : rect.Width()) - 1;
    if (n == 0)
        n = 1;
    if (rect.IsEmpty())
        return;
    const Rgb s = channels(startColor), e = channels(endColor);
    for (int c = 0; c <= n; ++c) {
        const TRect part = direction == tgTopBottom ? TRect{rect.Left, rect.Top, rect.Right, rect.Bottom - c}
                                                    : TRect{rect.Left, rect.Top, rect.Right - c, rect.Bottom};
        Canvas::FillRect(canvas, part, step(s, e, c, n));
    }
}

namespace {

void frameOutline(QPainter &canvas, const TRect &r, int a, int b, TColor frameColor, TColor shadowColor)
{
    const int L = r.Left, T = r.Top, R = r.Right - 1, B = r.Bottom - 1;
    Canvas::Polyline(canvas,
                     {{L + a, T}, {R - b, T}, {R, T + b}, {R, B - b}, {R - b, B}, {L + a, B}, {L, B - a},
                      {L, T + a}, {L + a, T}},
                     frameColor);
    if (shadowColor != clNone)
        Canvas::Polyline(canvas, {{R, T + b}, {R, B - b}, {R - b, B}, {L + a - 1, B}}, shadowColor);
}

void leftSoftening(QPainter &canvas, const TRect &r, int a, TColor color)
{
    if (a <= 0)
        return;
    const int L = r.Left, T = r.Top, B = r.Bottom;
    Canvas::Line(canvas, L - 1 + a, T, L - 1, T + a, color);
    Canvas::Line(canvas, L - 1 + a, B - 1, L - 1, B - 1 - a, color);
}

void rightSoftening(QPainter &canvas, const TRect &r, int b, TColor color)
{
    if (b <= 0)
        return;
    const int R = r.Right, T = r.Top, B = r.Bottom;
    Canvas::Line(canvas, R - b, T, R, T + b, color);
    Canvas::Line(canvas, R - b, B - 1, R, B - 1 - b, color);
}

} // namespace

void ButtonFrame(QPainter &canvas, const TRect &rect, int leftCut, int rightCut, TColor frameColor,
                 TColor shadowColor, TColor cornerColor)
{
    frameOutline(canvas, rect, leftCut, rightCut, frameColor, shadowColor);
    rightSoftening(canvas, rect, rightCut, cornerColor);
    leftSoftening(canvas, rect, leftCut, cornerColor);
}

void SmartFrame(QPainter &canvas, const TRect &rect, int leftCut, int rightCut, TColor frameColor,
                TColor shadowColor)
{
    frameOutline(canvas, rect, leftCut, rightCut, frameColor, shadowColor);
    const auto pixelOr = [&](int x, int y, TColor fallback) {
        const TColor c = Canvas::GetPixel(canvas, x, y);
        return c == clNone ? fallback : c;
    };
    TColor pen = frameColor;
    if (leftCut > 0) {
        pen = MixColors(pixelOr(rect.Left, rect.Top, frameColor), frameColor, 60);
        leftSoftening(canvas, rect, leftCut, pen);
    }
    if (shadowColor != clNone)
        pen = MixColors(pixelOr(rect.Right - 1, rect.Bottom - 1, shadowColor), shadowColor, 60);
    rightSoftening(canvas, rect, rightCut, pen);
}

TColor MixColors(TColor c1, TColor c2, int weight)
{
    const Rgb a = channels(c1), b = channels(c2);
    const int d = weight < 100 ? 100 : 1000;
    const auto mix = [&](int x, int y) { return ((x * weight + y * (d - weight) + d / 2) / d) & 0xFF; };
    return RGBColor(mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b));
}
