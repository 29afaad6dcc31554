#include "framework/tbx_types.h"

#include <algorithm>

TRect TRect::Intersected(const TRect &o) const
{
    TRect r{std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right), std::min(Bottom, o.Bottom)};
    if (r.IsEmpty())
        return {};
    return r;
}
