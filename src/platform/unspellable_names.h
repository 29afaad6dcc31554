#pragma once

#include <QString>
#include <QStringList>

// Files of a folder whose names the system keeps as bytes that do not read
// as text in its file-name encoding (UTF-8): Qt neither lists nor opens
// them, so they can only be told about. Each is given with its unreadable
// bytes as U+FFFD; nothing on a system whose names are always text.
QStringList unspellableFileNames(const QString &folder);
