#include "framework/tbx_types.h"

#include "framework/system_metrics.h"

#include <algorithm>

TColor ColorToRGB(TColor c)
{
    return IsSysColor(c) ? GetSysColor(int(quint32(c) & 0xFF)) : c;
}

QColor toQColor(TColor c)
{
    if (c == clNone)
        return QColor();
    const TColor rgb = ColorToRGB(c);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor fromQColor(const QColor &c)
{
    if (!c.isValid())
        return clNone;
    const QColor rgb = c.toRgb();
    return RGBColor(rgb.red(), rgb.green(), rgb.blue());
}

TRect TRect::Intersected(const TRect &o) const
{
    TRect r{std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right), std::min(Bottom, o.Bottom)};
    if (r.IsEmpty())
        return {};
    return r;
}
