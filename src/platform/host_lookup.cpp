#include "platform/host_lookup.h"

#include "platform/socket_session.h"

#include <QThread>

#include <atomic>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#ifdef Q_OS_WIN
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <netdb.h>
#include <sys/socket.h>
#endif

namespace {

constexpr int PollMs = 10;

// Shared by the caller and the lookup thread; whichever ends last frees it.
struct Lookup
{
    std::atomic<bool> done{false};
    std::vector<sockaddr_storage> addresses; // written before done is set
};

// Plain C calls only: on the detached thread the process may be tearing Qt
// down by the time the resolver answers.
std::vector<sockaddr_storage> lookUp(const std::string &host, int flags)
{
    const SocketSession session;
    std::vector<sockaddr_storage> addresses;
    if (!session.started())
        return addresses;
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = flags;
    addrinfo *list = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &list) == 0) {
        for (const addrinfo *entry = list; entry; entry = entry->ai_next) {
            sockaddr_storage address{};
            if (entry->ai_addrlen <= sizeof address) {
                std::memcpy(&address, entry->ai_addr, entry->ai_addrlen);
                addresses.push_back(address);
            }
        }
        freeaddrinfo(list);
    }
    return addresses;
}

std::vector<HostAddress> hostAddresses(const std::vector<sockaddr_storage> &found)
{
    std::vector<HostAddress> addresses;
    addresses.reserve(found.size());
    for (const sockaddr_storage &address : found)
        addresses.emplace_back(QByteArray(reinterpret_cast<const char *>(&address), sizeof address));
    return addresses;
}

void runLookup(const std::shared_ptr<Lookup> &lookup, const std::string &host)
{
    lookup->addresses = lookUp(host, 0);
    lookup->done.store(true, std::memory_order_release);
}

} // namespace

std::optional<HostAddress> HostAddress::fromLiteral(const QString &text)
{
    const std::vector<sockaddr_storage> found = lookUp(text.toStdString(), AI_NUMERICHOST);
    if (found.empty())
        return std::nullopt;
    return hostAddresses(found).front();
}

std::optional<std::vector<HostAddress>> resolveHost(const QString &asciiHost, const QDeadlineTimer &deadline)
{
    if (asciiHost.isEmpty())
        return std::nullopt;
    const std::string host = asciiHost.toStdString();
    // A literal address needs no resolver and no thread.
    if (std::vector<sockaddr_storage> literal = lookUp(host, AI_NUMERICHOST); !literal.empty())
        return hostAddresses(literal);

    auto lookup = std::make_shared<Lookup>();
    std::thread(runLookup, lookup, host).detach();
    while (!lookup->done.load(std::memory_order_acquire)) {
        if (deadline.hasExpired() || QThread::currentThread()->isInterruptionRequested())
            return std::nullopt;
        QThread::msleep(PollMs);
    }
    if (lookup->addresses.empty())
        return std::nullopt;
    return hostAddresses(lookup->addresses);
}
