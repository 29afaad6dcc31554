#include "platform/host_lookup.h"

#include <QtTest>

#include <cstring>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

class HostAddressTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fromLiteral_data();
    void fromLiteral();
    void ipv4BytesAreTheSocketAddress();
};

void HostAddressTest::fromLiteral_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("family");   // 0: not a literal address

    QTest::newRow("ipv4 loopback") << QStringLiteral("127.0.0.1") << int(AF_INET);
    QTest::newRow("ipv4") << QStringLiteral("192.0.2.17") << int(AF_INET);
    QTest::newRow("ipv6 loopback") << QStringLiteral("::1") << int(AF_INET6);
    QTest::newRow("ipv6") << QStringLiteral("2001:db8::5") << int(AF_INET6);
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("host name") << QStringLiteral("localhost") << 0;
    QTest::newRow("bad octet") << QStringLiteral("127.0.0.300") << 0;
    QTest::newRow("with port") << QStringLiteral("127.0.0.1:80") << 0;
}

void HostAddressTest::fromLiteral()
{
    QFETCH(QString, text);
    QFETCH(int, family);

    const std::optional<HostAddress> address = HostAddress::fromLiteral(text);
    QCOMPARE(address.has_value(), family != 0);
    if (!address)
        return;
    sockaddr_storage storage{};
    QVERIFY(std::size_t(address->socketAddress().size()) <= sizeof storage);
    std::memcpy(&storage, address->socketAddress().constData(), std::size_t(address->socketAddress().size()));
    QCOMPARE(int(storage.ss_family), family);
}

void HostAddressTest::ipv4BytesAreTheSocketAddress()
{
    const std::optional<HostAddress> address = HostAddress::fromLiteral(QStringLiteral("192.0.2.17"));
    QVERIFY(address);
    QVERIFY(std::size_t(address->socketAddress().size()) >= sizeof(sockaddr_in));
    sockaddr_in in{};
    std::memcpy(&in, address->socketAddress().constData(), sizeof in);
    in_addr expected{};
    QCOMPARE(inet_pton(AF_INET, "192.0.2.17", &expected), 1);
    QCOMPARE(in.sin_addr.s_addr, expected.s_addr);
}

QTEST_GUILESS_MAIN(HostAddressTest)
#include "tst_host_address.moc"
