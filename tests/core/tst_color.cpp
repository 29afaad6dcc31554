#include "core/color.h"

#include <QTest>

namespace {

Color whiteForWindow(int index)
{
    return index == 5 ? Color::rgb(255, 255, 255) : Color::rgb(1, 2, 3);
}

} // namespace

Q_DECLARE_METATYPE(Color)

class TestColor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shouldDefaultToNone()
    {
        const Color none;
        QVERIFY(none.isNone());
        QCOMPARE(none.value(), 0x1FFFFFFF);
        QVERIFY(!none.isSystem());
        QVERIFY(!none.toQColor().isValid());
        QCOMPARE(Color::fromQColor(QColor()), none);
    }

    void shouldSplitChannelsAndKinds_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("system");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::newRow("light yellow") << 0x99FFFF << false << 0xFF << 0xFF << 0x99;
        QTest::newRow("red is the low byte") << 0x0000FF << false << 0xFF << 0 << 0;
        QTest::newRow("system colour 15") << int(0xFF00000F) << true << 0x0F << 0 << 0;
    }
    void shouldSplitChannelsAndKinds()
    {
        QFETCH(int, value);
        QFETCH(bool, system);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        const Color c = Color::fromValue(value);
        QCOMPARE(c.isSystem(), system);
        QCOMPARE(c.red(), red);
        QCOMPARE(c.green(), green);
        QCOMPARE(c.blue(), blue);
        QCOMPARE(Color::rgb(red, green, blue).value() == value, !system);
    }

    void shouldRoundTripThroughQColor()
    {
        const Color c = Color::rgb(0x12, 0x34, 0x56);
        QCOMPARE(c.toQColor(), QColor(0x12, 0x34, 0x56));
        QCOMPARE(Color::fromQColor(c.toQColor()), c);
        QCOMPARE(Color::fromQColor(QColor(0x12, 0x34, 0x56, 7)), c);   // alpha dropped
        QCOMPARE(Color::fromQColor(QColor::fromHsv(0, 255, 255)), Color::rgb(255, 0, 0));
    }

    void shouldResolveSystemColoursOnly()
    {
        QCOMPARE(Color::system(5).resolved(whiteForWindow), Color::rgb(255, 255, 255));
        QCOMPARE(Color::system(5).value(), int(0xFF000005));
        QCOMPARE(Color::rgb(9, 9, 9).resolved(whiteForWindow), Color::rgb(9, 9, 9));
        QVERIFY(Color().resolved(whiteForWindow).isNone());
        // Unresolved, a system colour has no QColor of its own.
        QVERIFY(!Color::system(5).toQColor().isValid());
    }

    void shouldNameTheCommonColours_data()
    {
        QTest::addColumn<Color>("color");
        QTest::addColumn<int>("value");
        QTest::newRow("none") << Color::none() << 0x1FFFFFFF;
        QTest::newRow("black") << Color::black() << 0x000000;
        QTest::newRow("white") << Color::white() << 0xFFFFFF;
    }
    void shouldNameTheCommonColours()
    {
        QFETCH(Color, color);
        QFETCH(int, value);
        QCOMPARE(color.value(), value);
        QCOMPARE(color, Color::fromValue(value));
    }

    // The shift itself is tabled with the note window's shades.
    void shouldShiftRedInTheLowByte()
    {
        QCOMPARE(Color::fromValue(0x0000FF).shifted(-5), Color::rgb(250, 0, 0));
    }
};

QTEST_GUILESS_MAIN(TestColor)
#include "tst_color.moc"
