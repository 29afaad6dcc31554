// What a screen reader finds in the real program, read over a real AT-SPI
// bus: a private session bus with at-spi2-core's bus launcher and registry,
// the program with Qt's accessibility on, and pyatspi walking the tree as
// an assistive technology does. Run in English, German and Arabic: the
// names are the translated texts the user sees.

#include "e2e_session.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTest>

#include <functional>

namespace {

const QString Launcher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");
// The system's Python, which has Debian's pyatspi (a Python of the user's
// own, earlier on PATH, may not).
const QString Python = QStringLiteral("/usr/bin/python3");

QString probePath()
{
    return QStringLiteral(PAPERLET_ATSPI_PROBE);
}

using Node = QJsonObject;

QList<Node> childrenOf(const Node &node)
{
    QList<Node> list;
    for (const QJsonValue &child : node.value(QLatin1String("children")).toArray())
        list.append(child.toObject());
    return list;
}

void collect(const Node &node, const std::function<bool(const Node &)> &match, QList<Node> &found)
{
    if (match(node))
        found.append(node);
    for (const Node &child : childrenOf(node))
        collect(child, match, found);
}

QList<Node> findAll(const Node &root, const QString &role, const QString &name = QString())
{
    QList<Node> found;
    collect(root, [&](const Node &n) {
        return n.value(QLatin1String("role")).toString() == role
            && (name.isNull() || n.value(QLatin1String("name")).toString() == name);
    }, found);
    return found;
}

QStringList strings(const Node &node, const char *key)
{
    QStringList list;
    for (const QJsonValue &v : node.value(QLatin1String(key)).toArray())
        list.append(v.toString());
    return list;
}

bool showing(const Node &node)
{
    return strings(node, "states").contains(QStringLiteral("showing"));
}

QString nameOf(const Node &node)
{
    return node.value(QLatin1String("name")).toString();
}

// The texts of the program in one language, as its catalogue has them.
struct Texts
{
    QString language;
    // Keys that open a submenu and go back: mirrored right to left.
    QString into, back;
    QStringList trayMenu;
    QStringList noteMenu;
    // The note menu's checkable items, Always on Top first.
    QStringList states;
    QString menuButton, closeButton, noteText, resize, colour, lightYellow, opacity, leastOpacity;
    QString settings, autoStart, titleLabel, ok, close, about;
};

Texts textsFor(const QString &language)
{
    if (language == QLatin1String("de"))
        return {language, "Right", "Left",
                {"Neue Notiz", "Alle Notizen zeigen", "Alle Notizen ausblenden", "Einstellungen", "Nach Updates suchen", "Über", "Beenden"},
                {"Neue Notiz", "Farbe", "Deckkraft         ", "Löschen", "Drucken", "Per E-Mail senden", "Schließen"},
                {"Immer im Vordergrund", "Auf allen Arbeitsflächen", "Aufrollen", "Sperren"},
                "Menü", "Schließen", "Notiztext", "Größe ändern", "Farbe", "Hellgelb", "100 %", "10 %",
                "Einstellungen", "Beim Anmelden starten", "Titel:", "OK", "Schließen", "Über"};
    if (language == QLatin1String("ar"))
        return {language, "Left", "Right",
                {"ملاحظة جديدة", "إظهار كل الملاحظات", "إخفاء كل الملاحظات", "كل الملاحظات...", "الإعدادات", "التحقق من التحديثات", "حول", "خروج"},
                {"ملاحظة جديدة", "اللون", "العتامة         ", "حذف", "طباعة", "إرسال بالبريد", "إغلاق"},
                {"دائمًا في المقدمة", "على كل مساحات العمل", "طيّ", "قفل"},
                "القائمة", "إغلاق", "نص الملاحظة", "تغيير الحجم", "اللون", "أصفر فاتح", "100%", "10%",
                "الإعدادات", "التشغيل عند الدخول", "العنوان:", "موافق", "إغلاق", "حول"};
    return {QStringLiteral("en"), "Right", "Left",
            {"New Note", "Show All Notes", "Hide All Notes", "All Notes...", "Settings", "Check for updates", "About", "Exit"},
            {"New Note", "Color", "Opacity         ", "Delete", "Print", "Send Mail", "Close"},
            {"Always on Top", "On All Workspaces", "Roll Up", "Lock"},
            "Menu", "Close", "Note text", "Resize", "Color", "Light Yellow", "100 %", "10 %",
            "Settings", "Load on startup", "Title:", "OK", "Close", "About"};
}

// The registry of a private accessibility bus, on the case's session bus;
// stopped by its process id (the bus launcher takes its bus down with it).
class AtSpiRegistry final
{
public:
    explicit AtSpiRegistry(const QString &sessionBus)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), sessionBus);
        env.remove(QStringLiteral("AT_SPI_BUS_ADDRESS"));
        m_env = env;
        m_launcher.setProcessEnvironment(env);
        m_launcher.start(Launcher, {QStringLiteral("--launch-immediately")});
        m_launcher.waitForStarted();
    }
    ~AtSpiRegistry() { E2eSession::stopProcess(m_launcher); }

    // Runs the probe; its exit code in *code.
    QByteArray probe(const QStringList &arguments, int *code = nullptr) const
    {
        QProcess process;
        process.setProcessEnvironment(m_env);
        process.start(Python, QStringList{probePath(), QStringLiteral("paperlet")} + arguments);
        process.waitForFinished(60000);
        if (code)
            *code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        return process.readAllStandardOutput();
    }

    // The program's tree once `ready` holds for it; empty on timeout.
    Node waitForTree(const std::function<bool(const Node &)> &ready) const
    {
        Node tree;
        E2eSession::waitFor([&] {
            int code = 0;
            const QByteArray json = probe({QStringLiteral("tree")}, &code);
            tree = code == 0 ? QJsonDocument::fromJson(json).object() : Node();
            return !tree.isEmpty() && ready(tree);
        }, 60000);
        return tree;
    }

    // The parent (a menu, a colour grid) of the first object of that role
    // (and name) that gets the focus while `keys` runs; empty when none did.
    Node focusedParent(const QString &role, const QString &name, const std::function<void()> &keys) const
    {
        QStringList arguments{QStringLiteral("focus"), QStringLiteral("60"), role};
        if (!name.isNull())
            arguments.append(name);
        int code = 0;
        const QByteArray out = listen(arguments, keys, &code);
        return QJsonDocument::fromJson(out).object();
    }

    // Whether a notification named `text` was told while `act` ran; what
    // was told in *heard.
    bool announced(const QString &text, const std::function<void()> &act, QStringList *heard) const
    {
        int code = 0;
        const QByteArray out = listen({QStringLiteral("announced"), QStringLiteral("60"), text}, act, &code);
        *heard = QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return code == 0;
    }

    bool act(const QString &role, const QString &name, const QString &action) const
    {
        int code = 0;
        probe({QStringLiteral("do"), role, name, action}, &code);
        return code == 0;
    }

private:
    // Starts the probe listening, runs `act` once it is, and gives what the
    // probe printed after "ready"; its exit code in *code (-1: it never got ready).
    QByteArray listen(const QStringList &arguments, const std::function<void()> &act, int *code) const
    {
        QProcess process;
        process.setProcessEnvironment(m_env);
        process.start(Python, QStringList{probePath(), QStringLiteral("paperlet")} + arguments);
        QByteArray out;
        E2eSession::waitFor([&] {
            process.waitForReadyRead(50);
            out += process.readAllStandardOutput();
            return out.contains('\n') || process.state() == QProcess::NotRunning;
        }, 60000);
        *code = -1;
        if (!out.startsWith("ready"))
            return {};
        act();
        process.waitForFinished(90000);
        out += process.readAllStandardOutput();
        if (process.exitStatus() == QProcess::NormalExit)
            *code = process.exitCode();
        return out.mid(out.indexOf('\n') + 1);
    }

    QProcess m_launcher;
    QProcessEnvironment m_env;
};

// The copies the session starts have Qt's accessibility on and speak `language`.
void speaking(E2eSession &session, const QString &language)
{
    session.setEnvironment(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    session.setEnvironment(QStringLiteral("QT_ACCESSIBILITY"), QStringLiteral("1"));
    session.setEnvironment(QStringLiteral("LANGUAGE"), language);
    session.setEnvironment(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
}

bool hasShowing(const Node &tree, const QString &role, const QString &name)
{
    for (const Node &n : findAll(tree, role, name))
        if (showing(n))
            return true;
    return false;
}

} // namespace

class TestAccessibility final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void screenReaderReadsTheProgram_data();
    void screenReaderReadsTheProgram();
    void screenReaderIsToldWhatHappensToNotes_data();
    void screenReaderIsToldWhatHappensToNotes();
};

void TestAccessibility::initTestCase()
{
    QProcess check;
    check.start(Python, {QStringLiteral("-c"), QStringLiteral("import pyatspi")});
    if (!QFile::exists(Launcher) || !check.waitForFinished(60000) || check.exitCode() != 0)
        QSKIP("at-spi2-core or python3-pyatspi missing: run scripts/setup.sh");
}

void TestAccessibility::screenReaderReadsTheProgram_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("English") << QStringLiteral("en");
    QTest::newRow("German") << QStringLiteral("de");
    QTest::newRow("Arabic") << QStringLiteral("ar");
}

void TestAccessibility::screenReaderReadsTheProgram()
{
    QFETCH(QString, language);
    const Texts texts = textsFor(language);
    E2E_SESSION(session);
    E2E_BUS(bus, session);
    const AtSpiRegistry registry(bus.address());
    speaking(session, language);
    // Kept on top: its item in the note menu is ticked.
    session.seedNote(QStringLiteral("1.pnf"),
                     E2eSession::noteFile(200, 150, "Shopping",
                                          "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Tahoma;}}\\f0\\fs20 milk and bread\\par"
                                          "{\\*\\paperletstate{\\ontop}}}"));
    E2eProgram &app = session.start();
    QVERIFY(app.waitForTrayIcon());
    const XWindow noteWindow = app.waitForWindow(QStringLiteral("Shopping"), E2eProgram::ViewableOnly);
    QVERIFY(noteWindow);

    // The note: a window named by its title, a title bar, the two bar
    // buttons, the text with its caret, the grip.
    Node tree = registry.waitForTree([&](const Node &t) { return hasShowing(t, QStringLiteral("text"), texts.noteText); });
    QVERIFY2(!tree.isEmpty(), "the note's text never showed on the accessibility bus");
    const struct
    {
        QString role;
        QString name;
        QStringList actions;
    } noteParts[] = {
        // Qt reports a title bar as text over AT-SPI, and a grip, which
        // AT-SPI has no role for, as unknown; their names say what they are.
        {"text", "Shopping", {}},
        {"push button", texts.menuButton, {"Press"}},
        {"push button", texts.closeButton, {"Press"}},
        {"unknown", texts.resize, {}},
        {"label", "Shopping", {}},
    };
    for (const auto &part : noteParts) {
        const QList<Node> found = findAll(tree, part.role, part.name);
        QVERIFY2(found.size() == 1, qPrintable(part.role + QLatin1String(": ") + part.name));
        QVERIFY2(showing(found.first()), qPrintable(part.name));
        for (const QString &action : part.actions)
            QVERIFY2(strings(found.first(), "actions").contains(action), qPrintable(part.name + QLatin1Char(' ') + action));
    }
    QVERIFY(findAll(tree, QStringLiteral("frame"), QStringLiteral("Shopping")).size()
            + findAll(tree, QStringLiteral("window"), QStringLiteral("Shopping")).size() == 1);
    const Node text = findAll(tree, QStringLiteral("text"), texts.noteText).first();
    // The note file's paragraph ends with its line break.
    QCOMPARE(text.value(QLatin1String("text")).toString().trimmed(), QStringLiteral("milk and bread"));
    QVERIFY(text.value(QLatin1String("caret")).toInt() >= 0);
    QVERIFY(strings(text, "states").contains(QStringLiteral("editable")));

    // The note menu, opened through the menu button's accessible action;
    // a screen reader meets it when the keys move the focus into it.
    QVERIFY(registry.act(QStringLiteral("push button"), texts.menuButton, QStringLiteral("Press")));
    QVERIFY(app.waitForPopupMenu());
    Node menu = registry.focusedParent(QStringLiteral("menu item"), texts.noteMenu.first(),
                                       [] { E2eSession::key(QStringLiteral("Down")); });
    QStringList shown;
    for (const Node &item : childrenOf(menu))
        shown.append(nameOf(item));
    for (const QString &item : texts.noteMenu)
        QVERIFY2(shown.contains(item), qPrintable(item + QStringLiteral(" not in ") + shown.join(QLatin1Char('|'))));
    // The note's states say which one is on.
    QStringList on;
    for (const Node &item : childrenOf(menu))
        if (texts.states.contains(nameOf(item)) && strings(item, "states").contains(QStringLiteral("checked")))
            on.append(nameOf(item));
    QCOMPARE(on, QStringList{texts.states.first()});
    // The opacity items say which one is ticked.
    // Past the window-state group (Always on Top, On All Workspaces, Roll Up,
    // Lock, Reminder..., Keyboard Shortcuts) and Color to Opacity.
    menu = registry.focusedParent(QStringLiteral("menu item"), texts.leastOpacity,
                                  [&] { E2eSession::keys({"Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", texts.into}); });
    QStringList ticked;
    for (const Node &item : childrenOf(menu))
        if (strings(item, "states").contains(QStringLiteral("checked")))
            ticked.append(nameOf(item));
    QCOMPARE(ticked, QStringList{texts.opacity});
    // The colour grid: a list of cells named by colour, the note's colour checked.
    // The grid takes the focus as its submenu opens, named by the submenu;
    // the keys then move the focus onto its menu item and on to a cell.
    // Its item in the submenu is named by it too.
    const Node colourMenu = registry.focusedParent(QStringLiteral("list"), texts.colour,
                                                   [&] { E2eSession::keys({texts.back, "Up", texts.into}); });
    QCOMPARE(childrenOf(colourMenu).size(), 1);
    QCOMPARE(nameOf(childrenOf(colourMenu).first()), texts.colour);
    const Node palette = registry.focusedParent(QStringLiteral("list item"), QString(),
                                                [&] { E2eSession::keys({texts.into, "Down"}); });
    QCOMPARE(nameOf(palette), texts.colour);
    QCOMPARE(palette.value(QLatin1String("role")).toString(), QStringLiteral("list"));
    const QList<Node> cells = childrenOf(palette);
    QCOMPARE(cells.size(), 24);
    QStringList checked;
    for (const Node &cell : cells) {
        QCOMPARE(cell.value(QLatin1String("role")).toString(), QStringLiteral("list item"));
        QVERIFY(!nameOf(cell).isEmpty());
        QVERIFY(strings(cell, "actions").contains(QStringLiteral("Press")));
        if (strings(cell, "states").contains(QStringLiteral("checked")))
            checked.append(nameOf(cell));
    }
    QCOMPARE(checked, QStringList{texts.lightYellow});
    E2eSession::keys({"Escape", "Escape", "Escape"});
    QVERIFY(E2eSession::waitForGrab(false));

    // The tray menu.
    QVERIFY(session.openTrayMenu());
    menu = registry.focusedParent(QStringLiteral("menu item"), texts.trayMenu.first(),
                                  [] { E2eSession::key(QStringLiteral("Down")); });
    shown.clear();
    for (const Node &item : childrenOf(menu))
        shown.append(nameOf(item));
    for (const QString &item : texts.trayMenu)
        QVERIFY2(shown.contains(item), qPrintable(item + QStringLiteral(" not in ") + shown.join(QLatin1Char('|'))));
    E2eSession::key(QStringLiteral("Escape"));
    QVERIFY(E2eSession::waitForGrab(false));

    // Settings and About, opened from the command line of a second start.
    session.start({QStringLiteral("--settings")});
    tree = registry.waitForTree([&](const Node &t) { return hasShowing(t, QStringLiteral("dialog"), texts.settings); });
    QVERIFY2(!tree.isEmpty(), "no Settings dialog");
    QVERIFY(hasShowing(tree, QStringLiteral("check box"), texts.autoStart));
    // Over AT-SPI a combo box is named by its current entry (the title
    // style "New Note"), its label is the label before it.
    QVERIFY(hasShowing(tree, QStringLiteral("label"), texts.titleLabel));
    QVERIFY(hasShowing(tree, QStringLiteral("combo box"), texts.noteMenu.first()));
    QVERIFY(hasShowing(tree, QStringLiteral("push button"), texts.ok));
    const QList<Node> swatches = findAll(tree, QStringLiteral("push button"));
    int named = 0;
    for (const Node &button : swatches)
        named += nameOf(button).isEmpty() ? 0 : 1;
    QCOMPARE(named, swatches.size());
    // Close, carried out through its accessible action.
    QVERIFY(registry.act(QStringLiteral("push button"), texts.close, QStringLiteral("Press")));
    tree = registry.waitForTree([&](const Node &t) { return !hasShowing(t, QStringLiteral("dialog"), texts.settings); });
    QVERIFY(!tree.isEmpty());

    session.start({QStringLiteral("--about")});
    tree = registry.waitForTree([&](const Node &t) { return hasShowing(t, QStringLiteral("dialog"), texts.about); });
    QVERIFY2(!tree.isEmpty(), "no About dialog");
    QCOMPARE(findAll(tree, QStringLiteral("link")).size(), 2);
    QVERIFY(registry.act(QStringLiteral("push button"), texts.ok, QStringLiteral("Press")));
    tree = registry.waitForTree([&](const Node &t) { return !hasShowing(t, QStringLiteral("dialog"), texts.about); });
    QVERIFY(!tree.isEmpty());

    // The note's close button, pressed through the accessibility bus, closes it.
    QVERIFY(registry.act(QStringLiteral("push button"), texts.closeButton, QStringLiteral("Press")));
    QVERIFY(app.waitForWindowGone(noteWindow));
}

enum class NoteChange { Start, NewNote, Close, Delete, HideAll };

void TestAccessibility::screenReaderIsToldWhatHappensToNotes_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<NoteChange>("change");
    QTest::addColumn<QString>("told");
    // Notes that come or go together are told as one.
    QTest::newRow("start") << QStringLiteral("en") << NoteChange::Start << QStringLiteral("Notes opened: 2");
    QTest::newRow("new note") << QStringLiteral("en") << NoteChange::NewNote << QStringLiteral("Note opened: New Note");
    QTest::newRow("closed") << QStringLiteral("en") << NoteChange::Close << QStringLiteral("Note closed: Shopping");
    QTest::newRow("deleted") << QStringLiteral("en") << NoteChange::Delete << QStringLiteral("Note deleted: Shopping");
    QTest::newRow("hide all") << QStringLiteral("en") << NoteChange::HideAll << QStringLiteral("Notes closed: 2");
    QTest::newRow("closed, German") << QStringLiteral("de") << NoteChange::Close
                                    << QStringLiteral("Notiz geschlossen: Shopping");
    QTest::newRow("new note, Arabic") << QStringLiteral("ar") << NoteChange::NewNote
                                      << QStringLiteral("فُتحت ملاحظة: ملاحظة جديدة");
}

// What a screen reader says of it: a notification, which it speaks, shows
// on the accessibility bus with the message as its name.
void TestAccessibility::screenReaderIsToldWhatHappensToNotes()
{
    QFETCH(QString, language);
    QFETCH(NoteChange, change);
    QFETCH(QString, told);
    E2E_SESSION(session);
    E2E_BUS(bus, session);
    const AtSpiRegistry registry(bus.address());
    speaking(session, language);
    session.seedSettings("CheckForUpdates=0\r\n");
    session.seedNote(QStringLiteral("1.pnf"), E2eSession::noteFile(200, 150, "Shopping", "milk"));
    session.seedNote(QStringLiteral("2.pnf"), E2eSession::noteFile(600, 150, "Work", "call"));
    E2eProgram *app = nullptr;
    XWindow note = 0;
    if (change != NoteChange::Start) {
        app = &session.start();
        QVERIFY(app->waitForTrayIcon());
        note = app->waitForWindow(QStringLiteral("Shopping"), E2eProgram::ViewableOnly);
        QVERIFY(note);
        // On the bus: from now on it hears who listens.
        QVERIFY(!registry.waitForTree([](const Node &) { return true; }).isEmpty());
    }
    QStringList heard;
    const bool wasTold = registry.announced(told, [&] {
        switch (change) {
        case NoteChange::Start:
            app = &session.start();
            break;
        case NoteChange::NewNote:
            E2eSession::focus(note);
            E2eSession::key(QStringLiteral("ctrl+n"));
            break;
        case NoteChange::Close:
            E2eSession::focus(note);
            E2eSession::key(QStringLiteral("ctrl+w"));
            break;
        case NoteChange::Delete:
            // Through the note menu, its key and its item (the tenth).
            E2eSession::focus(note);
            E2eSession::key(QStringLiteral("F10"));
            if (app->waitForPopupMenu()) {
                E2eSession::pickMenuItem(9);
                app->answerMessageBox(QStringLiteral("Delete Confirmation"));
            }
            break;
        case NoteChange::HideAll:
            if (session.openTrayMenu())
                E2eSession::pickMenuItem(2);
            break;
        }
    }, &heard);
    QVERIFY2(wasTold, qPrintable(QStringLiteral("heard: ") + heard.join(QLatin1Char('|'))));
    if (change == NoteChange::Delete)
        QVERIFY(E2eSession::waitFor([&] { return !session.noteFiles().contains(QStringLiteral("1.pnf")); }));
}

PAPERLET_E2E_MAIN(TestAccessibility)

#include "tst_accessibility_e2e.moc"
