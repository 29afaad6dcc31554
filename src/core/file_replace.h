#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// Replaces the file at `path` with `bytes` in one step: a temporary file
// beside it, renamed over it only when every byte reached the disk. On any
// failure (a full disk included) the old file stays exactly as it was and
// PaperletError is thrown with `failure`, where %1 is the file's native path
// and %2 the system's reason.
//
// `stillOurs`, when given, is asked after the new bytes are on the disk and
// right before the rename (a disk sync can take long, and another program may
// write meanwhile): when it says no, the file is left as it is and false is
// returned. What remains is the moment between its answer and the rename,
// which no file system closes for a rename over a file.
bool replaceFile(const QString &path, const QByteArray &bytes, const QString &failure,
                 const std::function<bool()> &stillOurs = {});
