#include "e2e_session.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include <xcb/xcb.h>

#include <csignal>
#include <cstdlib>
#include <unistd.h>
#include <utility>

namespace {

constexpr int ToolTimeoutMs = 10000;

QString requiredEnv(const char *name)
{
    const QString value = qEnvironmentVariable(name);
    if (value.isEmpty())
        qFatal("%s is not set: run the case through ctest", name);
    return value;
}

QString defaultSessionName()
{
    QString name = QString::fromLatin1(QTest::currentTestFunction());
    if (const char *tag = QTest::currentDataTag(); tag && *tag)
        name += QLatin1Char('_') + QString::fromUtf8(tag);
    if (name.isEmpty())
        name = QStringLiteral("session");
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    return name;
}

// One xwininfo call: its "Key: value" lines.
QString xwininfoValue(const QString &info, const QString &key)
{
    const QRegularExpression re(QStringLiteral("^\\s*") + QRegularExpression::escape(key)
                                + QStringLiteral(":\\s*(.*)$"),
                                QRegularExpression::MultilineOption);
    const auto match = re.match(info);
    return match.hasMatch() ? match.captured(1).trimmed() : QString();
}

QString windowArg(XWindow window)
{
    return QString::number(window);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

// --- E2eProgram -------------------------------------------------------------

E2eProgram::E2eProgram(const QString &binary, const QStringList &arguments, const QString &workFolder,
                       const QProcessEnvironment &env)
    : m_process(std::make_unique<QProcess>())
{
    m_process->setProgram(binary);
    m_process->setArguments(arguments);
    m_process->setWorkingDirectory(workFolder);
    m_process->setProcessEnvironment(env);
    m_process->setProcessChannelMode(QProcess::MergedChannels);
    m_process->start();
    if (m_process->waitForStarted(ToolTimeoutMs))
        m_pid = m_process->processId();
    else
        qWarning("could not start %s: %s", qPrintable(binary), qPrintable(m_process->errorString()));
}

E2eProgram::~E2eProgram()
{
    kill();
}

bool E2eProgram::isRunning() const
{
    return m_process->state() != QProcess::NotRunning;
}

void E2eProgram::kill()
{
    if (m_process->state() == QProcess::NotRunning)
        return;
    m_process->kill();
    m_process->waitForFinished(ToolTimeoutMs);
}

QList<XWindow> E2eProgram::windows(const QString &title, Mapped mapped) const
{
    QList<XWindow> result;
    if (m_pid <= 0)
        return result;
    const QString out = E2eSession::run(QStringLiteral("xdotool"),
                                        {QStringLiteral("search"), QStringLiteral("--pid"),
                                         QString::number(m_pid)});
    for (const QString &line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const XWindow window = line.trimmed().toULongLong();
        if (window && (title.isNull() || E2eSession::title(window) == title)
            && (mapped == AnyState || E2eSession::isViewable(window)))
            result.append(window);
    }
    return result;
}

XWindow E2eProgram::waitForWindow(const QString &title, Mapped mapped, int timeoutMs) const
{
    XWindow found = 0;
    E2eSession::waitFor([&] {
        const auto list = windows(title, mapped);
        found = list.isEmpty() ? 0 : list.first();
        return found != 0;
    }, timeoutMs);
    return found;
}

bool E2eProgram::waitForWindowGone(XWindow window, int timeoutMs) const
{
    return E2eSession::waitFor([&] { return !E2eSession::isViewable(window); }, timeoutMs);
}

QList<XWindow> E2eProgram::shownWindows() const
{
    QList<XWindow> result;
    const XWindow icon = trayIcon();
    for (XWindow window : windows(QString(), ViewableOnly)) {
        const QString info = E2eSession::run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), windowArg(window)});
        if (window != icon && xwininfoValue(info, QStringLiteral("Override Redirect State")) != QLatin1String("yes"))
            result.append(window);
    }
    return result;
}

XWindow E2eProgram::trayIcon() const
{
    for (XWindow window : windows()) {
        const QString info = E2eSession::run(QStringLiteral("xwininfo"),
                                             {QStringLiteral("-children"), QStringLiteral("-id"),
                                              windowArg(window)});
        const QString parent = xwininfoValue(info, QStringLiteral("Parent window id"));
        if (parent.isEmpty() || parent.contains(QLatin1String("the root window")))
            continue;
        const auto rect = E2eSession::geometry(window);
        // Embedded by the tray host: small, mapped, square (at 2x Qt asks for twice the width).
        if (rect && rect->height() <= 64 && (rect->width() == rect->height() || rect->width() == 2 * rect->height())
            && E2eSession::isViewable(window))
            return window;
    }
    return 0;
}

bool E2eProgram::waitForTrayIcon(int timeoutMs)
{
    return E2eSession::waitFor([this] { return trayIcon() != 0 || !isRunning(); }, timeoutMs)
        && trayIcon() != 0;
}

bool E2eProgram::answerMessageBox(const QString &caption) const
{
    const XWindow box = waitForWindow(caption, ViewableOnly);
    if (!box)
        return false;
    E2eSession::focus(box);
    E2eSession::key(QStringLiteral("Return"));
    return true;
}

XWindow E2eProgram::popupMenu() const
{
    // Qt 6.4 marks its menus only as override-redirect windows (type NORMAL);
    // tooltips are override-redirect too but carry their own type.
    for (XWindow window : windows()) {
        const QString info = E2eSession::run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), windowArg(window)});
        if (xwininfoValue(info, QStringLiteral("Map State")) != QLatin1String("IsViewable")
            || xwininfoValue(info, QStringLiteral("Override Redirect State")) != QLatin1String("yes"))
            continue;
        const QString type = E2eSession::property(window, QStringLiteral("_NET_WM_WINDOW_TYPE"));
        if (!type.contains(QLatin1String("TOOLTIP")) && !type.contains(QLatin1String("_OVERRIDE")))
            return window;
    }
    return 0;
}

XWindow E2eProgram::waitForPopupMenu(int timeoutMs) const
{
    // Keys pressed before the menu holds the grab would go to another window.
    XWindow found = 0;
    E2eSession::waitFor([&] { return (found = popupMenu()) != 0 && E2eSession::inputGrabbed(); }, timeoutMs);
    return E2eSession::inputGrabbed() ? found : 0;
}

void E2eProgram::sendSignal(int signal) const
{
    if (m_pid > 0 && isRunning())
        ::kill(pid_t(m_pid), signal);
}

bool E2eProgram::waitForExit(int timeoutMs)
{
    if (m_process->state() == QProcess::NotRunning)
        return true;
    return m_process->waitForFinished(timeoutMs);
}

int E2eProgram::exitCode() const
{
    if (isRunning() || m_process->exitStatus() != QProcess::NormalExit)
        return -1;
    return m_process->exitCode();
}

bool E2eProgram::crashed() const
{
    return !isRunning() && m_process->exitStatus() == QProcess::CrashExit;
}

QByteArray E2eProgram::output()
{
    m_output += m_process->readAll();
    return m_output;
}

// --- E2eSession -------------------------------------------------------------

bool E2eSession::hasDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY");
}

E2eSession::E2eSession(const QString &name, Layout layout)
    : m_name(name.isEmpty() ? defaultSessionName() : name)
    , m_layout(layout)
{
    m_root = QDir(requiredEnv("PAPERLET_E2E_SCRATCH")).filePath(m_name);
    if (::geteuid() == 0) // a locked folder left by a killed run
        run(QStringLiteral("chattr"), {QStringLiteral("-i"), QDir(m_root).filePath(QStringLiteral("app"))});
    QDir(m_root).removeRecursively();
    m_appFolder = QDir(m_root).filePath(QStringLiteral("app"));
    QDir().mkpath(m_appFolder);
    if (m_layout == Layout::Portable && !placeProgram(requiredEnv("PAPERLET_E2E_BINARY"), binary()))
        qFatal("cannot place the program into %s", qPrintable(m_appFolder));

    m_env = QProcessEnvironment::systemEnvironment();
    m_env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    m_env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    const struct { const char *var; const char *folder; } xdg[] = {
        {"XDG_RUNTIME_DIR", "run"}, {"XDG_CONFIG_HOME", "config"}, {"XDG_DATA_HOME", "data"},
        {"XDG_CACHE_HOME", "cache"}, {"HOME", "home"},
    };
    for (const auto &entry : xdg) {
        const QString path = QDir(m_root).filePath(QString::fromLatin1(entry.folder));
        QDir().mkpath(path);
        m_env.insert(QString::fromLatin1(entry.var), path);
    }
    QFile::setPermissions(QDir(m_root).filePath(QStringLiteral("run")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (m_layout == Layout::Installed)
        m_env.remove(QStringLiteral("XDG_DATA_HOME"));
}

E2eSession::~E2eSession()
{
    if (QTest::currentTestFailed())
        saveArtifacts();
    // Newest first, like the program tears itself down.
    while (!m_programs.empty())
        m_programs.pop_back();
    restoreAppFolder();
    // A failed case keeps its folder to be looked at; a passed one would
    // only fill the disk over a full run.
    if (!QTest::currentTestFailed())
        QDir(m_root).removeRecursively();
}

bool E2eSession::placeProgram(const QString &from, const QString &to)
{
    // A hard link is its own path, so the program still finds its portable
    // folder beside it, without a copy of the whole binary in every case.
    return ::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0
           || QFile::copy(from, to);
}

QString E2eSession::binary() const
{
    if (m_layout == Layout::Installed)
        return requiredEnv("PAPERLET_E2E_BINARY");
    return QDir(m_appFolder).filePath(QStringLiteral("paperlet"));
}

QString E2eSession::homeFolder() const
{
    return m_env.value(QStringLiteral("HOME"));
}

QString E2eSession::trashFolder() const
{
    const QString data = m_env.value(QStringLiteral("XDG_DATA_HOME"), QDir(homeFolder()).filePath(QStringLiteral(".local/share")));
    return QDir(data).filePath(QStringLiteral("Trash"));
}

QString E2eSession::dataFolder() const
{
    if (m_layout == Layout::Installed)
        return QDir(homeFolder()).filePath(QStringLiteral(".local/share/Paperlet"));
    return m_appFolder;
}

QString E2eSession::settingsPath() const
{
    return QDir(dataFolder()).filePath(QStringLiteral("settings.ini"));
}

QString E2eSession::notesFolder() const
{
    return QDir(dataFolder()).filePath(QStringLiteral("Notes"));
}

void E2eSession::seedSettings(const QByteArray &bytes) const
{
    if (!writeFile(settingsPath(), bytes))
        qWarning("cannot seed %s", qPrintable(settingsPath()));
}

void E2eSession::seedNote(const QString &fileName, const QByteArray &bytes) const
{
    QDir().mkpath(notesFolder());
    const QString path = QDir(notesFolder()).filePath(fileName);
    if (!writeFile(path, bytes))
        qWarning("cannot seed %s", qPrintable(path));
}

QByteArray E2eSession::noteFile(int left, int top, const QByteArray &title, const QByteArray &text)
{
    const QByteArray header = QStringLiteral("%1%2%3%4%5%6")
                                  .arg(left, 6, 16, QLatin1Char('0'))
                                  .arg(top, 6, 16, QLatin1Char('0'))
                                  .arg(200, 6, 16, QLatin1Char('0'))
                                  .arg(200, 6, 16, QLatin1Char('0'))
                                  .arg(100, 6, 16, QLatin1Char('0'))
                                  .arg(0x99FFFF, 6, 16, QLatin1Char('0'))
                                  .toUpper()
                                  .toLatin1();
    return "\xEF\xBB\xBF" + header + "\r\n" + title + "\r\n" + text + "\r\n";
}

std::optional<QByteArray> E2eSession::readSettings() const
{
    QFile file(settingsPath());
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QStringList E2eSession::noteFiles() const
{
    return QDir(notesFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

QByteArray E2eSession::readNote(const QString &fileName) const
{
    QFile file(QDir(notesFolder()).filePath(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList E2eSession::appFolderEntries() const
{
    return QDir(m_appFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                                       QDir::Name);
}

bool E2eSession::makeAppFolderReadOnly()
{
    m_appFolderLocked = true;
    QFile::setPermissions(m_appFolder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
                                           | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    // Root ignores the mode bits; the immutable attribute stops it too.
    if (::geteuid() == 0)
        run(QStringLiteral("chattr"), {QStringLiteral("+i"), m_appFolder});
    const QString probe = QDir(m_appFolder).filePath(QStringLiteral(".probe"));
    if (!writeFile(probe, "x"))
        return true;
    QFile::remove(probe);
    return false;
}

void E2eSession::restoreAppFolder()
{
    if (!std::exchange(m_appFolderLocked, false))
        return;
    if (::geteuid() == 0)
        run(QStringLiteral("chattr"), {QStringLiteral("-i"), m_appFolder});
    QFile::setPermissions(m_appFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

E2eProgram &E2eSession::start(const QStringList &arguments)
{
    m_programs.push_back(std::make_unique<E2eProgram>(binary(), arguments, m_appFolder, m_env));
    return *m_programs.back();
}

void E2eSession::setEnvironment(const QString &name, const QString &value)
{
    if (value.isEmpty())
        m_env.remove(name);
    else
        m_env.insert(name, value);
}

QPoint E2eSession::noteMenuButton(XWindow note)
{
    constexpr int ButtonsWidth = 39;
    const QRect g = geometry(note).value_or(QRect());
    return {g.left() + g.width() - ButtonsWidth + 10, g.top() + 14};
}

// --- E2eDisplay -------------------------------------------------------------

namespace {

// xrandr's geometry: pixels/millimetres at 96 dots per inch, then the place.
QString monitorGeometry(const QRect &r)
{
    const auto mm = [](int px) { return qRound(px * 25.4 / 96); };
    return QStringLiteral("%1/%2x%3/%4+%5+%6")
        .arg(r.width())
        .arg(mm(r.width()))
        .arg(r.height())
        .arg(mm(r.height()))
        .arg(r.x())
        .arg(r.y());
}

// Starts a server that writes one line (its address) once it is ready;
// that line, or empty.
QString startAndReadLine(QProcess &process, const QString &program, const QStringList &arguments)
{
    process.start(program, arguments);
    if (!process.waitForStarted(ToolTimeoutMs))
        return {};
    QByteArray line;
    E2eSession::waitFor([&] {
        process.waitForReadyRead(50);
        line += process.readAllStandardOutput();
        return line.contains('\n') || process.state() == QProcess::NotRunning;
    }, ToolTimeoutMs);
    return line.contains('\n') ? QString::fromUtf8(line.left(line.indexOf('\n'))).trimmed() : QString();
}

} // namespace

void E2eSession::stopProcess(QProcess &process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(ToolTimeoutMs))
        process.kill();
    process.waitForFinished(ToolTimeoutMs);
}

bool E2eDisplay::serverInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty();
}

bool E2eDisplay::available()
{
    return serverInstalled() && !QStandardPaths::findExecutable(QStringLiteral("xrandr")).isEmpty();
}

E2eDisplay::E2eDisplay(QSize screen)
    : m_server(std::make_unique<QProcess>())
    , m_previous(qgetenv("DISPLAY"))
{
    // -displayfd 1: the server picks a free display and writes its number
    // to its standard output once it accepts clients. -noreset: otherwise
    // every tool that disconnects as the last client resets the server, and
    // a program connecting meanwhile is turned away.
    const QString number = startAndReadLine(*m_server, QStringLiteral("Xvfb"),
                                            {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                             QStringLiteral("0"),
                                             QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
                                             QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (number.isEmpty()) {
        m_error = QStringLiteral("Xvfb did not start or gave no display number");
        return;
    }
    m_name = QLatin1Char(':') + number;
    qputenv("DISPLAY", m_name.toLatin1());
}

E2eDisplay::~E2eDisplay()
{
    if (m_tray)
        E2eSession::stopProcess(*m_tray);
    E2eSession::stopProcess(*m_server);
    if (m_previous.isEmpty())
        qunsetenv("DISPLAY");
    else
        qputenv("DISPLAY", m_previous);
}

bool E2eDisplay::startTray()
{
    if (m_name.isEmpty() || m_tray)
        return false;
    m_tray = std::make_unique<QProcess>();
    m_tray->start(QStringLiteral("trayer"),
                  {QStringLiteral("--edge"), QStringLiteral("bottom"), QStringLiteral("--align"), QStringLiteral("right"),
                   QStringLiteral("--widthtype"), QStringLiteral("request"), QStringLiteral("--height"),
                   QStringLiteral("24"), QStringLiteral("--SetDockType"), QStringLiteral("true"),
                   QStringLiteral("--transparent"), QStringLiteral("false"), QStringLiteral("--tint"),
                   QStringLiteral("0xffffff")});
    return m_tray->waitForStarted(ToolTimeoutMs);
}

bool E2eDisplay::setMonitors(const QList<QRect> &monitors, int primary)
{
    if (!isUp())
        return false;
    const QString xrandr = QStringLiteral("xrandr");
    for (int i = 0; i < monitors.size(); ++i) {
        // A leading "*" makes the monitor the primary one. Giving it the
        // screen's one output replaces the monitor the server made for it.
        const bool isPrimary = i == primary;
        const QString name = (isPrimary ? QStringLiteral("*M%1") : QStringLiteral("M%1")).arg(i);
        int code = -1;
        E2eSession::run(xrandr,
                        {QStringLiteral("--setmonitor"), name, monitorGeometry(monitors[i]),
                         isPrimary ? QStringLiteral("screen") : QStringLiteral("none")},
                        &code);
        if (code != 0) {
            m_error = QStringLiteral("xrandr --setmonitor %1 failed").arg(name);
            return false;
        }
    }
    const QString listed = E2eSession::run(xrandr, {QStringLiteral("--listmonitors")});
    if (!listed.startsWith(QStringLiteral("Monitors: %1\n").arg(monitors.size()))) {
        m_error = QStringLiteral("the server lists other monitors:\n") + listed;
        return false;
    }
    return true;
}

// --- E2eBus -----------------------------------------------------------------

E2eBus::E2eBus(const QProcessEnvironment &env, const QString &configFile)
    : m_daemon(std::make_unique<QProcess>())
{
    m_daemon->setProcessEnvironment(env);
    // The address is its first line, written once the bus listens.
    m_address = startAndReadLine(*m_daemon, QStringLiteral("dbus-daemon"),
                                 {configFile.isEmpty() ? QStringLiteral("--session")
                                                       : QStringLiteral("--config-file=") + configFile,
                                  QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
}

E2eBus::~E2eBus()
{
    E2eSession::stopProcess(*m_daemon);
}

QPoint E2eSession::trayCenter() const
{
    if (m_programs.empty())
        return {};
    const XWindow icon = m_programs.front()->trayIcon();
    const auto rect = icon ? geometry(icon) : std::nullopt;
    return rect ? rect->center() : QPoint();
}

bool E2eSession::rightClickTray()
{
    const QPoint at = trayCenter();
    if (at.isNull())
        return false;
    click(at, 3);
    return true;
}

bool E2eSession::openTrayMenu()
{
    // A right-click that arrives while Qt is still taking down the previous
    // popup is swallowed by it (seen on a busy machine); a person clicks again.
    for (int tries = 0; tries < 3 && !m_programs.empty(); ++tries) {
        if (!rightClickTray())
            return false;
        if (program().waitForPopupMenu(4000))
            return true;
    }
    return false;
}

bool E2eSession::doubleClickTray()
{
    const QPoint at = trayCenter();
    if (at.isNull())
        return false;
    doubleClick(at, 1);
    return true;
}

std::optional<QRect> E2eSession::geometry(XWindow window)
{
    int code = 0;
    const QString info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), windowArg(window)}, &code);
    if (code != 0 || info.isEmpty())
        return std::nullopt;
    bool ok[4] = {};
    const QRect rect(xwininfoValue(info, QStringLiteral("Absolute upper-left X")).toInt(&ok[0]),
                     xwininfoValue(info, QStringLiteral("Absolute upper-left Y")).toInt(&ok[1]),
                     xwininfoValue(info, QStringLiteral("Width")).toInt(&ok[2]),
                     xwininfoValue(info, QStringLiteral("Height")).toInt(&ok[3]));
    if (!(ok[0] && ok[1] && ok[2] && ok[3]))
        return std::nullopt;
    return rect;
}

bool E2eSession::isViewable(XWindow window)
{
    const QString info = run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), windowArg(window)});
    return xwininfoValue(info, QStringLiteral("Map State")) == QLatin1String("IsViewable");
}

QString E2eSession::title(XWindow window)
{
    const QString value = property(window, QStringLiteral("_NET_WM_NAME"));
    const QString raw = value.isEmpty() ? property(window, QStringLiteral("WM_NAME")) : value;
    // xprop prints strings quoted, with backslash escapes.
    if (raw.size() >= 2 && raw.startsWith(QLatin1Char('"')) && raw.endsWith(QLatin1Char('"'))) {
        QString text = raw.mid(1, raw.size() - 2);
        text.replace(QLatin1String("\\\""), QLatin1String("\""));
        text.replace(QLatin1String("\\\\"), QLatin1String("\\"));
        return text;
    }
    return QString();
}

QString E2eSession::property(XWindow window, const QString &atom)
{
    int code = 0;
    const QString out = run(QStringLiteral("xprop"), {QStringLiteral("-id"), windowArg(window), atom}, &code);
    if (code != 0)
        return QString();
    // "ATOM(TYPE) = value" or "ATOM:  not found."
    const qsizetype eq = out.indexOf(QLatin1String(" = "));
    return eq < 0 ? QString() : out.mid(eq + 3).trimmed();
}

std::optional<double> E2eSession::opacity(XWindow window)
{
    bool ok = false;
    const quint64 value = property(window, QStringLiteral("_NET_WM_WINDOW_OPACITY")).toULongLong(&ok);
    if (!ok)
        return std::nullopt;
    return double(value) / double(0xFFFFFFFFull);
}

void E2eSession::focus(XWindow window)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), windowArg(window)});
}

void E2eSession::moveMouse(QPoint at)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
}

void E2eSession::click(QPoint at, int button)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(at.x()),
                                    QString::number(at.y()), QStringLiteral("click"),
                                    QString::number(button)});
}

void E2eSession::doubleClick(QPoint at, int button)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(at.x()),
                                    QString::number(at.y()), QStringLiteral("click"),
                                    QStringLiteral("--repeat"), QStringLiteral("2"),
                                    QStringLiteral("--delay"), QStringLiteral("80"),
                                    QString::number(button)});
}

void E2eSession::type(const QString &text)
{
    run(QStringLiteral("xdotool"), {QStringLiteral("type"), QStringLiteral("--delay"),
                                    QStringLiteral("20"), QStringLiteral("--"), text});
}

void E2eSession::typeInto(XWindow note, const QString &text)
{
    click(geometry(note).value_or(QRect()).center());
    focus(note);
    type(text);
}

void E2eSession::keys(const QStringList &names)
{
    QStringList args{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")};
    args += names;
    run(QStringLiteral("xdotool"), args);
}

void E2eSession::pickMenuItem(int index)
{
    QStringList names;
    for (int i = 0; i <= index; ++i)
        names << QStringLiteral("Down");
    names << QStringLiteral("Return");
    keys(names);
}

bool E2eSession::waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (true) {
        if (condition())
            return true;
        if (deadline.hasExpired())
            return false;
        QTest::qWait(50);
    }
}

bool E2eSession::settleWithTrayMenu()
{
    if (m_programs.empty() || !openTrayMenu())
        return false;
    key(QStringLiteral("Escape"));
    return waitForGrab(false);
}

bool E2eSession::inputGrabbed()
{
    xcb_connection_t *connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return false;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    // The server answers AlreadyGrabbed before it looks at the time; a time
    // ahead of the server's clock then makes it refuse without grabbing, so
    // asking never disturbs the program under test. (The server's clock runs
    // from its start: this holds for 24 days.)
    const xcb_timestamp_t future = 0x7FFFFFFF;
    const auto status = [](auto *reply) {
        const uint8_t result = reply ? reply->status : uint8_t(XCB_GRAB_STATUS_NOT_VIEWABLE);
        std::free(reply);
        return result;
    };
    const uint8_t pointer = status(xcb_grab_pointer_reply(
        connection,
        xcb_grab_pointer(connection, 0, root, 0, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE, future),
        nullptr));
    const uint8_t keyboard = status(xcb_grab_keyboard_reply(
        connection, xcb_grab_keyboard(connection, 0, root, future, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC), nullptr));
    // Only a server older than that grants them: give them back at once.
    if (pointer == XCB_GRAB_STATUS_SUCCESS)
        xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    if (keyboard == XCB_GRAB_STATUS_SUCCESS)
        xcb_ungrab_keyboard(connection, XCB_CURRENT_TIME);
    xcb_flush(connection);
    xcb_disconnect(connection);
    return pointer == XCB_GRAB_STATUS_ALREADY_GRABBED || keyboard == XCB_GRAB_STATUS_ALREADY_GRABBED;
}

bool E2eSession::waitForGrab(bool held, int timeoutMs)
{
    return waitFor([held] { return inputGrabbed() == held; }, timeoutMs);
}

QString E2eSession::screenshot(const QString &name) const
{
    QString folder = qEnvironmentVariable("PAPERLET_E2E_ARTIFACTS");
    if (folder.isEmpty())
        folder = QDir(m_root).filePath(QStringLiteral("artifacts"));
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    run(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), path});
    return path;
}

void E2eSession::saveArtifacts()
{
    const QString base = QFileInfo(QCoreApplication::applicationFilePath()).fileName()
                         + QLatin1Char('_') + m_name;
    const QString shot = screenshot(base);
    qWarning("screenshot of the failed case: %s", qPrintable(shot));
    writeFile(QFileInfo(shot).dir().filePath(base + QStringLiteral("_tree.txt")),
              run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")}).toUtf8());
    for (size_t i = 0; i < m_programs.size(); ++i) {
        const QString log = QFileInfo(shot).dir().filePath(
            base + QStringLiteral("_copy%1.log").arg(i));
        writeFile(log, m_programs[i]->output());
    }
}

QString E2eSession::run(const QString &program, const QStringList &arguments, int *exitCode)
{
    QProcess process;
    process.start(program, arguments);
    const bool done = process.waitForStarted(ToolTimeoutMs) && process.waitForFinished(ToolTimeoutMs);
    if (!done)
        process.kill();
    if (exitCode)
        *exitCode = done && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return done ? QString::fromLocal8Bit(process.readAllStandardOutput()) : QString();
}
