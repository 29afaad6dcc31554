#include "platform/host_lookup.h"
#include "update/update_checker.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QtTest>

// Runs with a resolver that hangs on "slow." hosts (see slow_resolver.cpp).
namespace {

const QString SlowServer = QStringLiteral("http://slow.invalid");

// The program's life in short: a check starts, the user exits at once.
int runExitingProgram(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    TUpdateChecker checker(QStringLiteral("1.1"), true, SlowServer);
    checker.start();
    QTimer::singleShot(200, &app, &QCoreApplication::quit);
    return app.exec();
}

} // namespace

class UpdateExitTest final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void nameLookupIsSlowHere();
    void timeOutCoversTheNameLookup();
    void exitDoesNotWaitForASlowNameLookup();
};

// Without this the other two would pass for the wrong reason.
void UpdateExitTest::nameLookupIsSlowHere()
{
    QElapsedTimer clock;
    clock.start();
    QVERIFY(!resolveHost(QStringLiteral("slow.invalid"), QDeadlineTimer(300)));
    QVERIFY(clock.elapsed() >= 290);
    QVERIFY(resolveHost(QStringLiteral("127.0.0.1"), QDeadlineTimer(300)));
}

void UpdateExitTest::timeOutCoversTheNameLookup()
{
    TUpdateChecker checker(QStringLiteral("1.1"), true, SlowServer);
    checker.setTimeoutMs(500);
    int reports = 0;
    QObject context;
    connect(&checker, &TUpdateChecker::OnResult, &context, [&] { ++reports; }, Qt::QueuedConnection);
    checker.start();
    QVERIFY(checker.wait(5000));
    QCoreApplication::processEvents();
    QCOMPARE(reports, 0);
}

void UpdateExitTest::exitDoesNotWaitForASlowNameLookup()
{
    QProcess program;
    QElapsedTimer clock;
    clock.start();
    program.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--exiting-program")});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    // The lookup would hold it for 30 s.
    QVERIFY2(clock.elapsed() < 5000, QByteArray::number(clock.elapsed()).constData());
}

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], "--exiting-program") == 0)
        return runExitingProgram(argc, argv);
    QCoreApplication app(argc, argv);
    UpdateExitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_update_exit.moc"
