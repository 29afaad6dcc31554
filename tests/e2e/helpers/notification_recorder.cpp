// A stand-in for the desktop's notification service on a test's private
// session bus: it takes the service's name and prints one line per
// notification, "summary|body", so that a test can see what reached it.

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusError>
#include <QStringList>
#include <QVariantMap>

#include <cstdio>

class Recorder final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public Q_SLOTS:
    uint Notify(const QString &appName, uint replacesId, const QString &appIcon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int timeout)
    {
        Q_UNUSED(appName)
        Q_UNUSED(appIcon)
        Q_UNUSED(actions)
        Q_UNUSED(hints)
        Q_UNUSED(timeout)
        std::printf("%s|%s\n", qPrintable(summary), qPrintable(body));
        std::fflush(stdout);
        return replacesId ? replacesId : ++m_lastId;
    }
    void CloseNotification(uint) {}
    QStringList GetCapabilities() { return {QStringLiteral("body")}; }
    QString GetServerInformation(QString &vendor, QString &version, QString &specVersion)
    {
        vendor = QStringLiteral("paperlet tests");
        version = QStringLiteral("1");
        specVersion = QStringLiteral("1.2");
        return QStringLiteral("notification recorder");
    }

private:
    uint m_lastId = 0;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Recorder recorder;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &recorder,
                            QDBusConnection::ExportAllSlots)
        || !bus.registerService(QStringLiteral("org.freedesktop.Notifications"))) {
        std::fprintf(stderr, "notification recorder: %s\n", qPrintable(bus.lastError().message()));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

#include "notification_recorder.moc"
