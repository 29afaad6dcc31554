#include "platform/global_shortcut_backends.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

using Action = GlobalShortcuts::Action;

const QString Service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString DesktopPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString Interface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString RequestInterface = QStringLiteral("org.freedesktop.portal.Request");

// One entry of the portal's a(sa{sv}) shortcut lists.
struct PortalShortcut
{
    QString id;
    QVariantMap properties;
};

QDBusArgument &operator<<(QDBusArgument &argument, const PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument << shortcut.id << shortcut.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, PortalShortcut &shortcut)
{
    argument.beginStructure();
    argument >> shortcut.id >> shortcut.properties;
    argument.endStructure();
    return argument;
}

} // namespace

Q_DECLARE_METATYPE(PortalShortcut)

namespace {

// The freedesktop shortcut notation the portal takes: "CTRL+ALT+SHIFT+n".
QString triggerText(const QKeySequence &keys)
{
    const QKeyCombination c = keys[0];
    QString text;
    if (c.keyboardModifiers() & Qt::ControlModifier)
        text += QStringLiteral("CTRL+");
    if (c.keyboardModifiers() & Qt::AltModifier)
        text += QStringLiteral("ALT+");
    if (c.keyboardModifiers() & Qt::ShiftModifier)
        text += QStringLiteral("SHIFT+");
    if (c.keyboardModifiers() & Qt::MetaModifier)
        text += QStringLiteral("LOGO+");
    return text + QKeySequence(c.key()).toString(QKeySequence::PortableText).toLower();
}

// The desktop portal: the desktop asks the user and may give other keys.
// Its answers come as Response signals on request objects.
class PortalShortcuts final : public GlobalShortcuts
{
    Q_OBJECT
public:
    PortalShortcuts(const QDBusConnection &bus, QObject *parent) : GlobalShortcuts(parent), m_bus(bus)
    {
        qDBusRegisterMetaType<PortalShortcut>();
        qDBusRegisterMetaType<QList<PortalShortcut>>();
        m_bus.connect(Service, DesktopPath, Interface, QStringLiteral("Activated"), this,
                      SLOT(onActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
        QDBusMessage create = QDBusMessage::createMethodCall(Service, DesktopPath, Interface,
                                                             QStringLiteral("CreateSession"));
        create << QVariantMap{{QStringLiteral("handle_token"), expectResponse(SLOT(onSessionCreated(uint, QVariantMap)))},
                              {QStringLiteral("session_handle_token"), QStringLiteral("paperlet")}};
        m_bus.asyncCall(create);
    }

    QString backendName() const override { return tr("desktop portal"); }

    void bind(const QList<Binding> &bindings) override
    {
        m_wanted = bindings;
        if (!m_session.path().isEmpty())
            sendBindings();
    }

private Q_SLOTS:
    void onSessionCreated(uint response, const QVariantMap &results)
    {
        if (response != 0)
            return answerFailure(response);
        m_session = QDBusObjectPath(results.value(QStringLiteral("session_handle")).toString());
        if (!m_wanted.isEmpty())
            sendBindings();
    }

    void onBound(uint response, const QVariantMap &results)
    {
        if (response != 0)
            return answerFailure(response);
        QList<PortalShortcut> given;
        results.value(QStringLiteral("shortcuts")).value<QDBusArgument>() >> given;
        // Nothing at all, not even the keys it chose itself: the portal could
        // not tell who asks (a program started outside an application scope).
        if (given.isEmpty())
            return Q_EMIT failed();
        for (const Binding &b : std::as_const(m_wanted)) {
            if (b.keys.isEmpty())
                continue;
            const auto it = std::find_if(given.cbegin(), given.cend(),
                                         [&b](const PortalShortcut &s) { return s.id == actionId(b.action); });
            const QString trigger = it == given.cend()
                ? QString()
                : it->properties.value(QStringLiteral("trigger_description")).toString();
            if (trigger.isEmpty())
                Q_EMIT refused(b.action, b.keys, QString());
            else
                Q_EMIT taken(b.action, QKeySequence::fromString(trigger, QKeySequence::NativeText));
        }
    }

    void onActivated(const QDBusObjectPath &session, const QString &id, qulonglong, const QVariantMap &)
    {
        if (session != m_session)
            return;
        for (const Binding &b : std::as_const(m_wanted))
            if (actionId(b.action) == id)
                Q_EMIT activated(b.action);
    }

private:
    // A fresh handle token, with the slot connected to its request's Response
    // before the call is made, so no answer is missed.
    QString expectResponse(const char *slot)
    {
        const QString token = QStringLiteral("paperlet%1").arg(++m_requests);
        QString sender = m_bus.baseService().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        m_bus.connect(Service, DesktopPath + QStringLiteral("/request/") + sender + QLatin1Char('/') + token,
                      RequestInterface, QStringLiteral("Response"), this, slot);
        return token;
    }

    void sendBindings()
    {
        QList<PortalShortcut> shortcuts;
        for (const Binding &b : std::as_const(m_wanted)) {
            QVariantMap properties{{QStringLiteral("description"), actionText(b.action)}};
            if (!b.keys.isEmpty())
                properties.insert(QStringLiteral("preferred_trigger"), triggerText(b.keys));
            shortcuts.append({actionId(b.action), properties});
        }
        QDBusMessage message
            = QDBusMessage::createMethodCall(Service, DesktopPath, Interface, QStringLiteral("BindShortcuts"));
        message << QVariant::fromValue(m_session) << QVariant::fromValue(shortcuts) << QString()
                << QVariantMap{{QStringLiteral("handle_token"), expectResponse(SLOT(onBound(uint, QVariantMap)))}};
        m_bus.asyncCall(message);
    }

    // Response 1 is the user saying no: that stands. Anything else is the
    // portal failing, and the next way is tried.
    void answerFailure(uint response)
    {
        if (response != 1)
            return Q_EMIT failed();
        refuseAll();
    }

    void refuseAll()
    {
        for (const Binding &b : std::as_const(m_wanted))
            if (!b.keys.isEmpty())
                Q_EMIT refused(b.action, b.keys, QString());
    }

    QDBusConnection m_bus;
    QDBusObjectPath m_session;
    QList<Binding> m_wanted;
    int m_requests = 0;
};

} // namespace

namespace GlobalShortcutBackends {

std::unique_ptr<GlobalShortcuts> portal(QObject *parent)
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(Service))
        return nullptr;
    // The portal lists only the interfaces some backend of this desktop serves.
    QDBusMessage get = QDBusMessage::createMethodCall(Service, DesktopPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("Get"));
    get << Interface << QStringLiteral("version");
    if (bus.call(get, QDBus::Block, 3000).type() != QDBusMessage::ReplyMessage)
        return nullptr;
    return std::make_unique<PortalShortcuts>(bus, parent);
}

} // namespace GlobalShortcutBackends

#include "global_shortcuts_portal_xdg.moc"
