#pragma once

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QIcon>
#include <QList>
#include <QObject>
#include <QSystemTrayIcon>

class DBusMenuExporter;
class QMenu;

// One picture of the item's icon as the protocol carries it: ARGB32 words
// in network byte order.
struct SniPixmap
{
    int width = 0;
    int height = 0;
    QByteArray argb;
};
using SniPixmaps = QList<SniPixmap>;

struct SniToolTip
{
    QString iconName;
    SniPixmaps pixmaps;
    QString title;
    QString text;
};

Q_DECLARE_METATYPE(SniPixmap)
Q_DECLARE_METATYPE(SniToolTip)

// The program's tray icon as a status-notifier item of its own on the
// session bus: the host draws it from the pixmaps and reports clicks, which
// come out as the reasons Qt's tray icon reports. Its menu is exported for
// the host to draw; a host that asks the item to open it (ContextMenu)
// instead gets Context, and the program opens its own.
class StatusNotifierItem final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category CONSTANT)
    Q_PROPERTY(QString Id READ id CONSTANT)
    Q_PROPERTY(QString Title READ title CONSTANT)
    Q_PROPERTY(QString Status READ status CONSTANT)
    Q_PROPERTY(int WindowId READ windowId CONSTANT)
    Q_PROPERTY(QString IconName READ iconName CONSTANT)
    Q_PROPERTY(SniPixmaps IconPixmap READ iconPixmap CONSTANT)
    Q_PROPERTY(SniToolTip ToolTip READ toolTip CONSTANT)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu CONSTANT)
    Q_PROPERTY(QDBusObjectPath Menu READ menu CONSTANT)
public:
    // menu: exported for the host (none: /NO_DBUSMENU); it must outlive the item.
    StatusNotifierItem(const QIcon &icon, const QString &toolTip, QMenu *menu, QObject *parent = nullptr);
    ~StatusNotifierItem() override;

    // Takes the item's name on the bus and tells the watcher; false where
    // either fails. Telling the watcher again is harmless.
    bool registerWithWatcher();

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return QStringLiteral("paperlet"); }
    QString title() const { return QStringLiteral("Paperlet"); }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString iconName() const { return {}; }
    SniPixmaps iconPixmap() const { return m_pixmaps; }
    SniToolTip toolTip() const;
    bool itemIsMenu() const { return false; }
    QDBusObjectPath menu() const;

    // The pictures a host picks from, one for each usual tray size.
    static SniPixmaps pixmapsOf(const QIcon &icon);

public Q_SLOTS:
    void Activate(int x, int y);
    void SecondaryActivate(int x, int y);
    void ContextMenu(int x, int y);
    void Scroll(int delta, const QString &orientation);

Q_SIGNALS:
    void activated(QSystemTrayIcon::ActivationReason reason);

private:
    QDBusConnection m_bus;
    const QString m_service;
    const SniPixmaps m_pixmaps;
    const QString m_toolTip;
    DBusMenuExporter *const m_menu;   // a child, or null
    bool m_exported = false;
};
