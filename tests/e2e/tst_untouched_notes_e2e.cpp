// Notes nobody touches are never rewritten: start and stop the real program
// over a folder of stored notes again and again, with and without a window
// manager, and the files stay byte for byte what they were.

#include "e2e_notes.h"
#include "e2e_session.h"
#include "e2e_window_manager.h"

#include <QHash>
#include <QTest>

#include <csignal>

namespace {

// Runs enough for a fault that shows in a fraction of them to show.
constexpr int Cycles = 10;

struct Stored
{
    QString name;
    QByteArray bytes;
};

// Notes of every kind a folder holds: ordinary ones all over the screen,
// one off the screen, one smaller than the minimum, one at the tray.
QList<Stored> storedNotes()
{
    QList<Stored> notes;
    for (int i = 0; i < 14; ++i) {
        const QByteArray n = QByteArray::number(i);
        notes.append({QStringLiteral("n%1.pnf").arg(i, 2, 10, QLatin1Char('0')),
                      E2eSession::noteFile(40 + 71 * i % 1000, 30 + 37 * i % 500, "N" + n, "plain " + n)});
    }
    notes.append({QStringLiteral("offscreen.pnf"), E2eSession::noteFile(5000, 3000, "Off", "far away")});
    QByteArray tiny = E2eSession::noteFile(300, 300, "Tiny", "small");
    tiny.replace("0000C80000C8", "00002800001E");   // 40 x 30
    notes.append({QStringLiteral("tiny.pnf"), tiny});
    notes.append({QStringLiteral("tray.pnf"), E2eSession::noteFile(1100, 700, "Tray", "over the tray")});
    QByteArray lower = E2eSession::noteFile(500, 200, "Lower", "lower-case digits");
    notes.append({QStringLiteral("lower.pnf"), lower.replace("99FFFF", "99ffff")});
    QByteArray lf = E2eSession::noteFile(600, 100, "LF", "line feeds");
    notes.append({QStringLiteral("lf.pnf"), lf.replace("\r\n", "\n")});
    notes.append({QStringLiteral("rtf.pnf"),
                  E2eSession::noteFile(300, 400, "Rtf", "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Tahoma;}}\\f0\\fs20 bold {\\b text}\\par}")});
    return notes;
}

} // namespace

class TestUntouchedNotes final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startAndStopRewriteNothing_data()
    {
        QTest::addColumn<E2eWindowManager::Kind>("wm");
        QTest::newRow("no window manager") << E2eWindowManager::None;
        QTest::newRow("openbox") << E2eWindowManager::Openbox;
        QTest::newRow("xfwm4") << E2eWindowManager::Xfwm4;
    }

    void startAndStopRewriteNothing()
    {
        QFETCH(E2eWindowManager::Kind, wm);
        if (!E2eSession::hasDisplay())
            QSKIP("no DISPLAY: run under tests/e2e/with-display.sh");
        if (!E2eWindowManager::installed(wm))
            QSKIP(qPrintable(E2eWindowManager::name(wm) + QStringLiteral(" is not installed")));
        // A server of its own: the window manager must not outlive the case
        // on the shared one.
        E2eDisplay display;
        QVERIFY2(display.isUp(), qPrintable(display.error()));
        QVERIFY(display.startTray());
        E2eWindowManager manager(wm);
        QVERIFY2(manager.waitUntilReady(), qPrintable(E2eWindowManager::name(wm) + QStringLiteral(" did not come up")));

        E2eSession session;
        session.seedSettings(QuietSettings);
        const QList<Stored> notes = storedNotes();
        for (const Stored &note : notes)
            session.seedNote(note.name, note.bytes);

        for (int cycle = 0; cycle < Cycles; ++cycle) {
            E2eProgram &app = session.start();
            QVERIFY(app.waitForTrayIcon());
            // Every note and the tray icon on screen; counted in one call, as
            // a busy machine makes many calls slow.
            QVERIFY2(E2eSession::waitFor([&] {
                         return app.windows(QString(), E2eProgram::ViewableOnly).size() >= notes.size() + 1;
                     }),
                     qPrintable(QStringLiteral("cycle %1: the notes did not all show").arg(cycle)));
            app.sendSignal(SIGTERM);
            QVERIFY(app.waitForExit());
            QCOMPARE(app.exitCode(), 0);
            QStringList names;
            for (const Stored &note : notes) {
                names.append(note.name);
                QVERIFY2(session.readNote(note.name) == note.bytes,
                         qPrintable(QStringLiteral("cycle %1 rewrote %2: %3")
                                        .arg(cycle)
                                        .arg(note.name, QString::fromUtf8(session.readNote(note.name).left(40)))));
            }
            names.sort();
            QCOMPARE(session.noteFiles(), names);
        }
    }
};

PAPERLET_E2E_MAIN(TestUntouchedNotes)
#include "tst_untouched_notes_e2e.moc"
