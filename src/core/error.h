#pragma once

#include <QString>

#include <exception>

// The program's own exception type. Everything that fails in our code throws
// it; the application catches it at the event loop and shows its message.
class PaperletError : public std::exception
{
public:
    explicit PaperletError(QString message)
        : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

    const QString &message() const noexcept { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
