#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

// One address of a host, IPv4 or IPv6, without a port. It carries the
// system's socket address as bytes, so that code above this layer keeps and
// passes addresses without any socket header.
class HostAddress
{
public:
    explicit HostAddress(QByteArray socketAddress) : m_socketAddress(std::move(socketAddress)) {}

    // A numeric address ("127.0.0.1", "::1"); nothing when `text` is not one.
    static std::optional<HostAddress> fromLiteral(const QString &text);

    // A sockaddr_in or sockaddr_in6 (its port unused).
    const QByteArray &socketAddress() const { return m_socketAddress; }

private:
    QByteArray m_socketAddress;
};

// The addresses of a host name (or the literal address itself). A broken
// resolver can take many seconds to answer; the lookup runs on a thread that
// nobody joins, so giving up on it (deadline, or the calling QThread asked
// to stop) is immediate and an exit never waits for it. Nothing on failure.
std::optional<std::vector<HostAddress>> resolveHost(const QString &asciiHost, const QDeadlineTimer &deadline);
