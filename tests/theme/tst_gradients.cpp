#include "theme/gradients.h"
#include "theme_test_support.h"

#include <QPainter>
#include <QTest>

using ThemeTest::canvasImage;
using ThemeTest::pixel;

class TestGradients : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { ThemeTest::useClassicPalette(); }

    void mixColors_data()
    {
        QTest::addColumn<int>("c1");
        QTest::addColumn<int>("c2");
        QTest::addColumn<int>("weight");
        QTest::addColumn<int>("expected");
        QTest::newRow("half black half white rounds up") << 0x000000 << 0xFFFFFF << 50 << 0x808080;
        QTest::newRow("strip colours") << 0xDBCBC4 << 0xFDFAFA << 50 << 0xECE3DF;
        QTest::newRow("same colour any weight") << 0x123456 << 0x123456 << 37 << 0x123456;
        QTest::newRow("same colour tenths") << 0x9ABCDE << 0x9ABCDE << 999 << 0x9ABCDE;
        // 100 and more count in tenths: 100 is 10 % of c1.
        QTest::newRow("weight 100 is ten per cent") << 0x0000FF << 0xFF0000 << 100 << 0xE6001A;
        // 18.3 % of 0xF0 and 81.7 % of 0xFF: (240*183 + 255*817 + 500) / 1000 = 252.
        QTest::newRow("tenths of a per cent") << 0xF0F0F0 << 0xFFFFFF << 183 << 0xFCFCFC;
        QTest::newRow("system colour resolved") << systemColor(SystemColor::ButtonFace).value() << 0xF0F0F0 << 60 << 0xF0F0F0;
        QTest::newRow("zero weight is c2") << 0xFFFFFF << 0x010203 << 0 << 0x010203;
    }
    void mixColors()
    {
        QFETCH(int, c1);
        QFETCH(int, c2);
        QFETCH(int, weight);
        QFETCH(int, expected);
        QCOMPARE(MixColors(Color::fromValue(c1), Color::fromValue(c2), weight), Color::fromValue(expected));
    }

    void gradientFillRows_data()
    {
        QTest::addColumn<int>("dir");
        QTest::addColumn<int>("length");
        QTest::newRow("top-bottom 10") << int(Qt::Vertical) << 10;
        QTest::newRow("left-right 7") << int(Qt::Horizontal) << 7;
        QTest::newRow("single line") << int(Qt::Vertical) << 1;
    }
    // Line i of n (from 1) gets start + (end - start) * i / n, truncated.
    void gradientFillRows()
    {
        QFETCH(int, dir);
        QFETCH(int, length);
        const auto d = Qt::Orientation(dir);
        QImage img = canvasImage(20, 20);
        {
            QPainter p(&img);
            const Rect r = d == Qt::Vertical ? Rect{2, 3, 12, 3 + length} : Rect{2, 3, 2 + length, 13};
            GradientFill(p, r, Color::fromValue(0x000000), Color::fromValue(0x0A6496), d);   // red 150, green 100, blue 10
        }
        for (int i = 1; i <= length; ++i) {
            const int x = d == Qt::Vertical ? 5 : 2 + i - 1;
            const int y = d == Qt::Vertical ? 3 + i - 1 : 5;
            const Color expected = Color::rgb(150 * i / length, 100 * i / length, 10 * i / length);
            QCOMPARE(pixel(img, x, y), expected);
        }
        // Nothing outside the rectangle.
        QCOMPARE(pixel(img, 1, 3), Color::fromValue(0x123456));
        QCOMPARE(pixel(img, 5, 2), Color::fromValue(0x123456));
    }

    void gradientFillEdgeCases()
    {
        QImage img = canvasImage(10, 10);
        {
            QPainter p(&img);
            GradientFill(p, Rect{5, 5, 2, 8}, Color::fromValue(0x000000), Color::fromValue(0xFFFFFF), Qt::Vertical);   // inverted
            GradientFill(p, Rect{1, 1, 5, 1}, Color::fromValue(0x000000), Color::fromValue(0xFFFFFF), Qt::Vertical);   // empty
            GradientFill(p, Rect{0, 6, 10, 10}, Color::fromValue(0x445566), Color::fromValue(0x445566), Qt::Horizontal); // even
        }
        for (int x = 0; x < 10; ++x)
            for (int y = 0; y < 6; ++y)
                QCOMPARE(pixel(img, x, y), Color::fromValue(0x123456));
        for (int x = 0; x < 10; ++x)
            QCOMPARE(pixel(img, x, 8), Color::fromValue(0x445566));
    }

    void gradientFillResolvesSystemColours()
    {
        QImage img = canvasImage(4, 4);
        {
            QPainter p(&img);
            GradientFill(p, Rect{0, 0, 4, 4}, systemColor(SystemColor::Window), systemColor(SystemColor::Window), Qt::Vertical);
        }
        QCOMPARE(pixel(img, 0, 0), Color::fromValue(0xFFFFFF));
    }
};

QTEST_MAIN(TestGradients)
#include "tst_gradients.moc"
