// The Reminder dialog as a user meets it: what it opens on, and what OK,
// Clear, Cancel and Escape answer.
#include "../common/find_child.h"

#include "dialogs/reminder_dialog.h"
#include "framework/application.h"

#include <QComboBox>
#include <QDateEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimeEdit>
#include <QtTest>

using Repeat = Reminder::Repeat;
Q_DECLARE_METATYPE(Reminder::Repeat)

namespace {

const QDateTime Now(QDate(2027, 1, 10), QTime(14, 25, 31));

// Shows a fresh dialog the way a note opens it.
QPointer<TFR_REMINDER> open(const std::optional<Reminder> &current)
{
    QPointer<TFR_REMINDER> dialog = new TFR_REMINDER(current, Now);
    dialog->open();
    return dialog;
}

} // namespace

class TestReminderDialog final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void withoutReminderOpensOnTheNextFullHour()
    {
        const QPointer<TFR_REMINDER> dialog = open(std::nullopt);
        QCOMPARE(child<QDateEdit>(dialog, "edDate")->date(), QDate(2027, 1, 10));
        QCOMPARE(child<QTimeEdit>(dialog, "edTime")->time(), QTime(15, 0));
        QCOMPARE(child<QComboBox>(dialog, "cbRepeat")->currentText(), QStringLiteral("Never"));
        QVERIFY(!child<QPushButton>(dialog, "btClear")->isEnabled());
        dialog->close();
    }

    void opensOnTheNotesReminder()
    {
        const Reminder current(QDateTime(QDate(2027, 2, 28), QTime(8, 30)), Repeat::Monthly);
        const QPointer<TFR_REMINDER> dialog = open(current);
        QCOMPARE(child<QDateEdit>(dialog, "edDate")->date(), QDate(2027, 2, 28));
        QCOMPARE(child<QTimeEdit>(dialog, "edTime")->time(), QTime(8, 30));
        QCOMPARE(child<QComboBox>(dialog, "cbRepeat")->currentText(), QStringLiteral("Monthly"));
        QVERIFY(child<QPushButton>(dialog, "btClear")->isEnabled());
        dialog->close();
    }

    void repeatOffersTheSixChoices()
    {
        const QPointer<TFR_REMINDER> dialog = open(std::nullopt);
        const QComboBox *repeat = child<QComboBox>(dialog, "cbRepeat");
        QStringList items;
        for (int i = 0; i < repeat->count(); ++i)
            items << repeat->itemText(i);
        QCOMPARE(items, QStringList({"Never", "Daily", "Weekdays", "Weekly", "Monthly", "Yearly"}));
        dialog->close();
    }

    void okSetsTheChosenReminder_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<Repeat>("repeat");
        QTest::newRow("never") << 0 << Repeat::Never;
        QTest::newRow("daily") << 1 << Repeat::Daily;
        QTest::newRow("weekdays") << 2 << Repeat::Weekdays;
        QTest::newRow("weekly") << 3 << Repeat::Weekly;
        QTest::newRow("monthly") << 4 << Repeat::Monthly;
        QTest::newRow("yearly") << 5 << Repeat::Yearly;
    }

    void okSetsTheChosenReminder()
    {
        QFETCH(int, index);
        QFETCH(Repeat, repeat);
        const QPointer<TFR_REMINDER> dialog = open(std::nullopt);
        QSignalSpy chosen(dialog.data(), &TFR_REMINDER::reminderChosen);
        QSignalSpy cleared(dialog.data(), &TFR_REMINDER::reminderCleared);
        // A Monday, so that weekdays start where they were set.
        child<QDateEdit>(dialog, "edDate")->setDate(QDate(2027, 3, 1));
        QTimeEdit *time = child<QTimeEdit>(dialog, "edTime");
        time->setFocus();
        time->setTime(QTime(7, 45));
        child<QComboBox>(dialog, "cbRepeat")->setCurrentIndex(index);
        QTest::mouseClick(child<QPushButton>(dialog, "btOK"), Qt::LeftButton);
        QCOMPARE(chosen.size(), 1);
        QCOMPARE(cleared.size(), 0);
        const Reminder r = chosen.at(0).at(0).value<Reminder>();
        QCOMPARE(r.repeat(), repeat);
        QCOMPARE(r.due(), QDateTime(QDate(2027, 3, 1), QTime(7, 45), QTimeZone::systemTimeZone()));
        QCOMPARE(r.zoneName(), QString::fromUtf8(QTimeZone::systemTimeZone().id()));
        QTRY_VERIFY(dialog.isNull()); // it destroys itself
    }

    void clearRemovesTheReminder()
    {
        const QPointer<TFR_REMINDER> dialog = open(Reminder(Now.addDays(1), Repeat::Daily));
        QSignalSpy chosen(dialog.data(), &TFR_REMINDER::reminderChosen);
        QSignalSpy cleared(dialog.data(), &TFR_REMINDER::reminderCleared);
        QTest::mouseClick(child<QPushButton>(dialog, "btClear"), Qt::LeftButton);
        QCOMPARE(cleared.size(), 1);
        QCOMPARE(chosen.size(), 0);
        QTRY_VERIFY(dialog.isNull());
    }

    void cancelAndEscapeAnswerNothing_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Cancel") << false;
        QTest::newRow("Escape") << true;
    }

    void cancelAndEscapeAnswerNothing()
    {
        QFETCH(bool, escape);
        const QPointer<TFR_REMINDER> dialog = open(Reminder(Now.addDays(1), Repeat::Daily));
        QSignalSpy chosen(dialog.data(), &TFR_REMINDER::reminderChosen);
        QSignalSpy cleared(dialog.data(), &TFR_REMINDER::reminderCleared);
        if (escape)
            QTest::keyClick(dialog.data(), Qt::Key_Escape);
        else
            QTest::mouseClick(child<QPushButton>(dialog, "btCancel"), Qt::LeftButton);
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(chosen.size() + cleared.size(), 0);
    }

    void controlsFitAndDoNotOverlap()
    {
        const QPointer<TFR_REMINDER> dialog = open(std::nullopt);
        const QRect client = dialog->rect();
        QList<QRect> taken;
        for (const char *name : {"edDate", "edTime", "cbRepeat", "btClear", "btOK", "btCancel"}) {
            const QRect r = child<QWidget>(dialog, name)->geometry();
            QVERIFY2(client.contains(r), name);
            for (const QRect &other : taken)
                QVERIFY2(!other.intersects(r), name);
            taken << r;
        }
        dialog->close();
    }
};

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    TestReminderDialog test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_reminder_dialog.moc"
