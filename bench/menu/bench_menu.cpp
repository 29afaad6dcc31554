// How long the Ide theme takes to paint a popup menu of 20 items and a
// colour palette, offscreen (run with QT_QPA_PLATFORM=offscreen).
#include "framework/image_list.h"
#include "framework/popup_menu.h"
#include "theme/color_palette.h"
#include "theme/ide_theme.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

void fillMenu(PopupMenu &menu, ImageList &images)
{
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter(&img).fillRect(3, 3, 10, 10, Qt::darkGreen);
    images.add(img);
    menu.setImages(&images);
    for (int i = 0; i < 20; ++i) {
        if (i % 5 == 4) {
            menu.addSeparator();
            continue;
        }
        QAction *a = menu.addItem(QStringLiteral("Menu item number %1").arg(i), i % 3 == 0 ? 0 : -1);
        a->setCheckable(i % 4 == 1);
        a->setChecked(i % 4 == 1);
        a->setEnabled(i != 7);
    }
}

// Every item, frame and background: what one full repaint costs.
void BM_PaintMenu20(benchmark::State &state)
{
    PopupMenu menu;
    ImageList images;
    fillMenu(menu, images);
    menu.popup(QPoint(10, 10));
    menu.setActiveAction(menu.actions().at(2));
    QCoreApplication::processEvents();
    QImage target(menu.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        menu.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    state.counters["items"] = double(menu.actions().size());
    menu.hide();
}
BENCHMARK(BM_PaintMenu20)->Unit(benchmark::kMicrosecond);

void BM_PaintPalette(benchmark::State &state)
{
    PopupMenu menu;
    auto *palette = new TTBXColorPalette(&menu);
    menu.addAction(palette);
    palette->setColor(Color::fromValue(0x99FFFF));
    menu.popup(QPoint(10, 10));
    QCoreApplication::processEvents();
    QImage target(menu.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        menu.render(&target);
        benchmark::DoNotOptimize(target.constBits());
    }
    menu.hide();
}
BENCHMARK(BM_PaintPalette)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    useIdeTheme();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
