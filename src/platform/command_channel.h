#pragma once

#include "core/command_line.h"

#include <QObject>
#include <QString>

#include <memory>
#include <utility>

// Carries commands from a new start of the program to the copy that runs,
// over the desktop's session message bus. Both ends are named after the
// instance key, so that copies of other versions do not hear each other.

// The answer to one command that came over the bus; copies share it. The
// first answer counts. A command nobody answered (its handler failed) is
// answered as failed when the last copy goes, so no caller waits for ever.
// A default-made reply is one nobody waits for.
class CommandReply
{
public:
    enum class Failure {
        UnknownNote,   // the note named is not there
        BadArgument,   // the command was given something it cannot use
        Failed,        // anything else
    };

    // Shared, so the platform's state may stay incomplete here.
    CommandReply() = default;

    void answer();
    void answer(const QString &text);
    void answer(const QList<ListedNote> &notes);
    void fail(Failure failure, const QString &message);

    class State;
    explicit CommandReply(std::shared_ptr<State> state)
        : m_state(std::move(state))
    {
    }

private:
    std::shared_ptr<State> m_state;
};

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
    void commandReceived(const CommandRequest &request, const CommandReply &reply);

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
    Failed,      // no bus or no answer, or no such note; error says why
    Refused,     // the command's arguments were wrong; error says why
};

// Waits a while for a copy that is still starting to come onto the bus.
// Needs an application object (it runs a local event loop while it waits).
// What the command answers, as the command line prints it, goes to output.
Result send(const QString &instanceKey, const CommandRequest &request, QString *error, QString *output = nullptr);

} // namespace CommandSender
