#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

// A file in the trash, as the trash's own records tell it.
struct TrashedFile
{
    QString id;            // the trash's name for it
    QString originalPath;  // where it was, absolute
    QString trashedPath;   // where it is now
    QDateTime deleted;     // local time
};

// The desktop's trash, where a deleted note can still be found and restored.
class Trash
{
public:
    virtual ~Trash() = default;

    // Moves the file at `path` into the trash and gives the trash's name for
    // it (TrashedFile::id). Nothing when that cannot be done; the file is
    // then where it was, and nothing was left anywhere else.
    virtual std::optional<QString> moveToTrash(const QString &path) = 0;

    // The files in the trash that were deleted from `folder` itself (not
    // from folders below it), the most recently deleted first.
    virtual QList<TrashedFile> filesFrom(const QString &folder) const = 0;
    // Moves a trashed file to `path` (which must not exist) and forgets its
    // record. False when it cannot; the file then stays in the trash.
    virtual bool restore(const TrashedFile &file, const QString &path) = 0;

    // The user's trash on this platform: the recycle bin on Windows, the
    // freedesktop home trash elsewhere.
    static std::unique_ptr<Trash> create();

protected:
    // The order filesFrom() gives: newest first, then by id.
    static void sortNewestFirst(QList<TrashedFile> &files);
};
