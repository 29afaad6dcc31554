#include "framework/announcement.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QCoreApplication>
#include <QTimer>

namespace {

// How long a message stays to be asked for: a screen reader reads its name
// and role back after the event, over the bus.
constexpr int KeptMs = 30000;

class Notice final : public QAccessibleObject
{
public:
    Notice(QObject *carrier, const QString &text)
        : QAccessibleObject(carrier), m_text(text)
    {
    }

    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(qApp); }
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? m_text : QString(); }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    const QString m_text;
};

} // namespace

namespace Announcement {

void announce(const QString &text)
{
    if (!QAccessible::isActive() || !qApp)
        return;
    // Each message has an object of its own, so that one that follows soon
    // after does not change the name of one still being read.
    auto *carrier = new QObject(qApp);
    QAccessibleInterface *notice = new Notice(carrier, text);
    // The cache owns the interface and drops it with its object.
    QAccessible::registerAccessibleInterface(notice);
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    QTimer::singleShot(KeptMs, carrier, &QObject::deleteLater);
}

} // namespace Announcement
