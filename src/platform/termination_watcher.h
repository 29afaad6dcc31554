#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the end of the session (SIGTERM, SIGHUP, SIGINT, or the session
// manager's request) into one signal on the GUI thread, so that the program
// can run its orderly teardown instead of dying with unsaved notes.
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
