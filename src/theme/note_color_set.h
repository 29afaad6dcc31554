#pragma once

#include "framework/tbx_types.h"

#include <QString>

class TTBXCustomColorSet;

// The 24 named note colours, 8 columns by 3 rows.
namespace NoteColorSet {

constexpr int ColCount = 8;
constexpr int RowCount = 3;

// Sets Color and Name for a cell of the grid; any other cell leaves both as
// they came in (Color::none() and empty from a colour set), so it shows no swatch.
void GetNoteColorInfo(TTBXCustomColorSet *Sender, int Col, int Row, ::Color &color, QString &name);

} // namespace NoteColorSet
