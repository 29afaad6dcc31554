#include "platform/termination_watcher.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The write end of the self-pipe; a signal handler may only write to it.
int signalFds[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalFds[0], &byte, 1);
}

} // namespace
#endif

TerminationWatcher::TerminationWatcher(QObject *parent)
    : QObject(parent)
{
#ifdef Q_OS_UNIX
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalFds) == 0) {
        for (int fd : signalFds)
            ::fcntl(fd, F_SETFL, O_NONBLOCK);
        m_notifier = new QSocketNotifier(signalFds[1], QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, [this] {
            char buffer[16];
            while (::read(signalFds[1], buffer, sizeof buffer) > 0) {}
            Q_EMIT terminationRequested();
        });
        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (int sig : {SIGTERM, SIGHUP, SIGINT})
            ::sigaction(sig, &action, nullptr);
    }
#endif
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance())) {
        // Notes are written by the teardown; nothing is asked of the user.
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &) {
            Q_EMIT terminationRequested();
        });
    }
}

TerminationWatcher::~TerminationWatcher()
{
#ifdef Q_OS_UNIX
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    for (int sig : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(sig, &action, nullptr);
    delete m_notifier;
    m_notifier = nullptr;
    for (int &fd : signalFds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
#endif
}
