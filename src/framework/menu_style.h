#pragma once

#include "framework/tbx_theme.h"

#include <QProxyStyle>

class QMenu;
class QStyleOptionMenuItem;

// What the menu framework tells the theme about one item of `menu`: the
// record every size, colour and paint request of the item carries.
TTBXItemInfo menuItemInfo(const QStyleOptionMenuItem &option, const QMenu *menu);

// The style of every themed menu. It fills a TTBXItemInfo for each item and
// hands every size, margin, colour and paint request to the current theme;
// with no theme selected it falls back to the base style.
class MenuStyle final : public QProxyStyle
{
    Q_OBJECT
public:
    MenuStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;

private:
    void drawMenuItem(TTBXTheme &theme, const QStyleOptionMenuItem &option, QPainter &painter,
                      const QMenu *menu) const;
};
