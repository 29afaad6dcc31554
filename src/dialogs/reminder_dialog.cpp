#include "dialogs/reminder_dialog.h"

#include "framework/guarded.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QTimeEdit>

namespace {

QDateTime nextFullHour(const QDateTime &now)
{
    const QDateTime local = now.toLocalTime();
    return QDateTime(local.date(), QTime(local.time().hour(), 0)).addSecs(3600);
}

} // namespace

TFR_REMINDER::TFR_REMINDER(const std::optional<Reminder> &current, const QDateTime &now, QWidget *parent)
    : FixedDialog(tr("Reminder"), QSize(264, 132), parent)
{
    const QDateTime shown = current ? current->due() : nextFullHour(now);

    QLabel *lbDate = addLabel(tr("&Date:"), this, 8, 14);
    edDate = new QDateEdit(shown.date(), this);
    edDate->setCalendarPopup(true);
    edDate->setGeometry(80, 10, 176, 21);
    QLabel *lbTime = addLabel(tr("&Time:"), this, 8, 41);
    edTime = new QTimeEdit(shown.time(), this);
    edTime->setDisplayFormat(QStringLiteral("HH:mm"));
    edTime->setGeometry(80, 37, 176, 21);
    QLabel *lbRepeat = addLabel(tr("&Repeat:"), this, 8, 68);
    cbRepeat = new QComboBox(this);
    cbRepeat->addItems({tr("Never"), tr("Daily"), tr("Weekdays"), tr("Weekly"), tr("Monthly"), tr("Yearly")});
    cbRepeat->setCurrentIndex(current ? int(current->repeat()) : 0);
    cbRepeat->setGeometry(80, 64, 176, 21);

    btClear = new QPushButton(tr("C&lear"), this);
    btClear->setGeometry(8, 100, 75, 25);
    btClear->setEnabled(current.has_value());
    btOK = new QPushButton(tr("OK"), this);
    btOK->setGeometry(100, 100, 75, 25);
    btOK->setDefault(true);
    btCancel = new QPushButton(tr("Cancel"), this);
    btCancel->setGeometry(181, 100, 75, 25);

    // Each label's accelerator goes to its field, which screen readers name after it.
    for (const auto &[label, field] : {std::pair<QLabel *, QWidget *>{lbDate, edDate}, {lbTime, edTime},
                                       {lbRepeat, cbRepeat}}) {
        label->setBuddy(field);
        field->setAccessibleName(label->text().remove(QLatin1Char('&')));
    }
    nameControls({{edDate, "edDate"}, {edTime, "edTime"}, {cbRepeat, "cbRepeat"}, {btClear, "btClear"},
                  {btOK, "btOK"}, {btCancel, "btCancel"}});
    connect(btOK, &QPushButton::clicked, this, guarded(this, &TFR_REMINDER::btOKClick));
    connect(btClear, &QPushButton::clicked, this, guarded(this, &TFR_REMINDER::btClearClick));
    connect(btCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TFR_REMINDER::btOKClick()
{
    const QDateTime at(edDate->date(), QTime(edTime->time().hour(), edTime->time().minute()),
                       QTimeZone::systemTimeZone());
    Q_EMIT reminderChosen(Reminder(at, Reminder::Repeat(cbRepeat->currentIndex())));
    accept();
}

void TFR_REMINDER::btClearClick()
{
    Q_EMIT reminderCleared();
    accept();
}
