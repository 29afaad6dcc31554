// One running copy per key, decided between real processes: this executable
// started with "--hold KEY" acquires KEY, prints the outcome and then waits.

#include "app/single_instance.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTest>
#include <QUuid>

#include <csignal>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

QString uniqueKey()
{
    return QStringLiteral("Paperlet-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

class Holder final
{
public:
    explicit Holder(const QString &key)
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--hold"), key});
    }
    ~Holder()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    // "held" or "refused"; empty when the helper said nothing in time.
    QString outcome()
    {
        while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {}
        return QString::fromLatin1(m_process.readLine()).trimmed();
    }
    void kill()
    {
        ::kill(pid_t(m_process.processId()), SIGKILL);
        m_process.waitForFinished();
    }

private:
    QProcess m_process;
};

} // namespace

class TestSingleInstance final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void secondAcquireOfSameKeyFails();
    void otherProcessIsRefusedWhileHeld();
    void killedHolderDoesNotBlock();
    void releasedOnDestruction();
    void simultaneousStartsGiveOneHolder();
};

void TestSingleInstance::secondAcquireOfSameKeyFails()
{
    const QString key = uniqueKey();
    SingleInstance first(key);
    QVERIFY(first.acquire());
    SingleInstance second(key);
    QVERIFY(!second.acquire());
    // Another version has another key and runs beside it.
    SingleInstance other(key + QStringLiteral("2"));
    QVERIFY(other.acquire());
}

void TestSingleInstance::otherProcessIsRefusedWhileHeld()
{
    const QString key = uniqueKey();
    SingleInstance here(key);
    QVERIFY(here.acquire());
    Holder there(key);
    QCOMPARE(there.outcome(), QStringLiteral("refused"));
}

void TestSingleInstance::killedHolderDoesNotBlock()
{
    const QString key = uniqueKey();
    Holder holder(key);
    QCOMPARE(holder.outcome(), QStringLiteral("held"));
    {
        SingleInstance refused(key);
        QVERIFY(!refused.acquire());
    }
    holder.kill();
    SingleInstance next(key);
    QVERIFY(next.acquire());
}

void TestSingleInstance::releasedOnDestruction()
{
    const QString key = uniqueKey();
    {
        SingleInstance first(key);
        QVERIFY(first.acquire());
    }
    SingleInstance again(key);
    QVERIFY(again.acquire());
}

void TestSingleInstance::simultaneousStartsGiveOneHolder()
{
    for (int round = 0; round < 3; ++round) {
        const QString key = uniqueKey();
        std::vector<std::unique_ptr<Holder>> holders;
        for (int i = 0; i < 4; ++i)
            holders.push_back(std::make_unique<Holder>(key));
        QStringList outcomes;
        for (auto &holder : holders)
            outcomes << holder->outcome();
        QCOMPARE(outcomes.count(QStringLiteral("held")), 1);
        QCOMPARE(outcomes.count(QStringLiteral("refused")), 3);
    }
}

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--hold") == 0) {
        QCoreApplication app(argc, argv);
        SingleInstance instance(QString::fromLocal8Bit(argv[2]));
        const bool held = instance.acquire();
        std::printf("%s\n", held ? "held" : "refused");
        std::fflush(stdout);
        return held ? app.exec() : 0;
    }
    QCoreApplication app(argc, argv);
    TestSingleInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_single_instance.moc"
