#include "platform/folder_identity.h"

#include <QDir>

#include <windows.h>

namespace {

std::optional<FolderIdentity> identity(const QString &path, bool folder)
{
    // A folder opens only with backup semantics; asking for no access at all
    // neither locks it nor needs rights to its contents.
    const std::wstring name = QDir::toNativeSeparators(path).toStdWString();
    HANDLE handle = CreateFileW(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    BY_HANDLE_FILE_INFORMATION info{};
    const bool known = GetFileInformationByHandle(handle, &info)
                       && ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) == folder;
    CloseHandle(handle);
    if (!known)
        return std::nullopt;
    return FolderIdentity{quint64(info.dwVolumeSerialNumber),
                          (quint64(info.nFileIndexHigh) << 32) | quint64(info.nFileIndexLow)};
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
