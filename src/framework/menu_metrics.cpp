#include "framework/menu_metrics.h"

#include "framework/image_list.h"
#include "framework/popup_menu.h"
#include "framework/tbx_theme.h"

#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

namespace MenuMetrics {
namespace {

struct Inputs
{
    int w = 16, h = 16, m = 6, t = 13;
};

Inputs inputs(const QWidget *menu, const ImageList *images, const TTBXTheme *theme)
{
    Inputs in;
    if (images) {
        in.w = images->width();
        in.h = images->height();
    }
    if (theme) {
        const TTBXMargins margins = theme->GetMargins(MID_MENUITEM);
        in.m = margins.topHeight + margins.bottomHeight;
    }
    const QFontMetrics fm = menu ? menu->fontMetrics() : QFontMetrics(QFont());
    in.t = fm.height() + fm.leading();
    return in;
}

} // namespace

int ImageStripWidth(const QWidget *menu, const ImageList *images, const TTBXTheme *theme)
{
    const Inputs in = inputs(menu, images, theme);
    const int height = std::max(in.t + in.m, in.h + in.m);
    return height * (in.w + in.m) / std::max(1, in.h + in.m);
}

int itemHeight(const QWidget *menu, const ImageList *images, const TTBXTheme *theme)
{
    const Inputs in = inputs(menu, images, theme);
    return std::max(in.t + in.m, in.h + in.m);
}

const ImageList *imagesOf(const QWidget *menu)
{
    const auto *themed = qobject_cast<const PopupMenu *>(menu);
    return themed ? themed->images() : nullptr;
}

} // namespace MenuMetrics
