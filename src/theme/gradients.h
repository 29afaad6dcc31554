#pragma once

#include "framework/tbx_types.h"

#include <cstdint>

class QPainter;

// Gradients, frames and the colour mixing rule of the menu look. System
// colours are resolved before use; nothing here throws.

enum TGradDir { tgLeftRight = 0, tgTopBottom = 1 };

// Layouts of the system gradient call's vertex and rectangle records.
struct TTriVertex
{
    std::int32_t x;
    std::int32_t y;
    std::uint16_t Red;
    std::uint16_t Green;
    std::uint16_t Blue;
    std::uint16_t Alpha;
};
struct TGradientRect
{
    std::uint32_t UpperLeft;
    std::uint32_t LowerRight;
};

// Two-colour linear gradient. Row (column for tgLeftRight) i of n, counted
// from 1, gets start + (end - start) * i / n per channel, so the first row
// is one step away from the start colour and the last is the end colour.
// Empty or inverted rectangles draw nothing.
void GradientFill(QPainter &canvas, const TRect &rect, TColor startColor, TColor endColor, TGradDir direction);
// The same through the system call on a native device context; false when
// the system has no such call (then nothing is drawn).
bool GradientFill(void *deviceContext, const TRect &rect, TColor startColor, TColor endColor, TGradDir direction);
// The system gradient call, looked up once at run time; false when missing.
bool GradientFillWin(void *deviceContext, const TTriVertex *vertices, std::uint32_t vertexCount,
                     const TGradientRect *mesh, std::uint32_t meshCount, std::uint32_t mode);
bool GradientFillWinEnabled();

// Three-segment "glass" gradient (stops by hot/pressed state).
void GradientGlass(QPainter &canvas, const TRect &rect, bool hot, bool pressed, TGradDir direction);
void GradientGlass(QPainter &canvas, const TRect &rect, bool hot, TGradDir direction);
// The older overdrawing gradient: runs the other way from GradientFill.
void OLDGradientFill(QPainter &canvas, const TRect &rect, TColor startColor, TColor endColor, TGradDir direction);

// A rectangle outline with corners cut by diagonals leftCut / rightCut long,
// an optional shadow on the right and bottom edges, and softening lines in
// cornerColor just outside the diagonals.
void ButtonFrame(QPainter &canvas, const TRect &rect, int leftCut, int rightCut, TColor frameColor,
                 TColor shadowColor, TColor cornerColor);
// ButtonFrame whose softening lines mix with what is already drawn.
void SmartFrame(QPainter &canvas, const TRect &rect, int leftCut, int rightCut, TColor frameColor,
                TColor shadowColor);

// W per cent of c1 and the rest of c2 (weights of 100 and more are in tenths
// of a per cent), rounded half up.
TColor MixColors(TColor c1, TColor c2, int weight);
