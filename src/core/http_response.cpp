#include "core/http_response.h"

#include <optional>
#include <utility>

namespace {

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
