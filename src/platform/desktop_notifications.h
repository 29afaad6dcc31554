#pragma once

#include <QString>

// Whether Qt hands the tray icon's messages to the desktop's own
// notification service. On Windows and macOS it always does; on a
// freedesktop desktop only when the icon is a status-notifier item, which
// Qt makes it when a status-notifier host is registered with the watcher
// on the session bus (a watcher alone is not enough: Qt asks the watcher's
// IsStatusNotifierHostRegistered).
bool desktopShowsTrayMessages();

// The question itself, asked of the session bus; false where there is none.
bool statusNotifierHostRegistered();

// Hands a message to the desktop's notification service with the information
// icon, shown for about msecs; false where there is no service to take it.
// Not waited for: the service may be slow to start.
bool showDesktopNotification(const QString &title, const QString &text, int msecs);
