#include "theme/ide_theme.h"

#include "framework/canvas.h"
#include "framework/image_list.h"
#include "framework/system_metrics.h"
#include "theme/gradients.h"

#include <QPainter>

#include <algorithm>

namespace {

bool hasAll(int value, int bits)
{
    return (value & bits) == bits;
}

// Weighted brightness used to classify image pixels (red 76, blue 29).
int imageBrightness(QRgb px)
{
    return qRed(px) * 76 + qGreen(px) * 150 + qBlue(px) * 29;
}

enum class ImageLook { Normal, Shadow, Silhouette, Brighten, Faded };

// The image recoloured for its state; Shadow yields grey factors that are
// multiplied into the background.
QImage recolor(const QImage &source, ImageLook look)
{
    QImage img = source.convertToFormat(QImage::Format_ARGB32);
    const QRgb shadow = systemColor(SystemColor::ButtonShadow).resolved(sysColor).toQColor().rgb();
    for (int y = 0; y < img.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x) {
            const QRgb px = line[x];
            const int alpha = qAlpha(px);
            if (alpha == 0)
                continue;
            switch (look) {
            case ImageLook::Normal:
                break;
            case ImageLook::Silhouette:
                line[x] = imageBrightness(px) < 46081 ? qRgba(qRed(shadow), qGreen(shadow), qBlue(shadow), alpha) : 0;
                break;
            case ImageLook::Shadow: {
                const int brightness = (qRed(px) * 29 + qGreen(px) * 150 + qBlue(px) * 76) >> 8;
                // Multiplying by g/255 darkens by f/256 when g = f * 255 / 256.
                const int f = brightness / 3 + 170;
                const int g = std::min(255, (f * 255 + 128) / 256);
                line[x] = qRgba(g, g, g, alpha);
                break;
            }
            case ImageLook::Brighten: {
                const int w = imageBrightness(px);
                int r = qRed(px), g = qGreen(px), b = qBlue(px);
                if (w > 0xFD00)
                    r = g = b = 0;
                else if (w < 25600)
                    r = g = b = 255;
                line[x] = qRgba(std::min(255, r + 32), std::min(255, g + 32), std::min(255, b + 32), alpha);
                break;
            }
            case ImageLook::Faded:
                line[x] = qRgba(qRed(px) * 255 / 256, qGreen(px) * 255 / 256, qBlue(px) * 255 / 256, alpha);
                break;
            }
        }
    }
    return img;
}

void fillTriangleArrow(QPainter &canvas, int cx, int cy, int size, int kind, Color color)
{
    switch (kind) {
    case PSBT_UP:
        cy += size / 2;
        Canvas::fillTriangle(canvas, {cx + size, cy}, {cx, cy - size}, {cx - size, cy}, color);
        break;
    case PSBT_DOWN:
        cy -= size / 2;
        Canvas::fillTriangle(canvas, {cx + size, cy}, {cx, cy + size}, {cx - size, cy}, color);
        break;
    case PSBT_LEFT:
        cx += size / 2;
        Canvas::fillTriangle(canvas, {cx, cy + size}, {cx - size, cy}, {cx, cy - size}, color);
        break;
    default:
        cx -= size / 2;
        Canvas::fillTriangle(canvas, {cx, cy + size}, {cx + size, cy}, {cx, cy - size}, color);
        break;
    }
}

} // namespace

void TTBXIdeTheme::PaintPopupNCArea(QPainter &canvas, const Rect &rect, const TTBXPopupInfo &)
{
    Rect r = rect;
    Canvas::frameRect(canvas, r, m_colors.PopupFrameColor);
    Canvas::fillRect(canvas, r, m_colors.PopupColor);
}

void TTBXIdeTheme::PaintBackgnd(QPainter &canvas, const Rect &dockRect, const Rect &rect, const Rect &clipRect,
                                Color color, bool transparent, int viewType)
{
    if (transparent)
        return;
    Rect r = rect.intersected(clipRect);
    const bool gradientBar = (hasAll(viewType, VT_TOOLBAR | 0x0001) && !(viewType & TVT_EMBEDDED))
        || hasAll(viewType, VT_TOOLBAR | TVT_TOOLBOX);
    if (gradientBar) {
        const bool horizontal = dockRect == Rect{} ? rect.right > rect.bottom : r.width() > r.height();
        if (horizontal)
            GradientFill(canvas, r.inflated(0, 1), StripDarkColor, StripLightColor, Qt::Vertical);
        else
            GradientFill(canvas, r.inflated(1, 0), Color::fromValue(0xFCF7F4), Color::fromValue(0xFAECE9), Qt::Horizontal);
        return;
    }
    if (dockRect == rect)
        Canvas::fillRect(canvas, r, color);
    else
        GradientFill(canvas, r, Color::fromValue(0xFCF7F4), Color::fromValue(0xFAECE9), Qt::Horizontal);
}

void TTBXIdeTheme::PaintMenuItemFrame(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info)
{
    Rect handed = rect;
    if (!hasAll(info.ViewKind, VT_POPUP | PVT_TOOLBOX)) {
        const Rect strip{rect.left, rect.top, rect.left + info.ImageStripWidth + 2, rect.bottom};
        GradientFill(canvas, strip, StripDarkColor, StripLightColor, Qt::Horizontal);
        Canvas::line(canvas, strip.right, rect.top, strip.right, rect.bottom, LineColor);
        Canvas::line(canvas, strip.right + 1, rect.top, strip.right + 1, rect.bottom, Color::white());
        handed = {rect.left + 1, rect.top, rect.right - 1, rect.bottom};
    }
    PaintFrame(canvas, handed, info);
}

void TTBXIdeTheme::PaintFrame(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info)
{
    if (!info.Enabled || info.Hover == HOVER_NONE)
        return;
    const Rect r{rect.left + 1, rect.top, rect.right - 1, rect.bottom};
    GradientFill(canvas, r, Color::fromValue(0xF6E4BA), Color::fromValue(0xFEFDFC), Qt::Vertical);
    Canvas::frameRectConst(canvas, r, HotColor);
    // Rounded-off corners.
    Canvas::setPixel(canvas, r.left, r.top, m_colors.PopupColor);
    Canvas::setPixel(canvas, r.right - 1, r.top, m_colors.PopupColor);
    Canvas::setPixel(canvas, r.left, r.bottom - 1, m_colors.PopupColor);
    Canvas::setPixel(canvas, r.right - 1, r.bottom - 1, m_colors.PopupColor);
}

void TTBXIdeTheme::PaintMenuItem(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info)
{
    const int w = systemMetric(SystemMetric::MenuCheckWidth);
    const Color text = GetPartColor(info, TItemPart::Text);
    PaintMenuItemFrame(canvas, rect, info);
    if (info.ItemFlags & IO_COMBO) {
        Color divider = m_colors.SplitLineColor;
        if (!info.Enabled)
            divider = text;
        else if (info.Hover == HOVER_MOUSE)
            divider = GetPartColor(info, TItemPart::Frame);
        const int x = rect.right - w - 1;
        Canvas::line(canvas, x, rect.top + 1, x, rect.bottom - 1, divider);
    }
    if (info.ItemFlags & IO_SUBMENUITEM) {
        const int y = rect.bottom / 2;
        const int x = rect.right - (2 * w) / 3 - 1;
        Canvas::fillTriangle(canvas, {x, y - 3}, {x, y + 3}, {x + 3, y}, text);
    }
    if (info.Checked && info.Enabled) {
        Rect box{rect.left + 2, rect.top + 1, rect.left + info.ImageStripWidth, rect.bottom - 1};
        Canvas::frameRect(canvas, box, GetBtnColor(info, TItemPart::Frame));
        Canvas::fillRect(canvas, box, GetBtnColor(info, TItemPart::Body));
    }
}

void TTBXIdeTheme::PaintCheckMark(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info)
{
    const int cx = (rect.left + rect.right) / 2, cy = (rect.top + rect.bottom) / 2;
    Canvas::polyline(canvas,
                     {{cx - 4, cy - 1}, {cx - 2, cy + 1}, {cx + 2, cy - 3}, {cx + 2, cy - 2}, {cx - 2, cy + 2},
                      {cx - 4, cy}, {cx - 4, cy - 1}},
                     GetBtnColor(info, TItemPart::Text));
}

void TTBXIdeTheme::PaintCaption(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info,
                                const QString &caption, int flags, bool rotated)
{
    const Rect r{rect.left, rect.top - 1, rect.right, rect.bottom};
    canvas.save();
    if (canvas.pen().style() == Qt::NoPen)
        canvas.setPen(GetPartColor(info, TItemPart::Text).resolved(sysColor).toQColor());
    canvas.setBackgroundMode(Qt::TransparentMode);
    if (rotated) {
        // Vertical bars read from top to bottom.
        canvas.translate(r.right, r.top);
        canvas.rotate(90);
        canvas.drawText(QRect(0, 0, r.height(), r.width()), flags, caption);
    } else {
        canvas.drawText(r.toQRect(), flags, caption);
    }
    canvas.restore();
}

void TTBXIdeTheme::PaintImage(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info,
                              const ImageList *images, int imageIndex)
{
    if (!images)
        return;
    const QImage image = images->image(imageIndex);
    if (image.isNull())
        return;
    const bool dark = ColorIntensity(GetItemImageBackground(info)) < 80;
    ImageLook look = ImageLook::Normal;
    if (!info.Enabled) {
        look = dark ? ImageLook::Silhouette : ImageLook::Shadow;
    } else if (info.Checked || info.Pushed || info.Hover != HOVER_NONE) {
        look = dark ? ImageLook::Brighten : ImageLook::Normal;
    } else if (dark) {
        look = ImageLook::Brighten;
    } else if (screenColorDepth() < 12 || systemColor(SystemColor::ButtonFace).resolved(sysColor) == Color::white()) {
        look = ImageLook::Normal;
    } else {
        look = ImageLook::Faded;
    }
    canvas.save();
    if (look == ImageLook::Shadow)
        canvas.setCompositionMode(QPainter::CompositionMode_Multiply);
    canvas.drawImage(QPoint(rect.left, rect.top), recolor(image, look));
    canvas.restore();
}

void TTBXIdeTheme::PaintButton(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info)
{
    Rect r{rect.left, rect.top, rect.right, rect.bottom - 1};
    if ((info.ItemFlags & IO_DESIGNING) && !info.Checked) {
        Rect design = info.SplitPart == 3 ? r.translated(-1, 0) : r;
        Canvas::frameRect(canvas, design, Color::rgb(255, 0, 0));
    } else {
        Canvas::frameRect(canvas, r, GetBtnColor(info, TItemPart::Frame));
        if (info.SplitPart == 2 && info.PopupOpen)
            ++r.right;
        if (info.SplitPart == 3)
            --r.left;
        if (info.Checked && (info.ViewKind & VT_TOOLBAR)) {
            Canvas::fillRect(canvas, r, GetBtnColor(info, TItemPart::Body));
        } else if (hasAll(info.ViewKind, VT_TOOLBAR | TVT_MENUBAR) && info.Hover != HOVER_NONE) {
            GradientFill(canvas, r, Color::fromValue(0xE6CA92), Color::fromValue(0xFCF7EA), Qt::Vertical);
            Canvas::frameRectConst(canvas, r, Color::fromValue(0xFF9929));
            Canvas::frameRectConst(canvas, r.inflated(1, 1), Color::white());
        } else {
            Canvas::fillRect(canvas, r, GetBtnColor(info, TItemPart::Body));
        }
    }
    if (info.SplitPart == 3)
        PaintDropDownArrow(canvas, r, info);
}

void TTBXIdeTheme::PaintDropDownArrow(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info)
{
    const Color color = GetPartColor(info, TItemPart::Text);
    const int cx = (rect.left + rect.right) / 2, cy = (rect.top + rect.bottom) / 2 - 1;
    if (info.Vertical)
        Canvas::fillTriangle(canvas, {cx, cy + 2}, {cx, cy - 2}, {cx - 2, cy}, color);
    else
        Canvas::fillTriangle(canvas, {cx - 2, cy}, {cx + 2, cy}, {cx, cy + 2}, color);
}

void TTBXIdeTheme::PaintSeparator(QPainter &canvas, const Rect &rect, const TTBXItemInfo &info, bool horizontal,
                                  bool)
{
    Rect r = rect;
    if (horizontal) {
        if (!hasAll(info.ViewKind, VT_POPUP | PVT_TOOLBOX) && (info.ViewKind & VT_POPUP)
            && !(info.ItemFlags & IO_TOOLBARSTYLE)) {
            const int x = info.ImageStripWidth + 2;
            Canvas::line(canvas, x, r.top, x, r.bottom, LineColor);
            Canvas::line(canvas, x + 1, r.top, x + 1, r.bottom, Color::white());
            GradientFill(canvas, Rect{r.left, r.top, x, r.bottom}, StripDarkColor, StripLightColor, Qt::Horizontal);
            r.left += info.ImageStripWidth + 9;
        }
        if (!info.Enabled)
            return;
        if (info.ViewKind & VT_TOOLBAR) {
            const int y = r.bottom / 2 - 1;
            Canvas::line(canvas, r.left + 3, y, r.right - 3, y, m_colors.SeparatorColor);
        } else {
            const int y = r.bottom / 2;
            Canvas::line(canvas, r.left + 4, y, r.right - 2, y, LineColor);
            Canvas::line(canvas, r.left + 4, y + 1, r.right - 2, y + 1, Color::white());
        }
    } else if (info.Enabled) {
        const int x = r.right / 2 - 1;
        Canvas::line(canvas, x, r.top + 1, x, r.bottom - 2, m_colors.SeparatorColor);
    }
}

void TTBXIdeTheme::PaintPageScrollButton(QPainter &canvas, const Rect &rect, int buttonType, bool hot)
{
    Rect r = rect;
    const ColorCache::PartColors &hotColors = m_colors.BtnItemColors[TBtnItemState::Hot];
    Canvas::frameRect(canvas, r, hot ? hotColors[TItemPart::Frame] : systemColor(SystemColor::ButtonShadow));
    Canvas::fillRect(canvas, r, hot ? hotColors[TItemPart::Body] : systemColor(SystemColor::ButtonFace));
    const int cx = (rect.left + rect.right) / 2, cy = (rect.top + rect.bottom) / 2;
    const int size = std::min(cx - rect.left, cy - rect.top) * 3 / 4;
    fillTriangleArrow(canvas, cx, cy, size, buttonType,
                      hot ? hotColors[TItemPart::Text] : m_colors.BtnItemColors[TBtnItemState::Normal][TItemPart::Text]);
}
