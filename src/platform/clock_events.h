#pragma once

#include <QObject>

#include <memory>

// Tells when the wall clock may have jumped under the program's timers,
// which count only time the machine is awake: the system resumed from sleep,
// or its clock was set. Freedesktop systems: logind's PrepareForSleep on the
// system bus and a timer the kernel cancels when the clock is set; Windows:
// the power and time-change broadcasts. Costs no wake-ups.
class ClockEvents final : public QObject
{
    Q_OBJECT
public:
    // sleepBusAddress: the bus logind is asked on; empty for the system bus.
    explicit ClockEvents(const QString &sleepBusAddress = QString(), QObject *parent = nullptr);
    ~ClockEvents() override;

    // Whether the sleep notices can arrive (the bus is there).
    bool watchesSleep() const;

Q_SIGNALS:
    void resumed();
    void clockChanged();

private:
    struct Watch;
    std::unique_ptr<Watch> m_watch;
};
