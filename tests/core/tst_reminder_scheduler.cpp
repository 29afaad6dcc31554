// When reminders are reported, against a clock under test: due now, due while
// the program was not running, repeats over a month end and a daylight-saving
// change, snooze, done, a synced copy marking it done, the clock set, a
// resume from sleep. One timer, and nothing reported twice.
#include "core/reminder_scheduler.h"
#include "../common/test_clock.h"

#include <QSignalSpy>
#include <QTest>

namespace {

const QTimeZone Berlin("Europe/Berlin");

QDateTime berlin(const QString &local)
{
    const QDateTime t = QDateTime::fromString(local, Qt::ISODate);
    return QDateTime(t.date(), t.time(), Berlin);
}

const QString Note = QStringLiteral("24052019091542.pnf");

// Does what the note does when told: a repeat moves on and is set again.
void moveOnWhenDue(ReminderScheduler &scheduler, const Clock &clock)
{
    QObject::connect(&scheduler, &ReminderScheduler::due, &scheduler,
                     [&scheduler, &clock](const QString &id, const Reminder &r, bool) {
                         scheduler.set(id, r.fired(clock.now()));
                     });
}

// The clock under test, a scheduler on it and what it reports.
struct Rig
{
    enum Owner { Still, MovesOn };
    explicit Rig(const QString &now, Owner owner = Still) : clock(berlin(now))
    {
        if (owner == MovesOn)
            moveOnWhenDue(scheduler, clock);
    }
    TestClock clock;
    ReminderScheduler scheduler{clock};
    QSignalSpy due{&scheduler, &ReminderScheduler::due};
};

// Waits long enough for a zero-interval timer and a few event-loop turns.
void settle()
{
    for (int i = 0; i < 5; ++i)
        QTest::qWait(20);
}

} // namespace

class TestReminderScheduler final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dueNowIsReportedFromTheEventLoopOnce()
    {
        Rig rig("2027-01-10T09:00");
        auto &[clock, scheduler, due] = rig;
        scheduler.set(Note, Reminder(berlin("2027-01-10T09:00"), Reminder::Repeat::Never));
        QCOMPARE(due.size(), 0); // never from inside set()
        QTRY_COMPARE(due.size(), 1);
        QCOMPARE(due.at(0).at(0).toString(), Note);
        QCOMPARE(due.at(0).at(2).toBool(), false);
        scheduler.check();
        settle();
        QCOMPARE(due.size(), 1);
        QVERIFY(!scheduler.nextCheck()); // nothing left to wait for
    }

    void soonIsReportedByTheTimer()
    {
        Rig rig("2027-01-10T08:59:59.700");
        auto &[clock, scheduler, due] = rig;
        scheduler.set(Note, Reminder(berlin("2027-01-10T09:00"), Reminder::Repeat::Never));
        QCOMPARE(*scheduler.nextCheck(), berlin("2027-01-10T09:00"));
        QVERIFY(due.wait(5000));
        QVERIFY(clock.now() >= berlin("2027-01-10T09:00"));
        QCOMPARE(due.size(), 1);
    }

    void dueWhileNotRunningIsReportedOnceAsMissed()
    {
        Rig rig("2027-01-10T12:00", Rig::MovesOn);
        auto &[clock, scheduler, due] = rig;
        // A daily one last seen on the 7th: three days missed.
        scheduler.set(Note, Reminder(berlin("2027-01-07T09:00"), Reminder::Repeat::Daily));
        QTRY_COMPARE(due.size(), 1);
        QCOMPARE(due.at(0).at(2).toBool(), true);
        settle();
        QCOMPARE(due.size(), 1);
        QCOMPARE(scheduler.reminder(Note)->due(), berlin("2027-01-11T09:00"));
        QCOMPARE(*scheduler.nextCheck(), berlin("2027-01-11T09:00"));
    }

    void repeatsOverAMonthEndAndADaylightSavingChange()
    {
        // Monthly on the 31st at 09:00, from January into summer time.
        Rig rig("2027-01-31T08:59:59.900", Rig::MovesOn);
        auto &[clock, scheduler, due] = rig;
        scheduler.set(Note, Reminder(berlin("2027-01-31T09:00"), Reminder::Repeat::Monthly));
        const QStringList expected{"2027-02-28T09:00", "2027-03-31T09:00", "2027-04-30T09:00"};
        for (const QString &next : expected) {
            QVERIFY(due.wait(5000));
            QCOMPARE(due.last().at(2).toBool(), false);
            QCOMPARE(scheduler.reminder(Note)->dueInstant(), berlin(next));
            // Just before the next one.
            clock.set(berlin(next).addMSecs(-100));
            scheduler.check();
        }
        QVERIFY(due.wait(5000));
        QCOMPARE(due.size(), 4);
        QCOMPARE(berlin("2027-03-31T09:00").offsetFromUtc(), 2 * 3600);
    }

    void snoozeShowsItAgainTenMinutesLater()
    {
        Rig rig("2027-01-10T09:00");
        auto &[clock, scheduler, due] = rig;
        const Reminder r(berlin("2027-01-10T09:00"), Reminder::Repeat::Never);
        scheduler.set(Note, r);
        QTRY_COMPARE(due.size(), 1);
        scheduler.set(Note, r.snoozed(clock.now()));
        QVERIFY(qAbs(scheduler.nextCheck()->msecsTo(berlin("2027-01-10T09:10"))) < 1000);
        clock.jump(10 * 60 * 1000);
        scheduler.check();
        QCOMPARE(due.size(), 2);
        QCOMPARE(due.at(1).at(1).value<Reminder>(), r.snoozed(berlin("2027-01-10T09:00")));
        scheduler.check();
        QCOMPARE(due.size(), 2);
    }

    void doneEndsAOneOffAndStopsTheTimer()
    {
        Rig rig("2027-01-10T09:00");
        auto &[clock, scheduler, due] = rig;
        const Reminder r(berlin("2027-01-10T09:00"), Reminder::Repeat::Never);
        scheduler.set(Note, r);
        QTRY_COMPARE(due.size(), 1);
        scheduler.set(Note, r.done(clock.now()));
        QVERIFY(!scheduler.reminder(Note));
        QVERIFY(!scheduler.nextCheck());
        clock.jump(24 * 3600 * 1000);
        scheduler.check();
        QCOMPARE(due.size(), 1);
    }

    void aSyncedCopyMarkingItDoneIsNotReportedAgain_data()
    {
        QTest::addColumn<bool>("repeating");
        QTest::newRow("one-off done elsewhere") << false;
        QTest::newRow("repeat moved on elsewhere") << true;
    }

    void aSyncedCopyMarkingItDoneIsNotReportedAgain()
    {
        QFETCH(bool, repeating);
        // The other computer's clock is a little ahead: it showed the
        // reminder and its answer arrived here before our own time came.
        Rig rig("2027-01-10T08:59:59.500");
        auto &[clock, scheduler, due] = rig;
        const Reminder r(berlin("2027-01-10T09:00"), repeating ? Reminder::Repeat::Daily : Reminder::Repeat::Never);
        scheduler.set(Note, r);
        const QDateTime there = berlin("2027-01-10T09:00:05");
        scheduler.set(Note, r.fired(there).done(there));
        clock.set(berlin("2027-01-10T09:00:10"));
        scheduler.check();
        settle();
        QCOMPARE(due.size(), 0);
        if (repeating)
            QCOMPARE(*scheduler.nextCheck(), berlin("2027-01-11T09:00"));
        else
            QVERIFY(!scheduler.nextCheck());
    }

    void clockSetForwardReportsWhatBecameDue()
    {
        Rig rig("2027-01-10T08:00");
        auto &[clock, scheduler, due] = rig;
        scheduler.set(Note, Reminder(berlin("2027-01-10T09:00"), Reminder::Repeat::Never));
        QCOMPARE(*scheduler.nextCheck(), berlin("2027-01-10T09:00"));
        clock.set(berlin("2027-01-10T09:30"));
        scheduler.check(); // the system says its clock was set
        QCOMPARE(due.size(), 1);
        QCOMPARE(due.at(0).at(2).toBool(), false);
        scheduler.check();
        QCOMPARE(due.size(), 1);
    }

    void clockSetBackWaitsAgain()
    {
        Rig rig("2027-01-10T08:59:59.850");
        auto &[clock, scheduler, due] = rig;
        scheduler.set(Note, Reminder(berlin("2027-01-10T09:00"), Reminder::Repeat::Never));
        // Set back an hour before the timer runs out: the timer still fires
        // after its 150 ms, but the wall clock says it is not time yet.
        clock.set(berlin("2027-01-10T07:59:59.850"));
        QTRY_VERIFY(scheduler.nextCheck() && *scheduler.nextCheck() == berlin("2027-01-10T09:00")
                    && clock.now() > berlin("2027-01-10T08:00"));
        QCOMPARE(due.size(), 0);
    }

    void resumeFromSleepReportsOnce()
    {
        Rig rig("2027-01-11T08:00", Rig::MovesOn);
        auto &[clock, scheduler, due] = rig;
        scheduler.set(Note, Reminder(berlin("2027-01-11T09:00"), Reminder::Repeat::Weekdays));
        // Asleep from 08:00 to 11:00: the timer's clock stood still.
        clock.set(berlin("2027-01-11T11:00"));
        scheduler.check(); // resumed
        scheduler.check(); // and the clock-change notice that may follow
        settle();
        QCOMPARE(due.size(), 1);
        QCOMPARE(due.at(0).at(2).toBool(), false);
        QCOMPARE(*scheduler.nextCheck(), berlin("2027-01-12T09:00"));
    }

    void oneTimerForManyReminders()
    {
        Rig rig("2027-01-10T08:00");
        auto &[clock, scheduler, due] = rig;
        Q_UNUSED(due);
        for (int i = 0; i < 10; ++i)
            scheduler.set(QString::number(i), Reminder(berlin("2027-01-10T09:00").addSecs(3600 * (10 - i)),
                                                       Reminder::Repeat::Daily));
        QCOMPARE(scheduler.findChildren<QTimer *>().size(), 1);
        QCOMPARE(*scheduler.nextCheck(), berlin("2027-01-10T10:00"));
    }

    void farAwayIsWaitedForInSteps()
    {
        Rig rig("2027-01-10T08:00");
        auto &[clock, scheduler, due] = rig;
        Q_UNUSED(due);
        scheduler.set(Note, Reminder(berlin("2028-01-10T08:00"), Reminder::Repeat::Never));
        QVERIFY(qAbs(clock.now().msecsTo(*scheduler.nextCheck()) - ReminderScheduler::MaxIntervalMs) < 1000);
    }
};

QTEST_GUILESS_MAIN(TestReminderScheduler)
#include "tst_reminder_scheduler.moc"
