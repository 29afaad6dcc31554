#include "update/http_get.h"

#include "platform/host_lookup.h"
#include "platform/tcp_stream.h"

#include <QDeadlineTimer>
#include <QThread>

namespace {

constexpr quint16 HttpPort = 80;

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

// The outcome of one connection attempt.
struct Exchange
{
    bool connected = false;
    std::optional<HttpResponse> response;
};

Exchange exchange(const HostAddress &address, quint16 port, const QByteArray &request,
                  const QDeadlineTimer &connectDeadline, const QDeadlineTimer &deadline, qint64 maxBytes)
{
    Exchange result;
    TcpStream stream;
    if (!stream.connectTo(address, port, connectDeadline))
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
    const std::optional<std::vector<HostAddress>> addresses =
        resolveHost(url.host(QUrl::FullyEncoded), deadline);
    if (!addresses)
        return std::nullopt;
    return httpGet(url, *addresses, deadline, maxBytes);
}

std::optional<HttpResponse> httpGet(const QUrl &url, const std::vector<HostAddress> &addresses,
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
