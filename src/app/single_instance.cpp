#include "app/single_instance.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

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
    // The holder listens right after taking the lock; give a copy that started
    // at the same instant a moment to get there.
    const QDeadlineTimer deadline(1500);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(m_serverName);
        if (socket.waitForConnected(100))
            return true;
        QThread::msleep(20);
    }
    return false;
}

bool SingleInstance::acquire()
{
    if (!m_lock->tryLock(0)) {
        if (holderAnswers())
            return false;
        // Either the lock names a live process that is not us (its id was
        // reused after a crash) or no lock file can be made here at all; the
        // server alone then keeps the rule.
        if (m_lock->error() == QLockFile::LockFailedError) {
            m_lock->removeStaleLockFile();
            if (!m_lock->tryLock(0))
                return false;
        }
    }
    QLocalServer::removeServer(m_serverName);
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->listen(m_serverName);
    return true;
}
