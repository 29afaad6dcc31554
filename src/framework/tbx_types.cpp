#include "framework/tbx_types.h"

#include "core/color.h"
#include "framework/system_metrics.h"

#include <algorithm>

namespace {

Color systemColor(int index)
{
    return Color::fromValue(GetSysColor(index));
}

} // namespace

TColor ColorToRGB(TColor c)
{
    return Color::fromValue(c).resolved(systemColor).value();
}

QColor toQColor(TColor c)
{
    return Color::fromValue(c).resolved(systemColor).toQColor();
}

TColor fromQColor(const QColor &c)
{
    return Color::fromQColor(c).value();
}

TRect TRect::Intersected(const TRect &o) const
{
    TRect r{std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right), std::min(Bottom, o.Bottom)};
    if (r.IsEmpty())
        return {};
    return r;
}
