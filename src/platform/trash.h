#pragma once

#include <QString>

#include <memory>

// The desktop's trash, where a deleted note can still be found and restored.
class Trash
{
public:
    virtual ~Trash() = default;

    // Moves the file at `path` into the trash. False when that cannot be
    // done; the file is then where it was, and nothing was left anywhere else.
    virtual bool moveToTrash(const QString &path) = 0;

    // The user's trash on this platform: the recycle bin on Windows, the
    // freedesktop home trash elsewhere.
    static std::unique_ptr<Trash> create();
};
