#include "test_http_server.h"

#include <QTcpSocket>

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

} // namespace

TestHttpServer::TestHttpServer(QObject *parent)
    : QObject(parent)
{
    if (!m_server.listen(QHostAddress::LocalHost))
        qFatal("test server cannot listen: %s", qPrintable(m_server.errorString()));
    connect(&m_server, &QTcpServer::newConnection, this, &TestHttpServer::onNewConnection);
}

QString TestHttpServer::base() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
}

QString TestHttpServer::closedBase()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}

int TestHttpServer::heldCount() const
{
    int count = 0;
    for (const auto &socket : m_held)
        if (socket)
            ++count;
    return count;
}

void TestHttpServer::releaseHeld()
{
    const auto held = std::exchange(m_held, {});
    for (const auto &socket : held)
        if (socket)
            answer(socket);
}

void TestHttpServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        socket->setParent(this);
        socket->setProperty("head", QByteArray());
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void TestHttpServer::onReadyRead(QTcpSocket *socket)
{
    QByteArray head = socket->property("head").toByteArray() + socket->readAll();
    socket->setProperty("head", head);
    if (!head.contains("\r\n\r\n") || socket->property("seen").toBool())
        return;
    socket->setProperty("seen", true);
    m_requests.append(head);
    if (m_holding)
        m_held.append(socket);
    else
        answer(socket);
}

void TestHttpServer::answer(QTcpSocket *socket)
{
    if (!m_raw.isEmpty()) {
        socket->write(m_raw);
        socket->disconnectFromHost();
        return;
    }
    QByteArray response = "HTTP/1.1 " + QByteArray::number(m_reply.status) + ' '
        + reasonPhrase(m_reply.status) + "\r\n";
    if (!m_reply.contentType.isEmpty())
        response += "Content-Type: " + m_reply.contentType + "\r\n";
    response += "Content-Length: " + QByteArray::number(m_reply.body.size()) + "\r\n"
        + "Connection: close\r\n\r\n" + m_reply.body;
    socket->write(response);
    socket->disconnectFromHost();
}
