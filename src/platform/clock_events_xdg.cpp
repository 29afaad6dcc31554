#include "platform/clock_events.h"

#include <QDBusConnection>
#include <QSocketNotifier>

#include <sys/timerfd.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>

namespace {

const QString Login = QStringLiteral("org.freedesktop.login1");

// A timer set far into the future that the kernel cancels when the clock is
// set: its descriptor becomes readable then, and only then.
bool armClockTimer(int fd)
{
    itimerspec farOff{};
    farOff.it_value.tv_sec = sizeof(time_t) > 4 ? time_t(INT64_C(253402300799)) : time_t(INT_MAX); // 9999-12-31
    return timerfd_settime(fd, TFD_TIMER_ABSTIME | TFD_TIMER_CANCEL_ON_SET, &farOff, nullptr) == 0;
}

} // namespace

struct ClockEvents::Watch
{
    QDBusConnection bus{QString()};
    int timerFd = -1;
    std::unique_ptr<QSocketNotifier> notifier;
};

// Receives logind's signal: Qt's D-Bus connects to slots by name only.
class SleepReceiver final : public QObject
{
    Q_OBJECT
public:
    explicit SleepReceiver(ClockEvents &events) : QObject(&events), m_events(events) {}
public Q_SLOTS:
    void PrepareForSleep(bool goingToSleep)
    {
        if (!goingToSleep)
            Q_EMIT m_events.resumed();
    }

private:
    ClockEvents &m_events;
};

ClockEvents::ClockEvents(const QString &sleepBusAddress, QObject *parent)
    : QObject(parent), m_watch(std::make_unique<Watch>())
{
    m_watch->bus = sleepBusAddress.isEmpty()
        ? QDBusConnection::systemBus()
        : QDBusConnection::connectToBus(sleepBusAddress, QStringLiteral("paperlet-clock-events"));
    if (m_watch->bus.isConnected())
        m_watch->bus.connect(Login, QStringLiteral("/org/freedesktop/login1"),
                             QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"),
                             new SleepReceiver(*this), SLOT(PrepareForSleep(bool)));

    m_watch->timerFd = timerfd_create(CLOCK_REALTIME, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_watch->timerFd < 0 || !armClockTimer(m_watch->timerFd))
        return;
    m_watch->notifier = std::make_unique<QSocketNotifier>(m_watch->timerFd, QSocketNotifier::Read);
    connect(m_watch->notifier.get(), &QSocketNotifier::activated, this, [this] {
        std::uint64_t expirations = 0;
        const bool cancelled = read(m_watch->timerFd, &expirations, sizeof expirations) < 0 && errno == ECANCELED;
        armClockTimer(m_watch->timerFd);
        if (cancelled)
            Q_EMIT clockChanged();
    });
}

ClockEvents::~ClockEvents()
{
    m_watch->notifier.reset();
    if (m_watch->timerFd >= 0)
        close(m_watch->timerFd);
}

bool ClockEvents::watchesSleep() const
{
    return m_watch->bus.isConnected();
}

#include "clock_events_xdg.moc"
