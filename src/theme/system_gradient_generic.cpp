#include "theme/system_gradient.h"

namespace SystemGradient {

bool Available()
{
    return false;
}

bool Fill(void *, const TTriVertex *, std::uint32_t, const TGradientRect *, std::uint32_t, std::uint32_t)
{
    return false;
}

} // namespace SystemGradient
