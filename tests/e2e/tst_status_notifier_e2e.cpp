// A status-notifier tray (xfce4-panel's systray on its own X server and
// session bus) with a notification service. Qt takes the status-notifier
// path when the tray's host is on the bus before the program's icon is
// made, and the XEmbed path otherwise; both are run here.

#include "e2e_session.h"
#include "e2e_panel_desktop.h"
#include "e2e_status_notifier.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDir>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <algorithm>
#include <csignal>

namespace {

const QByteArray QuietSettings = "CheckForUpdates=0\r\n";
const QString NewNoteTitle = QStringLiteral("New Note");
// The tray icon's note colour, and the panel's height (below).
const QColor NoteYellow(0xFF, 0xE8, 0x5C);
constexpr int PanelHeight = 32;
// A point inside the last row of a menu the panel draws, above its bottom edge.
constexpr int LastRowFromBottom = 14;
// Where the program's icon is drawn in the panel along the top: the box of
// its note yellow there, from a screenshot.
std::optional<QRect> iconInPanel(const E2eSession &session)
{
    const QString shot = session.screenshot(QStringLiteral("panel"));
    const QImage image(shot);
    QFile::remove(shot);
    if (image.isNull())
        return std::nullopt;
    QRect box;
    for (int y = 0; y < std::min(PanelHeight, image.height()); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).rgb() == NoteYellow.rgb())
                box |= QRect(x, y, 1, 1);
    return box.width() >= 8 && box.height() >= 8 ? std::optional<QRect>(box) : std::nullopt;
}

// The menu the panel opened under its top edge: a mapped window of another
// process than the program's.
std::optional<QRect> panelMenu(const E2eProgram &app)
{
    const QString tree = E2eSession::run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-children")});
    const QList<XWindow> ours = app.windows();
    static const QRegularExpression line(QStringLiteral("^\\s*(0x[0-9a-f]+) .*\\s(\\d+)x(\\d+)\\+(-?\\d+)\\+(-?\\d+)\\s"),
                                         QRegularExpression::MultilineOption);
    auto windows = line.globalMatch(tree);
    while (windows.hasNext()) {
        const QRegularExpressionMatch m = windows.next();
        const XWindow window = m.captured(1).toULongLong(nullptr, 16);
        const QRect rect(m.captured(4).toInt(), m.captured(5).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
        if (!ours.contains(window) && rect.top() >= PanelHeight - 1 && rect.top() <= PanelHeight + 1
            && rect.height() > 100 && E2eSession::isViewable(window))
            return rect;
    }
    return std::nullopt;
}

// The panel first, then the program: its one item, once the first start's
// invitation has gone to the desktop's notification service; null when any
// of that fails.
E2eProgram *startUnderPanel(E2eSession &session, E2ePanelDesktop &desktop, QString &item)
{
    if (!desktop.startPanel() || !E2eSession::waitFor([&] { return desktop.hostRegistered(); }))
        return nullptr;
    E2eProgram &app = session.start();
    QStringList items;
    if (!E2eSession::waitFor([&] { return !(items = desktop.items()).isEmpty(); }) || items.size() != 1)
        return nullptr;
    item = items.first();
    const bool invited = E2eSession::waitFor(
        [&] { return desktop.notifications().contains("Paperlet|Double click for new note!\n"); });
    return invited ? &app : nullptr;
}

} // namespace

class TestStatusNotifier final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hostBeforeProgram();
    void hostAfterProgram();
    void statusNotifierHostAfterProgram();
    void panelDrawsTheTrayMenu();
};

// A private display, desktop and program session.
#define DESKTOP_SESSION(session, desktop)                                                   \
    E2eDisplay display;                                                                     \
    QVERIFY2(!display.name().isEmpty(), "Xvfb did not start");                              \
    E2eSession session;                                                                     \
    E2ePanelDesktop desktop(session.appFolder() + QStringLiteral("/../desktop"));                   \
    QVERIFY2(desktop.isUp(), "the private bus or the notification recorder did not start"); \
    session.setEnvironment(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), desktop.busAddress()); \
    session.seedSettings(QuietSettings)

void TestStatusNotifier::hostBeforeProgram()
{
    DESKTOP_SESSION(session, desktop);
    QString item;
    E2eProgram *started = startUnderPanel(session, desktop, item);
    QVERIFY2(started, desktop.notifications().constData());
    E2eProgram &app = *started;

    E2eTrayItem icon(desktop.bus(), item);
    QVERIFY(icon.doubleClick());
    QVERIFY(app.waitForWindow(NewNoteTitle, E2eProgram::ViewableOnly));
    QCOMPARE(app.shownWindows().size(), 1);

    // The host that only reports a right click: the program's own menu.
    QVERIFY(icon.rightClick());
    QVERIFY(app.waitForPopupMenu());
    E2eSession::keys({QStringLiteral("Up"), QStringLiteral("Return")});   // Exit
    QVERIFY(app.waitForExit());
    QCOMPARE(app.exitCode(), 0);
}

void TestStatusNotifier::hostAfterProgram()
{
    DESKTOP_SESSION(session, desktop);
    E2eProgram &app = session.start();
    QVERIFY(desktop.startPanel());
    QVERIFY(app.waitForTrayIcon());
    // The panel is both kinds of tray: the XEmbed icon is the only one.
    QVERIFY(desktop.hostRegistered());
    QVERIFY2(E2eSession::waitFor([&] { return desktop.items().isEmpty(); }), qPrintable(desktop.items().join(' ')));

    // An XEmbed double click (Trigger, then DoubleClick) makes one note.
    const int before = app.shownWindows().size();
    QVERIFY(session.doubleClickTray());
    QVERIFY(E2eSession::waitFor([&] { return app.shownWindows().size() == before + 1; }));

    QVERIFY(session.rightClickTray());
    QVERIFY(app.waitForPopupMenu());
    E2eSession::keys({QStringLiteral("Up"), QStringLiteral("Return")});   // Exit
    QVERIFY(app.waitForExit());
    QCOMPARE(app.exitCode(), 0);
    QCOMPARE(app.shownWindows().size(), 0);
}

// A panel that is only a status-notifier host and comes up after the
// program has made its tray icon: Qt has taken the XEmbed path by then, and
// the program shows an item of its own.
void TestStatusNotifier::statusNotifierHostAfterProgram()
{
    DESKTOP_SESSION(session, desktop);
    E2eProgram &app = session.start();
    // Its command service comes after the tray icon.
    QVERIFY(E2eSession::waitFor([&] { return desktop.hasService(QStringLiteral("example.paperlet.")); }));
    QVERIFY(desktop.startWatcher());
    QStringList items;
    QVERIFY(E2eSession::waitFor([&] { return !(items = desktop.items()).isEmpty(); }));
    QCOMPARE(items.size(), 1);
    QVERIFY2(E2eStatusNotifier::iconSizes(desktop.bus(), items.first()).contains(QSize(22, 22)), qPrintable(items.first()));

    E2eTrayItem icon(desktop.bus(), items.first());
    const int before = app.shownWindows().size();
    QVERIFY(icon.doubleClick());
    QVERIFY(app.waitForWindow(NewNoteTitle, E2eProgram::ViewableOnly));
    QVERIFY(E2eSession::waitFor([&] { return app.shownWindows().size() == before + 1; }));

    // No exported menu: the host's right click comes as Context, and the program opens its own.
    QVERIFY(icon.rightClick());
    QVERIFY(app.waitForPopupMenu());
    E2eSession::keys({QStringLiteral("Up"), QStringLiteral("Return")});   // Exit
    QVERIFY(app.waitForExit());
    QCOMPARE(app.exitCode(), 0);
    QCOMPARE(app.shownWindows().size(), 0);
}

// xfce4-panel draws the menu an item exports and never asks the item to open
// one: the tray menu reaches the user only that way. A real right click on
// the icon in the panel, the items as the bus gives them, and a pick there.
void TestStatusNotifier::panelDrawsTheTrayMenu()
{
    DESKTOP_SESSION(session, desktop);
    QString item;
    E2eProgram *started = startUnderPanel(session, desktop, item);
    QVERIFY2(started, desktop.notifications().constData());
    E2eProgram &app = *started;

    // The first start's invitation is on screen: the icon stays the program's meanwhile.
    QCOMPARE(E2eStatusNotifier::property(desktop.bus(), item, QStringLiteral("Status")).toString(), QStringLiteral("Active"));
    std::optional<QRect> icon;
    QVERIFY2(E2eSession::waitFor([&] { return bool(icon = iconInPanel(session)); }), "the program's icon is not in the panel");

    // The menu as the panel reads it: the tray menu's items, states and pictures.
    const QList<E2eStatusNotifier::MenuEntry> menu = E2eStatusNotifier::menu(desktop.bus(), item);
    QStringList labels;
    for (const E2eStatusNotifier::MenuEntry &entry : menu) {
        labels.append(entry.separator ? QStringLiteral("-") : entry.label);
        QVERIFY2(entry.enabled, qPrintable(entry.label));
        QCOMPARE(entry.hasIcon, entry.label == QLatin1String("New Note") || entry.label == QLatin1String("Settings"));
    }
    QCOMPARE(labels, QStringList({"New Note", "-", "Show All Notes", "Hide All Notes", "All Notes...", "-", "Settings", "-",
                                  "Check for updates", "About", "-", "Exit"}));

    // Right click on the icon: the panel's menu is ours. Up from the
    // bottom: "About", then "Exit".
    E2eSession::click(icon->center(), 3);
    QVERIFY2(E2eSession::waitForGrab(true), "no menu opened");
    E2eSession::keys({QStringLiteral("Up"), QStringLiteral("Up"), QStringLiteral("Return")});
    const XWindow about = app.waitForWindow(QStringLiteral("About"), E2eProgram::ViewableOnly);
    QVERIFY2(about, "About did not open from the panel's menu");
    E2eSession::focus(about);
    E2eSession::key(QStringLiteral("Return"));
    QVERIFY(app.waitForWindowGone(about));

    // The mouse this time: "Exit" is the menu's last row.
    QVERIFY(E2eSession::waitForGrab(false));
    E2eSession::click(icon->center(), 3);
    QVERIFY2(E2eSession::waitForGrab(true), "no menu opened");
    std::optional<QRect> drawn;
    QVERIFY2(E2eSession::waitFor([&] { return bool(drawn = panelMenu(app)); }), "the panel's menu is not on screen");
    E2eSession::click(QPoint(drawn->center().x(), drawn->bottom() - LastRowFromBottom));
    QVERIFY(app.waitForExit());
    QCOMPARE(app.exitCode(), 0);
}

int main(int argc, char *argv[])
{
    for (const char *tool : {"Xvfb", "xfce4-panel", "dbus-daemon"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            qWarning("no %s (scripts/setup.sh installs it): skipped", tool);
            return 77;
        }
    QCoreApplication app(argc, argv);
    TestStatusNotifier test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_status_notifier_e2e.moc"
