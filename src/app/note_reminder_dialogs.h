#pragma once

#include <QObject>

class Clock;
class QWidget;
class TFR_NOTE;

// Opens the reminder dialog for a note whose menu asked for it, and puts
// the answer into the note's document.
class NoteReminderDialogs final : public QObject
{
    Q_OBJECT
public:
    explicit NoteReminderDialogs(const Clock &clock, QObject *parent = nullptr);

    // The dialog over `note`; returns when it is closed.
    void edit(TFR_NOTE &note);

private:
    void watch(QWidget *form);

    const Clock &m_clock;
};
