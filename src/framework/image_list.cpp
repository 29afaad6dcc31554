#include "framework/image_list.h"

#include <QPainter>

TImageList::TImageList(int width, int height, QObject *parent)
    : QObject(parent), m_width(width), m_height(height)
{
}

int TImageList::Add(const QImage &image)
{
    QImage img = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (img.size() != QSize(m_width, m_height))
        img = img.scaled(m_width, m_height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_images.append(img);
    return Count() - 1;
}

void TImageList::AddStrip(const QImage &strip, const QColor &transparent)
{
    QImage argb = strip.convertToFormat(QImage::Format_ARGB32);
    if (transparent.isValid()) {
        const QRgb key = transparent.rgb() & 0xFFFFFF;
        for (int y = 0; y < argb.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(argb.scanLine(y));
            for (int x = 0; x < argb.width(); ++x)
                if ((line[x] & 0xFFFFFF) == key)
                    line[x] = 0;
        }
    }
    for (int x = 0; x + m_width <= argb.width(); x += m_width)
        Add(argb.copy(x, 0, m_width, std::min(m_height, argb.height())));
}

QImage TImageList::Image(int index) const
{
    return index >= 0 && index < Count() ? m_images.at(index) : QImage();
}

void TImageList::Draw(QPainter &painter, int x, int y, int index) const
{
    if (index >= 0 && index < Count())
        painter.drawImage(x, y, m_images.at(index));
}
