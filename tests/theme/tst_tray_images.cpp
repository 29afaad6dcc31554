// The tray pictures keep their shape in any rectangle: the tray icon window
// of a scaled desktop is not square.

#include "theme/tray_images.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>

class TestTrayImages final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void keepsSquareInAnyRectangle_data();
    void keepsSquareInAnyRectangle();
    void statusNotifierSizes();
};

namespace {

QImage render(const QIcon &icon, const QSize &size, qreal ratio)
{
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, QRect(QPoint(0, 0), size));
    painter.end();
    image.setDevicePixelRatio(1.0);
    return image;
}

// The painted part of an image, cut out.
QImage painted(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                box |= QRect(x, y, 1, 1);
    return image.copy(box);
}

} // namespace

void TestTrayImages::keepsSquareInAnyRectangle_data()
{
    QTest::addColumn<QSize>("rect");   // logical
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("side");     // of the square it amounts to, in device pixels

    QTest::newRow("square") << QSize(22, 22) << 1.0 << 22;
    QTest::newRow("wide, 2x tray window") << QSize(22, 11) << 2.0 << 22;
    QTest::newRow("wide") << QSize(44, 22) << 1.0 << 22;
    QTest::newRow("tall") << QSize(22, 44) << 1.0 << 22;
    QTest::newRow("square, 2x") << QSize(11, 11) << 2.0 << 22;
}

void TestTrayImages::keepsSquareInAnyRectangle()
{
    QFETCH(QSize, rect);
    QFETCH(qreal, ratio);
    QFETCH(int, side);

    for (int index = 0; index < TrayImages::Count; ++index) {
        const QIcon icon = TrayImages::icon(index);
        // Neither stretched nor blurred: the very pixels of the picture drawn
        // in a square of that many device pixels, and none besides.
        const QImage inRect = painted(render(icon, rect, ratio));
        const QImage inSquare = painted(render(icon, QSize(side, side), 1.0));
        QVERIFY2(!inSquare.isNull(), qPrintable(QString::number(index)));
        QCOMPARE(inRect.size(), inSquare.size());
        QCOMPARE(inRect, inSquare);
    }
}

void TestTrayImages::statusNotifierSizes()
{
    // A pixmap of a size that is not square holds the square picture.
    const QIcon icon = TrayImages::icon(TrayImages::Note);
    QCOMPARE(icon.actualSize(QSize(44, 22)), QSize(22, 22));
    QCOMPARE(icon.actualSize(QSize(16, 16)), QSize(16, 16));
}

QTEST_MAIN(TestTrayImages)
#include "tst_tray_images.moc"
