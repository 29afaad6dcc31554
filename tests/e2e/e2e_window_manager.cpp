#include "e2e_window_manager.h"

#include "e2e_session.h"

#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QStringList argumentsOf(E2eWindowManager::Kind kind)
{
    switch (kind) {
    case E2eWindowManager::Openbox: return {QStringLiteral("--sm-disable")};
    // No compositor: Xvfb has no GL, and the cases want plain stacking.
    case E2eWindowManager::Xfwm4: return {QStringLiteral("--compositor=off"), QStringLiteral("--sm-client-disable")};
    case E2eWindowManager::None: break;
    }
    return {};
}

// What the manager calls itself on its check window.
QString nameOf(E2eWindowManager::Kind kind)
{
    return kind == E2eWindowManager::Openbox ? QStringLiteral("Openbox") : QStringLiteral("Xfwm4");
}

} // namespace

E2eWindowManager::E2eWindowManager(Kind kind)
    : m_kind(kind)
{
    if (kind == Xfwm4) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
        m_bus = std::make_unique<E2eBus>(env);
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus->address());
        m_process.setProcessEnvironment(env);
    }
    if (kind != None) {
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        m_process.start(program(kind), argumentsOf(kind));
    }
}

E2eWindowManager::~E2eWindowManager()
{
    E2eSession::stopProcess(m_process);
}

QString E2eWindowManager::program(Kind kind)
{
    switch (kind) {
    case Openbox: return QStringLiteral("openbox");
    case Xfwm4: return QStringLiteral("xfwm4");
    case None: break;
    }
    return {};
}

QString E2eWindowManager::name(Kind kind)
{
    return kind == None ? QStringLiteral("none") : nameOf(kind);
}

bool E2eWindowManager::installed(Kind kind)
{
    return kind == None || !QStandardPaths::findExecutable(program(kind)).isEmpty();
}

bool E2eWindowManager::waitUntilReady() const
{
    if (m_kind == None)
        return true;
    return E2eSession::waitFor([this] {
        if (m_process.state() != QProcess::Running)
            return false;
        const QString check =
            E2eSession::run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
        const QString id = QRegularExpression(QStringLiteral("0x[0-9a-fA-F]+")).match(check).captured(0);
        return !id.isEmpty()
            && E2eSession::property(id.toULongLong(nullptr, 16), QStringLiteral("_NET_WM_NAME")).contains(nameOf(m_kind));
    });
}

quint64 E2eWindowManager::focusedWindow()
{
    return E2eSession::run(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")}).trimmed().toULongLong();
}
