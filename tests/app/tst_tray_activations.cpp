// Double clicks from the tray icon's activations: reported by the platform
// (XEmbed) or made from two activations (status-notifier hosts).

#include "app/tray_activations.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTest>

class TestTrayActivations final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void doubleClicks_data();
    void doubleClicks();
    void activationsFarApartAreSingleClicks();
};

void TestTrayActivations::doubleClicks_data()
{
    QTest::addColumn<QString>("events");   // T: Trigger, D: DoubleClick
    QTest::addColumn<int>("doubleClicks");

    QTest::newRow("one activation") << "T" << 0;
    QTest::newRow("two activations (status notifier)") << "TT" << 1;
    QTest::newRow("three activations") << "TTT" << 1;
    QTest::newRow("four activations") << "TTTT" << 2;
    QTest::newRow("trigger then double click (XEmbed)") << "TD" << 1;
    QTest::newRow("XEmbed double click, then one click") << "TDT" << 1;
    QTest::newRow("two XEmbed double clicks") << "TDTD" << 2;
}

void TestTrayActivations::doubleClicks()
{
    QFETCH(QString, events);
    QFETCH(int, doubleClicks);

    QGuiApplication::styleHints()->setMouseDoubleClickInterval(60000);
    TrayActivations activations;
    QSignalSpy spy(&activations, &TrayActivations::doubleClick);
    for (const QChar event : events) {
        if (event == QLatin1Char('T'))
            activations.trigger();
        else
            activations.doubleClicked();
    }
    QCOMPARE(spy.count(), doubleClicks);
}

void TestTrayActivations::activationsFarApartAreSingleClicks()
{
    constexpr int IntervalMs = 300;
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(IntervalMs);
    TrayActivations activations;
    QSignalSpy spy(&activations, &TrayActivations::doubleClick);
    activations.trigger();
    QElapsedTimer since;
    since.start();
    QTRY_VERIFY_WITH_TIMEOUT(since.elapsed() > IntervalMs + 5, 5000);
    activations.trigger();
    QCOMPARE(spy.count(), 0);
    // The later activation starts a pair of its own.
    activations.trigger();
    QCOMPARE(spy.count(), 1);
}

QTEST_MAIN(TestTrayActivations)
#include "tst_tray_activations.moc"
