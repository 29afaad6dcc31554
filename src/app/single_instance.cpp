#include "app/single_instance.h"

#include <QDir>
#include <QStandardPaths>

SingleInstance::SingleInstance(QString key)
    : m_key(std::move(key))
{
}

SingleInstance::~SingleInstance()
{
    release();
}

void SingleInstance::release()
{
    if (m_lock && m_lock->isLocked())
        m_lock->unlock();
    m_lock.reset();
}

bool SingleInstance::acquire()
{
    const QStringList folders = {QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation), QDir::tempPath()};
    for (const QString &folder : folders) {
        if (folder.isEmpty())
            continue;
        auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(m_key + QStringLiteral(".lock")));
        // QLockFile itself takes over a lock whose process is gone, or whose
        // process id now belongs to another program or an earlier boot.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            m_lock = std::move(lock);
            return true;
        }
        if (lock->error() == QLockFile::LockFailedError)
            return false;
    }
    qWarning("single instance: no lock file can be made; another copy could start too");
    return true;
}
