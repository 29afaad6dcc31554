#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#ifdef Q_OS_LINUX
#include <sys/mount.h>
#include <cerrno>
#include <cstring>
#endif

// A small tmpfs mounted on a scratch folder: a disk that can be filled up
// after the files a test needs are in place (writes then fail with "No space
// left on device" as on a real full disk), or one mounted read-only, which
// binds root too. Mounting needs root on Linux; skip() says why when it is
// not possible. Unmounted when it goes out of scope.
class ScratchTmpfs final
{
public:
    enum Access { Writable, ReadOnly };

    explicit ScratchTmpfs(Access access = Writable)
    {
#ifdef Q_OS_LINUX
        if (!m_dir.isValid()) {
            m_skip = QStringLiteral("no scratch folder for the tmpfs");
            return;
        }
        const unsigned long flags = MS_NOSUID | MS_NODEV | (access == ReadOnly ? MS_RDONLY : 0);
        if (::mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", flags, "size=3M,mode=0700") != 0) {
            m_skip = QStringLiteral("cannot mount a scratch tmpfs (%1); that needs root")
                         .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return;
        }
        m_mounted = true;
#else
        Q_UNUSED(access);
        m_skip = QStringLiteral("a scratch tmpfs needs Linux");
#endif
    }

    ~ScratchTmpfs()
    {
#ifdef Q_OS_LINUX
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
#endif
    }

    ScratchTmpfs(const ScratchTmpfs &) = delete;
    ScratchTmpfs &operator=(const ScratchTmpfs &) = delete;

    // Empty when the disk is usable, otherwise why a test must skip.
    QString skip() const { return m_skip; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    // Takes every free block; true when a write then really finds no space.
    bool fill() const
    {
        QFile filler(m_dir.filePath(QStringLiteral(".filler")));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray block(64 * 1024, '\0');
        while (filler.write(block) == block.size()) {
        }
        filler.close();
        QFile probe(m_dir.filePath(QStringLiteral(".probe")));
        const bool full = probe.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && probe.write("x", 1) != 1;
        probe.close();
        probe.remove();
        return full;
    }

private:
    QTemporaryDir m_dir;
    QString m_skip;
    bool m_mounted = false;
};
