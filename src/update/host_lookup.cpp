#include "host_lookup.h"

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

// Runs on the detached thread: plain C calls only, because the process may
// be tearing Qt down by the time the resolver answers.
void runLookup(const std::shared_ptr<Lookup> &lookup, const std::string &host)
{
#ifdef Q_OS_WIN
    WSADATA wsa;
    const bool winsock = WSAStartup(MAKEWORD(2, 2), &wsa) == 0;
#endif
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo *list = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &list) == 0) {
        for (const addrinfo *entry = list; entry; entry = entry->ai_next) {
            sockaddr_storage address{};
            if (entry->ai_addrlen <= sizeof address) {
                std::memcpy(&address, entry->ai_addr, entry->ai_addrlen);
                lookup->addresses.push_back(address);
            }
        }
        freeaddrinfo(list);
    }
#ifdef Q_OS_WIN
    if (winsock)
        WSACleanup();
#endif
    lookup->done.store(true, std::memory_order_release);
}

} // namespace

std::optional<QList<QHostAddress>> resolveHost(const QString &asciiHost,
                                               const QDeadlineTimer &deadline)
{
    if (QHostAddress literal; literal.setAddress(asciiHost))
        return QList<QHostAddress>{literal};
    if (asciiHost.isEmpty())
        return std::nullopt;

    auto lookup = std::make_shared<Lookup>();
    std::thread(runLookup, lookup, asciiHost.toStdString()).detach();
    while (!lookup->done.load(std::memory_order_acquire)) {
        if (deadline.hasExpired() || QThread::currentThread()->isInterruptionRequested())
            return std::nullopt;
        QThread::msleep(PollMs);
    }
    QList<QHostAddress> addresses;
    for (const sockaddr_storage &address : lookup->addresses)
        addresses.append(QHostAddress(reinterpret_cast<const sockaddr *>(&address)));
    if (addresses.isEmpty())
        return std::nullopt;
    return addresses;
}
