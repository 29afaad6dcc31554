#include "platform/dbus_menu_exporter.h"

#include <QAction>
#include <QActionEvent>
#include <QActionGroup>
#include <QBuffer>
#include <QDBusArgument>
#include <QDBusMetaType>
#include <QGuiApplication>
#include <QMenu>
#include <QTimer>

namespace {

constexpr int IconSize = 16;

} // namespace

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuLayoutItem &item)
{
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.beginArray(qMetaTypeId<QDBusVariant>());
    for (const DBusMenuLayoutItem &child : item.children)
        argument << QDBusVariant(QVariant::fromValue(child));
    argument.endArray();
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuLayoutItem &item)
{
    argument.beginStructure();
    argument >> item.id >> item.properties;
    argument.beginArray();
    while (!argument.atEnd()) {
        QDBusVariant child;
        argument >> child;
        item.children.append(qdbus_cast<DBusMenuLayoutItem>(child.variant()));
    }
    argument.endArray();
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuItem &item)
{
    argument.beginStructure();
    argument << item.id << item.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuItem &item)
{
    argument.beginStructure();
    argument >> item.id >> item.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuItemKeys &keys)
{
    argument.beginStructure();
    argument << keys.id << keys.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuItemKeys &keys)
{
    argument.beginStructure();
    argument >> keys.id >> keys.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const DBusMenuEvent &event)
{
    argument.beginStructure();
    argument << event.id << event.eventId << event.data << event.timestamp;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, DBusMenuEvent &event)
{
    argument.beginStructure();
    argument >> event.id >> event.eventId >> event.data >> event.timestamp;
    argument.endStructure();
    return argument;
}

DBusMenuExporter::DBusMenuExporter(QMenu *menu, QObject *parent)
    : QObject(parent)
    , m_menu(menu)
{
    qDBusRegisterMetaType<DBusMenuLayoutItem>();
    qDBusRegisterMetaType<DBusMenuItem>();
    qDBusRegisterMetaType<DBusMenuItemList>();
    qDBusRegisterMetaType<DBusMenuItemKeys>();
    qDBusRegisterMetaType<DBusMenuItemKeysList>();
    qDBusRegisterMetaType<DBusMenuEvent>();
    qDBusRegisterMetaType<DBusMenuEventList>();
    // Slots are matched to bus types by the names they are declared with.
    qRegisterMetaType<DBusMenuItemList>("DBusMenuItemList");
    qRegisterMetaType<DBusMenuItemKeysList>("DBusMenuItemKeysList");
    qRegisterMetaType<DBusMenuEventList>("DBusMenuEventList");
    qDBusRegisterMetaType<QList<int>>();
    if (menu)
        watch(menu);
}

DBusMenuExporter::~DBusMenuExporter()
{
    if (!m_path.isEmpty())
        m_bus.unregisterObject(m_path);
}

bool DBusMenuExporter::publish(QDBusConnection bus, const QString &path)
{
    if (!m_path.isEmpty())
        return true;
    if (!bus.registerObject(path, this, QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals
                                            | QDBusConnection::ExportAllProperties))
        return false;
    m_bus = bus;
    m_path = path;
    return true;
}

QString DBusMenuExporter::textDirection() const
{
    return QGuiApplication::layoutDirection() == Qt::RightToLeft ? QStringLiteral("rtl") : QStringLiteral("ltr");
}

QString DBusMenuExporter::labelOf(const QString &text)
{
    QString label;
    label.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('_')) {
            label += QStringLiteral("__");
        } else if (c == QLatin1Char('&')) {
            // "&&" is a plain ampersand, a lone one marks the next letter.
            if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('&'))
                label += text.at(++i);
            else if (i + 1 < text.size())
                label += QLatin1Char('_');
        } else {
            label += c;
        }
    }
    return label;
}

int DBusMenuExporter::idOf(QAction *action)
{
    const auto known = m_ids.constFind(action);
    if (known != m_ids.constEnd())
        return *known;
    const int id = m_nextId++;
    m_ids.insert(action, id);
    m_actions.insert(id, action);
    connect(action, &QObject::destroyed, this, [this, action, id] {
        m_ids.remove(action);
        m_actions.remove(id);
    });
    if (action->menu())
        watch(action->menu());
    return id;
}

QAction *DBusMenuExporter::actionOf(int id) const
{
    return m_actions.value(id);
}

QMenu *DBusMenuExporter::menuOf(int id) const
{
    if (id == 0)
        return m_menu;
    const QAction *action = actionOf(id);
    return action ? action->menu() : nullptr;
}

QVariantMap DBusMenuExporter::propertiesOf(int id, const QStringList &names) const
{
    QVariantMap properties;
    if (id == 0) {
        properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
    } else if (const QAction *action = actionOf(id)) {
        // Only what differs from the protocol's defaults.
        if (action->isSeparator()) {
            properties.insert(QStringLiteral("type"), QStringLiteral("separator"));
        } else {
            properties.insert(QStringLiteral("label"), labelOf(action->text()));
            if (!action->icon().isNull() && action->isIconVisibleInMenu()) {
                QByteArray png;
                QBuffer buffer(&png);
                buffer.open(QIODevice::WriteOnly);
                action->icon().pixmap(QSize(IconSize, IconSize), 1.0).save(&buffer, "PNG");
                properties.insert(QStringLiteral("icon-data"), png);
            }
            if (action->isCheckable()) {
                const bool radio = action->actionGroup() && action->actionGroup()->isExclusive();
                properties.insert(QStringLiteral("toggle-type"), radio ? QStringLiteral("radio") : QStringLiteral("checkmark"));
                properties.insert(QStringLiteral("toggle-state"), action->isChecked() ? 1 : 0);
            }
            if (action->menu())
                properties.insert(QStringLiteral("children-display"), QStringLiteral("submenu"));
        }
        if (!action->isEnabled())
            properties.insert(QStringLiteral("enabled"), false);
        if (!action->isVisible())
            properties.insert(QStringLiteral("visible"), false);
    }
    if (names.isEmpty())
        return properties;
    QVariantMap wanted;
    for (const QString &name : names)
        if (properties.contains(name))
            wanted.insert(name, properties.value(name));
    return wanted;
}

DBusMenuLayoutItem DBusMenuExporter::layoutOf(int id, int depth, const QStringList &names)
{
    DBusMenuLayoutItem item{id, propertiesOf(id, names), {}};
    const QMenu *menu = menuOf(id);
    if (!menu || depth == 0)
        return item;
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions)
        item.children.append(layoutOf(idOf(action), depth < 0 ? -1 : depth - 1, names));
    return item;
}

uint DBusMenuExporter::GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames,
                                 DBusMenuLayoutItem &layout)
{
    layout = layoutOf(parentId, recursionDepth, propertyNames);
    return m_revision;
}

DBusMenuItemList DBusMenuExporter::GetGroupProperties(const QList<int> &ids, const QStringList &propertyNames)
{
    DBusMenuItemList items;
    for (const int id : ids)
        if (id == 0 || actionOf(id))
            items.append({id, propertiesOf(id, propertyNames)});
    return items;
}

QDBusVariant DBusMenuExporter::GetProperty(int id, const QString &name)
{
    return QDBusVariant(propertiesOf(id, {name}).value(name));
}

void DBusMenuExporter::Event(int id, const QString &eventId, const QDBusVariant &, uint)
{
    deliver(id, eventId);
}

QList<int> DBusMenuExporter::EventGroup(const DBusMenuEventList &events)
{
    QList<int> errors;
    for (const DBusMenuEvent &event : events)
        if (!deliver(event.id, event.eventId))
            errors.append(event.id);
    return errors;
}

bool DBusMenuExporter::deliver(int id, const QString &eventId)
{
    QMenu *menu = menuOf(id);
    QAction *action = actionOf(id);
    if (!menu && !action)
        return false;
    if (eventId == QLatin1String("clicked") && action && action->isEnabled() && !action->menu()) {
        // After the reply: the command may run a modal loop of its own.
        QMetaObject::invokeMethod(action, &QAction::trigger, Qt::QueuedConnection);
    } else if (eventId == QLatin1String("opened") && menu) {
        Q_EMIT menu->aboutToShow();
    } else if (eventId == QLatin1String("closed") && menu) {
        Q_EMIT menu->aboutToHide();
    }
    return true;
}

bool DBusMenuExporter::AboutToShow(int id)
{
    QMenu *menu = menuOf(id);
    if (!menu)
        return false;
    // Lets the owner bring ticks and states up to date, as for its own popup.
    Q_EMIT menu->aboutToShow();
    return m_layoutPending;
}

QList<int> DBusMenuExporter::AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors)
{
    QList<int> updatesNeeded;
    for (const int id : ids) {
        if (!menuOf(id))
            idErrors.append(id);
        else if (AboutToShow(id))
            updatesNeeded.append(id);
    }
    return updatesNeeded;
}

void DBusMenuExporter::watch(QMenu *menu)
{
    if (m_watched.contains(menu))
        return;
    m_watched.append(menu);
    menu->installEventFilter(this);
}

bool DBusMenuExporter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ActionAdded:
    case QEvent::ActionRemoved:
        layoutChanged();
        break;
    case QEvent::ActionChanged: {
        QAction *action = static_cast<QActionEvent *>(event)->action();
        if (m_ids.contains(action)) {
            // A caption, tick or state: the host asks again for the whole
            // item, and "removed" tells it which defaults came back.
            const int id = m_ids.value(action);
            const QVariantMap now = propertiesOf(id, {});
            QStringList defaults;
            for (const char *name : {"enabled", "visible", "icon-data", "toggle-type", "toggle-state"})
                if (!now.contains(QLatin1String(name)))
                    defaults.append(QLatin1String(name));
            Q_EMIT ItemsPropertiesUpdated({{id, now}}, {{id, defaults}});
            if (action->menu())
                watch(action->menu());
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void DBusMenuExporter::layoutChanged()
{
    if (m_layoutPending)
        return;
    m_layoutPending = true;
    // One update for a run of changes.
    QTimer::singleShot(0, this, [this] {
        m_layoutPending = false;
        Q_EMIT LayoutUpdated(++m_revision, 0);
    });
}
