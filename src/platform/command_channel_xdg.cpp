#include "platform/command_channel.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMetaType>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QEventLoop>
#include <QTimer>

#include <memory>
#include <utility>

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

const QString ErrorPrefix = QStringLiteral("example.paperlet.Error.");

QString errorName(CommandReply::Failure failure)
{
    switch (failure) {
    case CommandReply::Failure::UnknownNote: return ErrorPrefix + QStringLiteral("UnknownNote");
    case CommandReply::Failure::BadArgument: return ErrorPrefix + QStringLiteral("BadArgument");
    default: return ErrorPrefix + QStringLiteral("Failed");
    }
}

} // namespace

Q_DECLARE_METATYPE(ListedNote)

QDBusArgument &operator<<(QDBusArgument &argument, const ListedNote &note)
{
    argument.beginStructure();
    argument << note.fileName << note.title;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, ListedNote &note)
{
    argument.beginStructure();
    argument >> note.fileName >> note.title;
    argument.endStructure();
    return argument;
}

// A call held open until the command is carried out.
class CommandReply::State
{
public:
    State(QDBusConnection bus, QDBusMessage call)
        : m_bus(std::move(bus))
        , m_call(std::move(call))
    {
    }
    ~State()
    {
        if (!m_answered)
            send(m_call.createErrorReply(errorName(Failure::Failed),
                                         QCoreApplication::translate("CommandSender", "the command failed in the running copy")));
    }
    State(const State &) = delete;
    State &operator=(const State &) = delete;

    void send(const QDBusMessage &reply)
    {
        if (std::exchange(m_answered, true))
            return;
        m_bus.send(reply);
    }
    QDBusMessage reply(const QVariant &value) const
    {
        return value.isValid() ? m_call.createReply(value) : m_call.createReply();
    }
    QDBusMessage error(Failure failure, const QString &message) const
    {
        return m_call.createErrorReply(errorName(failure), message);
    }

private:
    QDBusConnection m_bus;
    const QDBusMessage m_call;
    bool m_answered = false;
};

void CommandReply::answer()
{
    if (m_state)
        m_state->send(m_state->reply(QVariant()));
}

void CommandReply::answer(const QString &text)
{
    if (m_state)
        m_state->send(m_state->reply(text));
}

void CommandReply::answer(const QList<ListedNote> &notes)
{
    if (m_state)
        m_state->send(m_state->reply(QVariant::fromValue(notes)));
}

void CommandReply::fail(Failure failure, const QString &message)
{
    if (m_state)
        m_state->send(m_state->error(failure, message));
}

// The object on the bus: one method per command, named as D-Bus names
// methods. docs/command-interface.xml describes it; a test holds it to that.
class CommandReceiver::Endpoint final : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "example.paperlet.Commands")
public:
    explicit Endpoint(CommandReceiver *receiver)
        : m_receiver(receiver)
    {
        qDBusRegisterMetaType<ListedNote>();
        qDBusRegisterMetaType<QList<ListedNote>>();
    }

public Q_SLOTS:
    // The tray menu's commands; answered at once, carried out right after.
    void ShowAll() { queue(Command::ShowAll); }
    void HideAll() { queue(Command::HideAll); }
    void AllNotes() { queue(Command::AllNotes); }
    void Settings() { queue(Command::Settings); }
    void About() { queue(Command::About); }
    void Exit() { queue(Command::Exit); }
    // A plain start of another copy; true when it was answered with a note.
    void Start(bool &madeNote)
    {
        madeNote = m_receiver->startMakesNote();
        if (madeNote)
            queue(Command::NewNote);
    }
    // An empty new note, as the tray makes it; its file name.
    void NewNote(QString &file)
    {
        Q_UNUSED(file); // answered once made
        hold(requestOf(Command::NewNote));
    }
    // A new note holding `text`, reminding of itself at `when` unless that
    // is empty; its file name.
    void CreateNote(const QString &text, const QString &when, QString &file)
    {
        Q_UNUSED(file);
        CommandRequest request = requestOf(Command::NewNote);
        request.hasText = true;
        request.text = text;
        request.when = when;
        hold(request);
    }
    void List(QList<ListedNote> &notes)
    {
        Q_UNUSED(notes);
        hold(requestOf(Command::List));
    }
    void Find(const QString &words, QList<ListedNote> &notes)
    {
        Q_UNUSED(notes);
        CommandRequest request = requestOf(Command::Find);
        request.text = words;
        hold(request);
    }
    void ShowNote(const QString &file) { hold(requestOf(Command::ShowNote, file)); }
    void Text(const QString &file, QString &text)
    {
        Q_UNUSED(text);
        hold(requestOf(Command::Text, file));
    }
    void Remind(const QString &file, const QString &when)
    {
        CommandRequest request = requestOf(Command::Remind, file);
        request.when = when;
        hold(request);
    }

private:
    static CommandRequest requestOf(Command command, const QString &note = QString())
    {
        CommandRequest request;
        request.command = command;
        request.note = note;
        return request;
    }

    // Answered now; carried out from the event loop.
    void queue(Command command) { deliver(requestOf(command), CommandReply()); }

    // Answered once carried out, also from the event loop: never inside the
    // bus call, so a failure there is caught where it always is.
    void hold(const CommandRequest &request)
    {
        setDelayedReply(true);
        deliver(request, CommandReply(std::make_shared<CommandReply::State>(connection(), message())));
    }

    void deliver(const CommandRequest &request, const CommandReply &reply)
    {
        QMetaObject::invokeMethod(
            m_receiver, [receiver = m_receiver, request, reply] { Q_EMIT receiver->commandReceived(request, reply); },
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

namespace {

QDBusMessage callFor(const QString &service, const CommandRequest &request)
{
    const auto call = [&service](const char *method, const QVariantList &arguments = {}) {
        QDBusMessage message = QDBusMessage::createMethodCall(service, ObjectPath, Interface, QLatin1String(method));
        message.setArguments(arguments);
        return message;
    };
    switch (request.command) {
    case Command::NewNote:
        return request.hasText ? call("CreateNote", {request.text, request.when}) : call("NewNote");
    case Command::ShowAll: return call("ShowAll");
    case Command::HideAll: return call("HideAll");
    case Command::AllNotes: return call("AllNotes");
    case Command::Settings: return call("Settings");
    case Command::About: return call("About");
    case Command::Exit: return call("Exit");
    case Command::List: return call("List");
    case Command::Find: return call("Find", {request.text});
    case Command::ShowNote: return call("ShowNote", {request.note});
    case Command::Text: return call("Text", {request.note});
    case Command::Remind: return call("Remind", {request.note, request.when});
    default: return call("Start");
    }
}

// What the answer says, as the command line prints it.
QString printed(const QDBusMessage &reply)
{
    const QVariant value = reply.arguments().value(0);
    if (value.userType() == QMetaType::QString) {
        const QString text = value.toString();
        return text.isEmpty() || text.endsWith(QLatin1Char('\n')) ? text : text + QLatin1Char('\n');
    }
    if (value.canConvert<QDBusArgument>()) {
        QList<ListedNote> notes;
        qvariant_cast<QDBusArgument>(value) >> notes;
        return CommandLine::listLines(notes);
    }
    return QString();
}

} // namespace

Result send(const QString &instanceKey, const CommandRequest &request, QString *error, QString *output)
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
    qDBusRegisterMetaType<ListedNote>();
    qDBusRegisterMetaType<QList<ListedNote>>();
    const QDBusMessage reply = bus.call(callFor(name, request), QDBus::Block, AnswerTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage) {
        if (reply.errorName() == errorName(CommandReply::Failure::UnknownNote)) {
            *error = reply.errorMessage();
            return Result::Failed;
        }
        if (reply.errorName() == errorName(CommandReply::Failure::BadArgument)) {
            *error = reply.errorMessage();
            return Result::Refused;
        }
        *error = QCoreApplication::translate("CommandSender", "the running copy did not take the command: %1").arg(reply.errorMessage());
        return Result::Failed;
    }
    if (request.command == Command::Start && !reply.arguments().value(0).toBool())
        return Result::Declined;
    if (output)
        *output = printed(reply);
    return Result::Done;
}

} // namespace CommandSender

#include "command_channel_xdg.moc"
