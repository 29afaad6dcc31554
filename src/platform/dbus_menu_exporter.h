#pragma once

#include <QDBusConnection>
#include <QDBusVariant>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>

class QAction;
class QMenu;

// One item of the exported menu with its children, as GetLayout hands it out.
struct DBusMenuLayoutItem
{
    int id = 0;
    QVariantMap properties;
    QList<DBusMenuLayoutItem> children;
};

// One item's properties, by id.
struct DBusMenuItem
{
    int id = 0;
    QVariantMap properties;
};
using DBusMenuItemList = QList<DBusMenuItem>;

// Properties that went back to their defaults, by id.
struct DBusMenuItemKeys
{
    int id = 0;
    QStringList properties;
};
using DBusMenuItemKeysList = QList<DBusMenuItemKeys>;

struct DBusMenuEvent
{
    int id = 0;
    QString eventId;
    // Never empty: the bus types are worked out from a default value, and an
    // empty variant has none.
    QDBusVariant data{QVariant(0)};
    uint timestamp = 0;
};
using DBusMenuEventList = QList<DBusMenuEvent>;

Q_DECLARE_METATYPE(DBusMenuLayoutItem)
Q_DECLARE_METATYPE(DBusMenuItem)
Q_DECLARE_METATYPE(DBusMenuItemKeys)
Q_DECLARE_METATYPE(DBusMenuEvent)

// A menu of the program published on the session bus over the dbusmenu
// protocol, so that a status-notifier host draws it itself: its items with
// captions, icons, ticks and enabled states, kept up to date as the actions
// change, and a click there triggers the action here. Item 0 is the menu;
// the others keep their ids for the life of the exporter.
class DBusMenuExporter final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.canonical.dbusmenu")
    Q_PROPERTY(uint Version READ version CONSTANT)
    Q_PROPERTY(QString TextDirection READ textDirection CONSTANT)
    Q_PROPERTY(QString Status READ status CONSTANT)
    Q_PROPERTY(QStringList IconThemePath READ iconThemePath CONSTANT)
public:
    explicit DBusMenuExporter(QMenu *menu, QObject *parent = nullptr);
    ~DBusMenuExporter() override;

    // Publishes the menu at path; false when the bus refuses.
    bool publish(QDBusConnection bus, const QString &path);

    uint version() const { return 3; }
    QString textDirection() const;
    QString status() const { return QStringLiteral("normal"); }
    QStringList iconThemePath() const { return {}; }

    // The caption in the protocol's terms: "_" marks the mnemonic, "__" is a
    // plain underscore.
    static QString labelOf(const QString &text);

public Q_SLOTS:
    uint GetLayout(int parentId, int recursionDepth, const QStringList &propertyNames, DBusMenuLayoutItem &layout);
    DBusMenuItemList GetGroupProperties(const QList<int> &ids, const QStringList &propertyNames);
    QDBusVariant GetProperty(int id, const QString &name);
    void Event(int id, const QString &eventId, const QDBusVariant &data, uint timestamp);
    QList<int> EventGroup(const DBusMenuEventList &events);
    bool AboutToShow(int id);
    QList<int> AboutToShowGroup(const QList<int> &ids, QList<int> &idErrors);

Q_SIGNALS:
    void ItemsPropertiesUpdated(const DBusMenuItemList &updatedProps, const DBusMenuItemKeysList &removedProps);
    void LayoutUpdated(uint revision, int parent);
    void ItemActivationRequested(int id, uint timestamp);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int idOf(QAction *action);
    QAction *actionOf(int id) const;
    // The menu an item opens: the exported menu for 0, a submenu, or null.
    QMenu *menuOf(int id) const;
    QVariantMap propertiesOf(int id, const QStringList &names) const;
    DBusMenuLayoutItem layoutOf(int id, int depth, const QStringList &names);
    void watch(QMenu *menu);
    void layoutChanged();
    // Whether the event was for a known item.
    bool deliver(int id, const QString &eventId);

    QPointer<QMenu> m_menu;
    QHash<QAction *, int> m_ids;
    QHash<int, QPointer<QAction>> m_actions;
    QList<QPointer<QMenu>> m_watched;
    int m_nextId = 1;
    uint m_revision = 1;
    bool m_layoutPending = false;
    QDBusConnection m_bus{QString()};
    QString m_path;
};
