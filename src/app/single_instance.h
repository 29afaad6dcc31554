#pragma once

#include <QLockFile>
#include <QString>

#include <memory>

// One running copy per instance key. A lock file in the user's runtime folder
// decides, also between copies that start at the same instant; it is stale
// once its process is gone. Where the runtime folder takes no lock file, one
// in the temporary folder stands in for it; where neither can be made, the
// copy runs rather than refusing to start at all.
class SingleInstance final
{
public:
    explicit SingleInstance(QString key);
    ~SingleInstance();

    // True when this process is now the one running copy for the key.
    bool acquire();
    // Lets another copy become the running one.
    void release();

private:
    const QString m_key;
    std::unique_ptr<QLockFile> m_lock;
};
