#include "platform/global_shortcut_backends.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>

namespace {

using Action = GlobalShortcuts::Action;

const QString Service = QStringLiteral("org.kde.kglobalaccel");
const QString Component = QStringLiteral("paperlet");
// kglobalaccel's setShortcut flags: the keys are present now, and not the
// ones it may remember from an earlier run.
constexpr uint SetPresent = 2;
constexpr uint NoAutoloading = 4;

// KDE's own service for global shortcuts (kglobalaccel5), on the session bus.
class KdeShortcuts final : public GlobalShortcuts
{
    Q_OBJECT
public:
    KdeShortcuts(const QDBusConnection &bus, QObject *parent) : GlobalShortcuts(parent), m_bus(bus)
    {
        m_bus.connect(Service, QStringLiteral("/component/") + Component, QStringLiteral("org.kde.kglobalaccel.Component"),
                      QStringLiteral("globalShortcutPressed"), this, SLOT(onPressed(QString, QString, qlonglong)));
    }

    QString backendName() const override { return tr("KDE global shortcuts"); }

    void bind(const QList<Binding> &bindings) override
    {
        m_bound.clear();
        for (const Binding &b : bindings) {
            const QStringList id{Component, actionId(b.action), QStringLiteral("Paperlet"), actionText(b.action)};
            call(QStringLiteral("doRegister"), {id});
            QList<int> keys;
            if (!b.keys.isEmpty())
                keys << b.keys[0].toCombined();
            const QDBusReply<QList<int>> given
                = call(QStringLiteral("setShortcut"), {id, QVariant::fromValue(keys), SetPresent | NoAutoloading});
            if (keys.isEmpty())
                continue;
            m_bound.append(b.action);
            if (given.isValid() && given.value() == keys)
                Q_EMIT taken(b.action, b.keys);
            else
                Q_EMIT refused(b.action, b.keys, holderOf(keys.first()));
        }
    }

private Q_SLOTS:
    void onPressed(const QString &component, const QString &action, qlonglong)
    {
        if (component != Component)
            return;
        for (const Action a : m_bound)
            if (actionId(a) == action)
                Q_EMIT activated(a);
    }

private:
    QDBusMessage call(const QString &method, const QVariantList &arguments) const
    {
        QDBusMessage message = QDBusMessage::createMethodCall(Service, QStringLiteral("/kglobalaccel"),
                                                              QStringLiteral("org.kde.KGlobalAccel"), method);
        message.setArguments(arguments);
        return m_bus.call(message, QDBus::Block, 5000);
    }

    // "Component: action" of whoever has the key, as the service names them.
    QString holderOf(int key) const
    {
        const QDBusReply<QStringList> holder = call(QStringLiteral("action"), {key});
        if (!holder.isValid() || holder.value().size() < 4)
            return QString();
        return holder.value().at(2) + QStringLiteral(": ") + holder.value().at(3);
    }

    QDBusConnection m_bus;
    QList<Action> m_bound;
};

} // namespace

namespace GlobalShortcutBackends {

std::unique_ptr<GlobalShortcuts> kglobalaccel(QObject *parent)
{
    const QDBusConnection bus = QDBusConnection::sessionBus();
    // Only a running service: asking would start one on desktops that are not KDE's.
    if (!bus.isConnected() || !bus.interface()->isServiceRegistered(Service))
        return nullptr;
    return std::make_unique<KdeShortcuts>(bus, parent);
}

std::vector<Maker> inOrder()
{
    return {portal, kglobalaccel, x11};
}

} // namespace GlobalShortcutBackends

#include "global_shortcuts_kde_xdg.moc"
