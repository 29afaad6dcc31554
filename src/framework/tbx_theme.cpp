#include "framework/tbx_theme.h"

#include "framework/theme_registry.h"

TTBXTheme::TTBXTheme(const QString &name) : m_name(name)
{
    // Every theme hears about system colour changes, whether or not the
    // registry made it.
    if (ThemeRegistry *registry = ThemeRegistry::instance())
        connect(registry, &ThemeRegistry::sysCommand, this, [this](int code) { TBXSysCommand(code); });
}

TTBXTheme::~TTBXTheme() = default;
