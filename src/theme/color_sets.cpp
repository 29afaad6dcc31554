#include "theme/color_sets.h"

#include "theme/color_palette.h"

#include <optional>

namespace {

struct NamedColor
{
    TColor color;
    const char *name;
};

constexpr int kDefaultCols = 8;
constexpr int kDefaultRows = 5;
constexpr NamedColor kDefaultColors[kDefaultRows][kDefaultCols] = {
    {{0x000000, "Black"}, {0x003399, "Brown"}, {0x003333, "Olive Green"}, {0x003300, "Dark Green"},
     {0x663300, "Dark Teal"}, {0x800000, "Dark blue"}, {0x993333, "Indigo"}, {0x333333, "Gray-80%"}},
    {{0x000080, "Dark Red"}, {0x0066FF, "Orange"}, {0x008080, "Dark Yellow"}, {0x008000, "Green"},
     {0x808000, "Teal"}, {0xFF0000, "Blue"}, {0x996666, "Blue-Gray"}, {0x808080, "Gray-50%"}},
    {{0x0000FF, "Red"}, {0x0099FF, "Light Orange"}, {0x00CC99, "Lime"}, {0x669933, "Sea Green"},
     {0xCCCC33, "Aqua"}, {0xFF6633, "Light Blue"}, {0x800080, "Violet"}, {0x969696, "Gray-40%"}},
    {{0xFF00FF, "Pink"}, {0x00CCFF, "Gold"}, {0x00FFFF, "Yellow"}, {0x00FF00, "Bright Green"},
     {0xFFFF00, "Turquoise"}, {0xFFCC00, "Sky Blue"}, {0x663399, "Plum"}, {0xC0C0C0, "Gray-25%"}},
    {{0xCC99FF, "Rose"}, {0x99CCFF, "Tan"}, {0x99FFFF, "Light Yellow"}, {0xCCFFCC, "Light Green"},
     {0xFFFFCC, "Light Turquoise"}, {0xFFCC99, "Pale Blue"}, {0xFF99CC, "Lavender"}, {0xFFFFFF, "White"}},
};

} // namespace

TTBXCustomColorSet::TTBXCustomColorSet(QObject *parent) : QObject(parent) {}

TTBXCustomColorSet::~TTBXCustomColorSet()
{
    // Palettes fall back to the default set.
    const auto palettes = FPalettes;
    for (const QPointer<TTBXColorPalette> &palette : palettes)
        if (palette && palette->ColorSet() == this)
            palette->SetColorSet(nullptr);
}

void TTBXCustomColorSet::GetColorInfo(int, int, TColor &Color, QString &Name)
{
    Color = clNone;
    Name.clear();
}

TColor TTBXCustomColorSet::GetColor(int Col, int Row)
{
    TColor color;
    QString name;
    GetColorInfo(Col, Row, color, name);
    return color;
}

QString TTBXCustomColorSet::GetName(int Col, int Row)
{
    TColor color;
    QString name;
    GetColorInfo(Col, Row, color, name);
    return name;
}

void TTBXCustomColorSet::UpdateSize(int NewColCount, int NewRowCount)
{
    FColCount = NewColCount;
    FRowCount = NewRowCount;
    const auto palettes = FPalettes;
    for (const QPointer<TTBXColorPalette> &palette : palettes) {
        if (palette) {
            palette->SetColCount(FColCount);
            palette->SetRowCount(FRowCount);
        }
    }
}

QString TTBXCustomColorSet::ColorToString(TColor Color)
{
    if (Color == clNone)
        return QStringLiteral("None");
    const TColor rgb = ColorToRGB(Color);
    const auto firstName = [&]() -> std::optional<QString> {
        for (int row = 0; row < RowCount(); ++row) {
            for (int col = 0; col < ColCount(); ++col) {
                TColor cell;
                QString name;
                GetColorInfo(col, row, cell, name);
                if (cell != clNone && ColorToRGB(cell) == rgb)
                    return name;
            }
        }
        return std::nullopt;
    };
    if (const std::optional<QString> name = firstName(); name && !name->isEmpty())
        return *name;
    return QStringLiteral("#%1%2%3")
        .arg(GetRValue(rgb), 2, 16, QLatin1Char('0'))
        .arg(GetGValue(rgb), 2, 16, QLatin1Char('0'))
        .arg(GetBValue(rgb), 2, 16, QLatin1Char('0'))
        .toUpper();
}

void TTBXCustomColorSet::attach(TTBXColorPalette *palette)
{
    FPalettes.removeAll(nullptr);
    if (!FPalettes.contains(palette))
        FPalettes.append(palette);
}

void TTBXCustomColorSet::detach(TTBXColorPalette *palette)
{
    FPalettes.removeAll(palette);
    FPalettes.removeAll(nullptr);
}

TTBXColorSet::TTBXColorSet(TCSGetColorInfo getColorInfo, QObject *parent)
    : TTBXCustomColorSet(parent), FGetColorInfo(getColorInfo)
{
}

void TTBXColorSet::GetColorInfo(int Col, int Row, TColor &Color, QString &Name)
{
    TTBXCustomColorSet::GetColorInfo(Col, Row, Color, Name);
    if (FGetColorInfo)
        FGetColorInfo(this, Col, Row, Color, Name);
}

TTBXDefaultColorSet::TTBXDefaultColorSet(QObject *parent) : TTBXCustomColorSet(parent)
{
    UpdateSize(kDefaultCols, kDefaultRows);
}

void TTBXDefaultColorSet::GetColorInfo(int Col, int Row, TColor &Color, QString &Name)
{
    Color = clNone;
    Name.clear();
    if (Col >= 0 && Col < kDefaultCols && Row >= 0 && Row < kDefaultRows) {
        Color = kDefaultColors[Row][Col].color;
        Name = QString::fromLatin1(kDefaultColors[Row][Col].name);
    }
}
