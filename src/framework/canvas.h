#pragma once

#include "framework/tbx_types.h"

#include <QPoint>

#include <initializer_list>

class QPainter;

// Pixel-exact drawing primitives with the rules the theme is written in:
// rectangles exclude their right and bottom edges, a line from A to B
// includes A and excludes B. Every call with Color::none() draws nothing.
namespace Canvas {

void fillRect(QPainter &p, const Rect &r, Color c);
// Draws a one-pixel frame just inside r (unless c is Color::none()) and then
// shrinks r by one pixel on every side.
void frameRect(QPainter &p, Rect &r, Color c);
// A one-pixel frame inside r, r itself unchanged.
void frameRectConst(QPainter &p, const Rect &r, Color c);
void setPixel(QPainter &p, int x, int y, Color c);
void line(QPainter &p, int x1, int y1, int x2, int y2, Color c);
// Successive lines; the very last point is not drawn.
void polyline(QPainter &p, std::initializer_list<QPoint> points, Color c);
// A triangle filled together with its outline (every pixel whose centre lies
// inside or on an edge).
void fillTriangle(QPainter &p, QPoint a, QPoint b, QPoint c, Color color);

} // namespace Canvas
