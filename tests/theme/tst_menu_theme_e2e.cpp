// The real tray menu under X, screenshotted: its pixels must show the theme.
#include "e2e_session.h"

#include <QImage>
#include <QTest>

#include <utility>

namespace {

QRgb rgb(int r, int g, int b)
{
    return qRgb(r, g, b);
}

QRgb at(const QImage &img, int x, int y)
{
    return (img.pixel(x, y) & 0xFFFFFF) | 0xFF000000;
}

bool oneColour(const QImage &img)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (at(img, x, y) != at(img, 0, 0))
                return false;
    return true;
}

// The window's picture once the program has painted it: captured until two
// captures in a row agree and show more than one colour.
QImage paintedWindow(XWindow window, const QString &shot)
{
    QImage previous;
    QImage img;
    E2eSession::waitFor([&] {
        E2eSession::run(QStringLiteral("import"), {QStringLiteral("-window"), QString::number(window), shot});
        previous = std::exchange(img, QImage(shot));
        return !img.isNull() && img == previous && !oneColour(img);
    }, 10000);
    return img;
}

} // namespace

class TestMenuTheme : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void trayMenuShowsTheTheme()
    {
        E2E_SESSION(session);
        E2eProgram &app = session.start();
        QVERIFY(app.waitForTrayIcon());
        QVERIFY(session.rightClickTray());
        const XWindow menu = app.waitForPopupMenu();
        QVERIFY(menu);
        const QString shot = session.appFolder() + QStringLiteral("/menu.png");
        const QImage img = paintedWindow(menu, shot);
        QVERIFY2(!img.isNull(), qPrintable(shot));
        QVERIFY(img.width() > 60 && img.height() > 100);

        // Frame red 160, green 160, blue 180 all round; the popup body 0xF0F0F0.
        const QRgb frame = rgb(160, 160, 180), body = rgb(240, 240, 240);
        QCOMPARE(at(img, 0, 0), frame);
        QCOMPARE(at(img, img.width() - 1, img.height() - 1), frame);
        QCOMPARE(at(img, img.width() / 2, 0), frame);
        QCOMPARE(at(img, img.width() - 2, 1), body);

        // The image strip: a gradient from blue-grey that ends in the line
        // pair (frame colour, then white) beside the captions.
        const int y = img.height() / 2;
        int line = -1;
        for (int x = 2; x < 60 && line < 0; ++x)
            if (at(img, x, y) == frame)
                line = x;
        QVERIFY2(line > 15, "no strip line");
        QCOMPARE(at(img, line + 1, y), rgb(255, 255, 255));
        QCOMPARE(at(img, line - 1, y), rgb(250, 250, 253));   // StripLightColor
        QVERIFY(qBlue(at(img, 1, y)) < 0xDB + 4 && qRed(at(img, 1, y)) < 0xC4 + 4);
        E2eSession::key(QStringLiteral("Escape"));
    }
};

PAPERLET_E2E_MAIN(TestMenuTheme)
#include "tst_menu_theme_e2e.moc"
