#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at `path` with `bytes` in one step: a temporary file
// beside it, renamed over it only when every byte reached the disk. On any
// failure (a full disk included) the old file stays exactly as it was and
// PaperletError is thrown with `failure`, where %1 is the file's native path
// and %2 the system's reason.
void replaceFile(const QString &path, const QByteArray &bytes, const QString &failure);
