#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <memory>

// One running copy per instance key. A lock file decides between copies that
// start at the same instant; a local server named after the key tells a live
// holder from a stale lock whose process id was reused after a crash.
class SingleInstance final
{
public:
    explicit SingleInstance(const QString &key);
    ~SingleInstance();

    // True when this process is now the one running copy for the key.
    bool acquire();

private:
    bool holderAnswers() const;

    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLocalServer> m_server;
};
