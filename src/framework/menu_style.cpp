#include "framework/menu_style.h"

#include "framework/image_list.h"
#include "framework/menu_metrics.h"
#include "framework/popup_menu.h"
#include "framework/system_metrics.h"
#include "framework/theme_registry.h"

#include <QMenu>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

#include <algorithm>

namespace {

// A gap between a caption and its shortcut text.
constexpr int kShortcutGap = 12;

QAction *actionOf(const QStyleOptionMenuItem &option, const QMenu *menu)
{
    return menu ? menu->actionAt(option.rect.center()) : nullptr;
}

int textFlags()
{
    return Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
}

} // namespace

MenuStyle::MenuStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

TTBXItemInfo menuItemInfo(const QStyleOptionMenuItem &option, const QMenu *menu)
{
    TTBXItemInfo info;
    info.ViewKind = VT_POPUPMENU;
    info.Enabled = option.state & QStyle::State_Enabled;
    if (option.state & QStyle::State_Selected) {
        const auto *themed = qobject_cast<const PopupMenu *>(menu);
        info.Hover = themed ? themed->hoverKind() : quint8(HOVER_MOUSE);
    }
    info.Checked = option.checkType != QStyleOptionMenuItem::NotCheckable && option.checked;
    if (option.checkType == QStyleOptionMenuItem::Exclusive)
        info.ItemFlags |= IO_RADIO;
    if (option.menuItemType == QStyleOptionMenuItem::SubMenu)
        info.ItemFlags |= IO_SUBMENUITEM;
    const QAction *action = actionOf(option, menu);
    info.PopupOpen = action && action->menu() && action->menu()->isVisible();
    const ImageList *images = MenuMetrics::imagesOf(menu);
    const int index = PopupMenu::imageIndex(action);
    info.HasImage = (images && index >= 0 && index < images->count()) || !option.icon.isNull();
    info.ImageWidth = images ? images->width() : 16;
    info.ImageHeight = images ? images->height() : 16;
    info.ImageStripWidth = MenuMetrics::ImageStripWidth(menu, images, currentTheme());
    return info;
}

int MenuStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    if (const TTBXTheme *theme = currentTheme()) {
        const QPoint border = theme->GetViewBorder(VT_POPUPMENU);
        switch (metric) {
        case PM_MenuPanelWidth:
            return border.x();
        case PM_MenuVMargin:
            return std::max(0, border.y() - border.x());
        case PM_MenuHMargin:
            return 0;
        case PM_MenuDesktopFrameWidth:
            return 0;
        default:
            break;
        }
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int MenuStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                             QStyleHintReturn *returnData) const
{
    switch (hint) {
    case SH_Menu_AllowActiveAndDisabled:
    case SH_Menu_MouseTracking:
    case SH_Menu_SpaceActivatesItem:
        return 1;
    case SH_Menu_FlashTriggeredItem:
    case SH_Menu_FadeOutOnHide:
    case SH_Menu_SupportsSections:
        return 0;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}

QSize MenuStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                      const QWidget *widget) const
{
    const TTBXTheme *theme = currentTheme();
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (type != CT_MenuItem || !theme || !item)
        return QProxyStyle::sizeFromContents(type, option, size, widget);

    const auto *menu = qobject_cast<const QMenu *>(widget);
    const ImageList *images = MenuMetrics::imagesOf(menu);
    const int strip = MenuMetrics::ImageStripWidth(widget, images, theme);
    if (item->menuItemType == QStyleOptionMenuItem::Separator)
        return QSize(strip + 16, theme->GetIntegerMetrics(TMI_MENU_SEPARATORSIZE));

    const QFontMetrics fm(item->font);
    const QString caption = item->text.section(QLatin1Char('\t'), 0, 0);
    const QString shortcut = item->text.section(QLatin1Char('\t'), 1);
    int width = strip + theme->GetIntegerMetrics(TMI_MENU_IMGTEXTSPACE)
        + theme->GetIntegerMetrics(TMI_MENU_LCAPTIONMARGIN)
        + fm.size(Qt::TextShowMnemonic | Qt::TextSingleLine, caption).width()
        + theme->GetIntegerMetrics(TMI_MENU_RCAPTIONMARGIN) + systemMetric(SystemMetric::MenuCheckWidth) + 1;
    if (!shortcut.isEmpty())
        width += kShortcutGap + fm.horizontalAdvance(shortcut);
    return QSize(width, MenuMetrics::itemHeight(widget, images, theme));
}

void MenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                  const QWidget *widget) const
{
    TTBXTheme *theme = currentTheme();
    if (theme && (element == PE_PanelMenu || element == PE_FrameMenu)) {
        // The frame pass runs clipped to the border ring, so painting the
        // whole non-client area again touches only the frame.
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing, false);
        theme->PaintPopupNCArea(*painter, Rect::fromQRect(option->rect), TTBXPopupInfo{});
        painter->restore();
        return;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void MenuStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                                const QWidget *widget) const
{
    TTBXTheme *theme = currentTheme();
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (!theme || !item)
        return QProxyStyle::drawControl(element, option, painter, widget);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    switch (element) {
    case CE_MenuItem:
        drawMenuItem(*theme, *item, *painter, qobject_cast<const QMenu *>(widget));
        break;
    case CE_MenuHMargin:
    case CE_MenuVMargin:
    case CE_MenuEmptyArea: {
        const Rect r = Rect::fromQRect(option->rect);
        theme->PaintBackgnd(*painter, r, r, r, theme->GetViewColor(VT_POPUPMENU), false, VT_POPUPMENU);
        break;
    }
    case CE_MenuScroller:
        theme->PaintPageScrollButton(*painter, Rect::fromQRect(option->rect),
                                     (option->state & State_DownArrow) ? PSBT_DOWN : PSBT_UP,
                                     option->state & State_MouseOver);
        break;
    case CE_MenuTearoff:
        break;
    default:
        painter->restore();
        return QProxyStyle::drawControl(element, option, painter, widget);
    }
    painter->restore();
}

void MenuStyle::drawMenuItem(TTBXTheme &theme, const QStyleOptionMenuItem &option, QPainter &painter,
                                 const QMenu *menu) const
{
    const TTBXItemInfo info = menuItemInfo(option, menu);
    painter.translate(option.rect.topLeft());
    const Rect r{0, 0, option.rect.width(), option.rect.height()};
    if (option.menuItemType == QStyleOptionMenuItem::Separator) {
        theme.PaintSeparator(painter, r, info, true, false);
        return;
    }
    theme.PaintMenuItem(painter, r, info);

    // The image sits centred on the box that marks a checked item.
    const int strip = info.ImageStripWidth;
    const Rect box{2, 1, strip, r.bottom - 1};
    const int left = box.left + (box.width() - info.ImageWidth) / 2;
    const int top = box.top + (box.height() - info.ImageHeight) / 2;
    const Rect imageRect{left, top, left + info.ImageWidth, top + info.ImageHeight};
    if (info.HasImage) {
        const ImageList *images = MenuMetrics::imagesOf(menu);
        int index = PopupMenu::imageIndex(actionOf(option, menu));
        ImageList iconList(info.ImageWidth, info.ImageHeight);
        if (!images || index < 0 || index >= images->count()) {
            index = iconList.add(option.icon.pixmap(info.ImageWidth, info.ImageHeight).toImage());
            images = &iconList;
        }
        const QPoint shift = theme.GetImageOffset(painter, info, images);
        theme.PaintImage(painter, imageRect.translated(shift.x(), shift.y()), info, images, index);
    } else if (info.Checked) {
        theme.PaintCheckMark(painter, imageRect, info);
    }

    const Color textColor = theme.GetItemTextColor(info);
    if (textColor.isNone())
        painter.setPen(Qt::NoPen);
    else
        painter.setPen(textColor.resolved(sysColor).toQColor());
    painter.setFont(option.font);
    const int captionLeft = strip + theme.GetIntegerMetrics(TMI_MENU_IMGTEXTSPACE)
        + theme.GetIntegerMetrics(TMI_MENU_LCAPTIONMARGIN);
    const int captionRight = r.right - theme.GetIntegerMetrics(TMI_MENU_RCAPTIONMARGIN)
        - systemMetric(SystemMetric::MenuCheckWidth) - 1;
    const QString caption = option.text.section(QLatin1Char('\t'), 0, 0);
    const QString shortcut = option.text.section(QLatin1Char('\t'), 1);
    theme.PaintCaption(painter, Rect{captionLeft, 0, captionRight, r.bottom}, info, caption, textFlags(), false);
    if (!shortcut.isEmpty()) {
        theme.PaintCaption(painter, Rect{captionLeft, 0, captionRight, r.bottom}, info, shortcut,
                           (textFlags() & ~Qt::AlignLeft) | Qt::AlignRight, false);
    }
}
