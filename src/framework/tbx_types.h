#pragma once

#include "core/color.h"

#include <QRect>

// The system colours the themes ask for, numbered as Color::system() keeps
// them (the numbers are those of stored colour values, so they never change).
enum class SystemColor : int {
    ScrollBar = 0,
    Background = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20,
    DarkShadow = 21,
    Light = 22,
    InfoText = 23,
    InfoBackground = 24,
    HotLight = 26,
    GradientActiveCaption = 27,
    GradientInactiveCaption = 28,
    MenuHighlight = 29,
    MenuBar = 30,
};

constexpr Color systemColor(SystemColor color) { return Color::system(int(color)); }

// A rectangle with exclusive right and bottom edges, the way the drawing
// rules of the theme are written; QRect's inclusive right() would make every
// rule off by one.
struct Rect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool isEmpty() const { return right <= left || bottom <= top; }
    constexpr Rect inflated(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    constexpr Rect translated(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Rect intersected(const Rect &o) const;
    constexpr bool operator==(const Rect &o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    constexpr bool operator!=(const Rect &o) const { return !(*this == o); }

    QRect toQRect() const { return QRect(left, top, right - left, bottom - top); }
    static Rect fromQRect(const QRect &r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
};
