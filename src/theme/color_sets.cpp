#include "theme/color_sets.h"

#include "framework/system_metrics.h"
#include "theme/color_palette.h"

#include <QCoreApplication>

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
    {{Color::fromValue(0x000000), QT_TRANSLATE_NOOP("ColorNames", "Black")}, {Color::fromValue(0x003399), QT_TRANSLATE_NOOP("ColorNames", "Brown")}, {Color::fromValue(0x003333), QT_TRANSLATE_NOOP("ColorNames", "Olive Green")}, {Color::fromValue(0x003300), QT_TRANSLATE_NOOP("ColorNames", "Dark Green")},
     {Color::fromValue(0x663300), QT_TRANSLATE_NOOP("ColorNames", "Dark Teal")}, {Color::fromValue(0x800000), QT_TRANSLATE_NOOP("ColorNames", "Dark blue")}, {Color::fromValue(0x993333), QT_TRANSLATE_NOOP("ColorNames", "Indigo")}, {Color::fromValue(0x333333), QT_TRANSLATE_NOOP("ColorNames", "Gray-80%")}},
    {{Color::fromValue(0x000080), QT_TRANSLATE_NOOP("ColorNames", "Dark Red")}, {Color::fromValue(0x0066FF), QT_TRANSLATE_NOOP("ColorNames", "Orange")}, {Color::fromValue(0x008080), QT_TRANSLATE_NOOP("ColorNames", "Dark Yellow")}, {Color::fromValue(0x008000), QT_TRANSLATE_NOOP("ColorNames", "Green")},
     {Color::fromValue(0x808000), QT_TRANSLATE_NOOP("ColorNames", "Teal")}, {Color::fromValue(0xFF0000), QT_TRANSLATE_NOOP("ColorNames", "Blue")}, {Color::fromValue(0x996666), QT_TRANSLATE_NOOP("ColorNames", "Blue-Gray")}, {Color::fromValue(0x808080), QT_TRANSLATE_NOOP("ColorNames", "Gray-50%")}},
    {{Color::fromValue(0x0000FF), QT_TRANSLATE_NOOP("ColorNames", "Red")}, {Color::fromValue(0x0099FF), QT_TRANSLATE_NOOP("ColorNames", "Light Orange")}, {Color::fromValue(0x00CC99), QT_TRANSLATE_NOOP("ColorNames", "Lime")}, {Color::fromValue(0x669933), QT_TRANSLATE_NOOP("ColorNames", "Sea Green")},
     {Color::fromValue(0xCCCC33), QT_TRANSLATE_NOOP("ColorNames", "Aqua")}, {Color::fromValue(0xFF6633), QT_TRANSLATE_NOOP("ColorNames", "Light Blue")}, {Color::fromValue(0x800080), QT_TRANSLATE_NOOP("ColorNames", "Violet")}, {Color::fromValue(0x969696), QT_TRANSLATE_NOOP("ColorNames", "Gray-40%")}},
    {{Color::fromValue(0xFF00FF), QT_TRANSLATE_NOOP("ColorNames", "Pink")}, {Color::fromValue(0x00CCFF), QT_TRANSLATE_NOOP("ColorNames", "Gold")}, {Color::fromValue(0x00FFFF), QT_TRANSLATE_NOOP("ColorNames", "Yellow")}, {Color::fromValue(0x00FF00), QT_TRANSLATE_NOOP("ColorNames", "Bright Green")},
     {Color::fromValue(0xFFFF00), QT_TRANSLATE_NOOP("ColorNames", "Turquoise")}, {Color::fromValue(0xFFCC00), QT_TRANSLATE_NOOP("ColorNames", "Sky Blue")}, {Color::fromValue(0x663399), QT_TRANSLATE_NOOP("ColorNames", "Plum")}, {Color::fromValue(0xC0C0C0), QT_TRANSLATE_NOOP("ColorNames", "Gray-25%")}},
    {{Color::fromValue(0xCC99FF), QT_TRANSLATE_NOOP("ColorNames", "Rose")}, {Color::fromValue(0x99CCFF), QT_TRANSLATE_NOOP("ColorNames", "Tan")}, {Color::fromValue(0x99FFFF), QT_TRANSLATE_NOOP("ColorNames", "Light Yellow")}, {Color::fromValue(0xCCFFCC), QT_TRANSLATE_NOOP("ColorNames", "Light Green")},
     {Color::fromValue(0xFFFFCC), QT_TRANSLATE_NOOP("ColorNames", "Light Turquoise")}, {Color::fromValue(0xFFCC99), QT_TRANSLATE_NOOP("ColorNames", "Pale Blue")}, {Color::fromValue(0xFF99CC), QT_TRANSLATE_NOOP("ColorNames", "Lavender")}, {Color::fromValue(0xFFFFFF), QT_TRANSLATE_NOOP("ColorNames", "White")}},
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

void TTBXCustomColorSet::GetColorInfo(int, int, ::Color &color, QString &name)
{
    color = ::Color::none();
    name.clear();
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

QString TTBXCustomColorSet::ColorToString(::Color color)
{
    if (color.isNone())
        return QCoreApplication::translate("ColorNames", "None");
    const ::Color rgb = color.resolved(sysColor);
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

void TTBXColorSet::GetColorInfo(int Col, int Row, ::Color &color, QString &name)
{
    TTBXCustomColorSet::GetColorInfo(Col, Row, color, name);
    if (m_getColorInfo)
        m_getColorInfo(this, Col, Row, color, name);
}

TTBXDefaultColorSet::TTBXDefaultColorSet(QObject *parent) : TTBXCustomColorSet(parent)
{
    UpdateSize(kDefaultCols, kDefaultRows);
}

void TTBXDefaultColorSet::GetColorInfo(int Col, int Row, ::Color &color, QString &name)
{
    color = ::Color::none();
    name.clear();
    if (Col >= 0 && Col < kDefaultCols && Row >= 0 && Row < kDefaultRows) {
        color = kDefaultColors[Row][Col].color;
        name = QCoreApplication::translate("ColorNames", kDefaultColors[Row][Col].name);
    }
}
