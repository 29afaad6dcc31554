#include "core/reminder_scheduler.h"

#include "core/clock.h"

#include <QList>

#include <algorithm>

ReminderScheduler::ReminderScheduler(const Clock &clock, QObject *parent)
    : QObject(parent), m_clock(clock), m_startedAt(clock.now())
{
    m_timer.setSingleShot(true);
    // A coarse timer may be 5 % late: minutes on a reminder hours away.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ReminderScheduler::check);
}

void ReminderScheduler::set(const QString &noteId, const std::optional<Reminder> &reminder)
{
    if (reminder)
        m_reminders.insert(noteId, *reminder);
    else
        m_reminders.remove(noteId);
    arm();
}

std::optional<Reminder> ReminderScheduler::reminder(const QString &noteId) const
{
    const auto it = m_reminders.constFind(noteId);
    return it == m_reminders.constEnd() ? std::nullopt : std::optional<Reminder>(*it);
}

std::optional<QDateTime> ReminderScheduler::nextCheck() const
{
    return m_timer.isActive() ? std::optional<QDateTime>(m_nextCheck) : std::nullopt;
}

void ReminderScheduler::check()
{
    const QDateTime now = m_clock.now();
    QList<QPair<QString, Reminder>> dueNow;
    for (auto it = m_reminders.cbegin(); it != m_reminders.cend(); ++it) {
        const QDateTime at = it->dueInstant();
        if (at <= now && m_reported.value(it.key()) != at) {
            m_reported.insert(it.key(), at);
            dueNow.append(qMakePair(it.key(), *it));
        }
    }
    // Listeners may set reminders while they are told; the timer is set after.
    for (const auto &d : dueNow)
        Q_EMIT due(d.first, d.second, d.second.dueInstant() < m_startedAt);
    arm();
}

void ReminderScheduler::arm()
{
    std::optional<QDateTime> next;
    for (auto it = m_reminders.cbegin(); it != m_reminders.cend(); ++it) {
        const QDateTime at = it->dueInstant();
        if (m_reported.value(it.key()) != at && (!next || at < *next))
            next = at;
    }
    if (!next) {
        m_timer.stop();
        return;
    }
    const qint64 wait = std::clamp<qint64>(m_clock.now().msecsTo(*next), 0, MaxIntervalMs);
    m_nextCheck = m_clock.now().addMSecs(wait);
    m_timer.start(int(wait));
}
