#pragma once

#include "theme/gradients.h"

// The operating system's own gradient call where there is one (looked up
// once, at first use); elsewhere Available() is false and Fill draws nothing.
namespace SystemGradient {
bool Available();
bool Fill(void *deviceContext, const TTriVertex *vertices, std::uint32_t vertexCount, const TGradientRect *mesh,
          std::uint32_t meshCount, std::uint32_t mode);
} // namespace SystemGradient
