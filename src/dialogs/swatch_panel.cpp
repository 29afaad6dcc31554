#include "dialogs/swatch_panel.h"

#include "framework/accessible_roles.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

SwatchPanel::SwatchPanel(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    AccessibleRoles::set(this, QAccessible::Button);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    setColor(Qt::white);
}

QColor SwatchPanel::color() const
{
    return palette().color(QPalette::Window);
}

void SwatchPanel::setColor(const QColor &color)
{
    setPaletteColor(QPalette::Window, color);
}

void SwatchPanel::setText(const QString &text)
{
    m_text = text;
    update();
}

QColor SwatchPanel::textColor() const
{
    return palette().color(QPalette::WindowText);
}

void SwatchPanel::setTextColor(const QColor &color)
{
    setPaletteColor(QPalette::WindowText, color);
}

void SwatchPanel::setPaletteColor(QPalette::ColorRole role, const QColor &color)
{
    QPalette p = palette();
    p.setColor(role, color);
    setPalette(p);
}

void SwatchPanel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QFrame::mousePressEvent(event);
}

void SwatchPanel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
        && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        Q_EMIT clicked(false);
    else
        QFrame::mouseReleaseEvent(event);
}

void SwatchPanel::click()
{
    Q_EMIT clicked(true);
}

void SwatchPanel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier)
        Q_EMIT clicked(true);
    else
        QFrame::keyPressEvent(event);
}

void SwatchPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    if (!m_text.isEmpty()) {
        painter.setPen(textColor());
        painter.setFont(font());
        painter.drawText(contentsRect(), Qt::AlignCenter, m_text);
    }
    if (!hasFocus())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect().adjusted(1, 1, -1, -1);
    option.backgroundColor = color();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}
