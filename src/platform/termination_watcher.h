#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT (how a log-out or shutdown ends a program
// here) into one signal on the GUI thread, so that the program can run its
// orderly teardown instead of dying with unsaved notes.
class TerminationWatcher final : public QObject
{
    Q_OBJECT
public:
    explicit TerminationWatcher(QObject *parent = nullptr);
    ~TerminationWatcher() override;

Q_SIGNALS:
    void terminationRequested();

private:
    QSocketNotifier *m_notifier = nullptr;
};
