#pragma once

class QWidget;
class ImageList;
class TTBXTheme;

// Sizes of popup menu items, shared by the menu style and items that lay
// themselves out (the colour palette).
namespace MenuMetrics {

// Width of the image column: with images w x h (16 x 16 without a list),
// the vertical item margins m and the menu font's height plus leading t,
// max(t + m, h + m) * (w + m) / (h + m).
int ImageStripWidth(const QWidget *menu, const ImageList *images, const TTBXTheme *theme);
// Height of an ordinary item: max(t + m, h + m).
int itemHeight(const QWidget *menu, const ImageList *images, const TTBXTheme *theme);
// The image list of a themed menu (nullptr for other widgets).
const ImageList *imagesOf(const QWidget *menu);

} // namespace MenuMetrics
