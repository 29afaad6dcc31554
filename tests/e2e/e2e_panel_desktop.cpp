#include "e2e_panel_desktop.h"

#include "e2e_status_notifier.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <csignal>

namespace {

// One panel along the top: a spacer, then the systray plugin.
const QByteArray PanelConfig = R"(<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-panel" version="1.0">
  <property name="configver" type="int" value="2"/>
  <property name="panels" type="array">
    <value type="int" value="1"/>
    <property name="panel-1" type="empty">
      <property name="position" type="string" value="p=6;x=0;y=0"/>
      <property name="length" type="uint" value="100"/>
      <property name="position-locked" type="bool" value="true"/>
      <property name="size" type="uint" value="32"/>
      <property name="plugin-ids" type="array">
        <value type="int" value="1"/>
        <value type="int" value="2"/>
      </property>
    </property>
  </property>
  <property name="plugins" type="empty">
    <property name="plugin-1" type="string" value="separator">
      <property name="expand" type="bool" value="true"/>
    </property>
    <property name="plugin-2" type="string" value="systray"/>
  </property>
</channel>
)";

} // namespace

E2ePanelDesktop::E2ePanelDesktop(const QString &root)
    : m_env(environment(root))
    , m_bus(m_env)
{
    if (m_bus.address().isEmpty())
        return;
    m_env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus.address());
    m_connection = std::make_unique<QDBusConnection>(
        QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("e2e-desktop")));
    m_recorder.setProcessEnvironment(m_env);
    m_recorder.start(qEnvironmentVariable("PAPERLET_E2E_RECORDER"), {});
    E2eSession::waitFor([this] { return notifications().contains("ready\n") || m_recorder.state() == QProcess::NotRunning; });
}

E2ePanelDesktop::~E2ePanelDesktop()
{
    E2eSession::stopProcess(m_watcher);
    E2eSession::stopProcess(m_panel);
    E2eSession::stopProcess(m_recorder);
    if (!m_connection)
        return;
    // What is left on the private bus was started for it: the panel's
    // plugins and the services the bus started on demand.
    QDBusConnectionInterface *names = m_connection->interface();
    const QStringList clients = names ? names->registeredServiceNames().value() : QStringList();
    for (const QString &client : clients) {
        const qint64 pid = names->servicePid(client).value();
        if (pid > 0 && pid != m_bus.pid() && pid != QCoreApplication::applicationPid())
            ::kill(pid_t(pid), SIGTERM);
    }
    QDBusConnection::disconnectFromBus(m_connection->name());
}

bool E2ePanelDesktop::isUp() const
{
    return m_connection && m_connection->isConnected() && m_recorder.state() == QProcess::Running;
}

bool E2ePanelDesktop::startPanel()
{
    m_panel.setProcessEnvironment(m_env);
    m_panel.setProcessChannelMode(QProcess::MergedChannels);
    m_panel.start(QStringLiteral("xfce4-panel"), {QStringLiteral("--disable-wm-check")});
    return m_panel.waitForStarted();
}

bool E2ePanelDesktop::startWatcher()
{
    m_watcher.setProcessEnvironment(m_env);
    m_watcher.start(qEnvironmentVariable("PAPERLET_E2E_WATCHER"), {});
    return E2eSession::waitFor([this] {
        return m_watcher.state() == QProcess::NotRunning || m_watcher.peek(6) == "ready\n";
    }) && m_watcher.state() == QProcess::Running;
}

bool E2ePanelDesktop::hasService(const QString &prefix)
{
    QDBusConnectionInterface *names = bus().interface();
    const QStringList services = names ? names->registeredServiceNames().value() : QStringList();
    return std::any_of(services.cbegin(), services.cend(), [&](const QString &name) { return name.startsWith(prefix); });
}

bool E2ePanelDesktop::hostRegistered()
{
    return E2eStatusNotifier::hostRegistered(bus());
}

QStringList E2ePanelDesktop::items()
{
    return E2eStatusNotifier::items(bus());
}

QByteArray E2ePanelDesktop::notifications()
{
    m_notifications += m_recorder.readAllStandardOutput();
    return m_notifications;
}

QProcessEnvironment E2ePanelDesktop::environment(const QString &root)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *folder : {"config", "cache", "data", "runtime"})
        QDir().mkpath(QDir(root).filePath(QString::fromLatin1(folder)));
    QFile::setPermissions(QDir(root).filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString channels = QDir(root).filePath(QStringLiteral("config/xfce4/xfconf/xfce-perchannel-xml"));
    QDir().mkpath(channels);
    QFile config(QDir(channels).filePath(QStringLiteral("xfce4-panel.xml")));
    if (config.open(QIODevice::WriteOnly))
        config.write(PanelConfig);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), QDir(root).filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), QDir(root).filePath(QStringLiteral("cache")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), QDir(root).filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), QDir(root).filePath(QStringLiteral("runtime")));
    env.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
    return env;
}
