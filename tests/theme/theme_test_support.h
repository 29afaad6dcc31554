#pragma once

#include "framework/system_metrics.h"
#include "framework/tbx_types.h"

#include <QApplication>
#include <QImage>
#include <QPalette>

// Shared helpers of the theme tests: images to paint on, pixel reads in
// 0x00BBGGRR, and a fixed system palette so that cached colours are known.
namespace ThemeTest {

inline QImage canvasImage(int w, int h, Color fill = Color::fromValue(0x123456))
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(fill.resolved(sysColor).toQColor());
    return img;
}

inline Color pixel(const QImage &img, int x, int y)
{
    return Color::fromQColor(img.pixelColor(x, y));
}

// The classic light desktop: button face 0xF0F0F0, window white, black text,
// button shadow 0xA0A0A0, highlight text white, grey text 0x6D6D6D.
inline void useClassicPalette()
{
    QPalette p;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Window, QColor(240, 240, 240));
        p.setColor(group, QPalette::Button, QColor(240, 240, 240));
        p.setColor(group, QPalette::Base, Qt::white);
        p.setColor(group, QPalette::Text, Qt::black);
        p.setColor(group, QPalette::WindowText, Qt::black);
        p.setColor(group, QPalette::ButtonText, Qt::black);
        p.setColor(group, QPalette::HighlightedText, Qt::white);
        p.setColor(group, QPalette::Dark, QColor(160, 160, 160));
        p.setColor(group, QPalette::Light, Qt::white);
        p.setColor(group, QPalette::Shadow, Qt::black);
    }
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(109, 109, 109));
    QApplication::setPalette(p);
}

} // namespace ThemeTest
