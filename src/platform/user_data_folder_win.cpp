#include "platform/user_data_folder.h"

#include <QDir>

#include <windows.h>
#include <knownfolders.h>
#include <shlobj.h>

QString userDataFolder()
{
    // The roaming application data (%APPDATA%) asked of the shell, which
    // knows it even where the environment variable was changed or dropped.
    PWSTR path = nullptr;
    QString base;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_DEFAULT, nullptr, &path)))
        base = QString::fromWCharArray(path);
    CoTaskMemFree(path);
    if (base.isEmpty())
        base = qEnvironmentVariable("APPDATA");
    return QDir::cleanPath(base + QStringLiteral("/Paperlet"));
}
