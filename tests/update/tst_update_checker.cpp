#include "test_http_server.h"
#include "update/http_get.h"
#include "update/update_checker.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTcpSocket>
#include <QtTest>

#include <memory>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <unistd.h>

namespace {

enum class Server { Answers, ClosedPort, NeverAnswers };

// One finished run, observed from the GUI thread.
struct Outcome
{
    bool finished = false;
    int reports = 0;
    bool upToDate = false;
    QString remoteVersion;
};

Outcome runCheck(TUpdateChecker &checker)
{
    Outcome outcome;
    QObject context;
    QObject::connect(&checker, &TUpdateChecker::OnResult, &context,
                     [&](TUpdateChecker *reported) {
                         QCOMPARE(reported, &checker);
                         ++outcome.reports;
                         outcome.upToDate = reported->UpToDate;
                         outcome.remoteVersion = reported->RemoteVersion;
                     },
                     Qt::QueuedConnection);
    QObject::connect(&checker, &QThread::finished, &context, [&] { outcome.finished = true; });
    checker.start();
    [&] { QTRY_VERIFY_WITH_TIMEOUT(outcome.finished, 10000); }();
    // Queued reports arrive before the queued finished; give stragglers a chance.
    QCoreApplication::processEvents();
    return outcome;
}

sockaddr_storage ipv4(const char *text)
{
    sockaddr_storage address{};
    auto *in = reinterpret_cast<sockaddr_in *>(&address);
    in->sin_family = AF_INET;
    inet_pton(AF_INET, text, &in->sin_addr);
    return address;
}

HostAddress literal(const char *text)
{
    return HostAddress::fromLiteral(QString::fromLatin1(text)).value();
}

// A listening socket that never accepts, with its one-place queue taken by a
// connection of its own: further connection attempts get no answer at all,
// as from an address whose packets are dropped.
class DeafListener final
{
public:
    DeafListener(const char *address, quint16 port)
        : m_socket(::socket(AF_INET, SOCK_STREAM, 0))
    {
        sockaddr_storage at = ipv4(address);
        reinterpret_cast<sockaddr_in *>(&at)->sin_port = htons(port);
        m_listening = m_socket >= 0 && ::bind(m_socket, reinterpret_cast<sockaddr *>(&at), sizeof(sockaddr_in)) == 0
            && ::listen(m_socket, 0) == 0;
        m_filler.connectToHost(QString::fromLatin1(address), port);
        m_listening = m_listening && m_filler.waitForConnected(5000);
    }
    ~DeafListener()
    {
        if (m_socket >= 0)
            ::close(m_socket);
    }
    bool isListening() const { return m_listening; }

private:
    int m_socket;
    bool m_listening = false;
    QTcpSocket m_filler;
};

} // namespace

class UpdateCheckerTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void comparesReplyWithOwnVersion_data();
    void comparesReplyWithOwnVersion();
    void asksForTheVersionPageWithTwoSlashes();
    void pagesFollowTheServerSetting();
    void deletingARunningCheckAbortsPromptly_data();
    void deletingARunningCheckAbortsPromptly();
    void oversizedReplyCountsAsFailure();
    void hostileReplies_data();
    void hostileReplies();
    void silentAddressLeavesTimeForTheNext();
};

void UpdateCheckerTest::comparesReplyWithOwnVersion_data()
{
    QTest::addColumn<int>("server");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("contentType");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("interactive");
    QTest::addColumn<bool>("reported");
    QTest::addColumn<bool>("upToDate");
    QTest::addColumn<QString>("remoteVersion");

    const int ok = int(Server::Answers);
    const QByteArray text = "text/plain";
    QTest::newRow("same, silent: nothing") << ok << 200 << text << QByteArray("1.1") << false << false << false << QString();
    QTest::newRow("same, interactive: up to date") << ok << 200 << text << QByteArray("1.1") << true << true << true << QString();
    QTest::newRow("older, silent: offered") << ok << 200 << text << QByteArray("1.0") << false << true << false << QStringLiteral("1.0");
    QTest::newRow("newer, interactive: offered") << ok << 200 << text << QByteArray("1.2") << true << true << false << QStringLiteral("1.2");
    QTest::newRow("line break is not trimmed") << ok << 200 << text << QByteArray("1.1\r\n") << false << true << false << QStringLiteral("1.1\r\n");
    QTest::newRow("leading blank is not trimmed") << ok << 200 << text << QByteArray(" 1.1") << true << true << false << QStringLiteral(" 1.1");
    QTest::newRow("empty body: offered") << ok << 200 << text << QByteArray() << false << true << false << QString();
    QTest::newRow("declared utf-16 decodes to same") << ok << 200 << QByteArray("text/plain; charset=utf-16le")
                                                    << QByteArray("1\0.\0" "1\0", 6) << true << true << true << QString();
    QTest::newRow("declared quoted windows-1252") << ok << 200 << QByteArray("text/html; charset=\"windows-1252\"")
                                                  << QByteArray("1.1\xE9") << false << true << false << QStringLiteral("1.1\u00E9");
    QTest::newRow("no charset: utf-8") << ok << 200 << QByteArray() << QByteArray("1.1\xC3\xA9") << false << true << false << QStringLiteral("1.1\u00E9");
    QTest::newRow("404 silent") << ok << 404 << text << QByteArray("1.0") << false << false << false << QString();
    QTest::newRow("404 interactive") << ok << 404 << text << QByteArray("1.0") << true << false << false << QString();
    QTest::newRow("500 interactive") << ok << 500 << text << QByteArray("1.1") << true << false << false << QString();
    QTest::newRow("closed port silent") << int(Server::ClosedPort) << 0 << text << QByteArray() << false << false << false << QString();
    QTest::newRow("closed port interactive") << int(Server::ClosedPort) << 0 << text << QByteArray() << true << false << false << QString();
    QTest::newRow("no answer interactive") << int(Server::NeverAnswers) << 0 << text << QByteArray() << true << false << false << QString();
}

void UpdateCheckerTest::comparesReplyWithOwnVersion()
{
    QFETCH(int, server);
    QFETCH(int, status);
    QFETCH(QByteArray, contentType);
    QFETCH(QByteArray, body);
    QFETCH(bool, interactive);

    TestHttpServer http;
    http.setReply({status, contentType, body});
    http.setHolding(Server(server) == Server::NeverAnswers);
    const QString base = Server(server) == Server::ClosedPort ? TestHttpServer::closedBase() : http.base();

    TUpdateChecker checker(QStringLiteral("1.1"), interactive, base);
    checker.setTimeoutMs(500);
    const Outcome outcome = runCheck(checker);

    QTEST(outcome.reports == 1, "reported");
    QVERIFY(outcome.reports <= 1);
    if (outcome.reports) {
        QTEST(outcome.upToDate, "upToDate");
        QTEST(outcome.remoteVersion, "remoteVersion");
    }
    if (Server(server) != Server::ClosedPort)
        QCOMPARE(http.requests().size(), 1);
}

void UpdateCheckerTest::asksForTheVersionPageWithTwoSlashes()
{
    TestHttpServer http;
    http.setReply({200, "text/plain", "1.1"});
    TUpdateChecker checker(QStringLiteral("1.1"), true, http.base());
    runCheck(checker);

    QCOMPARE(http.requests().size(), 1);
    const QByteArray head = http.requests().constFirst();
    QCOMPARE(head.left(head.indexOf("\r\n")), QByteArray("GET //version.aspx HTTP/1.1"));
    const QByteArray host = "\r\nHost: " + http.base().mid(7).toLatin1() + "\r\n";
    QVERIFY2(head.contains(host), head.constData());
    // A compressed body would be taken for a version made of binary.
    QVERIFY2(head.contains("\r\nAccept-Encoding: identity\r\n"), head.constData());
    QVERIFY(head.endsWith("\r\n\r\n"));
}

void UpdateCheckerTest::pagesFollowTheServerSetting()
{
    QCOMPARE(TUpdateChecker::versionPageUrl(QStringLiteral("http://host.test:8080")).toString(),
             QStringLiteral("http://host.test:8080//version.aspx"));
    QCOMPARE(TUpdateChecker::downloadPageUrl(QStringLiteral("http://host.test")).toString(),
             QStringLiteral("http://host.test/download.aspx"));
    // The build-time server is a plain http origin without a path.
    const QUrl server(TUpdateChecker::defaultServer());
    QCOMPARE(server.scheme(), QStringLiteral("http"));
    QVERIFY(!server.host().isEmpty());
    QVERIFY(server.path().isEmpty());
    const TUpdateChecker checker(QStringLiteral("1.1"), false);
    QCOMPARE(checker.downloadPageUrl(), TUpdateChecker::downloadPageUrl(TUpdateChecker::defaultServer()));
}

void UpdateCheckerTest::deletingARunningCheckAbortsPromptly_data()
{
    QTest::addColumn<bool>("waitForRequest");
    QTest::newRow("request outstanding") << true;
    QTest::newRow("right after start") << false;
}

// Exiting deletes the worker; a silent server must not hold the exit up.
void UpdateCheckerTest::deletingARunningCheckAbortsPromptly()
{
    QFETCH(bool, waitForRequest);
    TestHttpServer http;
    http.setHolding(true);
    auto checker = std::make_unique<TUpdateChecker>(QStringLiteral("1.1"), true, http.base());
    checker->setTimeoutMs(60000);
    int reports = 0;
    QObject context;
    QObject::connect(checker.get(), &TUpdateChecker::OnResult, &context, [&] { ++reports; },
                     Qt::QueuedConnection);
    checker->start();
    if (waitForRequest)
        QTRY_COMPARE(http.heldCount(), 1);

    QElapsedTimer clock;
    clock.start();
    checker.reset();
    // Far below the 60 s time-out: the request was aborted, not waited for.
    QVERIFY2(clock.elapsed() < 3000, QByteArray::number(clock.elapsed()).constData());
    QTest::qWait(100);   // checks that no queued report comes: nothing to wait for
    QCOMPARE(reports, 0);
}

void UpdateCheckerTest::oversizedReplyCountsAsFailure()
{
    TestHttpServer http;
    http.setReply({200, "text/plain", QByteArray(100 * 1024, 'x')});
    TUpdateChecker checker(QStringLiteral("1.1"), true, http.base());
    const Outcome outcome = runCheck(checker);
    QCOMPARE(outcome.reports, 0);
}

void UpdateCheckerTest::hostileReplies_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<bool>("reported");
    QTest::addColumn<QString>("remoteVersion");

    const QByteArray gzip("\x1f\x8b\x08\x00\x00\x00\x00\x00\x02\x03\x33\xd4\x33\x02\x00\x19\x0e\x38\x19\x03\x00\x00\x00", 23);
    const auto plain = [](const QByteArray &body, const QByteArray &extra = {}) -> QByteArray {
        return "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n" + extra + "Content-Length: "
            + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    };
    QByteArray portal = "<!DOCTYPE html>\n<html><head><title>Sign in to the network</title></head><body>\n";
    while (portal.size() < 11700)
        portal += "<p>Please accept the terms of use before you go on.</p>\n";
    portal += "</body></html>\n";

    QTest::newRow("gzip body despite identity") << plain(gzip, "Content-Encoding: gzip\r\n") << false << QString();
    QTest::newRow("gzip bytes, coding not declared") << plain(gzip) << false << QString();
    QTest::newRow("declared identity coding") << plain("1.2", "Content-Encoding: identity\r\n") << true << QStringLiteral("1.2");
    QTest::newRow("captive portal page") << plain(portal) << false << QString();
    QTest::newRow("short markup") << plain("<b>2.0</b>") << false << QString();
    QTest::newRow("two lines") << plain("1.2\nSee the web site") << false << QString();
    QTest::newRow("one long line") << plain(QByteArray(33, '1')) << false << QString();
    QTest::newRow("longest version text") << plain(QByteArray(32, '1')) << true << QString(32, u'1');
    QTest::newRow("control character") << plain("1.2\x07") << false << QString();
    QTest::newRow("bare LF line ends")
        << QByteArray("HTTP/1.1 200 OK\nContent-Type: text/plain\nContent-Length: 3\n\n1.2") << true << QStringLiteral("1.2");
    QTest::newRow("bare LF, chunked")
        << QByteArray("HTTP/1.1 200 OK\nTransfer-Encoding: chunked\n\n2\n1.\n1\n2\n0\n\n") << true << QStringLiteral("1.2");
    QTest::newRow("chunk size at the top of the range")
        << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n1\r\n1\r\n7fffffffffffffff\r\n.2\r\n0\r\n\r\n")
        << false << QString();
}

void UpdateCheckerTest::hostileReplies()
{
    QFETCH(QByteArray, raw);
    TestHttpServer http;
    http.setRawReply(raw);
    TUpdateChecker checker(QStringLiteral("1.1"), true, http.base());
    checker.setTimeoutMs(5000);
    const Outcome outcome = runCheck(checker);
    QCOMPARE(http.requests().size(), 1);
    QTEST(outcome.reports == 1, "reported");
    if (outcome.reports)
        QTEST(outcome.remoteVersion, "remoteVersion");
}

void UpdateCheckerTest::silentAddressLeavesTimeForTheNext()
{
    TestHttpServer http;
    http.setReply({200, "text/plain", "1.2"});
    const quint16 port = quint16(QUrl(http.base()).port());
    // The same port on another loopback address, where nobody answers.
    const DeafListener deaf("127.0.0.2", port);
    if (!deaf.isListening())
        QSKIP("127.0.0.2 cannot listen here");
    const QUrl url(http.base() + QStringLiteral("//version.aspx"));

    // The GET blocks its thread; the server answers on this one.
    std::optional<HttpResponse> response;
    QElapsedTimer clock;
    clock.start();
    const std::unique_ptr<QThread> worker(QThread::create([&] {
        response = httpGet(url, {literal("127.0.0.2"), literal("127.0.0.1")}, QDeadlineTimer(4000), 1024);
    }));
    worker->start();
    QTRY_VERIFY_WITH_TIMEOUT(worker->isFinished(), 10000);
    QVERIFY2(response, QByteArray::number(clock.elapsed()).constData());
    QCOMPARE(response->body(), QByteArray("1.2"));
    QCOMPARE(http.requests().size(), 1);
    QVERIFY(clock.elapsed() < 4000);
}

QTEST_GUILESS_MAIN(UpdateCheckerTest)
#include "tst_update_checker.moc"
