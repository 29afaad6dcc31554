#include "theme/ide_theme.h"

#include "framework/image_list.h"
#include "framework/system_metrics.h"
#include "framework/theme_registry.h"
#include "theme/gradients.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kWeights[3] = {0.764706f, 1.52941f, 0.254902f};
constexpr float kMaxima[3] = {195.0f, 390.0f, 65.0f};

struct Vec3
{
    float v[3];
};

Vec3 weighted(Color c)
{
    const Color rgb = c.resolved(sysColor);
    return {{rgb.red() * kWeights[0], rgb.green() * kWeights[1], rgb.blue() * kWeights[2]}};
}

float dot(const Vec3 &a, const Vec3 &b)
{
    return a.v[0] * b.v[0] + a.v[1] * b.v[1] + a.v[2] * b.v[2];
}

float adjustedThreshold(float threshold, float lightness)
{
    return lightness >= 220.0f ? threshold : threshold * (2.0f - lightness / 220.0f);
}

Vec3 mirrored(const Vec3 &a)
{
    return {{kMaxima[0] - a.v[0], kMaxima[1] - a.v[1], kMaxima[2] - a.v[2]}};
}

// The nearest colour the screen can show (unchanged on true-colour screens).
Color displayable(Color c, int depth)
{
    if (c.isNone())
        return c;
    const Color rgb = c.resolved(sysColor);
    if (depth >= 24)
        return rgb;
    const auto q = [](int channel, int bits) {
        const int levels = (1 << bits) - 1;
        return (channel * levels + 127) / 255 * 255 / levels;
    };
    return Color::rgb(q(rgb.red(), 5), q(rgb.green(), 6), q(rgb.blue(), 5));
}

} // namespace

int ColorIntensity(Color c)
{
    const Color rgb = c.resolved(sysColor);
    return (rgb.blue() * 30 + rgb.green() * 150 + rgb.red() * 76) >> 8;
}

float ColorDistance(Color a, Color b)
{
    const Vec3 x = weighted(a), y = weighted(b);
    float sum = 0.0f;
    for (int i = 0; i < 3; ++i)
        sum += (x.v[i] - y.v[i]) * (x.v[i] - y.v[i]);
    return std::sqrt(sum);
}

void EnsureContrast(Color &c, Color background, int threshold)
{
    const float dK = ColorDistance(background, Color::black());
    const float t1 = adjustedThreshold(float(threshold), dK);
    if (ColorDistance(background, c) > t1)
        return;
    const float dC = ColorDistance(c, Color::black());
    Vec3 cv = weighted(c), kv = weighted(background);
    const bool mirror = (dC > dK && 442.0f - t1 > dK) || (dC <= dK && dK < t1);
    if (mirror) {
        cv = mirrored(cv);
        kv = mirrored(kv);
    }
    const float length = std::max(std::sqrt(dot(cv, cv)), 0.01f);
    const float p = dot(cv, kv) / length;
    Vec3 d;
    for (int i = 0; i < 3; ++i)
        d.v[i] = (p / length) * cv.v[i] - kv.v[i];
    const float s = std::sqrt(t1 * t1 - dot(d, d));
    for (int i = 0; i < 3; ++i)
        cv.v[i] = (p - s) / length * cv.v[i];
    if (mirror)
        cv = mirrored(cv);
    int channel[3];
    for (int i = 0; i < 3; ++i) {
        // Out of reach along the line the root is not a number: black.
        const float component = std::isnan(cv.v[i]) ? 0.0f : std::clamp(cv.v[i], 0.0f, kMaxima[i]);
        channel[i] = std::clamp(int(component / kWeights[i] + 0.5f), 0, 255);
    }
    c = Color::rgb(channel[0], channel[1], channel[2]);
}

TTBXIdeTheme::TTBXIdeTheme(const QString &name) : TTBXTheme(name)
{
    SetupColorCache();
}

TTBXIdeTheme::~TTBXIdeTheme() = default;

void TTBXIdeTheme::SetupColorCache()
{
    const Color btnFace = systemColor(SystemColor::ButtonFace), btnText = systemColor(SystemColor::ButtonText);
    const Color window = systemColor(SystemColor::Window), highlightText = systemColor(SystemColor::HighlightText);
    const auto contrast = [](Color color, Color background, int threshold) {
        EnsureContrast(color, background, threshold);
        return color;
    };
    ColorCache &k = m_colors;
    k.MenubarColor = k.ToolbarColor = MixColors(StripDarkColor, StripLightColor, 50);
    k.PopupColor = k.DockPanelColor = Color::fromValue(0xF0F0F0);
    k.PopupFrameColor = LineColor;
    const Color hotBody = MixColors(HotColor, window, 20);
    const Color softText = MixColors(btnText, StripLightColor, 50);

    const auto set = [](ColorCache::PartColors &entry, Color body, Color text, Color frame) {
        entry[TItemPart::Body] = body;
        entry[TItemPart::Text] = text;
        entry[TItemPart::Frame] = frame;
    };
    const Color normalText = contrast(btnText, k.ToolbarColor, 180);
    set(k.BtnItemColors[TBtnItemState::Normal], Color::none(), normalText, Color::none());
    set(k.BtnItemColors[TBtnItemState::Disabled], Color::none(), softText, Color::none());
    set(k.BtnItemColors[TBtnItemState::Selected],
        contrast(MixColors(HotColor, MixColors(btnFace, window, 50), 10), k.ToolbarColor, 5), normalText, HotColor);
    set(k.BtnItemColors[TBtnItemState::Pressed], MixColors(HotColor, window, 50), highlightText, HotColor);
    set(k.BtnItemColors[TBtnItemState::Hot], hotBody, contrast(systemColor(SystemColor::MenuText), hotBody, 180),
        contrast(HotColor, k.ToolbarColor, 100));
    set(k.BtnItemColors[TBtnItemState::DisabledHot], hotBody, softText, HotColor);
    const Color selectedHotBody = contrast(MixColors(HotColor, window, 40), k.ToolbarColor, 30);
    set(k.BtnItemColors[TBtnItemState::SelectedHot], selectedHotBody, contrast(highlightText, selectedHotBody, 180), HotColor);
    set(k.BtnItemColors[TBtnItemState::PopupParent], MixColors(btnFace, window, 183), normalText, LineColor);

    set(k.MenuItemColors[TMenuItemState::Normal], Color::none(), contrast(systemColor(SystemColor::WindowText), k.PopupColor, 180), Color::none());
    set(k.MenuItemColors[TMenuItemState::Disabled], Color::none(), softText, Color::none());
    k.MenuItemColors[TMenuItemState::Hot] = k.BtnItemColors[TBtnItemState::Hot];
    set(k.MenuItemColors[TMenuItemState::DisabledHot], k.PopupColor, MixColors(systemColor(SystemColor::GrayText), window, 70), HotColor);

    k.SplitLineColor = contrast(LineColor, k.PopupColor, 50);
    k.SeparatorColor = LineColor;

    // Every entry as the screen shows it.
    const int depth = screenColorDepth();
    const auto fix = [depth](Color &c) { c = displayable(c, depth); };
    for (Color *c : {&k.MenubarColor, &k.ToolbarColor, &k.PopupColor, &k.DockPanelColor, &k.PopupFrameColor,
                      &k.SplitLineColor, &k.SeparatorColor})
        fix(*c);
    for (auto &state : k.MenuItemColors)
        std::for_each(std::begin(state), std::end(state), fix);
    for (auto &state : k.BtnItemColors)
        std::for_each(std::begin(state), std::end(state), fix);
}

void TTBXIdeTheme::TBXSysCommand(int code)
{
    if (code == TSC_VIEWCHANGE)
        SetupColorCache();
}

TBtnItemState TTBXIdeTheme::buttonState(const TTBXItemInfo &info)
{
    if (!info.Enabled)
        return info.Hover == HOVER_KEYBOARD ? TBtnItemState::DisabledHot : TBtnItemState::Disabled;
    if (info.PopupOpen)
        return TBtnItemState::PopupParent;
    if (info.Pushed)
        return TBtnItemState::Pressed;
    if (info.Checked)
        return info.Hover != HOVER_NONE ? TBtnItemState::SelectedHot : TBtnItemState::Selected;
    return info.Hover != HOVER_NONE ? TBtnItemState::Hot : TBtnItemState::Normal;
}

namespace {

bool hasAll(int value, int bits)
{
    return (value & bits) == bits;
}

// Embedded toolbars give empty parts a body and a frame.
Color embeddedFallback(Color color, const TTBXItemInfo &info, TItemPart part, Color toolbarColor)
{
    if (!hasAll(info.ViewKind, VT_TOOLBAR | TVT_EMBEDDED))
        return color;
    if (part == TItemPart::Body && color.isNone())
        return toolbarColor;
    if (part == TItemPart::Frame) {
        if (info.Checked)
            return systemColor(SystemColor::WindowFrame);
        if (color.isNone())
            return systemColor(SystemColor::ButtonShadow);
    }
    return color;
}

} // namespace

Color TTBXIdeTheme::GetBtnColor(const TTBXItemInfo &info, TItemPart part) const
{
    return embeddedFallback(m_colors.BtnItemColors[buttonState(info)][part], info, part, m_colors.ToolbarColor);
}

Color TTBXIdeTheme::GetPartColor(const TTBXItemInfo &info, TItemPart part) const
{
    if (hasAll(info.ViewKind, VT_POPUPMENU) && !(info.ItemFlags & IO_TOOLBARSTYLE)) {
        TMenuItemState state;
        if (info.Enabled)
            state = info.Hover != HOVER_NONE ? TMenuItemState::Hot : TMenuItemState::Normal;
        else
            state = info.Hover == HOVER_KEYBOARD ? TMenuItemState::DisabledHot : TMenuItemState::Disabled;
        return m_colors.MenuItemColors[state][part];
    }
    // A toolbar with 0x0200 only ever swaps an empty frame, checked or not.
    Color color = m_colors.BtnItemColors[buttonState(info)][part];
    if (hasAll(info.ViewKind, VT_TOOLBAR | TVT_EMBEDDED)) {
        if (part == TItemPart::Body && color.isNone())
            color = m_colors.ToolbarColor;
        else if (part == TItemPart::Frame && color.isNone())
            color = systemColor(SystemColor::ButtonShadow);
    }
    return color;
}

Color TTBXIdeTheme::GetItemColor(const TTBXItemInfo &info) const
{
    const Color c = GetPartColor(info, TItemPart::Body);
    return c.isNone() ? GetViewColor(info.ViewKind) : c;
}

Color TTBXIdeTheme::GetItemTextColor(const TTBXItemInfo &info) const
{
    return GetPartColor(info, TItemPart::Text);
}

Color TTBXIdeTheme::GetItemImageBackground(const TTBXItemInfo &info) const
{
    const Color c = GetBtnColor(info, TItemPart::Body);
    return c.isNone() ? GetViewColor(info.ViewKind) : c;
}

Color TTBXIdeTheme::GetViewColor(int viewType) const
{
    if (viewType & VT_TOOLBAR)
        return hasAll(viewType, VT_TOOLBAR | TVT_MENUBAR) ? m_colors.MenubarColor : m_colors.ToolbarColor;
    if (viewType & VT_POPUP)
        return hasAll(viewType, VT_POPUP | PVT_LISTBOX) ? systemColor(SystemColor::Window) : m_colors.PopupColor;
    if (viewType & VT_DOCKPANEL)
        return m_colors.DockPanelColor;
    return systemColor(SystemColor::ButtonFace);
}

QPoint TTBXIdeTheme::GetViewBorder(int viewType) const
{
    if (viewType & (VT_TOOLBAR | VT_DOCKPANEL)) {
        if (viewType & TVT_FLOATING) {
            if (viewType & TVT_RESIZABLE)
                return QPoint(systemMetric(SystemMetric::FrameWidth) - 1, systemMetric(SystemMetric::FrameHeight) - 1);
            return QPoint(systemMetric(SystemMetric::DialogFrameWidth) - 1, systemMetric(SystemMetric::DialogFrameHeight) - 1);
        }
        return QPoint(2, 2);
    }
    if (hasAll(viewType, VT_POPUPMENU))
        return QPoint(1, 2);
    if (viewType & VT_POPUP)
        return QPoint(2, 2);
    return QPoint(0, 0);
}

TTBXMargins TTBXIdeTheme::GetMargins(int marginID) const
{
    switch (marginID) {
    case MID_TOOLBARITEM:
        return {2, 2, 2, 2};
    case MID_MENUITEM:
        return {1, 1, 3, 3};
    case MID_STATUSPANE:
        return {3, 3, 1, 1};
    default:
        return {};
    }
}

QPoint TTBXIdeTheme::GetImageOffset(QPainter &, const TTBXItemInfo &info, const ImageList *images) const
{
    // Every image list of this program is a plain one; the shift applies.
    if (images && info.Enabled && info.Hover != HOVER_NONE && !info.Checked && (!info.Pushed || info.PopupOpen))
        return QPoint(-1, -1);
    return QPoint(0, 0);
}

int TTBXIdeTheme::GetIntegerMetrics(int index) const
{
    switch (index) {
    case TMI_SPLITBTN_ARROWWIDTH:
        return 12;
    case TMI_DROPDOWN_ARROWWIDTH:
        return 8;
    case TMI_DROPDOWN_ARROWMARGIN:
    case TMI_MENU_IMGTEXTSPACE:
    case TMI_MENU_RCAPTIONMARGIN:
    case TMI_MENU_SEPARATORSIZE:
        return 3;
    case TMI_MENU_LCAPTIONMARGIN:
        return 8;
    case TMI_MENU_MDI_DW:
    case TMI_MENU_MDI_DH:
    case TMI_EDIT_TEXTMARGINHORZ:
    case TMI_EDIT_TEXTMARGINVERT:
        return 2;
    case TMI_EDIT_FRAMEWIDTH:
    case TMI_EDIT_MENURIGHTINDENT:
        return 1;
    case TMI_EDIT_BTNWIDTH:
        return 14;
    default:
        return -1;
    }
}

bool TTBXIdeTheme::GetBooleanMetrics(int index) const
{
    return index == 1 || index == 5 || index == 6 || index == 7;
}

void registerIdeTheme()
{
    registerTbxTheme(QStringLiteral("Ide"),
                     [](const QString &name) { return std::make_unique<TTBXIdeTheme>(name); });
}

void useIdeTheme()
{
    ThemeRegistry *registry = ThemeRegistry::instance();
    if (!registry)
        return;
    if (!registry->isRegistered(QStringLiteral("Ide")))
        registerIdeTheme();
    registry->selectTheme(QStringLiteral("Ide"));
}
