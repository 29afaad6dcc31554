#include "theme/note_color_set.h"

namespace NoteColorSet {
namespace {

struct NoteColor
{
    Color color;
    const char *name;
};

constexpr NoteColor kNoteColors[RowCount][ColCount] = {
    {{Color::fromValue(0x0000FF), "Red"}, {Color::fromValue(0x0099FF), "Light Orange"}, {Color::fromValue(0x00CC99), "Lime"}, {Color::fromValue(0x669933), "Sea Green"},
     {Color::fromValue(0xCCCC33), "Aqua"}, {Color::fromValue(0xFF6633), "Light Blue"}, {Color::fromValue(0x800080), "Violet"}, {Color::fromValue(0x969696), "Dark Gray"}},
    {{Color::fromValue(0xFF00FF), "Pink"}, {Color::fromValue(0x00CCFF), "Gold"}, {Color::fromValue(0x00FFFF), "Yellow"}, {Color::fromValue(0x00FF00), "Bright Green"},
     {Color::fromValue(0xFFFF00), "Turquoise"}, {Color::fromValue(0xFFCC00), "Sky Blue"}, {Color::fromValue(0x663399), "Plum"}, {Color::fromValue(0xC0C0C0), "Light Gray"}},
    {{Color::fromValue(0xCC99FF), "Rose"}, {Color::fromValue(0x99CCFF), "Tan"}, {Color::fromValue(0x99FFFF), "Light Yellow"}, {Color::fromValue(0xCCFFCC), "Light Green"},
     {Color::fromValue(0xFFFFCC), "Light Turquoise"}, {Color::fromValue(0xFFCC99), "Pale Blue"}, {Color::fromValue(0xFF99CC), "Lavender"}, {Color::fromValue(0xFFFFFF), "White"}},
};

} // namespace

void GetNoteColorInfo(TTBXCustomColorSet *, int Col, int Row, ::Color &Color, QString &Name)
{
    if (Row < 0 || Row >= RowCount || Col < 0 || Col >= ColCount)
        return;
    Color = kNoteColors[Row][Col].color;
    Name = QString::fromLatin1(kNoteColors[Row][Col].name);
}

} // namespace NoteColorSet
