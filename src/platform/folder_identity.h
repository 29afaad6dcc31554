#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// Which folder a path names right now: a folder renamed away and another made
// under its name have different identities, though the path is the same.
struct FolderIdentity
{
    quint64 volume = 0;
    quint64 index = 0;

    bool operator==(const FolderIdentity &other) const { return volume == other.volume && index == other.index; }
    bool operator!=(const FolderIdentity &other) const { return !(*this == other); }

    // Nothing for a path that is no folder (or cannot be asked).
    static std::optional<FolderIdentity> of(const QString &path);
    // The same for a file (links followed): a file replaced under its name
    // has another identity. Nothing for a path that is no file.
    static std::optional<FolderIdentity> ofFile(const QString &path);
};
