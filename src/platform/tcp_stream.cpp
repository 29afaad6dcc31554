#include "platform/tcp_stream.h"

#include <QThread>

#include <algorithm>
#include <cstring>

#ifdef _WIN32
#include <winsock2.h>
#include <ws2tcpip.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

// How often a wait looks whether its thread has been asked to stop.
constexpr int SliceMs = 50;

#ifdef _WIN32
using Native = SOCKET;
using PollEntry = WSAPOLLFD;
int pollOne(PollEntry *entry, int ms) { return WSAPoll(entry, 1, ms); }
bool wouldBlock() { return WSAGetLastError() == WSAEWOULDBLOCK; }
bool retryable() { return WSAGetLastError() == WSAEWOULDBLOCK || WSAGetLastError() == WSAEINTR; }
void closeNative(Native socket) { closesocket(socket); }
bool makeNonBlocking(Native socket)
{
    u_long on = 1;
    return ioctlsocket(socket, FIONBIO, &on) == 0;
}
Native openNative(int family) { return ::socket(family, SOCK_STREAM, IPPROTO_TCP); }
bool isValid(Native socket) { return socket != INVALID_SOCKET; }
constexpr int NoSignal = 0;
#else
using Native = int;
using PollEntry = pollfd;
int pollOne(PollEntry *entry, int ms) { return ::poll(entry, 1, ms); }
bool wouldBlock() { return errno == EINPROGRESS; }
bool retryable() { return errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK; }
void closeNative(Native socket) { ::close(socket); }
bool makeNonBlocking(Native socket)
{
    const int flags = fcntl(socket, F_GETFL, 0);
    return flags != -1 && fcntl(socket, F_SETFL, flags | O_NONBLOCK) == 0;
}
Native openNative(int family) { return ::socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0); }
bool isValid(Native socket) { return socket >= 0; }
// A peer that hangs up must not end the program with SIGPIPE.
constexpr int NoSignal = MSG_NOSIGNAL;
#endif

bool stopRequested()
{
    return QThread::currentThread()->isInterruptionRequested();
}

} // namespace

TcpStream::TcpStream() = default;

TcpStream::~TcpStream()
{
    if (m_hasSocket)
        closeNative(Native(m_socket));
}

bool TcpStream::waitUntilReady(Direction direction, const QDeadlineTimer &deadline) const
{
    PollEntry entry{};
    entry.fd = Native(m_socket);
    entry.events = direction == Direction::In ? POLLIN : POLLOUT;
    while (!stopRequested()) {
        const qint64 left = deadline.remainingTime();
        if (left == 0)
            return false;
        const int slice = left < 0 ? SliceMs : int(std::min<qint64>(left, SliceMs));
        const int ready = pollOne(&entry, slice);
        if (ready > 0)
            return true;
        if (ready < 0 && !retryable())
            return false;
    }
    return false;
}

bool TcpStream::connectTo(const HostAddress &address, std::uint16_t port, const QDeadlineTimer &deadline)
{
    const QByteArray &bytes = address.socketAddress();
    sockaddr_storage target{};
    std::memcpy(&target, bytes.constData(), std::min(std::size_t(bytes.size()), sizeof target));
    socklen_t length = 0;
    if (target.ss_family == AF_INET && std::size_t(bytes.size()) >= sizeof(sockaddr_in)) {
        length = sizeof(sockaddr_in);
        reinterpret_cast<sockaddr_in *>(&target)->sin_port = htons(port);
    } else if (target.ss_family == AF_INET6 && std::size_t(bytes.size()) >= sizeof(sockaddr_in6)) {
        length = sizeof(sockaddr_in6);
        reinterpret_cast<sockaddr_in6 *>(&target)->sin6_port = htons(port);
    } else {
        return false;
    }
    if (!m_session.started() || m_hasSocket)
        return false;
    const Native socket = openNative(target.ss_family);
    if (!isValid(socket))
        return false;
    m_socket = Handle(socket);
    m_hasSocket = true;
    if (!makeNonBlocking(socket))
        return false;
    if (::connect(socket, reinterpret_cast<const sockaddr *>(&target), length) == 0)
        return true;
    if (!wouldBlock() || !waitUntilReady(Direction::Out, deadline))
        return false;
    int error = 0;
    socklen_t size = sizeof error;
    return getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char *>(&error), &size) == 0 && error == 0;
}

bool TcpStream::sendAll(const QByteArray &bytes, const QDeadlineTimer &deadline)
{
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        if (!waitUntilReady(Direction::Out, deadline))
            return false;
        const auto n = ::send(Native(m_socket), bytes.constData() + sent, int(bytes.size() - sent), NoSignal);
        if (n > 0)
            sent += n;
        else if (n < 0 && !retryable())
            return false;
    }
    return true;
}

TcpStream::Read TcpStream::receive(QByteArray &into, const QDeadlineTimer &deadline)
{
    char buffer[4096];
    for (;;) {
        if (!waitUntilReady(Direction::In, deadline))
            return Read::Failed;
        const auto n = ::recv(Native(m_socket), buffer, int(sizeof buffer), 0);
        if (n > 0) {
            into.append(buffer, n);
            return Read::Data;
        }
        if (n == 0)
            return Read::Closed;
        if (!retryable())
            return Read::Failed;
    }
}
