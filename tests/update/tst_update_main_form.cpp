#include "../common/find_child.h"
#include "app/main_form.h"
#include "framework/application.h"
#include "test_http_server.h"
#include "update/update_checker.h"
#include "update/update_report.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Every message box that opens while it lives, answered with `answer`.
class MessageCatcher final : public QObject
{
    Q_OBJECT
public:
    struct Seen
    {
        QString title;
        QString text;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton defaultButton;
        Qt::TextFormat format;
    };

    // ready: the box is answered only once it holds (it stays on screen until then).
    explicit MessageCatcher(QMessageBox::StandardButton answer, std::function<bool()> ready = {})
        : m_answer(answer)
        , m_ready(std::move(ready))
    {
        connect(&m_poll, &QTimer::timeout, this, &MessageCatcher::poll);
        m_poll.start(20);
    }

    QList<Seen> seen;

private:
    void poll()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == m_last || (m_ready && !m_ready()))
            return;
        m_last = box;
        seen.append({box->windowTitle(), box->text(), box->icon(), box->standardButtons(),
                     box->standardButton(box->defaultButton()), box->textFormat()});
        QAbstractButton *button = box->button(m_answer);
        if (!button)
            button = box->buttons().constFirst();
        button->click();
    }

    QMessageBox::StandardButton m_answer;
    std::function<bool()> m_ready;
    QTimer m_poll;
    QPointer<QMessageBox> m_last;
};

class UrlCatcher final : public QObject
{
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("http")); }
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

enum class Kind { Nothing, UpToDate, Question };

QString upToDate()
{
    return QStringLiteral("You are already using the most recent version of Paperlet.\nPlease check in future!");
}

QString question(const QString &remote)
{
    return QStringLiteral("Your version is:         1.1\nCurrent version is:    ") + remote
        + QStringLiteral("\n\nA newer version is available.\nDo you want to download new version?");
}

} // namespace

class UpdateMainFormTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void showsTheResult_data();
    void showsTheResult();
    void handOverArmsTheTimerAndReleasesTheWorker();
    void lingeringWorkerIsReleasedOnce_data();
    void lingeringWorkerIsReleasedOnce();
    void silentCheckWithSwitchOffStartsNothing();
    void secondRequestWhileOutstanding_data();
    void secondRequestWhileOutstanding();
    void exitDuringOutstandingCheckIsPrompt();

private:
    // Waits until the form holds no worker, then a while longer so that a
    // message that should not come would have come.
    void settle();

    std::unique_ptr<QTemporaryDir> m_home;
    std::unique_ptr<TestHttpServer> m_http;
    std::unique_ptr<TFR_PLT_MAIN> m_form;
};

void UpdateMainFormTest::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_home->isValid());
    m_http = std::make_unique<TestHttpServer>();
    m_form = std::make_unique<TFR_PLT_MAIN>(m_home->path());
    m_form->settings().Version = QStringLiteral("1.1");
    m_form->setUpdateServer(m_http->base());
}

void UpdateMainFormTest::cleanup()
{
    m_form.reset();
    m_http.reset();
    m_home.reset();
}

void UpdateMainFormTest::settle()
{
    QTRY_VERIFY_WITH_TIMEOUT(!m_form->updateCheck(), 10000);
    // The finished worker is handed over by the timer: wait for that too.
    const QTimer *checkerTimer = child<QTimer>(m_form.get(), "tmChecker");
    QTRY_VERIFY_WITH_TIMEOUT(!checkerTimer->isActive() && m_form->Checker() == nullptr, 10000);
}

void UpdateMainFormTest::showsTheResult_data()
{
    QTest::addColumn<bool>("reachable");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("interactive");
    QTest::addColumn<int>("answer");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("opensDownload");

    const int yes = QMessageBox::Yes;
    const int no = QMessageBox::No;
    QTest::newRow("silent, same: nothing") << true << 200 << QByteArray("1.1") << false << yes << Kind::Nothing << QString() << false;
    QTest::newRow("menu, same: up to date") << true << 200 << QByteArray("1.1") << true << yes << Kind::UpToDate << upToDate() << false;
    QTest::newRow("silent, older: question, Yes downloads") << true << 200 << QByteArray("1.0") << false << yes << Kind::Question << question("1.0") << true;
    QTest::newRow("menu, newer: question, No opens nothing") << true << 200 << QByteArray("1.2") << true << no << Kind::Question << question("1.2") << false;
    QTest::newRow("line break shown in question") << true << 200 << QByteArray("1.1\n") << false << no << Kind::Question << question("1.1\n") << false;
    QTest::newRow("entity stays text") << true << 200 << QByteArray("2.0&amp;") << true << no << Kind::Question << question("2.0&amp;") << false;
    QTest::newRow("markup is no version: nothing") << true << 200 << QByteArray("<b>2.0</b>") << true << yes << Kind::Nothing << QString() << false;
    QTest::newRow("silent, portal page: nothing") << true << 200 << QByteArray("<html><body>\n<p>Sign in</p>\n</body></html>") << false << yes << Kind::Nothing << QString() << false;
    QTest::newRow("menu, 404: nothing") << true << 404 << QByteArray("1.0") << true << yes << Kind::Nothing << QString() << false;
    QTest::newRow("silent, 500: nothing") << true << 500 << QByteArray("1.0") << false << yes << Kind::Nothing << QString() << false;
    QTest::newRow("menu, closed port: nothing") << false << 200 << QByteArray("1.0") << true << yes << Kind::Nothing << QString() << false;
}

void UpdateMainFormTest::showsTheResult()
{
    QFETCH(bool, reachable);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, interactive);
    QFETCH(int, answer);
    QFETCH(Kind, kind);

    m_http->setReply({status, "text/plain", body});
    if (!reachable)
        m_form->setUpdateServer(TestHttpServer::closedBase());
    MessageCatcher boxes{QMessageBox::StandardButton(answer)};
    UrlCatcher urls;

    if (interactive)
        child<QAction>(m_form.get(), "tbCheckForUpdates")->trigger();
    else
        m_form->StartUpdateCheck(false);
    settle();

    QCOMPARE(m_http->requests().size(), reachable ? 1 : 0);
    if (kind == Kind::Nothing) {
        QCOMPARE(boxes.seen.size(), 0);
        QCOMPARE(urls.opened.size(), 0);
        return;
    }
    QCOMPARE(boxes.seen.size(), 1);
    const MessageCatcher::Seen box = boxes.seen.constFirst();
    QCOMPARE(box.title, QStringLiteral("Paperlet"));
    QTEST(box.text, "text");
    QCOMPARE(box.format, Qt::PlainText);
    if (kind == Kind::UpToDate) {
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    } else {
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.defaultButton, QMessageBox::Yes);
    }
    QFETCH(bool, opensDownload);
    const QList<QUrl> expected = opensDownload
        ? QList<QUrl>{QUrl(m_http->base() + QStringLiteral("/download.aspx"))}
        : QList<QUrl>{};
    QCOMPARE(urls.opened, expected);
}

void UpdateMainFormTest::handOverArmsTheTimerAndReleasesTheWorker()
{
    m_http->setReply({200, "text/plain", "1.1"});
    m_http->setHolding(true);
    MessageCatcher boxes{QMessageBox::Ok};
    m_form->StartUpdateCheck(true);
    QTRY_COMPARE(m_http->heldCount(), 1);
    const QPointer<TUpdateChecker> worker = m_form->updateCheck();
    QVERIFY(worker);
    QVERIFY(!child<QTimer>(m_form.get(), "tmChecker")->isActive());

    // Queued after the form's own receiver: sees the state the hand-over left.
    const TUpdateChecker *handed = nullptr;
    bool armed = false;
    QObject context;
    connect(worker, &TUpdateChecker::OnResult, &context, [&] {
        handed = m_form->Checker();
        armed = child<QTimer>(m_form.get(), "tmChecker")->isActive();
    }, Qt::QueuedConnection);
    m_http->setHolding(false);
    m_http->releaseHeld();

    QTRY_VERIFY(handed);
    QCOMPARE(handed, worker.data());
    QVERIFY(armed);
    QCOMPARE(child<QTimer>(m_form.get(), "tmChecker")->interval(), 100);
    QTRY_VERIFY(worker.isNull());
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen.constFirst().text, upToDate());
    QVERIFY(!child<QTimer>(m_form.get(), "tmChecker")->isActive());
    QCOMPARE(m_form->Checker(), nullptr);
    QCOMPARE(m_form->updateCheck(), nullptr);
}

void UpdateMainFormTest::lingeringWorkerIsReleasedOnce_data()
{
    QTest::addColumn<int>("lingerMs");
    QTest::addColumn<bool>("answerAfterEnd");

    QTest::newRow("no delay") << 0 << false;
    QTest::newRow("150 ms, its end arrives while the question is up") << 150 << true;
    QTest::newRow("300 ms, its end arrives while the question is up") << 300 << true;
    QTest::newRow("300 ms, question answered before its end") << 300 << false;
}

// A worker thread may be held up between reporting its result and ending.
// Whichever comes first, the end or the answer, it is deleted exactly once
// (the sanitizer build of this test stops at a second delete).
void UpdateMainFormTest::lingeringWorkerIsReleasedOnce()
{
    QFETCH(int, lingerMs);
    QFETCH(bool, answerAfterEnd);
    m_http->setReply({200, "text/plain", "1.2"});
    m_http->setHolding(true);
    m_form->StartUpdateCheck(true);
    QTRY_COMPARE(m_http->heldCount(), 1);
    const QPointer<TUpdateChecker> worker = m_form->updateCheck();
    QVERIFY(worker);

    // Runs on the worker thread right after it has reported.
    connect(worker, &TUpdateChecker::OnResult, worker, [lingerMs] { QThread::msleep(lingerMs); },
            Qt::DirectConnection);
    bool ended = false;
    QObject context;
    connect(worker, &QThread::finished, &context, [&ended] { ended = true; }, Qt::QueuedConnection);
    MessageCatcher boxes{QMessageBox::No, [&] { return ended || !answerAfterEnd; }};
    m_http->setHolding(false);
    m_http->releaseHeld();

    settle();
    QVERIFY(worker.isNull());
    QCOMPARE(boxes.seen.size(), 1);
    QCOMPARE(boxes.seen.constFirst().text, question("1.2"));
    // The form still checks, once more, after all that.
    m_form->StartUpdateCheck(true);
    settle();
    QCOMPARE(boxes.seen.size(), 2);
}

void UpdateMainFormTest::silentCheckWithSwitchOffStartsNothing()
{
    m_http->setReply({200, "text/plain", "1.1"});
    MessageCatcher boxes{QMessageBox::Ok};
    m_form->settings().CheckForUpdates = false;

    m_form->StartUpdateCheck(false);
    QVERIFY(!m_form->updateCheck());
    QTest::qWait(200);   // checks that no request comes: nothing to wait for
    QCOMPARE(m_http->requests().size(), 0);

    // The switch governs the automatic check only; the menu still asks.
    m_form->StartUpdateCheck(true);
    settle();
    QCOMPARE(m_http->requests().size(), 1);
    QCOMPARE(boxes.seen.size(), 1);
}

void UpdateMainFormTest::secondRequestWhileOutstanding_data()
{
    QTest::addColumn<bool>("firstInteractive");
    QTest::addColumn<bool>("secondInteractive");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("requests");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("menu twice: one check, one message")
        << true << true << QByteArray("1.1") << 1 << QStringList{upToDate()};
    QTest::newRow("silent outstanding: menu request ignored")
        << true << false << QByteArray("1.1") << 1 << QStringList{upToDate()};
    QTest::newRow("menu during silent that finds newer: one question")
        << false << true << QByteArray("1.2") << 1 << QStringList{question("1.2")};
    QTest::newRow("menu during silent that finds same: menu check follows")
        << false << true << QByteArray("1.1") << 2 << QStringList{upToDate()};
}

void UpdateMainFormTest::secondRequestWhileOutstanding()
{
    QFETCH(bool, firstInteractive);
    QFETCH(bool, secondInteractive);
    QFETCH(QByteArray, body);

    m_http->setReply({200, "text/plain", body});
    m_http->setHolding(true);
    MessageCatcher boxes{QMessageBox::No};

    m_form->StartUpdateCheck(firstInteractive);
    QTRY_COMPARE(m_http->heldCount(), 1);
    const TUpdateChecker *first = m_form->updateCheck();
    QVERIFY(first);
    m_form->StartUpdateCheck(secondInteractive);
    QCOMPARE(m_form->updateCheck(), first);
    m_http->setHolding(false);
    m_http->releaseHeld();
    settle();

    QTEST(int(m_http->requests().size()), "requests");
    QStringList texts;
    for (const auto &box : boxes.seen)
        texts.append(box.text);
    QTEST(texts, "messages");
}

void UpdateMainFormTest::exitDuringOutstandingCheckIsPrompt()
{
    m_http->setHolding(true);
    MessageCatcher boxes{QMessageBox::Ok};
    m_form->StartUpdateCheck(true);
    QTRY_COMPARE(m_http->heldCount(), 1);

    QElapsedTimer clock;
    clock.start();
    m_form.reset();
    // The request's own time-out is 15 s; the exit must not wait for it.
    QVERIFY2(clock.elapsed() < 3000, QByteArray::number(clock.elapsed()).constData());
    QTest::qWait(300);   // checks that no late box comes: nothing to wait for
    QCOMPARE(boxes.seen.size(), 0);
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    UpdateMainFormTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_update_main_form.moc"
