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
    // identity: a compressed body would reach the user as binary.
    return "GET " + target + " HTTP/1.1\r\nHost: " + host
        + "\r\nAccept-Encoding: identity\r\nConnection: close\r\n\r\n";
}

// Where the head ends: the offset of its blank line and the length of the
// line break that ends the head. Servers that end lines with a bare LF are
// read as well as those that send CR LF. Nothing while the head is incomplete.
std::optional<std::pair<qsizetype, qsizetype>> findHeadEnd(const QByteArray &buffer)
{
    for (qsizetype lf = buffer.indexOf('\n'); lf >= 0; lf = buffer.indexOf('\n', lf + 1)) {
        if (buffer.mid(lf + 1, 1) == "\n")
            return std::pair(lf, qsizetype(2));
        if (buffer.mid(lf + 1, 2) == "\r\n")
            return std::pair(lf, qsizetype(3));
    }
    return std::nullopt;
}

// The length of the line break at `at` (CR LF or a bare LF); 0 when there is
// none, -1 when more bytes are needed to tell.
qsizetype lineBreakAt(const QByteArray &buffer, qsizetype at)
{
    if (buffer.size() <= at)
        return -1;
    if (buffer.at(at) == '\n')
        return 1;
    if (buffer.at(at) != '\r')
        return 0;
    if (buffer.size() <= at + 1)
        return -1;
    return buffer.at(at + 1) == '\n' ? 2 : 0;
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
        const auto end = findHeadEnd(m_buffer);
        if (!end)
            return State::Incomplete;
        const QByteArray head = m_buffer.left(end->first);
        m_buffer.remove(0, end->first + end->second);
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
        const qsizetype lineEnd = m_buffer.indexOf('\n');
        if (lineEnd < 0)
            return State::Incomplete;
        QByteArray sizeText = m_buffer.left(lineEnd);
        if (const qsizetype ext = sizeText.indexOf(';'); ext >= 0)
            sizeText.truncate(ext);
        bool ok = false;
        const qint64 size = sizeText.trimmed().toLongLong(&ok, 16);
        // Compared as a remainder: a size near the top of the range must
        // not overflow the sum.
        if (!ok || size < 0 || size > m_maxBytes - m_body.size())
            return State::Invalid;
        if (size == 0)
            return State::Complete;
        const qsizetype dataStart = lineEnd + 1;
        const qsizetype breakLength = lineBreakAt(m_buffer, dataStart + size);
        if (breakLength < 0)
            return State::Incomplete;
        if (breakLength == 0)
            return State::Invalid;
        m_body += m_buffer.mid(dataStart, size);
        m_buffer.remove(0, dataStart + size + breakLength);
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
                  const QDeadlineTimer &connectDeadline, const QDeadlineTimer &deadline, qint64 maxBytes)
{
    Exchange result;
    TcpStream stream;
    if (!stream.connectTo(reinterpret_cast<const sockaddr *>(&address), port, connectDeadline))
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
    return httpGet(url, *addresses, deadline, maxBytes);
}

std::optional<HttpResponse> httpGet(const QUrl &url, const std::vector<sockaddr_storage> &addresses,
                                    const QDeadlineTimer &deadline, qint64 maxBytes)
{
    const QByteArray request = requestFor(url);
    for (std::size_t i = 0; i < addresses.size(); ++i) {
        if (deadline.hasExpired())
            break;
        // An address that never answers must leave time for the others:
        // each gets an equal share of what is left for connecting.
        const qint64 left = deadline.remainingTime();
        const qint64 share = left < 0 ? -1 : left / qint64(addresses.size() - i);
        const QDeadlineTimer connectDeadline(share);
        Exchange attempt =
            exchange(addresses[i], quint16(url.port(HttpPort)), request, connectDeadline, deadline, maxBytes);
        // Another address is worth a try only when this one took no connection.
        if (attempt.connected || attempt.response)
            return std::move(attempt.response);
    }
    return std::nullopt;
}
