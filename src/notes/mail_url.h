#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// The mailto link that hands a note to the mail program: no recipient, the
// note's title as the subject and its text as the body.
namespace MailUrl {

// "mailto:?subject=" + title + "&body=" + text, each value percent-encoded
// as UTF-8 so that "&", "#", "%", "+" or "?" cannot cut it short or add
// header fields; every line break of the text becomes "%0D%0A".
QByteArray encoded(const QString &subject, const QString &body);
QUrl url(const QString &subject, const QString &body);

} // namespace MailUrl
