#include "theme/color_sets.h"

#include "framework/system_metrics.h"
#include "theme/color_palette.h"

#include <optional>

namespace {

struct NamedColor
{
    Color color;
    const char *name;
};

constexpr int kDefaultCols = 8;
constexpr int kDefaultRows = 5;
constexpr NamedColor kDefaultColors[kDefaultRows][kDefaultCols] = {
    {{Color::fromValue(0x000000), "Black"}, {Color::fromValue(0x003399), "Brown"}, {Color::fromValue(0x003333), "Olive Green"}, {Color::fromValue(0x003300), "Dark Green"},
     {Color::fromValue(0x663300), "Dark Teal"}, {Color::fromValue(0x800000), "Dark blue"}, {Color::fromValue(0x993333), "Indigo"}, {Color::fromValue(0x333333), "Gray-80%"}},
    {{Color::fromValue(0x000080), "Dark Red"}, {Color::fromValue(0x0066FF), "Orange"}, {Color::fromValue(0x008080), "Dark Yellow"}, {Color::fromValue(0x008000), "Green"},
     {Color::fromValue(0x808000), "Teal"}, {Color::fromValue(0xFF0000), "Blue"}, {Color::fromValue(0x996666), "Blue-Gray"}, {Color::fromValue(0x808080), "Gray-50%"}},
    {{Color::fromValue(0x0000FF), "Red"}, {Color::fromValue(0x0099FF), "Light Orange"}, {Color::fromValue(0x00CC99), "Lime"}, {Color::fromValue(0x669933), "Sea Green"},
     {Color::fromValue(0xCCCC33), "Aqua"}, {Color::fromValue(0xFF6633), "Light Blue"}, {Color::fromValue(0x800080), "Violet"}, {Color::fromValue(0x969696), "Gray-40%"}},
    {{Color::fromValue(0xFF00FF), "Pink"}, {Color::fromValue(0x00CCFF), "Gold"}, {Color::fromValue(0x00FFFF), "Yellow"}, {Color::fromValue(0x00FF00), "Bright Green"},
     {Color::fromValue(0xFFFF00), "Turquoise"}, {Color::fromValue(0xFFCC00), "Sky Blue"}, {Color::fromValue(0x663399), "Plum"}, {Color::fromValue(0xC0C0C0), "Gray-25%"}},
    {{Color::fromValue(0xCC99FF), "Rose"}, {Color::fromValue(0x99CCFF), "Tan"}, {Color::fromValue(0x99FFFF), "Light Yellow"}, {Color::fromValue(0xCCFFCC), "Light Green"},
     {Color::fromValue(0xFFFFCC), "Light Turquoise"}, {Color::fromValue(0xFFCC99), "Pale Blue"}, {Color::fromValue(0xFF99CC), "Lavender"}, {Color::fromValue(0xFFFFFF), "White"}},
};

} // namespace

TTBXCustomColorSet::TTBXCustomColorSet(QObject *parent) : QObject(parent) {}

TTBXCustomColorSet::~TTBXCustomColorSet()
{
    // Palettes fall back to the default set.
    const auto palettes = m_palettes;
    for (const QPointer<TTBXColorPalette> &palette : palettes)
        if (palette && palette->ColorSet() == this)
            palette->setColorSet(nullptr);
}

void TTBXCustomColorSet::GetColorInfo(int, int, ::Color &Color, QString &Name)
{
    Color = ::Color::none();
    Name.clear();
}

Color TTBXCustomColorSet::GetColor(int Col, int Row)
{
    Color color;
    QString name;
    GetColorInfo(Col, Row, color, name);
    return color;
}

QString TTBXCustomColorSet::GetName(int Col, int Row)
{
    Color color;
    QString name;
    GetColorInfo(Col, Row, color, name);
    return name;
}

void TTBXCustomColorSet::UpdateSize(int NewColCount, int NewRowCount)
{
    m_colCount = NewColCount;
    m_rowCount = NewRowCount;
    const auto palettes = m_palettes;
    for (const QPointer<TTBXColorPalette> &palette : palettes) {
        if (palette) {
            palette->setColCount(m_colCount);
            palette->setRowCount(m_rowCount);
        }
    }
}

QString TTBXCustomColorSet::ColorToString(::Color Color)
{
    if (Color.isNone())
        return QStringLiteral("None");
    const ::Color rgb = Color.resolved(sysColor);
    const auto firstName = [&]() -> std::optional<QString> {
        for (int row = 0; row < RowCount(); ++row) {
            for (int col = 0; col < ColCount(); ++col) {
                ::Color cell;
                QString name;
                GetColorInfo(col, row, cell, name);
                if (cell.resolved(sysColor) == rgb)
                    return name;
            }
        }
        return std::nullopt;
    };
    if (const std::optional<QString> name = firstName(); name && !name->isEmpty())
        return *name;
    return QStringLiteral("#%1%2%3")
        .arg(rgb.red(), 2, 16, QLatin1Char('0'))
        .arg(rgb.green(), 2, 16, QLatin1Char('0'))
        .arg(rgb.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}

void TTBXCustomColorSet::attach(TTBXColorPalette *palette)
{
    m_palettes.removeAll(nullptr);
    if (!m_palettes.contains(palette))
        m_palettes.append(palette);
}

void TTBXCustomColorSet::detach(TTBXColorPalette *palette)
{
    m_palettes.removeAll(palette);
    m_palettes.removeAll(nullptr);
}

TTBXColorSet::TTBXColorSet(TCSGetColorInfo getColorInfo, QObject *parent)
    : TTBXCustomColorSet(parent), m_getColorInfo(getColorInfo)
{
}

void TTBXColorSet::GetColorInfo(int Col, int Row, ::Color &Color, QString &Name)
{
    TTBXCustomColorSet::GetColorInfo(Col, Row, Color, Name);
    if (m_getColorInfo)
        m_getColorInfo(this, Col, Row, Color, Name);
}

TTBXDefaultColorSet::TTBXDefaultColorSet(QObject *parent) : TTBXCustomColorSet(parent)
{
    UpdateSize(kDefaultCols, kDefaultRows);
}

void TTBXDefaultColorSet::GetColorInfo(int Col, int Row, ::Color &Color, QString &Name)
{
    Color = ::Color::none();
    Name.clear();
    if (Col >= 0 && Col < kDefaultCols && Row >= 0 && Row < kDefaultRows) {
        Color = kDefaultColors[Row][Col].color;
        Name = QString::fromLatin1(kDefaultColors[Row][Col].name);
    }
}
