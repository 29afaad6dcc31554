// Scaled desktops: a stored note opens at its logical place and size, and
// opening it at another scale does not move it in its file; the tray icon
// is drawn sharp at the size the tray gives.

#include "e2e_session.h"

#include <QDir>
#include <QImage>
#include <QTest>

namespace {

// The tray icon's picture as the tray shows it: the part of the icon window
// that differs from the tray's background (its corner), cut out.
QImage trayPicture(E2eSession &session, const QString &scale, QSize *window)
{
    session.setEnvironment(QStringLiteral("QT_SCALE_FACTOR"), scale);
    E2eProgram &app = session.start();
    if (!app.waitForTrayIcon())
        return {};
    const XWindow icon = app.trayIcon();
    const QString path = QDir(session.homeFolder()).filePath(QStringLiteral("tray-%1.png").arg(scale));
    // The tray paints the background first: wait until the picture is on it.
    QImage shot;
    E2eSession::waitFor([&] {
        E2eSession::run(QStringLiteral("import"), {QStringLiteral("-window"), QString::number(icon), path});
        shot = QImage(path).convertToFormat(QImage::Format_RGB32);
        return !shot.isNull() && shot.pixel(shot.width() / 2, shot.height() / 2) != shot.pixel(0, 0);
    });
    *window = shot.size();
    QRect box;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixel(x, y) != shot.pixel(0, 0))
                box |= QRect(x, y, 1, 1);
    E2eProgram &exit = session.start({QStringLiteral("--exit")});
    exit.waitForExit();
    app.waitForExit();
    return shot.copy(box);
}

} // namespace

class TestHiDpi final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void storedNoteKeepsLogicalGeometry_data();
    void storedNoteKeepsLogicalGeometry();
    void trayIconSharpAtTwice();
};

void TestHiDpi::storedNoteKeepsLogicalGeometry_data()
{
    QTest::addColumn<QString>("scale");
    QTest::addColumn<QRect>("onScreen");   // device pixels

    QTest::newRow("1x") << QStringLiteral("1") << QRect(320, 240, 200, 200);
    QTest::newRow("2x") << QStringLiteral("2") << QRect(640, 480, 400, 400);
}

void TestHiDpi::storedNoteKeepsLogicalGeometry()
{
    QFETCH(QString, scale);
    QFETCH(QRect, onScreen);

    E2E_SESSION(session);
    E2E_BUS(bus, session);
    session.setEnvironment(QStringLiteral("QT_SCALE_FACTOR"), scale);
    session.seedSettings("CheckForUpdates=0\r\n");
    const QByteArray stored = E2eSession::noteFile(320, 240, "Placed", "placed text");
    session.seedNote(QStringLiteral("1.pnf"), stored);
    E2eProgram &app = session.start();
    const XWindow note = app.waitForWindow(QStringLiteral("Placed"), E2eProgram::ViewableOnly);
    QVERIFY(note);
    QVERIFY(E2eSession::waitFor([&] { return E2eSession::geometry(note) == onScreen; }));

    E2eProgram &exit = session.start({QStringLiteral("--exit")});
    QVERIFY(exit.waitForExit());
    QVERIFY(app.waitForExit());
    QCOMPARE(app.exitCode(), 0);
    // The header (place, size, opacity, colour) is as it was.
    const QByteArray written = session.readNote(QStringLiteral("1.pnf"));
    QCOMPARE(written.left(3 + 36), stored.left(3 + 36));
}

// At 2x Qt asks a 22-pixel tray for an icon window twice as wide as high:
// the picture keeps its shape and is the very one drawn at 1x, not a
// stretched or scaled copy.
void TestHiDpi::trayIconSharpAtTwice()
{
    E2E_SESSION(session);
    E2E_BUS(bus, session);
    session.seedSettings("CheckForUpdates=0\r\n");
    QSize single;
    QSize twice;
    const QImage atSingle = trayPicture(session, QStringLiteral("1"), &single);
    const QImage atTwice = trayPicture(session, QStringLiteral("2"), &twice);
    QVERIFY(!atSingle.isNull());
    QVERIFY(!atTwice.isNull());
    QCOMPARE(twice, QSize(2 * single.width(), single.height()));
    QCOMPARE(atTwice.size(), atSingle.size());
    QCOMPARE(atTwice, atSingle);
}

PAPERLET_E2E_MAIN(TestHiDpi)
#include "tst_hidpi_e2e.moc"
