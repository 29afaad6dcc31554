#include "dialogs/click_label.h"

#include "framework/accessible_roles.h"

#include <QMouseEvent>

ClickLabel::ClickLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    AccessibleRoles::set(this, QAccessible::Link);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, Qt::blue);
    setPalette(p);
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}
