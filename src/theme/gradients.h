#pragma once

#include "framework/tbx_types.h"

class QPainter;

// The gradient and the colour mixing rule of the menu look. System
// colours are resolved before use; nothing here throws.

enum TGradDir { tgLeftRight = 0, tgTopBottom = 1 };

// Two-colour linear gradient. Row (column for tgLeftRight) i of n, counted
// from 1, gets start + (end - start) * i / n per channel, so the first row
// is one step away from the start colour and the last is the end colour.
// Empty or inverted rectangles draw nothing.
void GradientFill(QPainter &canvas, const Rect &rect, Color startColor, Color endColor, TGradDir direction);

// W per cent of c1 and the rest of c2 (weights of 100 and more are in tenths
// of a per cent), rounded half up.
Color MixColors(Color c1, Color c2, int weight);
