#pragma once

#include <QImage>
#include <QList>
#include <QObject>

class QPainter;

// A list of equally sized images, as menus take their item pictures from.
// Images keep their alpha; a strip can be split with one colour made
// transparent.
class ImageList final : public QObject
{
    Q_OBJECT
public:
    explicit ImageList(int width = 16, int height = 16, QObject *parent = nullptr);

    int width() const { return m_width; }
    int height() const { return m_height; }
    int count() const { return int(m_images.size()); }

    // Scales an image of another size to the list's size; returns its index.
    int add(const QImage &image);
    // Cuts a horizontal strip into images of the list's width. Pixels equal
    // to `transparent` (a QColor; invalid: none) become fully transparent.
    void addStrip(const QImage &strip, const QColor &transparent = QColor());
    // The image at `index` (ARGB32 premultiplied); null when out of range.
    QImage image(int index) const;
    void draw(QPainter &painter, int x, int y, int index) const;
    void clear() { m_images.clear(); }

private:
    int m_width;
    int m_height;
    QList<QImage> m_images;
};
