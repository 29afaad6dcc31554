#include "e2e_window_manager.h"

#include "e2e_session.h"

#include <QRegularExpression>
#include <QStandardPaths>

namespace {

QString program(E2eWindowManager::Kind kind)
{
    return kind == E2eWindowManager::Openbox ? QStringLiteral("openbox") : QStringLiteral("xfwm4");
}

} // namespace

E2eWindowManager::E2eWindowManager(Kind kind)
    : m_kind(kind)
{
    if (kind == Openbox)
        m_process.start(program(kind), {QStringLiteral("--sm-disable")});
    if (kind != Xfwm4)
        return;
    // Its settings daemon is started on demand by a bus of its own.
    m_bus = std::make_unique<E2eBus>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), m_bus->address());
    env.insert(QStringLiteral("NO_AT_BRIDGE"), QStringLiteral("1"));
    m_process.setProcessEnvironment(env);
    // No compositor: Xvfb lacks the extensions it wants, and the frames are
    // what matters here.
    m_process.start(program(kind), {QStringLiteral("--compositor=off"), QStringLiteral("--sm-client-disable")});
}

E2eWindowManager::~E2eWindowManager()
{
    // The window manager before the bus it talks to.
    E2eSession::stopProcess(m_process);
}

QString E2eWindowManager::name(Kind kind)
{
    switch (kind) {
    case Openbox:
        return QStringLiteral("Openbox");
    case Xfwm4:
        return QStringLiteral("Xfwm4");
    case None:
        break;
    }
    return QStringLiteral("none");
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
            && E2eSession::property(id.toULongLong(nullptr, 16), QStringLiteral("_NET_WM_NAME"))
                   .contains(name(m_kind), Qt::CaseInsensitive);
    });
}
