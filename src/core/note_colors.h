#pragma once

#include <QImage>

// Colour arithmetic of the note window. Colours are 0x00BBGGRR.
namespace NoteColors {

// Adds d to each of red, green and blue, clamped towards the direction of d;
// the top byte is dropped.
qint32 ShiftColor(qint32 c, int d);

// The 10 by 10 resize grip: six three-pixel dots in shades of c on a
// transparent background.
QImage gripImage(qint32 c);

// 0x00BBGGRR to and from QColor.
QColor toQColor(qint32 c);
qint32 fromQColor(const QColor &c);

} // namespace NoteColors
