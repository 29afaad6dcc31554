#include "platform/termination_watcher.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The write end of the self-pipe; a signal handler may only write to it.
int signalFds[2] = {-1, -1};

void onSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalFds[0], &byte, 1);
    errno = savedErrno;
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
    // The session manager's end of session reaches the application as a quit
    // request, which Application turns into the same orderly exit. Its
    // earlier "save your data" step is not an end yet: the log-out may still
    // be cancelled, so nothing happens then.
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
