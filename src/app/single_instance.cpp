#include "app/single_instance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {

QString runtimeFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

} // namespace

SingleInstance::SingleInstance(const QString &key)
    : m_serverName(QDir(runtimeFolder()).filePath(key + QStringLiteral(".socket")))
    , m_lock(std::make_unique<QLockFile>(QDir(runtimeFolder()).filePath(key + QStringLiteral(".lock"))))
{
    // A crashed holder's lock is stale as soon as its process is gone.
    m_lock->setStaleLockTime(0);
}

SingleInstance::~SingleInstance()
{
    m_server.reset();
    if (m_lock->isLocked())
        m_lock->unlock();
}

bool SingleInstance::holderAnswers() const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    return socket.waitForConnected(500);
}

bool SingleInstance::acquire()
{
    // QLockFile itself takes over a lock whose process is gone, or whose
    // process id now belongs to another program or an earlier boot.
    if (!m_lock->tryLock(0)) {
        if (m_lock->error() == QLockFile::LockFailedError)
            return false;
        // No lock file can be made here at all: the server alone keeps the
        // rule, and an answering holder means another copy runs.
        if (holderAnswers())
            return false;
    }
    QLocalServer::removeServer(m_serverName);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_serverName))
        qWarning("single instance: cannot listen on %s: %s", qPrintable(m_serverName),
                 qPrintable(m_server->errorString()));
    return true;
}
