#pragma once

#include <QString>
#include <QThread>
#include <QUrl>

// One update check: a worker thread that fetches the version page once and
// reports through OnResult when there is something to tell the user. It is
// constructed, then started; whoever owns it deletes it after the result has
// been shown (deleting a running worker aborts its request first).
class TUpdateChecker final : public QThread
{
    Q_OBJECT
public:
    // The GET gives up after this long, connection included.
    static constexpr int DefaultTimeoutMs = 15000;
    // The longest reply still taken for a version text.
    static constexpr int MaxVersionChars = 32;

    // server: scheme and host (optional port) of the maker's web server;
    // empty means the one the program was built with.
    TUpdateChecker(QString localVersion, bool interactive, const QString &server = {},
                   QObject *parent = nullptr);
    ~TUpdateChecker() override;

    static QString defaultServer();
    static QUrl versionPageUrl(const QString &server);
    static QUrl downloadPageUrl(const QString &server);
    QUrl downloadPageUrl() const { return downloadPageUrl(m_server); }

    void setTimeoutMs(int ms) { m_timeoutMs = ms; }

    // The thread body: one GET, compare, maybe OnResult. Runs on the worker.
    void RunCheck();

    // Whether a reply can be a version text: one short line (a line break at
    // its end allowed) without markup, control characters or undecodable bytes.
    static bool isPlausibleVersion(const QString &reply);

    // Written by the worker before OnResult; read by the receiver afterwards.
    bool UpToDate = false;
    const QString LocalVersion;
    QString RemoteVersion;
    const bool Interactive;

Q_SIGNALS:
    // Emitted on the worker thread; connect it queued.
    void OnResult(TUpdateChecker *checker);

protected:
    void run() override { RunCheck(); }

private:
    const QString m_server;
    int m_timeoutMs = DefaultTimeoutMs;
};
