#include "platform/status_notifier_item.h"

#include "platform/dbus_menu_exporter.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QImage>
#include <QtEndian>

namespace {

const QString ItemPath = QStringLiteral("/StatusNotifierItem");
const QString MenuPath = QStringLiteral("/MenuBar");
const QString NoMenuPath = QStringLiteral("/NO_DBUSMENU");
const QString WatcherService = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString WatcherPath = QStringLiteral("/StatusNotifierWatcher");

} // namespace

QDBusArgument &operator<<(QDBusArgument &argument, const SniPixmap &pixmap)
{
    argument.beginStructure();
    argument << pixmap.width << pixmap.height << pixmap.argb;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, SniPixmap &pixmap)
{
    argument.beginStructure();
    argument >> pixmap.width >> pixmap.height >> pixmap.argb;
    argument.endStructure();
    return argument;
}

QDBusArgument &operator<<(QDBusArgument &argument, const SniToolTip &tip)
{
    argument.beginStructure();
    argument << tip.iconName << tip.pixmaps << tip.title << tip.text;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, SniToolTip &tip)
{
    argument.beginStructure();
    argument >> tip.iconName >> tip.pixmaps >> tip.title >> tip.text;
    argument.endStructure();
    return argument;
}

StatusNotifierItem::StatusNotifierItem(const QIcon &icon, const QString &toolTip, QMenu *menu, QObject *parent)
    : QObject(parent)
    , m_bus(QDBusConnection::sessionBus())
    // Qt's own item is "-1"; this one never shares a process with it, but
    // a distinct name keeps that harmless.
    , m_service(QStringLiteral("org.kde.StatusNotifierItem-%1-2").arg(QCoreApplication::applicationPid()))
    , m_pixmaps(pixmapsOf(icon))
    , m_toolTip(toolTip)
    , m_menu(menu ? new DBusMenuExporter(menu, this) : nullptr)
{
    qDBusRegisterMetaType<SniPixmap>();
    qDBusRegisterMetaType<SniPixmaps>();
    qDBusRegisterMetaType<SniToolTip>();
}

StatusNotifierItem::~StatusNotifierItem()
{
    // The watcher drops the item when its name goes.
    if (m_exported) {
        m_bus.unregisterService(m_service);
        m_bus.unregisterObject(ItemPath);
    }
}

bool StatusNotifierItem::registerWithWatcher()
{
    if (!m_bus.isConnected())
        return false;
    if (!m_exported) {
        if (!m_bus.registerObject(ItemPath, this,
                                  QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties
                                      | QDBusConnection::ExportAllSignals))
            return false;
        // Before the name: a host asks for the menu as soon as it sees the item.
        if (m_menu && !m_menu->publish(m_bus, MenuPath)) {
            m_bus.unregisterObject(ItemPath);
            return false;
        }
        if (!m_bus.registerService(m_service)) {
            m_bus.unregisterObject(ItemPath);
            return false;
        }
        m_exported = true;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(WatcherService, WatcherPath, WatcherService,
                                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << m_service;
    // Not waited for: the watcher may be busy bringing its host up.
    return m_bus.send(call);
}

QDBusObjectPath StatusNotifierItem::menu() const
{
    return QDBusObjectPath(m_menu ? MenuPath : NoMenuPath);
}

SniToolTip StatusNotifierItem::toolTip() const
{
    const qsizetype lineEnd = m_toolTip.indexOf(QLatin1Char('\n'));
    return {QString(), {}, lineEnd < 0 ? m_toolTip : m_toolTip.left(lineEnd),
            lineEnd < 0 ? QString() : m_toolTip.mid(lineEnd + 1)};
}

SniPixmaps StatusNotifierItem::pixmapsOf(const QIcon &icon)
{
    SniPixmaps pixmaps;
    for (const int size : {16, 22, 24, 32, 44, 48, 64}) {
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
        if (image.isNull())
            continue;
        QByteArray argb(qsizetype(image.width()) * image.height() * 4, Qt::Uninitialized);
        auto *out = reinterpret_cast<quint32 *>(argb.data());
        for (int y = 0; y < image.height(); ++y) {
            const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                *out++ = qToBigEndian(line[x]);
        }
        pixmaps.append({image.width(), image.height(), argb});
    }
    return pixmaps;
}

void StatusNotifierItem::Activate(int, int)
{
    Q_EMIT activated(QSystemTrayIcon::Trigger);
}

void StatusNotifierItem::SecondaryActivate(int, int)
{
    Q_EMIT activated(QSystemTrayIcon::MiddleClick);
}

void StatusNotifierItem::ContextMenu(int, int)
{
    Q_EMIT activated(QSystemTrayIcon::Context);
}

void StatusNotifierItem::Scroll(int, const QString &)
{
}
