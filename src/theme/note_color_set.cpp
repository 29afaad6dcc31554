#include "theme/note_color_set.h"

namespace NoteColorSet {
namespace {

struct NoteColor
{
    TColor color;
    const char *name;
};

constexpr NoteColor kNoteColors[RowCount][ColCount] = {
    {{0x0000FF, "Red"}, {0x0099FF, "Light Orange"}, {0x00CC99, "Lime"}, {0x669933, "Sea Green"},
     {0xCCCC33, "Aqua"}, {0xFF6633, "Light Blue"}, {0x800080, "Violet"}, {0x969696, "Dark Gray"}},
    {{0xFF00FF, "Pink"}, {0x00CCFF, "Gold"}, {0x00FFFF, "Yellow"}, {0x00FF00, "Bright Green"},
     {0xFFFF00, "Turquoise"}, {0xFFCC00, "Sky Blue"}, {0x663399, "Plum"}, {0xC0C0C0, "Light Gray"}},
    {{0xCC99FF, "Rose"}, {0x99CCFF, "Tan"}, {0x99FFFF, "Light Yellow"}, {0xCCFFCC, "Light Green"},
     {0xFFFFCC, "Light Turquoise"}, {0xFFCC99, "Pale Blue"}, {0xFF99CC, "Lavender"}, {0xFFFFFF, "White"}},
};

} // namespace

void GetNoteColorInfo(TTBXCustomColorSet *, int Col, int Row, TColor &Color, QString &Name)
{
    if (Row < 0 || Row >= RowCount || Col < 0 || Col >= ColCount)
        return;
    Color = kNoteColors[Row][Col].color;
    Name = QString::fromLatin1(kNoteColors[Row][Col].name);
}

} // namespace NoteColorSet
