#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>

class QTcpSocket;

// A minimal HTTP/1.1 server on 127.0.0.1 for the update tests: it records
// every request and answers each with one configured reply, or holds the
// connection open without a word until released.
class TestHttpServer final : public QObject
{
    Q_OBJECT
public:
    struct Reply
    {
        int status = 200;
        QByteArray contentType = "text/plain";
        QByteArray body;
    };

    explicit TestHttpServer(QObject *parent = nullptr);

    // Scheme, host and port, the form the checker takes ("http://127.0.0.1:1234").
    QString base() const;
    // A base URL on which nothing listens.
    static QString closedBase();

    void setReply(const Reply &reply) { m_reply = reply; }
    // Bytes sent as they are instead of the reply, as an odd server would.
    void setRawReply(const QByteArray &raw) { m_raw = raw; }
    // While holding, requests are read but not answered.
    void setHolding(bool holding) { m_holding = holding; }
    // Answers every held request with the current reply.
    void releaseHeld();

    // Everything received so far, one raw request head per request.
    const QList<QByteArray> &requests() const { return m_requests; }
    int heldCount() const;

private:
    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);
    void answer(QTcpSocket *socket);

    QTcpServer m_server;
    Reply m_reply;
    QByteArray m_raw;
    bool m_holding = false;
    QList<QByteArray> m_requests;
    QList<QPointer<QTcpSocket>> m_held;
};
