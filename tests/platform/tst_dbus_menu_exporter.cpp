// The tray menu as a status-notifier host reads it over the bus: captions,
// states and pictures, clicks coming back, and word of changes. Asked over a
// private session bus, as a host in another process would.
#include "e2e_session.h"
#include "platform/dbus_menu_exporter.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QMenu>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString MenuPath = QStringLiteral("/MenuBar");
const QString MenuInterface = QStringLiteral("com.canonical.dbusmenu");

// A host's end of the bus: its own connection, calls the menu's methods.
class Host final : public QObject
{
    Q_OBJECT
public:
    Host(const QString &address, const QString &service)
        : m_bus(QDBusConnection::connectToBus(address, QStringLiteral("host")))
        , m_service(service)
    {
        m_bus.connect(service, MenuPath, MenuInterface, QStringLiteral("LayoutUpdated"), this,
                      SIGNAL(layoutUpdated()));
        m_bus.connect(service, MenuPath, MenuInterface, QStringLiteral("ItemsPropertiesUpdated"), this,
                      SIGNAL(propertiesUpdated()));
    }
    ~Host() override { QDBusConnection::disconnectFromBus(QStringLiteral("host")); }

    QDBusMessage call(const QString &method, const QVariantList &arguments)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(m_service, MenuPath, MenuInterface, method);
        message.setArguments(arguments);
        // The menu answers from this thread: the call must let it run.
        return m_bus.call(message, QDBus::BlockWithGui);
    }

    // The top level's entries: id and properties.
    QList<QPair<int, QVariantMap>> entries()
    {
        const QDBusMessage reply = call(QStringLiteral("GetLayout"), {0, -1, QStringList()});
        QList<QPair<int, QVariantMap>> result;
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2)
            return result;
        const QDBusArgument root = reply.arguments().at(1).value<QDBusArgument>();
        int id = 0;
        QVariantMap properties;
        root.beginStructure();
        root >> id >> properties;
        root.beginArray();
        while (!root.atEnd()) {
            QDBusVariant child;
            root >> child;
            const QDBusArgument item = child.variant().value<QDBusArgument>();
            item.beginStructure();
            item >> id >> properties;
            item.endStructure();
            result.append({id, properties});
        }
        root.endArray();
        root.endStructure();
        return result;
    }

Q_SIGNALS:
    void layoutUpdated();
    void propertiesUpdated();

private:
    QDBusConnection m_bus;
    QString m_service;
};

enum Tick { NoTick, Unticked, Ticked, RadioTicked };

} // namespace

class TestDBusMenuExporter final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(!m_bus.address().isEmpty(), "dbus-daemon did not start");
        m_connection = std::make_unique<QDBusConnection>(
            QDBusConnection::connectToBus(m_bus.address(), QStringLiteral("menu")));
        QVERIFY(m_connection->isConnected());
    }

    void cleanupTestCase()
    {
        m_connection.reset();
        QDBusConnection::disconnectFromBus(QStringLiteral("menu"));
    }

    void itemsAsTheHostReadsThem_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("tick");
        QTest::addColumn<bool>("icon");
        QTest::addColumn<QVariantMap>("expected");   // "icon-data" stands for any PNG

        const QString label = QStringLiteral("label");
        QTest::newRow("plain") << "Show All Notes" << true << int(NoTick) << false
                               << QVariantMap{{label, QStringLiteral("Show All Notes")}};
        QTest::newRow("mnemonic, ampersand, underscore")
            << "&Save_as && more" << true << int(NoTick) << false
            << QVariantMap{{label, QStringLiteral("_Save__as & more")}};
        QTest::newRow("disabled") << "Hide All Notes" << false << int(NoTick) << false
                                  << QVariantMap{{label, QStringLiteral("Hide All Notes")}, {"enabled", false}};
        QTest::newRow("tick off") << "Bold" << true << int(Unticked) << false
                                  << QVariantMap{{label, QStringLiteral("Bold")},
                                                 {"toggle-type", QStringLiteral("checkmark")}, {"toggle-state", 0}};
        QTest::newRow("tick on") << "Bold" << true << int(Ticked) << false
                                 << QVariantMap{{label, QStringLiteral("Bold")},
                                                {"toggle-type", QStringLiteral("checkmark")}, {"toggle-state", 1}};
        QTest::newRow("radio on") << "Left" << true << int(RadioTicked) << false
                                  << QVariantMap{{label, QStringLiteral("Left")},
                                                 {"toggle-type", QStringLiteral("radio")}, {"toggle-state", 1}};
        QTest::newRow("picture") << "New Note" << true << int(NoTick) << true
                                 << QVariantMap{{label, QStringLiteral("New Note")}, {"icon-data", QByteArray()}};
    }

    void itemsAsTheHostReadsThem()
    {
        QFETCH(QString, text);
        QFETCH(bool, enabled);
        QFETCH(int, tick);
        QFETCH(bool, icon);
        QFETCH(QVariantMap, expected);

        QMenu menu;
        QActionGroup group(&menu);
        QAction *action = menu.addAction(text);
        action->setEnabled(enabled);
        action->setCheckable(tick != NoTick);
        action->setChecked(tick == Ticked || tick == RadioTicked);
        if (tick == RadioTicked)
            group.addAction(action);
        if (icon) {
            QPixmap picture(16, 16);
            picture.fill(Qt::red);
            action->setIcon(QIcon(picture));
        }
        menu.addSeparator();
        DBusMenuExporter exporter(&menu);
        QVERIFY(exporter.publish(*m_connection, MenuPath));
        Host host(m_bus.address(), m_connection->baseService());

        const auto entries = host.entries();
        QCOMPARE(entries.size(), 2);
        QVariantMap properties = entries.at(0).second;
        if (properties.contains(QStringLiteral("icon-data"))) {
            QVERIFY(properties.value(QStringLiteral("icon-data")).toByteArray().startsWith("\x89PNG"));
            properties.insert(QStringLiteral("icon-data"), QByteArray());
        }
        QCOMPARE(properties, expected);
        QCOMPARE(entries.at(1).second, (QVariantMap{{QStringLiteral("type"), QStringLiteral("separator")}}));
    }

    // A click in the host's menu runs the command; a change here reaches the host.
    void clicksComeBackAndChangesGoOut()
    {
        QMenu menu;
        QAction *about = menu.addAction(QStringLiteral("About"));
        QAction *exit = menu.addAction(QStringLiteral("Exit"));
        DBusMenuExporter exporter(&menu);
        QVERIFY(exporter.publish(*m_connection, MenuPath));
        Host host(m_bus.address(), m_connection->baseService());
        const auto entries = host.entries();
        QCOMPARE(entries.size(), 2);
        const int aboutId = entries.at(0).first;
        const int exitId = entries.at(1).first;

        QSignalSpy aboutClicked(about, &QAction::triggered);
        QSignalSpy exitClicked(exit, &QAction::triggered);
        // One host sends single events, another groups them (xfce4-panel).
        QCOMPARE(host.call(QStringLiteral("Event"), {aboutId, QStringLiteral("clicked"),
                                                     QVariant::fromValue(QDBusVariant(0)), 0u}).type(),
                 QDBusMessage::ReplyMessage);
        QTRY_COMPARE(aboutClicked.size(), 1);
        const QDBusMessage reply = host.call(QStringLiteral("EventGroup"),
                                             {QVariant::fromValue(DBusMenuEventList{{exitId, QStringLiteral("clicked"),
                                                                                     QDBusVariant(0), 0},
                                                                                    {9999, QStringLiteral("clicked"),
                                                                                     QDBusVariant(0), 0}})});
        QCOMPARE(reply.type(), QDBusMessage::ReplyMessage);
        // The unknown id comes back as an error.
        QCOMPARE(qdbus_cast<QList<int>>(reply.arguments().value(0)), QList<int>{9999});
        QTRY_COMPARE(exitClicked.size(), 1);
        QCOMPARE(aboutClicked.size(), 1);

        QSignalSpy properties(&host, &Host::propertiesUpdated);
        about->setEnabled(false);
        QTRY_VERIFY(!properties.isEmpty());
        QCOMPARE(host.entries().at(0).second.value(QStringLiteral("enabled")), QVariant(false));

        QSignalSpy layout(&host, &Host::layoutUpdated);
        menu.addAction(QStringLiteral("Settings"));
        QTRY_VERIFY(!layout.isEmpty());
        QCOMPARE(host.entries().size(), 3);
    }

private:
    E2eBus m_bus;
    std::unique_ptr<QDBusConnection> m_connection;
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestDBusMenuExporter test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_dbus_menu_exporter.moc"
