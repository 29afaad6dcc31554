#include "framework/system_metrics.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QStyle>

namespace {

struct RoleOf
{
    SystemColor color;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr RoleOf kRoles[] = {
    {SystemColor::ScrollBar, QPalette::Active, QPalette::Mid},
    {SystemColor::Background, QPalette::Active, QPalette::Window},
    {SystemColor::ActiveCaption, QPalette::Active, QPalette::Highlight},
    {SystemColor::InactiveCaption, QPalette::Active, QPalette::Mid},
    {SystemColor::Menu, QPalette::Active, QPalette::Window},
    {SystemColor::Window, QPalette::Active, QPalette::Base},
    {SystemColor::WindowFrame, QPalette::Active, QPalette::Shadow},
    {SystemColor::MenuText, QPalette::Active, QPalette::WindowText},
    {SystemColor::WindowText, QPalette::Active, QPalette::Text},
    {SystemColor::CaptionText, QPalette::Active, QPalette::HighlightedText},
    {SystemColor::ActiveBorder, QPalette::Active, QPalette::Window},
    {SystemColor::InactiveBorder, QPalette::Active, QPalette::Window},
    {SystemColor::AppWorkspace, QPalette::Active, QPalette::Mid},
    {SystemColor::Highlight, QPalette::Active, QPalette::Highlight},
    {SystemColor::HighlightText, QPalette::Active, QPalette::HighlightedText},
    {SystemColor::ButtonFace, QPalette::Active, QPalette::Button},
    {SystemColor::ButtonShadow, QPalette::Active, QPalette::Dark},
    {SystemColor::GrayText, QPalette::Disabled, QPalette::Text},
    {SystemColor::ButtonText, QPalette::Active, QPalette::ButtonText},
    {SystemColor::InactiveCaptionText, QPalette::Inactive, QPalette::WindowText},
    {SystemColor::ButtonHighlight, QPalette::Active, QPalette::Light},
    {SystemColor::DarkShadow, QPalette::Active, QPalette::Shadow},
    {SystemColor::Light, QPalette::Active, QPalette::Midlight},
    {SystemColor::InfoText, QPalette::Active, QPalette::ToolTipText},
    {SystemColor::InfoBackground, QPalette::Active, QPalette::ToolTipBase},
    {SystemColor::HotLight, QPalette::Active, QPalette::Link},
    {SystemColor::GradientActiveCaption, QPalette::Active, QPalette::Highlight},
    {SystemColor::GradientInactiveCaption, QPalette::Active, QPalette::Mid},
    {SystemColor::MenuHighlight, QPalette::Active, QPalette::Highlight},
    {SystemColor::MenuBar, QPalette::Active, QPalette::Window},
};

QStyle *currentStyle()
{
    return qobject_cast<QApplication *>(QCoreApplication::instance()) ? QApplication::style() : nullptr;
}

} // namespace

Color sysColor(int index)
{
    for (const RoleOf &r : kRoles)
        if (int(r.color) == index)
            return Color::fromQColor(QGuiApplication::palette().color(r.group, r.role));
    return Color::black();
}

int systemMetric(SystemMetric metric)
{
    QStyle *style = currentStyle();
    switch (metric) {
    case SystemMetric::MenuCheckWidth:
    case SystemMetric::MenuCheckHeight:
        return style ? style->pixelMetric(QStyle::PM_IndicatorWidth) : 13;
    case SystemMetric::FrameWidth:
    case SystemMetric::FrameHeight:
        return 4;
    case SystemMetric::DialogFrameWidth:
    case SystemMetric::DialogFrameHeight:
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
