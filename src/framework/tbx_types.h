#pragma once

#include <QColor>
#include <QRect>

#include <cstdint>

// Colours are 32-bit values 0x00BBGGRR (red in the low byte), the form the
// note files and settings.ini store. 0xFF0000nn names system colour nn and is
// resolved where it is drawn or compared; clNone means "no colour".
using TColor = qint32;

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;

// System colour indices the menus use.
enum : int {
    COLOR_SCROLLBAR = 0,
    COLOR_MENU = 4,
    COLOR_WINDOW = 5,
    COLOR_WINDOWFRAME = 6,
    COLOR_MENUTEXT = 7,
    COLOR_WINDOWTEXT = 8,
    COLOR_HIGHLIGHT = 13,
    COLOR_HIGHLIGHTTEXT = 14,
    COLOR_BTNFACE = 15,
    COLOR_BTNSHADOW = 16,
    COLOR_GRAYTEXT = 17,
    COLOR_BTNTEXT = 18,
    COLOR_BTNHIGHLIGHT = 20,
};

constexpr TColor SysColor(int index) { return TColor(0xFF000000u | (unsigned(index) & 0xFFu)); }
constexpr bool IsSysColor(TColor c) { return (quint32(c) & 0xFF000000u) == 0xFF000000u; }
constexpr TColor RGBColor(int r, int g, int b)
{
    return TColor((unsigned(r) & 0xFF) | ((unsigned(g) & 0xFF) << 8) | ((unsigned(b) & 0xFF) << 16));
}
constexpr int GetRValue(TColor c) { return int(quint32(c) & 0xFF); }
constexpr int GetGValue(TColor c) { return int((quint32(c) >> 8) & 0xFF); }
constexpr int GetBValue(TColor c) { return int((quint32(c) >> 16) & 0xFF); }

// System colour resolved to 0x00BBGGRR; clNone and plain colours unchanged.
TColor ColorToRGB(TColor c);
// Invalid QColor for clNone; system colours resolved.
QColor toQColor(TColor c);
// Invalid QColor gives clNone; alpha is dropped.
TColor fromQColor(const QColor &c);

// A rectangle with exclusive right and bottom edges, the way the drawing
// rules of the theme are written; QRect's inclusive right() would make every
// rule off by one.
struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr TRect Inflated(int dx, int dy) const { return {Left - dx, Top - dy, Right + dx, Bottom + dy}; }
    constexpr TRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    TRect Intersected(const TRect &o) const;
    constexpr bool operator==(const TRect &o) const
    {
        return Left == o.Left && Top == o.Top && Right == o.Right && Bottom == o.Bottom;
    }
    constexpr bool operator!=(const TRect &o) const { return !(*this == o); }

    QRect toQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
    static TRect fromQRect(const QRect &r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
};
