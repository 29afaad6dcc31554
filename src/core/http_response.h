#pragma once

#include <QByteArray>
#include <QList>

#include <utility>

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
