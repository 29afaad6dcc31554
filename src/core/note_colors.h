#pragma once

#include "core/color.h"

#include <QImage>

// Colour art of the note window.
namespace NoteColors {

// The 10 by 10 resize grip: six three-pixel dots in shades of c on a
// transparent background.
QImage gripImage(Color c);

} // namespace NoteColors
