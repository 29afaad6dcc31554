#include "platform/command_channel.h"

#include <QCoreApplication>

// Windows has no session message bus: the program runs without a command
// line there, and a new start says so instead of pretending.

class CommandReceiver::Endpoint final
{
};

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

Result send(const QString &, Command, QString *error)
{
    *error = QCoreApplication::translate("CommandSender", "commands to the running copy are not supported on this system");
    return Result::Failed;
}

} // namespace CommandSender
