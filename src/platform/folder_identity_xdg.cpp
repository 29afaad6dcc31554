#include "platform/folder_identity.h"

#include <QFile>

#include <sys/stat.h>

namespace {

std::optional<FolderIdentity> identity(const QString &path, bool folder)
{
    struct stat info{};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0
        || (folder ? !S_ISDIR(info.st_mode) : !S_ISREG(info.st_mode)))
        return std::nullopt;
    return FolderIdentity{quint64(info.st_dev), quint64(info.st_ino)};
}

} // namespace

std::optional<FolderIdentity> FolderIdentity::of(const QString &path)
{
    return identity(path, true);
}

std::optional<FolderIdentity> FolderIdentity::ofFile(const QString &path)
{
    return identity(path, false);
}
