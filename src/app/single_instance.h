#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QString>

#include <memory>

// One running copy per instance key. A lock file in the user's runtime folder
// decides, also between copies that start at the same instant; it is stale
// once its process is gone. Where no lock file can be made, a local server
// named after the key stands in for it.
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
