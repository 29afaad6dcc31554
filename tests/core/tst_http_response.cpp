#include "core/http_response.h"

#include <QtTest>

class HttpResponseTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void framesTheBody_data();
    void framesTheBody();
};

namespace {

constexpr qint64 Limit = 256;

HttpResponse::State feedAll(HttpResponse &response, const QByteArray &bytes, int pieceSize)
{
    HttpResponse::State state = HttpResponse::State::Incomplete;
    for (qsizetype i = 0; i < bytes.size(); i += pieceSize)
        state = response.feed(bytes.mid(i, pieceSize));
    return state;
}

} // namespace

void HttpResponseTest::framesTheBody_data()
{
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<HttpResponse::State>("state");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");

    using S = HttpResponse::State;
    QTest::newRow("content-length, rest ignored")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\n1.1junk") << false << S::Complete << 200 << QByteArray("1.1");
    QTest::newRow("content-length, not all there yet")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\n1.1") << false << S::Incomplete << 200 << QByteArray();
    QTest::newRow("content-length, cut short by close")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\n1.1") << true << S::Invalid << 200 << QByteArray();
    QTest::newRow("until close")
        << QByteArray("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n1.1\r\n") << true << S::Complete << 200 << QByteArray("1.1\r\n");
    QTest::newRow("chunked with extension")
        << QByteArray("HTTP/1.1 200 OK\r\ntransfer-encoding: chunked\r\n\r\n2;x=y\r\n1.\r\n1\r\n1\r\n0\r\n\r\n") << false << S::Complete << 200 << QByteArray("1.1");
    QTest::newRow("chunked, bad chunk end")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n2\r\n1.1\r\n0\r\n\r\n") << false << S::Invalid << 200 << QByteArray();
    QTest::newRow("chunked, cut short by close")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\n1.1\r\n") << true << S::Invalid << 200 << QByteArray();
    QTest::newRow("interim 100 skipped")
        << QByteArray("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n") << false << S::Complete << 404 << QByteArray();
    QTest::newRow("204 has no body")
        << QByteArray("HTTP/1.1 204 No Content\r\n\r\n") << false << S::Complete << 204 << QByteArray();
    QTest::newRow("not http")
        << QByteArray("SSH-2.0-OpenSSH\r\n\r\n") << false << S::Invalid << 0 << QByteArray();
    QTest::newRow("header without colon")
        << QByteArray("HTTP/1.1 200 OK\r\nbroken\r\n\r\n") << false << S::Invalid << 200 << QByteArray();
    QTest::newRow("declared length over the limit")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 1000\r\n\r\n") << false << S::Invalid << 200 << QByteArray();
    QTest::newRow("endless head over the limit")
        << QByteArray("HTTP/1.1 200 OK\r\nX: " + QByteArray(300, 'a')) << false << S::Invalid << 0 << QByteArray();
    QTest::newRow("bare LF line ends")
        << QByteArray("HTTP/1.1 200 OK\nContent-Length: 3\n\n1.1") << false << S::Complete << 200 << QByteArray("1.1");
    QTest::newRow("mixed line ends")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 3\n\r\n1.1") << false << S::Complete << 200 << QByteArray("1.1");
    QTest::newRow("chunked, bare LF line ends")
        << QByteArray("HTTP/1.1 200 OK\nTransfer-Encoding: chunked\n\n2\n1.\n1\r\n1\n0\n\n") << false << S::Complete << 200 << QByteArray("1.1");
    QTest::newRow("chunk size at the top of the range")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n1\r\n1\r\n7fffffffffffffff\r\n.1\r\n0\r\n\r\n") << false << S::Invalid << 200 << QByteArray();
    QTest::newRow("chunk size over the range")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n10000000000000000\r\n") << false << S::Invalid << 200 << QByteArray();
    QTest::newRow("closed before the head ends")
        << QByteArray("HTTP/1.1 200 OK\r\n") << true << S::Invalid << 0 << QByteArray();
}

void HttpResponseTest::framesTheBody()
{
    QFETCH(QByteArray, stream);
    QFETCH(bool, closed);
    QFETCH(HttpResponse::State, state);

    // Whole, and byte by byte as a slow network delivers it.
    for (const int pieceSize : {int(stream.size()), 1}) {
        HttpResponse response(Limit);
        feedAll(response, stream, pieceSize);
        if (closed)
            response.endOfStream();
        QCOMPARE(response.state(), state);
        if (state == HttpResponse::State::Complete) {
            QTEST(response.status(), "status");
            QTEST(response.body(), "body");
        }
    }
}

QTEST_GUILESS_MAIN(HttpResponseTest)
#include "tst_http_response.moc"
