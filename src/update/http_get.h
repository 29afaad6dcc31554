#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QList>
#include <QUrl>

#include <optional>
#include <utility>
#include <vector>

#ifdef _WIN32
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

// An HTTP/1.1 response read from a byte stream: status line, headers and a
// body framed by Content-Length, chunked transfer coding or the end of the
// stream. Kept apart from the socket so that its framing can be tested alone.
class HttpResponse
{
public:
    enum class State { Incomplete, Complete, Invalid };

    explicit HttpResponse(qint64 maxBytes) : m_maxBytes(maxBytes) {}

    State feed(const QByteArray &bytes);
    // The peer closed the connection.
    State endOfStream();
    State state() const { return m_state; }

    int status() const { return m_status; }
    QByteArray header(const QByteArray &name) const;
    const QByteArray &body() const { return m_body; }

private:
    enum class Framing { Length, Chunked, UntilClose };

    State parse();
    bool parseHead(const QByteArray &head);
    State parseChunks();

    qint64 m_maxBytes;
    QByteArray m_buffer;
    bool m_headDone = false;
    int m_status = 0;
    QList<std::pair<QByteArray, QByteArray>> m_headers;
    Framing m_framing = Framing::UntilClose;
    qint64 m_length = 0;
    QByteArray m_body;
    State m_state = State::Incomplete;
};

// One GET of an http:// URL on a socket of its own, sent exactly as the URL
// spells its path (a general-purpose client would fold "//version.aspx" into
// "/version.aspx"). Blocks the calling thread until the response is
// complete, the time-out passes, or the thread is asked to stop
// (QThread::requestInterruption, noticed within a twentieth of a second); returns
// nothing on any failure.
std::optional<HttpResponse> httpGet(const QUrl &url, int timeoutMs, qint64 maxBytes);

// The same GET on the given addresses of the URL's host, tried in turn until
// one takes the connection; each may use its share of the time left for
// connecting, so one that never answers does not use up the deadline.
std::optional<HttpResponse> httpGet(const QUrl &url, const std::vector<sockaddr_storage> &addresses,
                                    const QDeadlineTimer &deadline, qint64 maxBytes);
