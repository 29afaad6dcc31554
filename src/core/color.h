#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

// A colour as note files and settings.ini hold it: one 32-bit value that is
// "no colour" (0x1FFFFFFF), system colour nn (0xFF0000nn, resolved where it
// is drawn) or a plain 0x00BBGGRR with red in the low byte.
class Color
{
public:
    static constexpr qint32 NoneValue = 0x1FFFFFFF;

    // No colour.
    constexpr Color() = default;
    static constexpr Color fromValue(qint32 value) { return Color(value); }
    static constexpr Color rgb(int r, int g, int b)
    {
        return Color(qint32((unsigned(r) & 0xFF) | ((unsigned(g) & 0xFF) << 8) | ((unsigned(b) & 0xFF) << 16)));
    }
    static constexpr Color system(int index) { return Color(qint32(0xFF000000u | (unsigned(index) & 0xFFu))); }
    static constexpr Color none() { return Color(); }
    static constexpr Color black() { return rgb(0, 0, 0); }
    static constexpr Color white() { return rgb(255, 255, 255); }
    // An invalid QColor gives no colour; alpha is dropped.
    static Color fromQColor(const QColor &color);

    constexpr qint32 value() const { return m_value; }
    constexpr bool isNone() const { return m_value == NoneValue; }
    constexpr bool isSystem() const { return (quint32(m_value) & 0xFF000000u) == 0xFF000000u; }
    constexpr int systemIndex() const { return int(quint32(m_value) & 0xFFu); }
    constexpr int red() const { return int(quint32(m_value) & 0xFF); }
    constexpr int green() const { return int((quint32(m_value) >> 8) & 0xFF); }
    constexpr int blue() const { return int((quint32(m_value) >> 16) & 0xFF); }

    // System colours through `systemColor` (the palette lives above this
    // layer); no colour and plain colours unchanged.
    Color resolved(Color (*systemColor)(int index)) const;
    // Plain colours only: an invalid QColor for no colour, and system colours
    // must be resolved first.
    QColor toQColor() const;
    // d added to red, green and blue, each clamped to 0..255; the top byte
    // is dropped.
    Color shifted(int d) const;

    friend constexpr bool operator==(Color a, Color b) { return a.m_value == b.m_value; }
    friend constexpr bool operator!=(Color a, Color b) { return a.m_value != b.m_value; }

private:
    constexpr explicit Color(qint32 value) : m_value(value) {}

    qint32 m_value = NoneValue;
};
