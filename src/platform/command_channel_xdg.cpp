#include "platform/command_channel.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QEventLoop>
#include <QTimer>

namespace {

const QString ObjectPath = QStringLiteral("/Paperlet");
const QString Interface = QStringLiteral("example.paperlet.Commands");
// A copy that holds the lock can still be building its first window.
constexpr int AnswerTimeoutMs = 15000;

// Bus names take no dots or leading digits inside an element.
QString serviceName(const QString &instanceKey)
{
    QString element = instanceKey;
    for (QChar &c : element)
        if (!c.isLetterOrNumber())
            c = QLatin1Char('_');
    return QStringLiteral("example.paperlet.") + element;
}

const char *methodOf(Command command)
{
    switch (command) {
    case Command::NewNote: return "NewNote";
    case Command::ShowAll: return "ShowAll";
    case Command::HideAll: return "HideAll";
    case Command::AllNotes: return "AllNotes";
    case Command::Settings: return "Settings";
    case Command::About: return "About";
    case Command::Exit: return "Exit";
    default: return "Start";
    }
}

bool waitForService(QDBusConnection &bus, const QString &name)
{
    QDBusConnectionInterface *names = bus.interface();
    if (!names)
        return false;
    QDBusServiceWatcher watcher(name, bus, QDBusServiceWatcher::WatchForRegistration);
    QEventLoop loop;
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceRegistered, &loop, &QEventLoop::quit);
    QTimer::singleShot(AnswerTimeoutMs, &loop, &QEventLoop::quit);
    // Asked after the watcher is in place, so that no registration is missed.
    if (!names->isServiceRegistered(name))
        loop.exec();
    return names->isServiceRegistered(name);
}

} // namespace

// The object on the bus: one method per command, named as D-Bus names methods.
class CommandReceiver::Endpoint final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "example.paperlet.Commands")
public:
    explicit Endpoint(CommandReceiver *receiver)
        : m_receiver(receiver)
    {
    }

public Q_SLOTS:
    void NewNote() { queue(Command::NewNote); }
    void ShowAll() { queue(Command::ShowAll); }
    void HideAll() { queue(Command::HideAll); }
    void AllNotes() { queue(Command::AllNotes); }
    void Settings() { queue(Command::Settings); }
    void About() { queue(Command::About); }
    void Exit() { queue(Command::Exit); }
    // A plain start of another copy; true when it was answered with a note.
    bool Start()
    {
        if (!m_receiver->startMakesNote())
            return false;
        queue(Command::NewNote);
        return true;
    }

private:
    void queue(Command command)
    {
        QMetaObject::invokeMethod(
            m_receiver, [receiver = m_receiver, command] { Q_EMIT receiver->commandReceived(command); },
            Qt::QueuedConnection);
    }

    CommandReceiver *const m_receiver;
};

CommandReceiver::CommandReceiver(const QString &instanceKey, QObject *parent)
    : QObject(parent)
    , m_key(instanceKey)
{
}

CommandReceiver::~CommandReceiver()
{
    if (!m_endpoint)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(serviceName(m_key));
    bus.unregisterObject(ObjectPath);
}

bool CommandReceiver::listen()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    auto endpoint = std::make_unique<Endpoint>(this);
    // The object first: a caller that sees the name finds it.
    if (!bus.registerObject(ObjectPath, endpoint.get(), QDBusConnection::ExportAllSlots))
        return false;
    if (!bus.registerService(serviceName(m_key))) {
        bus.unregisterObject(ObjectPath);
        return false;
    }
    m_endpoint = std::move(endpoint);
    return true;
}

namespace CommandSender {

Result send(const QString &instanceKey, Command command, QString *error)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        *error = QCoreApplication::translate("CommandSender", "no D-Bus session bus to reach the running copy (%1)")
                     .arg(bus.lastError().message());
        return Result::Failed;
    }
    const QString name = serviceName(instanceKey);
    if (!waitForService(bus, name)) {
        *error = QCoreApplication::translate("CommandSender", "the running copy does not answer on the D-Bus session bus");
        return Result::Failed;
    }
    const QDBusMessage reply = bus.call(
        QDBusMessage::createMethodCall(name, ObjectPath, Interface, QLatin1String(methodOf(command))),
        QDBus::Block, AnswerTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        *error = QCoreApplication::translate("CommandSender", "the running copy did not take the command: %1").arg(reply.errorMessage());
        return Result::Failed;
    }
    if (command == Command::Start && !reply.arguments().value(0).toBool())
        return Result::Declined;
    return Result::Done;
}

} // namespace CommandSender

#include "command_channel_xdg.moc"
