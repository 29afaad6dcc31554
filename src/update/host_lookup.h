#pragma once

#include <QDeadlineTimer>
#include <QHostAddress>
#include <QList>
#include <QString>

#include <optional>

// The addresses of a host name (or the literal address itself). A broken
// resolver can take many seconds to answer, and an application waits for
// Qt's own lookups when it ends; this one runs on a thread that nobody joins,
// so giving up on it (deadline, or the calling QThread asked to stop) is
// immediate and an exit never waits for it. Nothing on failure.
std::optional<QList<QHostAddress>> resolveHost(const QString &asciiHost,
                                               const QDeadlineTimer &deadline);
