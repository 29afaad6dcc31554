#pragma once

#include "core/clock.h"

#include <QElapsedTimer>

// A wall clock under test: it runs on with real time from where it is set,
// and a test can set it elsewhere (a clock change, or time that passed while
// the machine slept) without any timer noticing.
class TestClock final : public Clock
{
public:
    explicit TestClock(const QDateTime &at) { set(at); }
    void set(const QDateTime &at)
    {
        m_base = at;
        m_running.start();
    }
    void jump(qint64 ms) { set(now().addMSecs(ms)); }
    QDateTime now() const override { return m_base.addMSecs(m_running.elapsed()); }

private:
    QDateTime m_base;
    QElapsedTimer m_running;
};
