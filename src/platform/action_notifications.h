#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>

#include <memory>

// Desktop notifications that offer the user buttons (freedesktop
// notification service on the session bus). Where no service runs, a
// notification is simply not shown: the caller does not wait for one.
class ActionNotifications final : public QObject
{
    Q_OBJECT
public:
    // An action's key and its button text; the key "default" is a click on
    // the notification itself and has no button.
    using Action = QPair<QString, QString>;
    static constexpr char DefaultAction[] = "default";

    explicit ActionNotifications(QObject *parent = nullptr);
    ~ActionNotifications() override;

    // Hands the notification over; the number names it in the signals.
    // It stays until the user answers or closes it (or close() is called).
    quint64 show(const QString &title, const QString &body, const QList<Action> &actions);
    // For a notification that is only worth showing with its buttons: shown
    // (with the icon named `icon`, `body` as plain text) only where the
    // service offers buttons at all; otherwise closed() follows at once and
    // nothing is seen. It goes away on its own after the service's usual time.
    quint64 offer(const QString &icon, const QString &title, const QString &body, const QList<Action> &actions);
    // Takes it off the screen if it is still there.
    void close(quint64 notification);

Q_SIGNALS:
    void actionInvoked(quint64 notification, const QString &key);
    // Answered, dismissed, expired or closed by close(): no action comes any more.
    void closed(quint64 notification);

private Q_SLOTS:
    // The service's signals, for every program's notifications.
    void serviceActionInvoked(uint id, const QString &key);
    void serviceClosed(uint id, uint reason);

private:
    struct Service;
    std::unique_ptr<Service> m_service;
};
