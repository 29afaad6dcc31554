#pragma once

#include <QDeadlineTimer>
#include <QString>

#include <optional>
#include <vector>

#ifdef _WIN32
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

// The addresses of a host name (or the literal address itself). A broken
// resolver can take many seconds to answer; the lookup runs on a thread that
// nobody joins, so giving up on it (deadline, or the calling QThread asked
// to stop) is immediate and an exit never waits for it. Nothing on failure.
std::optional<std::vector<sockaddr_storage>> resolveHost(const QString &asciiHost,
                                                         const QDeadlineTimer &deadline);
