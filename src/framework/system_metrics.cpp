#include "framework/system_metrics.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QStyle>

namespace {

struct RoleOf
{
    int index;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr RoleOf kRoles[] = {
    {0, QPalette::Active, QPalette::Mid},               // COLOR_SCROLLBAR
    {1, QPalette::Active, QPalette::Window},            // COLOR_BACKGROUND
    {2, QPalette::Active, QPalette::Highlight},         // COLOR_ACTIVECAPTION
    {3, QPalette::Active, QPalette::Mid},               // COLOR_INACTIVECAPTION
    {4, QPalette::Active, QPalette::Window},            // COLOR_MENU
    {5, QPalette::Active, QPalette::Base},              // COLOR_WINDOW
    {6, QPalette::Active, QPalette::Shadow},            // COLOR_WINDOWFRAME
    {7, QPalette::Active, QPalette::WindowText},        // COLOR_MENUTEXT
    {8, QPalette::Active, QPalette::Text},              // COLOR_WINDOWTEXT
    {9, QPalette::Active, QPalette::HighlightedText},   // COLOR_CAPTIONTEXT
    {10, QPalette::Active, QPalette::Window},           // COLOR_ACTIVEBORDER
    {11, QPalette::Active, QPalette::Window},           // COLOR_INACTIVEBORDER
    {12, QPalette::Active, QPalette::Mid},              // COLOR_APPWORKSPACE
    {13, QPalette::Active, QPalette::Highlight},        // COLOR_HIGHLIGHT
    {14, QPalette::Active, QPalette::HighlightedText},  // COLOR_HIGHLIGHTTEXT
    {15, QPalette::Active, QPalette::Button},           // COLOR_BTNFACE
    {16, QPalette::Active, QPalette::Dark},             // COLOR_BTNSHADOW
    {17, QPalette::Disabled, QPalette::Text},           // COLOR_GRAYTEXT
    {18, QPalette::Active, QPalette::ButtonText},       // COLOR_BTNTEXT
    {19, QPalette::Inactive, QPalette::WindowText},     // COLOR_INACTIVECAPTIONTEXT
    {20, QPalette::Active, QPalette::Light},            // COLOR_BTNHIGHLIGHT
    {21, QPalette::Active, QPalette::Shadow},           // COLOR_3DDKSHADOW
    {22, QPalette::Active, QPalette::Midlight},         // COLOR_3DLIGHT
    {23, QPalette::Active, QPalette::ToolTipText},      // COLOR_INFOTEXT
    {24, QPalette::Active, QPalette::ToolTipBase},      // COLOR_INFOBK
    {26, QPalette::Active, QPalette::Link},             // COLOR_HOTLIGHT
    {27, QPalette::Active, QPalette::Highlight},        // COLOR_GRADIENTACTIVECAPTION
    {28, QPalette::Active, QPalette::Mid},              // COLOR_GRADIENTINACTIVECAPTION
    {29, QPalette::Active, QPalette::Highlight},        // COLOR_MENUHILIGHT
    {30, QPalette::Active, QPalette::Window},           // COLOR_MENUBAR
};

QStyle *currentStyle()
{
    return qobject_cast<QApplication *>(QCoreApplication::instance()) ? QApplication::style() : nullptr;
}

} // namespace

Color sysColor(int index)
{
    for (const RoleOf &r : kRoles)
        if (r.index == index)
            return Color::fromQColor(QGuiApplication::palette().color(r.group, r.role));
    return Color::black();
}

int systemMetric(int index)
{
    QStyle *style = currentStyle();
    switch (index) {
    case SM_CXMENUCHECK:
    case SM_CYMENUCHECK:
        return style ? style->pixelMetric(QStyle::PM_IndicatorWidth) : 13;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    default:
        return 0;
    }
}

int screenColorDepth()
{
    const QScreen *screen = qobject_cast<QGuiApplication *>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    return screen ? screen->depth() : 24;
}
