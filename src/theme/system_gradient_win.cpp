#include "theme/system_gradient.h"

#include <windows.h>

namespace SystemGradient {
namespace {

using GradientFillProc = BOOL(WINAPI *)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

// Looked up once per run; the library stays loaded until the process ends.
GradientFillProc lookup()
{
    static const GradientFillProc proc = [] {
        HMODULE library = LoadLibraryW(L"msimg32.dll");
        if (!library)
            return GradientFillProc(nullptr);
        // Through the generic function pointer type, which every compiler
        // accepts as a go-between for function pointers of any signature.
        const auto generic = reinterpret_cast<void (*)()>(GetProcAddress(library, "GradientFill"));
        return reinterpret_cast<GradientFillProc>(generic);
    }();
    return proc;
}

} // namespace

bool Available()
{
    return lookup() != nullptr;
}

bool Fill(void *deviceContext, const TTriVertex *vertices, std::uint32_t vertexCount, const TGradientRect *mesh,
          std::uint32_t meshCount, std::uint32_t mode)
{
    static_assert(sizeof(TTriVertex) == sizeof(TRIVERTEX) && sizeof(TGradientRect) == sizeof(GRADIENT_RECT));
    const GradientFillProc proc = lookup();
    if (!proc || !deviceContext)
        return false;
    return proc(static_cast<HDC>(deviceContext), reinterpret_cast<PTRIVERTEX>(const_cast<TTriVertex *>(vertices)),
                vertexCount, const_cast<TGradientRect *>(mesh), meshCount, mode)
        != FALSE;
}

} // namespace SystemGradient
