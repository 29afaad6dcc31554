#pragma once

#include "framework/tbx_theme.h"

class ImageList;

// Colour rules of the Ide theme.
int ColorIntensity(TColor c);
// Weighted distance of two colours (at most about 441).
float ColorDistance(TColor a, TColor b);
// Moves `c` toward black (or white, against dark backgrounds) until it stands
// `threshold` away from `background`; a colour far enough stays as it is.
void EnsureContrast(TColor &c, TColor background, int threshold);

// The menu look "Ide": light grey popups in a blue-grey frame, a shaded image
// strip and soft blue highlights.
class TTBXIdeTheme final : public TTBXTheme
{
    Q_OBJECT
public:
    static constexpr TColor StripDarkColor = 0xDBCBC4;
    static constexpr TColor StripLightColor = 0xFDFAFA;
    static constexpr TColor HotColor = 0xF9D996;
    static constexpr TColor LineColor = 0xB4A0A0;

    explicit TTBXIdeTheme(const QString &name);
    ~TTBXIdeTheme() override;

    // The colour cache, rebuilt when the system colours change.
    struct ColorCache
    {
        TColor MenubarColor = clNone;
        TColor ToolbarColor = clNone;
        TColor PopupColor = clNone;
        TColor DockPanelColor = clNone;
        TColor PopupFrameColor = clNone;
        TColor WinFrameColors[2][3] = {};    // [TWinFrameState][TWinFramePart]
        TColor PanelFrameColors[2][3] = {};  // [TWinFrameState][TWinFramePart]
        TColor MenuItemColors[4][3] = {};    // [TMenuItemState][TItemPart]
        TColor BtnItemColors[8][3] = {};     // [TBtnItemState][TItemPart]
        TColor SplitLineColor = clNone;
        TColor SeparatorColor = clNone;
        TColor StatusFrameColor = clNone;
        TColor GripColors[4] = {};           // toolbar drag grips
    };
    const ColorCache &Colors() const { return FColors; }
    void SetupColorCache();

    TColor GetBtnColor(const TTBXItemInfo &info, TItemPart part) const;
    TColor GetPartColor(const TTBXItemInfo &info, TItemPart part) const;
    static TBtnItemState GetButtonState(const TTBXItemInfo &info);

    QPoint GetImageOffset(QPainter &canvas, const TTBXItemInfo &info, const ImageList *images) const override;
    TColor GetItemColor(const TTBXItemInfo &info) const override;
    TColor GetItemTextColor(const TTBXItemInfo &info) const override;
    TColor GetItemImageBackground(const TTBXItemInfo &info) const override;
    TTBXMargins GetMargins(int marginID) const override;
    int GetPopupShadowType() const override { return 3; }
    QPoint GetViewBorder(int viewType) const override;
    TColor GetViewColor(int viewType) const override;
    TTBXMargins GetViewMargins(int) const override { return {}; }

    void PaintBackgnd(QPainter &canvas, const TRect &dockRect, const TRect &rect, const TRect &clipRect,
                      TColor color, bool transparent, int viewType) override;
    void PaintButton(QPainter &canvas, const TRect &rect, const TTBXItemInfo &info) override;
    void PaintCaption(QPainter &canvas, const TRect &rect, const TTBXItemInfo &info, const QString &caption,
                      int flags, bool rotated) override;
    void PaintCheckMark(QPainter &canvas, const TRect &rect, const TTBXItemInfo &info) override;
    void PaintDropDownArrow(QPainter &canvas, const TRect &rect, const TTBXItemInfo &info) override;
    void PaintFrame(QPainter &canvas, const TRect &rect, const TTBXItemInfo &info) override;
    void PaintImage(QPainter &canvas, const TRect &rect, const TTBXItemInfo &info, const ImageList *images,
                    int imageIndex) override;
    void PaintMenuItem(QPainter &canvas, const TRect &rect, const TTBXItemInfo &info) override;
    void PaintMenuItemFrame(QPainter &canvas, const TRect &rect, const TTBXItemInfo &info) override;
    void PaintPageScrollButton(QPainter &canvas, const TRect &rect, int buttonType, bool hot) override;
    void PaintPopupNCArea(QPainter &canvas, const TRect &rect, const TTBXPopupInfo &info) override;
    void PaintSeparator(QPainter &canvas, const TRect &rect, const TTBXItemInfo &info, bool horizontal,
                        bool lineOnly) override;

    int GetIntegerMetrics(int index) const override;
    bool GetBooleanMetrics(int index) const override;
    void TBXSysCommand(int code) override;

private:
    ColorCache FColors;
};

// Registers "Ide" with the theme registry (throws if it already is).
void RegisterIdeTheme();
// Registers "Ide" when needed and makes it the current theme; for programs
// and tests that want the themed menus.
void UseIdeTheme();
