// The Settings and About dialogs as a user meets them: opened from the tray
// menu, driven with the keyboard and the mouse, and what they leave behind.

#include "e2e_session.h"
#include "e2e_window_manager.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTest>

namespace {

// The update check stays off: these cases must not reach out to the network.
const QByteArray QuietSettings = "CheckForUpdates=0\r\n";
// A window of another program, to take the keyboard from ours.
const QString OtherTitle = QStringLiteral("Another program");

enum TrayItem { NewNote = 0, Settings = 4, About = 6 };

// Starts a copy, opens its tray menu, picks an item and waits for the
// window it opens; 0 when any step fails.
XWindow startAndOpen(E2eSession &session, TrayItem item, const QString &caption)
{
    session.seedSettings(QuietSettings);
    E2eProgram &app = session.start();
    if (!app.waitForTrayIcon() || !session.rightClickTray() || !app.waitForPopupMenu())
        return 0;
    E2eSession::pickMenuItem(item);
    return app.waitForWindow(caption, E2eProgram::ViewableOnly);
}

QSize sizeOf(XWindow window)
{
    return E2eSession::geometry(window).value_or(QRect()).size();
}

// Where the copies of a session keep their start-at-log-in entry.
QString autostartEntry(const E2eSession &session)
{
    return QDir(session.appFolder()).filePath(QStringLiteral("../config/autostart/Paperlet.desktop"));
}

// The colour of one pixel of a window, as "#RRGGBB".
QString pixel(XWindow window, QPoint at)
{
    const QString out = E2eSession::run(
        QStringLiteral("import"),
        {QStringLiteral("-window"), QStringLiteral("0x%1").arg(window, 0, 16), QStringLiteral("-crop"),
         QStringLiteral("1x1+%1+%2").arg(at.x()).arg(at.y()), QStringLiteral("txt:-")});
    return QRegularExpression(QStringLiteral("#[0-9A-Fa-f]{6}")).match(out).captured(0).toUpper();
}

// The program's windows as the window manager stacks them, bottom first.
QList<XWindow> stackingOrder()
{
    const QString out =
        E2eSession::run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_CLIENT_LIST_STACKING")});
    QList<XWindow> order;
    auto ids = QRegularExpression(QStringLiteral("0x[0-9a-fA-F]+")).globalMatch(out);
    while (ids.hasNext())
        order.append(ids.next().captured(0).toULongLong(nullptr, 16));
    return order;
}


// Hands the options to the running copy through one more; true when that copy
// ended well.
bool handOver(E2eSession &session, const QString &option)
{
    E2eProgram &copy = session.start({option});
    return copy.waitForExit() && copy.exitCode() == 0;
}

} // namespace

class TestDialogs final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void settingsGiveNewNotesOpacityAndColour();
    void settingsCloseKeepsEverything();
    void aboutOpensFromTrayMenu();
    void errorOverSettingsIsOnTopAndTakesTheKeys();
    void askingAgainBringsTheOpenDialogForward_data();
    void askingAgainBringsTheOpenDialogForward();
};

void TestDialogs::settingsGiveNewNotesOpacityAndColour()
{
    E2E_SESSION(session);
    const XWindow dialog = startAndOpen(session, Settings, QStringLiteral("Settings"));
    QVERIFY(dialog);
    E2eProgram &app = session.program();
    QCOMPARE(sizeOf(dialog), QSize(387, 462));
    E2eSession::focus(dialog);

    // From the page's tab: tick "Load on startup", pass the update box and
    // the title list, then take the opacity list from "100 %" up to "50 %".
    E2eSession::keys({"Tab", "space", "Tab", "Tab", "Tab", "Up", "Up", "Up", "Up", "Up"});
    // The colour swatch opens its palette under itself.
    E2eSession::keys({"Tab", "space"});
    const XWindow palette = app.waitForPopupMenu();
    QVERIFY(palette);
    const auto grid = E2eSession::geometry(palette);
    QVERIFY(grid);
    // The last cell of the first row, "Dark Gray" (150, 150, 150): 18-pixel
    // cells end 3 pixels before the menu's right frame.
    E2eSession::click(QPoint(grid->right() - 14, grid->top() + 11));
    QVERIFY(app.waitForWindowGone(palette));

    // To OK past the font preview and the font colour; Space presses it.
    E2eSession::focus(dialog);
    E2eSession::keys({"Tab", "Tab", "Tab", "space"});
    QVERIFY(app.waitForWindowGone(dialog));
    const QByteArray settings = session.readSettings().value_or(QByteArray());
    QVERIFY2(settings.startsWith("Color=9868950\r\nOpacity=50\r\nTitle=0\r\nCheckForUpdates=0\r\n"),
             settings.constData());

    // The autostart entry starts this copy.
    QFile entry(autostartEntry(session));
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QByteArray text = entry.readAll();
    QVERIFY2(text.contains(QByteArray("\nExec=" + session.binary().toUtf8() + "\n")), text.constData());

    // A new note takes the new defaults.
    const QList<XWindow> before = app.windows(QString(), E2eProgram::ViewableOnly);
    QVERIFY(session.rightClickTray());
    QVERIFY(app.waitForPopupMenu());
    E2eSession::pickMenuItem(NewNote);
    XWindow note = 0;
    QVERIFY(E2eSession::waitFor([&] {
        for (XWindow w : app.windows(QString(), E2eProgram::ViewableOnly)) {
            const auto g = E2eSession::geometry(w);
            if (!before.contains(w) && g && g->width() >= 100 && g->height() >= 100)
                note = w;
        }
        return note != 0;
    }));
    const auto opacity = E2eSession::opacity(note);
    QVERIFY(opacity);
    // Layered alpha: opacity x 255 div 100.
    QCOMPARE(qRound(*opacity * 255), 50 * 255 / 100);
    const auto noteRect = E2eSession::geometry(note);
    QVERIFY(noteRect);
    QCOMPARE(pixel(note, QPoint(noteRect->width() / 2, noteRect->height() / 2)), QStringLiteral("#969696"));
}

void TestDialogs::settingsCloseKeepsEverything()
{
    E2E_SESSION(session);
    const XWindow dialog = startAndOpen(session, Settings, QStringLiteral("Settings"));
    QVERIFY(dialog);
    E2eProgram &app = session.program();
    E2eSession::focus(dialog);
    // Tick "Load on startup" and "Check updates automatically", then Close
    // (Shift+Tab from the page's tab wraps round to it).
    E2eSession::keys({"Tab", "space", "Tab", "space", "shift+Tab", "shift+Tab", "shift+Tab", "space"});
    QVERIFY(app.waitForWindowGone(dialog));
    QCOMPARE(session.readSettings().value_or(QByteArray()), QuietSettings);
    QVERIFY(app.isRunning());
    // The box was ticked, yet no autostart entry was written.
    QVERIFY(!QFile::exists(autostartEntry(session)));
}

void TestDialogs::aboutOpensFromTrayMenu()
{
    E2E_SESSION(session);
    const XWindow dialog = startAndOpen(session, About, QStringLiteral("About"));
    QVERIFY(dialog);
    E2eProgram &app = session.program();
    QCOMPARE(sizeOf(dialog), QSize(406, 249));
    // The white panel above the OK button.
    QCOMPARE(pixel(dialog, QPoint(300, 20)), QStringLiteral("#FFFFFF"));
    E2eSession::focus(dialog);
    E2eSession::key(QStringLiteral("Return"));
    QVERIFY(app.waitForWindowGone(dialog));
    QVERIFY(app.isRunning());
}

// Settings stays on top of other windows; the error of its OK must still
// come above it, or the dialog looks frozen under a box nobody can see.
void TestDialogs::errorOverSettingsIsOnTopAndTakesTheKeys()
{
    E2E_SESSION(session);
    // openbox, for stacking and focus as a desktop has them.
    E2eWindowManager wm(E2eWindowManager::Openbox);
    QVERIFY2(wm.waitUntilReady(), "openbox did not come up");
    // A plain file where the autostart folder belongs: writing the entry fails.
    const QString autostart = QFileInfo(autostartEntry(session)).absolutePath();
    QVERIFY(QDir().mkpath(QFileInfo(autostart).absolutePath()));
    QFile blocker(autostart);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const XWindow dialog = startAndOpen(session, Settings, QStringLiteral("Settings"));
    QVERIFY(dialog);
    E2eProgram &app = session.program();
    E2eSession::focus(dialog);
    // Tick "Load on startup", then back past the page's tab and Close to OK.
    E2eSession::keys({"Tab", "space", "shift+Tab", "shift+Tab", "shift+Tab", "space"});

    XWindow box = 0;
    QVERIFY(E2eSession::waitFor([&] {
        for (XWindow w : app.shownWindows())
            if (w != dialog && E2eSession::title(w) == QLatin1String("Paperlet"))
                box = w;
        return box != 0;
    }));
    QVERIFY2(E2eSession::waitFor([&] {
                 const QList<XWindow> order = stackingOrder();
                 return order.contains(dialog) && order.indexOf(box) > order.indexOf(dialog);
             }),
             "the error box is under Settings");
    QVERIFY2(E2eSession::waitFor([&] { return E2eWindowManager::focusedWindow() == box; }), "the error box has no focus");

    // One key answers it; Settings stays open and usable.
    E2eSession::key(QStringLiteral("Return"));
    QVERIFY(app.waitForWindowGone(box));
    QVERIFY(E2eSession::isViewable(dialog));
    QVERIFY(app.isRunning());
}

void TestDialogs::askingAgainBringsTheOpenDialogForward_data()
{
    QTest::addColumn<int>("windowManager");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("closeKeys");   // from where the dialog opened with the focus
    const QStringList closeSettings{QStringLiteral("shift+Tab"), QStringLiteral("space")};
    const QStringList closeAbout{QStringLiteral("Escape")};
    for (const auto wm : {E2eWindowManager::None, E2eWindowManager::Openbox, E2eWindowManager::Xfwm4}) {
        const QByteArray name = wm == E2eWindowManager::None ? "no wm" : E2eWindowManager::program(wm).toLatin1();
        QTest::newRow(QByteArray(name + " settings").constData()) << int(wm) << QStringLiteral("--settings") << QStringLiteral("Settings")
                                                                 << closeSettings;
        QTest::newRow(QByteArray(name + " about").constData()) << int(wm) << QStringLiteral("--about") << QStringLiteral("About")
                                                              << closeAbout;
    }
}

// A second request for an open dialog must not stack a twin on it: the
// open one comes forward with the keyboard.
void TestDialogs::askingAgainBringsTheOpenDialogForward()
{
    QFETCH(int, windowManager);
    QFETCH(QString, option);
    QFETCH(QString, caption);
    QFETCH(QStringList, closeKeys);
    E2E_SESSION(session);
    E2eWindowManager wm{E2eWindowManager::Kind(windowManager)};
    QVERIFY2(wm.waitUntilReady(), "the window manager did not come up");
    E2E_BUS(bus, session);
    session.seedSettings(QuietSettings);
    E2eProgram &app = session.start();
    QVERIFY(app.waitForTrayIcon());

    QVERIFY(handOver(session, option));
    const XWindow dialog = app.waitForWindow(caption, E2eProgram::ViewableOnly);
    QVERIFY(dialog);
    // Another program takes the keyboard; off the dialog, which stays on
    // top, so that a click reaches it.
    QProcess other;
    other.start(QStringLiteral("xmessage"), {QStringLiteral("-geometry"), QStringLiteral("+20+20"), QStringLiteral("-title"),
                                             OtherTitle, QStringLiteral("elsewhere")});
    const auto stopOther = qScopeGuard([&] { E2eSession::stopProcess(other); });
    XWindow otherWindow = 0;
    QVERIFY(E2eSession::waitFor([&] {
        otherWindow = E2eSession::run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--name"), OtherTitle})
                          .section(QLatin1Char('\n'), 0, 0).toULongLong();
        return otherWindow != 0 && E2eSession::isViewable(otherWindow);
    }));
    // Given the keyboard, then clicked as a user would: a window manager
    // takes the time of its last focus change from that click.
    E2eSession::focus(otherWindow);
    const auto otherRect = E2eSession::geometry(otherWindow);
    QVERIFY(otherRect);
    E2eSession::click(otherRect->topLeft() + QPoint(4, 4));
    QVERIFY(E2eSession::waitFor([&] { return E2eWindowManager::focusedWindow() == otherWindow; }));

    QVERIFY(handOver(session, option));
    QVERIFY2(E2eSession::waitFor([&] { return E2eWindowManager::focusedWindow() == dialog; }), "the open dialog did not come forward");
    // Commands are served in order: once this note is there, a twin of the
    // dialog would be too.
    QVERIFY(handOver(session, QStringLiteral("--new-note")));
    QVERIFY(app.waitForWindow(QStringLiteral("New Note"), E2eProgram::ViewableOnly));
    // Asked until one listing of the program's windows goes through: a
    // window manager at work can make one fail.
    QVERIFY2(E2eSession::waitFor([&] { return app.windows(caption).size() == 1; }, 5000), "not exactly one dialog");

    // Closed, it opens afresh at the next request.
    E2eSession::focus(dialog);
    E2eSession::keys(closeKeys);
    QVERIFY(app.waitForWindowGone(dialog));
    QVERIFY(handOver(session, option));
    QVERIFY(app.waitForWindow(caption, E2eProgram::ViewableOnly));
}

PAPERLET_E2E_MAIN(TestDialogs)
#include "tst_dialogs_e2e.moc"
