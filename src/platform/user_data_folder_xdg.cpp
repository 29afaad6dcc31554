#include "platform/user_data_folder.h"

#include <QDir>
#include <QFile>

#include <pwd.h>
#include <unistd.h>

namespace {

// HOME, or the account's home when HOME is unset (a service, su without -):
// Qt would answer "/" there, a system folder.
QString homeFolder()
{
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(home))
        return home;
    if (const passwd *account = ::getpwuid(::getuid()); account && account->pw_dir)
        return QFile::decodeName(account->pw_dir);
    return QDir::homePath();
}

} // namespace

QString userDataFolder()
{
    // A relative XDG_DATA_HOME is invalid and must be ignored.
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (!QDir::isAbsolutePath(base))
        base = homeFolder() + QStringLiteral("/.local/share");
    return QDir::cleanPath(base + QStringLiteral("/Paperlet"));
}
