#pragma once

#include "core/command_line.h"

#include <QObject>
#include <QString>

#include <memory>

// Carries commands from a new start of the program to the copy that runs,
// over the desktop's session message bus. Both ends are named after the
// instance key, so that copies of other versions do not hear each other.

// The running copy's end.
class CommandReceiver final : public QObject
{
    Q_OBJECT
public:
    explicit CommandReceiver(const QString &instanceKey, QObject *parent = nullptr);
    ~CommandReceiver() override;

    // Offers the commands on the bus; false where there is no bus or the name
    // is taken (the program then runs without a command line).
    bool listen();

    // Whether a plain start of another copy makes a note here (the desktop
    // shows no tray) rather than being told that a copy runs.
    void setStartMakesNote(bool makesNote) { m_startMakesNote = makesNote; }
    bool startMakesNote() const { return m_startMakesNote; }

Q_SIGNALS:
    // Delivered from the event loop, never inside the bus call, so that a
    // modal dialog or a failure does not hold up the caller.
    void commandReceived(Command command);

private:
    class Endpoint;
    const QString m_key;
    bool m_startMakesNote = false;
    std::unique_ptr<Endpoint> m_endpoint;
};

// The new start's end.
namespace CommandSender {

enum class Result {
    Done,        // the running copy took the command
    Declined,    // a plain start that the running copy leaves to the warning
    Failed,      // no bus or no answer; error says why
};

// Waits a while for a copy that is still starting to come onto the bus.
// Needs an application object (it runs a local event loop while it waits).
Result send(const QString &instanceKey, Command command, QString *error);

} // namespace CommandSender
