#include "theme/note_color_set.h"

#include <QCoreApplication>

namespace NoteColorSet {
namespace {

struct NoteColor
{
    Color color;
    const char *name;
};

constexpr NoteColor kNoteColors[RowCount][ColCount] = {
    {{Color::fromValue(0x0000FF), QT_TRANSLATE_NOOP("ColorNames", "Red")}, {Color::fromValue(0x0099FF), QT_TRANSLATE_NOOP("ColorNames", "Light Orange")}, {Color::fromValue(0x00CC99), QT_TRANSLATE_NOOP("ColorNames", "Lime")}, {Color::fromValue(0x669933), QT_TRANSLATE_NOOP("ColorNames", "Sea Green")},
     {Color::fromValue(0xCCCC33), QT_TRANSLATE_NOOP("ColorNames", "Aqua")}, {Color::fromValue(0xFF6633), QT_TRANSLATE_NOOP("ColorNames", "Light Blue")}, {Color::fromValue(0x800080), QT_TRANSLATE_NOOP("ColorNames", "Violet")}, {Color::fromValue(0x969696), QT_TRANSLATE_NOOP("ColorNames", "Dark Gray")}},
    {{Color::fromValue(0xFF00FF), QT_TRANSLATE_NOOP("ColorNames", "Pink")}, {Color::fromValue(0x00CCFF), QT_TRANSLATE_NOOP("ColorNames", "Gold")}, {Color::fromValue(0x00FFFF), QT_TRANSLATE_NOOP("ColorNames", "Yellow")}, {Color::fromValue(0x00FF00), QT_TRANSLATE_NOOP("ColorNames", "Bright Green")},
     {Color::fromValue(0xFFFF00), QT_TRANSLATE_NOOP("ColorNames", "Turquoise")}, {Color::fromValue(0xFFCC00), QT_TRANSLATE_NOOP("ColorNames", "Sky Blue")}, {Color::fromValue(0x663399), QT_TRANSLATE_NOOP("ColorNames", "Plum")}, {Color::fromValue(0xC0C0C0), QT_TRANSLATE_NOOP("ColorNames", "Light Gray")}},
    {{Color::fromValue(0xCC99FF), QT_TRANSLATE_NOOP("ColorNames", "Rose")}, {Color::fromValue(0x99CCFF), QT_TRANSLATE_NOOP("ColorNames", "Tan")}, {Color::fromValue(0x99FFFF), QT_TRANSLATE_NOOP("ColorNames", "Light Yellow")}, {Color::fromValue(0xCCFFCC), QT_TRANSLATE_NOOP("ColorNames", "Light Green")},
     {Color::fromValue(0xFFFFCC), QT_TRANSLATE_NOOP("ColorNames", "Light Turquoise")}, {Color::fromValue(0xFFCC99), QT_TRANSLATE_NOOP("ColorNames", "Pale Blue")}, {Color::fromValue(0xFF99CC), QT_TRANSLATE_NOOP("ColorNames", "Lavender")}, {Color::fromValue(0xFFFFFF), QT_TRANSLATE_NOOP("ColorNames", "White")}},
};

} // namespace

void GetNoteColorInfo(TTBXCustomColorSet *, int Col, int Row, ::Color &color, QString &name)
{
    if (Row < 0 || Row >= RowCount || Col < 0 || Col >= ColCount)
        return;
    color = kNoteColors[Row][Col].color;
    name = QCoreApplication::translate("ColorNames", kNoteColors[Row][Col].name);
}

} // namespace NoteColorSet
