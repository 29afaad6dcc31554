#include "framework/tbx_types.h"

#include <algorithm>

Rect Rect::intersected(const Rect &o) const
{
    Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    if (r.isEmpty())
        return {};
    return r;
}
