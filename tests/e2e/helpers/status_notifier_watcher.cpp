// A status-notifier tray with no XEmbed side, on a test's private session
// bus: it takes the watcher's name, counts itself as the host and prints
// one line per item that registers, "item SERVICE", so that a test can
// click the item over the bus as a host would.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QStringList>

#include <cstdio>

class Watcher final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items CONSTANT)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered CONSTANT)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion CONSTANT)
public:
    QStringList items() const { return m_items; }
    bool hostRegistered() const { return true; }
    int protocolVersion() const { return 0; }

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString &service, const QDBusMessage &message)
    {
        // A bare path names an object of the caller's own connection.
        const QString item = service.startsWith(QLatin1Char('/')) ? message.service() + service : service;
        if (m_items.contains(item))
            return;
        m_items.append(item);
        std::printf("item %s\n", qPrintable(item));
        std::fflush(stdout);
        Q_EMIT StatusNotifierItemRegistered(item);
    }
    void RegisterStatusNotifierHost(const QString &) {}

Q_SIGNALS:
    void StatusNotifierItemRegistered(const QString &service);
    void StatusNotifierItemUnregistered(const QString &service);
    void StatusNotifierHostRegistered();

private:
    QStringList m_items;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Watcher watcher;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), &watcher, QDBusConnection::ExportAllContents)
        || !bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"))) {
        std::fprintf(stderr, "status-notifier watcher: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    Q_EMIT watcher.StatusNotifierHostRegistered();
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

#include "status_notifier_watcher.moc"
