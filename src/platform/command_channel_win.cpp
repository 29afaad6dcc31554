#include "platform/command_channel.h"

#include <QCoreApplication>

#include <utility>

// Windows has no session message bus: the program runs without a command
// line there, and a new start says so instead of pretending.

class CommandReceiver::Endpoint final
{
};

class CommandReply::State final
{
};

// Nothing comes over a bus here, so nobody waits for an answer.
void CommandReply::answer() {}
void CommandReply::answer(const QString &) {}
void CommandReply::answer(const QList<ListedNote> &) {}
void CommandReply::fail(Failure, const QString &) {}

CommandReceiver::CommandReceiver(const QString &instanceKey, QObject *parent)
    : QObject(parent)
    , m_key(instanceKey)
{
}

CommandReceiver::~CommandReceiver() = default;

bool CommandReceiver::listen()
{
    return false;
}

namespace CommandSender {

Result send(const QString &, const CommandRequest &, QString *error, QString *)
{
    *error = QCoreApplication::translate("CommandSender", "commands to the running copy are not supported on this system");
    return Result::Failed;
}

} // namespace CommandSender
