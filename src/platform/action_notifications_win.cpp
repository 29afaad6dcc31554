#include "platform/action_notifications.h"

// Windows: the program gives no notification of its own with buttons; the
// note that comes forward is the whole alert there.
struct ActionNotifications::Service
{
};

ActionNotifications::ActionNotifications(QObject *parent) : QObject(parent) {}

ActionNotifications::~ActionNotifications() = default;

quint64 ActionNotifications::show(const QString &, const QString &, const QList<Action> &)
{
    return 0;
}

quint64 ActionNotifications::offer(const QString &, const QString &, const QString &, const QList<Action> &)
{
    return 0;
}

void ActionNotifications::close(quint64) {}

// No service sends these here.
void ActionNotifications::serviceActionInvoked(uint, const QString &) {}

void ActionNotifications::serviceClosed(uint, uint) {}
