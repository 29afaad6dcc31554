#pragma once

#include "framework/tbx_theme.h"

class ImageList;

// Colour rules of the Ide theme.
int ColorIntensity(Color c);
// Weighted distance of two colours (at most about 441).
float ColorDistance(Color a, Color b);
// Moves `c` toward black (or white, against dark backgrounds) until it stands
// `threshold` away from `background`; a colour far enough stays as it is.
void EnsureContrast(Color &c, Color background, int threshold);

// The menu look "Ide": light grey popups in a blue-grey frame, a shaded image
// strip and soft blue highlights.
class TTBXIdeTheme final : public TTBXTheme
{
    Q_OBJECT
public:
    static constexpr Color StripDarkColor = Color::fromValue(0xDBCBC4);
    static constexpr Color StripLightColor = Color::fromValue(0xFDFAFA);
    static constexpr Color HotColor = Color::fromValue(0xF9D996);
    static constexpr Color LineColor = Color::fromValue(0xB4A0A0);

    explicit TTBXIdeTheme(const QString &name);
    ~TTBXIdeTheme() override;

    // The colour cache, rebuilt when the system colours change.
    struct ColorCache
    {
        Color MenubarColor = Color::none();
        Color ToolbarColor = Color::none();
        Color PopupColor = Color::none();
        Color DockPanelColor = Color::none();
        Color PopupFrameColor = Color::none();
        using PartColors = EnumTable<TItemPart, 3, Color>;
        EnumTable<TMenuItemState, 4, PartColors> MenuItemColors;
        EnumTable<TBtnItemState, 8, PartColors> BtnItemColors;
        Color SplitLineColor = Color::none();
        Color SeparatorColor = Color::none();
    };
    const ColorCache &colors() const { return m_colors; }
    void SetupColorCache();

    Color GetBtnColor(const TTBXItemInfo &info, TItemPart part) const;
    Color GetPartColor(const TTBXItemInfo &info, TItemPart part) const;
    static TBtnItemState buttonState(const TTBXItemInfo &info);

    QPoint GetImageOffset(QPainter &canvas, const TTBXItemInfo &info, const ImageList *images) const override;
    Color GetItemColor(const TTBXItemInfo &info) const override;
    Color GetItemTextColor(const TTBXItemInfo &info) const override;
    Color GetItemImageBackground(const TTBXItemInfo &info) const override;
    TTBXMargins GetMargins(int marginID) const override;
    int GetPopupShadowType() const override { return 3; }
    QPoint GetViewBorder(int viewType) const override;
    Color GetViewColor(int viewType) const override;
    TTBXMargins GetViewMargins(int) const override { return {}; }

    void PaintBackgnd(QPainter &canvas, const Rect &dockRect, const Rect &rect, const Rect &clipRect,
                      Color color, bool transparent, int viewType) override;
    void PaintButton(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info) override;
    void PaintCaption(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info, const QString &caption,
                      int flags, bool rotated) override;
    void PaintCheckMark(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info) override;
    void PaintDropDownArrow(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info) override;
    void PaintFrame(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info) override;
    void PaintImage(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info, const ImageList *images,
                    int imageIndex) override;
    void PaintMenuItem(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info) override;
    void PaintMenuItemFrame(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info) override;
    void PaintPageScrollButton(QPainter &canvas, const Rect &rect, int buttonType, bool hot) override;
    void PaintPopupNCArea(QPainter &canvas, const Rect &rect, const TTBXPopupInfo &info) override;
    void PaintSeparator(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info, bool horizontal,
                        bool lineOnly) override;

    int GetIntegerMetrics(int index) const override;
    bool GetBooleanMetrics(int index) const override;
    void TBXSysCommand(int code) override;

private:
    ColorCache m_colors;
};

// Registers "Ide" with the theme registry (throws if it already is).
void registerIdeTheme();
// Registers "Ide" when needed and makes it the current theme; for programs
// and tests that want the themed menus.
void useIdeTheme();
