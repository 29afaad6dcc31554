#pragma once

#include "core/reminder.h"
#include "dialogs/fixed_dialog.h"

#include <optional>

class QComboBox;
class QDateEdit;
class QPushButton;
class QTimeEdit;

// FR_REMINDER: a note's reminder: date, time and repeat, and Clear. Modal,
// one per opening, destroys itself when closed; the note hears the answer
// through its signals (Cancel sends none).
class TFR_REMINDER final : public FixedDialog
{
    Q_OBJECT
public:
    // Opens on `current`, or on the next full hour after `now` (local time).
    TFR_REMINDER(const std::optional<Reminder> &current, const QDateTime &now, QWidget *parent = nullptr);

Q_SIGNALS:
    // OK: the reminder at the chosen local date and time, in the system's zone.
    void reminderChosen(const Reminder &reminder);
    // Clear: the note has no reminder any more.
    void reminderCleared();

private:
    QDateEdit *edDate = nullptr;
    QTimeEdit *edTime = nullptr;
    QComboBox *cbRepeat = nullptr;
    QPushButton *btClear = nullptr;
    QPushButton *btOK = nullptr;
    QPushButton *btCancel = nullptr;

private Q_SLOTS:
    void btOKClick();
    void btClearClick();
};
