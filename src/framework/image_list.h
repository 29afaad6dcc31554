#pragma once

#include <QImage>
#include <QList>
#include <QObject>

class QPainter;

// A list of equally sized images, as menus take their item pictures from.
// Images keep their alpha; a strip can be split with one colour made
// transparent.
class TImageList final : public QObject
{
    Q_OBJECT
public:
    explicit TImageList(int width = 16, int height = 16, QObject *parent = nullptr);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Count() const { return int(m_images.size()); }

    // Scales an image of another size to the list's size; returns its index.
    int Add(const QImage &image);
    // Cuts a horizontal strip into images of the list's width. Pixels equal
    // to `transparent` (a QColor; invalid: none) become fully transparent.
    void AddStrip(const QImage &strip, const QColor &transparent = QColor());
    // The image at `index` (ARGB32 premultiplied); null when out of range.
    QImage Image(int index) const;
    void Draw(QPainter &painter, int x, int y, int index) const;
    void Clear() { m_images.clear(); }

private:
    int m_width;
    int m_height;
    QList<QImage> m_images;
};
