#include "core/color.h"

#include <algorithm>

Color Color::fromQColor(const QColor &color)
{
    if (!color.isValid())
        return Color();
    const QColor rgb = color.toRgb();
    return Color::rgb(rgb.red(), rgb.green(), rgb.blue());
}

Color Color::resolved(Color (*systemColor)(int index)) const
{
    return isSystem() ? systemColor(systemIndex()) : *this;
}

QColor Color::toQColor() const
{
    if (isNone() || isSystem())
        return QColor();
    return QColor(red(), green(), blue());
}

Color Color::shifted(int d) const
{
    const auto shift = [d](int channel) {
        const int v = channel + d;
        return d < 0 ? std::max(v, 0) : std::min(v, 255);
    };
    return rgb(shift(red()), shift(green()), shift(blue()));
}
