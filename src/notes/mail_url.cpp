#include "notes/mail_url.h"

namespace {

QString withCrLf(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return text;
}

} // namespace

namespace MailUrl {

QByteArray encoded(const QString &subject, const QString &body)
{
    return QByteArrayLiteral("mailto:?subject=") + QUrl::toPercentEncoding(withCrLf(subject))
        + QByteArrayLiteral("&body=") + QUrl::toPercentEncoding(withCrLf(body));
}

QUrl url(const QString &subject, const QString &body)
{
    return QUrl::fromEncoded(encoded(subject, body), QUrl::StrictMode);
}

} // namespace MailUrl
