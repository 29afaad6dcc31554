#include "framework/image_list.h"

#include <QPainter>

ImageList::ImageList(int width, int height, QObject *parent)
    : QObject(parent), m_width(width), m_height(height)
{
}

int ImageList::add(const QImage &image)
{
    QImage img = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (img.size() != QSize(m_width, m_height))
        img = img.scaled(m_width, m_height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_images.append(img);
    return count() - 1;
}

void ImageList::addStrip(const QImage &strip, const QColor &transparent)
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
        add(argb.copy(x, 0, m_width, std::min(m_height, argb.height())));
}

QImage ImageList::image(int index) const
{
    return index >= 0 && index < count() ? m_images.at(index) : QImage();
}

void ImageList::draw(QPainter &painter, int x, int y, int index) const
{
    if (index >= 0 && index < count())
        painter.drawImage(x, y, m_images.at(index));
}
