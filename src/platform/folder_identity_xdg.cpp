#include "platform/folder_identity.h"

#include <QFile>

#include <sys/stat.h>

std::optional<FolderIdentity> FolderIdentity::of(const QString &path)
{
    struct stat info{};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return std::nullopt;
    return FolderIdentity{quint64(info.st_dev), quint64(info.st_ino)};
}
