#pragma once

#ifdef _WIN32
#include <winsock2.h>
#endif

// Windows sockets must be started, per user and counted, before any socket
// call; elsewhere there is nothing to start.
class SocketSession final
{
public:
    SocketSession()
    {
#ifdef _WIN32
        WSADATA wsa;
        m_started = WSAStartup(MAKEWORD(2, 2), &wsa) == 0;
#endif
    }
    ~SocketSession()
    {
#ifdef _WIN32
        if (m_started)
            WSACleanup();
#endif
    }
    SocketSession(const SocketSession &) = delete;
    SocketSession &operator=(const SocketSession &) = delete;

    bool started() const { return m_started; }

private:
    bool m_started = true;
};
