#include "e2e_display.h"

#include "e2e_session.h"

#include <QDeadlineTimer>
#include <QStandardPaths>

namespace {

constexpr int StartTimeoutMs = 20000;

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

} // namespace

bool E2eDisplay::available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty()
        && !QStandardPaths::findExecutable(QStringLiteral("xrandr")).isEmpty();
}

E2eDisplay::E2eDisplay(QSize screen)
{
    m_hadDisplay = qEnvironmentVariableIsSet("DISPLAY");
    m_previousDisplay = qgetenv("DISPLAY");
    // -displayfd 1: the server picks a free display and writes its number
    // to our pipe once it accepts connections.
    m_server.setProcessChannelMode(QProcess::SeparateChannels);
    m_server.start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                    QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
                    QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
    if (!m_server.waitForStarted(StartTimeoutMs)) {
        m_error = QStringLiteral("Xvfb did not start: ") + m_server.errorString();
        return;
    }
    const QDeadlineTimer deadline(StartTimeoutMs);
    QByteArray out;
    while (!out.contains('\n') && !deadline.hasExpired() && m_server.state() == QProcess::Running) {
        if (m_server.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
            out += m_server.readAllStandardOutput();
    }
    bool ok = false;
    const int number = out.trimmed().toInt(&ok);
    if (!ok) {
        m_error = QStringLiteral("Xvfb gave no display number: ") + QString::fromLocal8Bit(m_server.readAllStandardError());
        return;
    }
    m_display = QStringLiteral(":%1").arg(number);
    qputenv("DISPLAY", m_display.toLocal8Bit());
}

E2eDisplay::~E2eDisplay()
{
    if (m_hadDisplay)
        qputenv("DISPLAY", m_previousDisplay);
    else
        qunsetenv("DISPLAY");
    if (m_server.state() != QProcess::NotRunning) {
        m_server.terminate();
        if (!m_server.waitForFinished(5000)) {
            m_server.kill();
            m_server.waitForFinished(5000);
        }
    }
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
