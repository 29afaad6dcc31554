#pragma once

#include "framework/tbx_types.h"

#include <QtGlobal>

class QPainter;

// The gradient and the colour mixing rule of the menu look. System
// colours are resolved before use; nothing here throws.

// Two-colour linear gradient, changing along `direction` (Qt::Vertical:
// from top to bottom). Row (column for Qt::Horizontal) i of n, counted
// from 1, gets start + (end - start) * i / n per channel, so the first row
// is one step away from the start colour and the last is the end colour.
// Empty or inverted rectangles draw nothing.
void GradientFill(QPainter &canvas, const Rect &rect, Color startColor, Color endColor, Qt::Orientation direction);

// W per cent of c1 and the rest of c2 (weights of 100 and more are in tenths
// of a per cent), rounded half up.
Color MixColors(Color c1, Color c2, int weight);
