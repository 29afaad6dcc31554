#include "platform/clock_events.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <windows.h>

// Windows broadcasts both to every top-level window of the thread.
struct ClockEvents::Watch final : QAbstractNativeEventFilter
{
    explicit Watch(ClockEvents &events) : m_events(events) {}
    bool nativeEventFilter(const QByteArray &, void *message, qintptr *) override
    {
        const MSG *msg = static_cast<const MSG *>(message);
        if (msg->message == WM_POWERBROADCAST && msg->wParam == PBT_APMRESUMEAUTOMATIC)
            Q_EMIT m_events.resumed();
        else if (msg->message == WM_TIMECHANGE)
            Q_EMIT m_events.clockChanged();
        return false;
    }
    ClockEvents &m_events;
};

ClockEvents::ClockEvents(const QString &, QObject *parent)
    : QObject(parent), m_watch(std::make_unique<Watch>(*this))
{
    QCoreApplication::instance()->installNativeEventFilter(m_watch.get());
}

ClockEvents::~ClockEvents()
{
    QCoreApplication::instance()->removeNativeEventFilter(m_watch.get());
}

bool ClockEvents::watchesSleep() const
{
    return true;
}
