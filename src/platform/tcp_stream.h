#pragma once

#include "platform/host_lookup.h"
#include "platform/socket_session.h"

#include <QByteArray>
#include <QDeadlineTimer>

#include <cstdint>

// One TCP connection on a plain socket, driven by the calling thread: every
// wait ends at the deadline or soon after the calling QThread is asked to
// stop. The version check is one small request; a plain socket serves it
// without loading a network library into a program that stays in memory all
// day.
class TcpStream final
{
public:
    TcpStream();
    ~TcpStream();
    TcpStream(const TcpStream &) = delete;
    TcpStream &operator=(const TcpStream &) = delete;

    bool connectTo(const HostAddress &address, std::uint16_t port, const QDeadlineTimer &deadline);
    bool sendAll(const QByteArray &bytes, const QDeadlineTimer &deadline);

    enum class Read { Data, Closed, Failed };
    // Appends what has arrived, waiting for something first.
    Read receive(QByteArray &into, const QDeadlineTimer &deadline);

private:
    enum class Direction { In, Out };
    bool waitUntilReady(Direction direction, const QDeadlineTimer &deadline) const;

    SocketSession m_session;   // started before the socket, ended after it
#ifdef _WIN32
    using Handle = std::uintptr_t;
#else
    using Handle = int;
#endif
    Handle m_socket = 0;
    bool m_hasSocket = false;
};
