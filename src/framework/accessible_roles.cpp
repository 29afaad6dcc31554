#include "framework/accessible_roles.h"

#include <QAccessibleWidget>
#include <QMetaObject>
#include <QWidget>

namespace {

const char *const RoleProperty = "paperletAccessibleRole";

class RoleAccessible final : public QAccessibleWidget
{
public:
    RoleAccessible(QWidget *widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty() && role() == QAccessible::TitleBar)
            text = widget()->window()->windowTitle();
        return text;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (pressable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &name) override
    {
        if (name == pressAction() && pressable())
            QMetaObject::invokeMethod(widget(), "click", Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(name);
    }

private:
    bool pressable() const
    {
        return (role() == QAccessible::Button || role() == QAccessible::Link)
            && widget()->metaObject()->indexOfMethod("click()") >= 0;
    }
};

QAccessibleInterface *roleFactory(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(RoleProperty);
    return role.isValid() ? new RoleAccessible(widget, QAccessible::Role(role.toInt())) : nullptr;
}

} // namespace

namespace AccessibleRoles {

void set(QWidget *widget, QAccessible::Role role)
{
    // Qt keeps one entry per factory however often it is installed.
    QAccessible::installFactory(roleFactory);
    widget->setProperty(RoleProperty, int(role));
}

} // namespace AccessibleRoles
