#include "update_checker.h"

#include "http_get.h"

#include <QStringDecoder>

#include <optional>

namespace {

// A version page is a few bytes; a reply this large is not one, and must not
// end up in memory or in a message box.
constexpr qint64 MaxResponseBytes = 16 * 1024;

QByteArray declaredCharset(const QByteArray &contentType)
{
    const QList<QByteArray> parts = contentType.split(';');
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QByteArray part = parts.at(i).trimmed();
        const qsizetype eq = part.indexOf('=');
        if (eq < 0 || part.left(eq).trimmed().toLower() != "charset")
            continue;
        QByteArray name = part.mid(eq + 1).trimmed();
        if (name.size() >= 2 && name.startsWith('"') && name.endsWith('"'))
            name = name.mid(1, name.size() - 2);
        return name;
    }
    return {};
}

// The body as text by the charset the reply declares; UTF-8 when it declares
// none or one we do not know.
QString decodeBody(const QByteArray &body, const QByteArray &contentType)
{
    const QByteArray charset = declaredCharset(contentType);
    if (!charset.isEmpty()) {
        QStringDecoder decoder(charset.constData());
        if (decoder.isValid())
            return decoder.decode(body);
    }
    return QString::fromUtf8(body);
}

// Nothing on any failure: no connection, time-out, a status other than 2xx,
// an oversized or malformed reply, a body in a coding other than the one
// asked for, or the owning thread being asked to stop.
std::optional<QString> fetchText(const QUrl &url, int timeoutMs)
{
    const std::optional<HttpResponse> response = httpGet(url, timeoutMs, MaxResponseBytes);
    if (!response || response->status() < 200 || response->status() > 299)
        return std::nullopt;
    const QByteArray coding = response->header("Content-Encoding").trimmed();
    if (!coding.isEmpty() && coding.compare("identity", Qt::CaseInsensitive) != 0)
        return std::nullopt;
    return decodeBody(response->body(), response->header("Content-Type"));
}

} // namespace

TUpdateChecker::TUpdateChecker(QString localVersion, bool interactive, const QString &server,
                               QObject *parent)
    : QThread(parent)
    , LocalVersion(std::move(localVersion))
    , Interactive(interactive)
    , m_server(server.isEmpty() ? defaultServer() : server)
{
    setObjectName(QStringLiteral("UpdateChecker"));
}

TUpdateChecker::~TUpdateChecker()
{
    if (!isRunning())
        return;
    // Every wait of the worker looks for this request many times a second,
    // so a silent server cannot hold up the exit.
    requestInterruption();
    wait();
}

QString TUpdateChecker::defaultServer()
{
    return QStringLiteral(PAPERLET_UPDATE_SERVER);
}

QUrl TUpdateChecker::versionPageUrl(const QString &server)
{
    // The two slashes are what the server has always been asked for.
    return QUrl(server + QStringLiteral("//version.aspx"));
}

QUrl TUpdateChecker::downloadPageUrl(const QString &server)
{
    return QUrl(server + QStringLiteral("/download.aspx"));
}

bool TUpdateChecker::isPlausibleVersion(const QString &reply)
{
    // One line break at the end is still a version as the server sends it.
    QStringView line(reply);
    if (line.endsWith(u"\r\n"))
        line.chop(2);
    else if (line.endsWith(u'\n'))
        line.chop(1);
    if (line.size() > MaxVersionChars)
        return false;
    for (const QChar c : line) {
        if (c == u'<' || c == u'>' || c == QChar::ReplacementCharacter || c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

void TUpdateChecker::RunCheck()
{
    const std::optional<QString> reply = fetchText(versionPageUrl(m_server), m_timeoutMs);
    // A page that is no version text (a portal's login page, binary) is a
    // failed check, not a newer version.
    if (!reply || !isPlausibleVersion(*reply))
        return;
    if (*reply != LocalVersion) {
        UpToDate = false;
        RemoteVersion = *reply;
        Q_EMIT OnResult(this);
    } else if (Interactive) {
        UpToDate = true;
        Q_EMIT OnResult(this);
    }
}
