#include "http_get.h"

#include "host_lookup.h"

#include "tcp_stream.h"

#include <QDeadlineTimer>
#include <QThread>

namespace {

constexpr quint16 HttpPort = 80;

// "HTTP/1.1 200 OK" -> 200; 0 when it is not a status line.
int parseStatusLine(const QByteArray &line)
{
    if (!line.startsWith("HTTP/1."))
        return 0;
    const QList<QByteArray> parts = line.split(' ');
    if (parts.size() < 2 || parts.at(1).size() != 3)
        return 0;
    bool ok = false;
    const int status = parts.at(1).toInt(&ok);
    return ok && status >= 100 ? status : 0;
}

QByteArray requestFor(const QUrl &url)
{
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (url.port() != -1 && url.port() != HttpPort)
        host += ':' + QByteArray::number(url.port());
    return "GET " + target + " HTTP/1.1\r\nHost: " + host + "\r\nConnection: close\r\n\r\n";
}

} // namespace

QByteArray HttpResponse::header(const QByteArray &name) const
{
    for (const auto &[key, value] : m_headers)
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    return {};
}

HttpResponse::State HttpResponse::feed(const QByteArray &bytes)
{
    if (m_state != State::Incomplete)
        return m_state;
    m_buffer += bytes;
    m_state = parse();
    return m_state;
}

HttpResponse::State HttpResponse::endOfStream()
{
    if (m_state == State::Incomplete)
        m_state = m_headDone && m_framing == Framing::UntilClose ? State::Complete : State::Invalid;
    return m_state;
}

HttpResponse::State HttpResponse::parse()
{
    if (m_buffer.size() > m_maxBytes)
        return State::Invalid;
    while (!m_headDone) {
        const qsizetype end = m_buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return State::Incomplete;
        const QByteArray head = m_buffer.left(end);
        m_buffer.remove(0, end + 4);
        if (!parseHead(head))
            return State::Invalid;
        // An interim 1xx response is followed by the real one.
        m_headDone = m_status >= 200;
    }
    switch (m_framing) {
    case Framing::Chunked:
        return parseChunks();
    case Framing::Length:
        if (m_buffer.size() < m_length)
            return State::Incomplete;
        m_body = m_buffer.left(m_length);
        return State::Complete;
    case Framing::UntilClose:
        m_body = m_buffer;
        return State::Incomplete;
    }
    return State::Invalid;
}

bool HttpResponse::parseHead(const QByteArray &head)
{
    const QList<QByteArray> lines = head.split('\n');
    m_status = parseStatusLine(lines.constFirst().trimmed());
    if (m_status == 0)
        return false;
    m_headers.clear();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon <= 0)
            return false;
        m_headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
    }
    m_framing = Framing::UntilClose;
    if (m_status == 204 || m_status == 304) {
        m_framing = Framing::Length;
        m_length = 0;
    } else if (header("Transfer-Encoding").toLower().contains("chunked")) {
        m_framing = Framing::Chunked;
    } else if (const QByteArray length = header("Content-Length"); !length.isEmpty()) {
        bool ok = false;
        m_length = length.toLongLong(&ok);
        if (!ok || m_length < 0 || m_length > m_maxBytes)
            return false;
        m_framing = Framing::Length;
    }
    return true;
}

HttpResponse::State HttpResponse::parseChunks()
{
    // Each pass consumes one whole chunk from the buffer; trailers after the
    // last chunk are not needed because the connection closes anyway.
    for (;;) {
        const qsizetype lineEnd = m_buffer.indexOf("\r\n");
        if (lineEnd < 0)
            return State::Incomplete;
        QByteArray sizeText = m_buffer.left(lineEnd);
        if (const qsizetype ext = sizeText.indexOf(';'); ext >= 0)
            sizeText.truncate(ext);
        bool ok = false;
        const qint64 size = sizeText.trimmed().toLongLong(&ok, 16);
        if (!ok || size < 0 || m_body.size() + size > m_maxBytes)
            return State::Invalid;
        if (size == 0)
            return State::Complete;
        if (m_buffer.size() < lineEnd + 2 + size + 2)
            return State::Incomplete;
        if (m_buffer.mid(lineEnd + 2 + size, 2) != "\r\n")
            return State::Invalid;
        m_body += m_buffer.mid(lineEnd + 2, size);
        m_buffer.remove(0, lineEnd + 2 + size + 2);
    }
}

namespace {

// The outcome of one connection attempt.
struct Exchange
{
    bool connected = false;
    std::optional<HttpResponse> response;
};

Exchange exchange(const sockaddr_storage &address, quint16 port, const QByteArray &request,
                  const QDeadlineTimer &deadline, qint64 maxBytes)
{
    Exchange result;
    TcpStream stream;
    if (!stream.connectTo(reinterpret_cast<const sockaddr *>(&address), port, deadline))
        return result;
    result.connected = true;
    if (!stream.sendAll(request, deadline))
        return result;
    HttpResponse response(maxBytes);
    while (response.state() == HttpResponse::State::Incomplete) {
        QByteArray chunk;
        const TcpStream::Read read = stream.receive(chunk, deadline);
        if (read == TcpStream::Read::Failed)
            break;
        // The server closing after its reply is the normal end.
        if (read == TcpStream::Read::Closed)
            response.endOfStream();
        else
            response.feed(chunk);
    }
    if (response.state() == HttpResponse::State::Complete
        && !QThread::currentThread()->isInterruptionRequested())
        result.response = response;
    return result;
}

} // namespace

std::optional<HttpResponse> httpGet(const QUrl &url, int timeoutMs, qint64 maxBytes)
{
    if (url.scheme() != QLatin1String("http") || url.host().isEmpty())
        return std::nullopt;
    const QDeadlineTimer deadline(timeoutMs);
    const std::optional<std::vector<sockaddr_storage>> addresses =
        resolveHost(url.host(QUrl::FullyEncoded), deadline);
    if (!addresses)
        return std::nullopt;
    const QByteArray request = requestFor(url);
    for (const sockaddr_storage &address : *addresses) {
        if (deadline.hasExpired())
            break;
        Exchange attempt = exchange(address, quint16(url.port(HttpPort)), request, deadline, maxBytes);
        // Another address is worth a try only when this one took no connection.
        if (attempt.connected || attempt.response)
            return std::move(attempt.response);
    }
    return std::nullopt;
}
