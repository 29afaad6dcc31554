// Reminder times: next occurrences at the local hour across daylight-saving
// changes and month ends, missed repeats, snooze and done, and the text kept
// in the note's state group.
#include "core/reminder.h"

#include <QTest>

namespace {

const QTimeZone Berlin("Europe/Berlin");
const QTimeZone NewYork("America/New_York");

QDateTime berlin(const QString &local)
{
    const QDateTime t = QDateTime::fromString(local, Qt::ISODate);
    return QDateTime(t.date(), t.time(), Berlin);
}

} // namespace

using Repeat = Reminder::Repeat;
Q_DECLARE_METATYPE(Reminder::Repeat)

class TestReminder final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void nextOccurrenceKeepsTheLocalHour_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<Repeat>("repeat");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("expected");  // local, Berlin
        QTest::addColumn<int>("utcOffsetHours"); // of the expected moment

        QTest::newRow("one-off ahead") << "2027-01-10T09:00" << Repeat::Never << "2027-01-09T12:00"
                                       << "2027-01-10T09:00" << 1;
        QTest::newRow("daily, same day later") << "2027-01-10T09:00" << Repeat::Daily << "2027-01-10T09:00"
                                               << "2027-01-11T09:00" << 1;
        QTest::newRow("daily into summer time") << "2027-03-27T09:00" << Repeat::Daily << "2027-03-27T10:00"
                                                << "2027-03-28T09:00" << 2;
        QTest::newRow("daily out of summer time") << "2027-10-30T09:00" << Repeat::Daily << "2027-10-30T10:00"
                                                  << "2027-10-31T09:00" << 1;
        QTest::newRow("daily hour the change skips") << "2027-03-27T02:30" << Repeat::Daily << "2027-03-27T03:00"
                                                     << "2027-03-28T03:30" << 2;
        QTest::newRow("daily missed for months") << "2026-01-01T09:00" << Repeat::Daily << "2026-12-11T12:00"
                                                 << "2026-12-12T09:00" << 1;
        QTest::newRow("weekdays skip the weekend") << "2027-01-01T09:00" << Repeat::Weekdays << "2027-01-01T10:00"
                                                   << "2027-01-04T09:00" << 1;
        QTest::newRow("weekdays far on") << "2027-01-01T09:00" << Repeat::Weekdays << "2027-01-16T10:00"
                                         << "2027-01-18T09:00" << 1;
        QTest::newRow("weekly over summer time") << "2027-03-22T18:00" << Repeat::Weekly << "2027-03-22T19:00"
                                                 << "2027-03-29T18:00" << 2;
        QTest::newRow("monthly 31st into February") << "2027-01-31T09:00" << Repeat::Monthly << "2027-01-31T10:00"
                                                     << "2027-02-28T09:00" << 1;
        QTest::newRow("monthly 31st back after February") << "2027-01-31T09:00" << Repeat::Monthly
                                                          << "2027-02-28T10:00" << "2027-03-31T09:00" << 2;
        QTest::newRow("monthly 31st in a 30-day month") << "2027-01-31T09:00" << Repeat::Monthly
                                                        << "2027-04-01T00:00" << "2027-04-30T09:00" << 2;
        QTest::newRow("monthly over the year's end") << "2026-12-31T23:30" << Repeat::Monthly << "2027-01-01T00:00"
                                                     << "2027-01-31T23:30" << 1;
        QTest::newRow("yearly 29 February") << "2028-02-29T08:00" << Repeat::Yearly << "2028-03-01T00:00"
                                            << "2029-02-28T08:00" << 1;
        QTest::newRow("yearly 29 February in a leap year") << "2028-02-29T08:00" << Repeat::Yearly
                                                           << "2031-03-01T00:00" << "2032-02-29T08:00" << 1;
    }

    void nextOccurrenceKeepsTheLocalHour()
    {
        QFETCH(QString, start);
        QFETCH(Repeat, repeat);
        QFETCH(QString, after);
        QFETCH(QString, expected);
        QFETCH(int, utcOffsetHours);
        const Reminder r(berlin(start), repeat);
        const QDateTime next = r.occurrenceAfter(berlin(after));
        QCOMPARE(next.toTimeZone(Berlin).toString(Qt::ISODate).left(16), expected);
        QCOMPARE(next.offsetFromUtc(), utcOffsetHours * 3600);
        QVERIFY(next > berlin(after));
    }

    void oneOffHasNothingAfterItsTime()
    {
        const Reminder r(berlin("2027-01-10T09:00"), Repeat::Never);
        QVERIFY(!r.occurrenceAfter(berlin("2027-01-10T09:00")).isValid());
    }

    void weekdaysStartingOnASaturdayBeginOnMonday()
    {
        const Reminder r(berlin("2027-01-02T09:00"), Repeat::Weekdays);
        QCOMPARE(r.due(), berlin("2027-01-04T09:00"));
    }

    void aMissedRepeatMovesOnOnce()
    {
        const Reminder r(berlin("2027-01-01T09:00"), Repeat::Daily);
        const Reminder next = r.fired(berlin("2027-01-05T12:00"));
        QCOMPARE(next.due(), berlin("2027-01-06T09:00"));
        // Moved on from its start, not from when it was noticed.
        QCOMPARE(next.start(), berlin("2027-01-01T09:00"));
    }

    void oneOffStaysUntilDoneOrSnoozed()
    {
        const Reminder r(berlin("2027-01-10T09:00"), Repeat::Never);
        const QDateTime now = berlin("2027-01-10T09:00:30");
        QCOMPARE(r.fired(now), r);
        const Reminder snoozed = r.snoozed(now);
        QCOMPARE(snoozed.dueInstant(), berlin("2027-01-10T09:10:30"));
        QCOMPARE(snoozed.due(), r.due());
        QVERIFY(!r.done(now));
        QVERIFY(!snoozed.done(now));
    }

    void doneOnASnoozedRepeatKeepsItsNextTime()
    {
        const Reminder r(berlin("2027-01-10T09:00"), Repeat::Weekly);
        const QDateTime now = berlin("2027-01-10T09:01");
        const Reminder snoozed = r.fired(now).snoozed(now);
        QCOMPARE(snoozed.dueInstant(), berlin("2027-01-10T09:11"));
        QCOMPARE(snoozed.due(), berlin("2027-01-17T09:00"));
        const std::optional<Reminder> done = snoozed.done(berlin("2027-01-10T09:11"));
        QVERIFY(done);
        QVERIFY(!done->snoozedUntil());
        QCOMPARE(done->dueInstant(), berlin("2027-01-17T09:00"));
    }

    void textRoundTrips_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("one-off") << "2026-12-24T09:00 Europe/Berlin never";
        QTest::newRow("moved-on monthly") << "2027-02-28T09:00 Europe/Berlin monthly start=2027-01-31T09:00";
        QTest::newRow("snoozed") << "2026-12-24T09:00 America/New_York daily snooze=2026-12-24T09:10:30";
        QTest::newRow("zone unknown here") << "2026-12-24T09:00 Mars/Olympus_Mons yearly";
    }

    void textRoundTrips()
    {
        QFETCH(QString, text);
        const std::optional<Reminder> r = Reminder::parse(text);
        QVERIFY(r);
        QCOMPARE(r->toString(), text);
    }

    void textIsInTheReminderZone()
    {
        const Reminder r(QDateTime(QDate(2026, 12, 24), QTime(9, 0), NewYork), Repeat::Daily);
        QCOMPARE(r.toString(), QStringLiteral("2026-12-24T09:00 America/New_York daily"));
        QCOMPARE(Reminder::parse(r.toString())->dueInstant(), QDateTime(QDate(2026, 12, 24), QTime(14, 0), Qt::UTC));
    }

    void refusesWhatIsNoReminder_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("no repeat") << "2026-12-24T09:00 Europe/Berlin";
        QTest::newRow("unknown repeat") << "2026-12-24T09:00 Europe/Berlin hourly";
        QTest::newRow("no date") << "tomorrow Europe/Berlin daily";
        QTest::newRow("an offset, not a local time") << "2026-12-24T09:00+01:00 Europe/Berlin daily";
    }

    void refusesWhatIsNoReminder()
    {
        QFETCH(QString, text);
        QVERIFY(!Reminder::parse(text));
    }
};

QTEST_GUILESS_MAIN(TestReminder)
#include "tst_reminder.moc"
