// Scaled desktops: a stored note opens at its logical place and size, and
// opening it at another scale does not move it in its file.

#include "e2e_session.h"

#include <QTest>

class TestHiDpi final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void storedNoteKeepsLogicalGeometry_data();
    void storedNoteKeepsLogicalGeometry();
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

PAPERLET_E2E_MAIN(TestHiDpi)
#include "tst_hidpi_e2e.moc"
