#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// Every message the program shows goes through here. The box opens above all
// of the program's windows, the stay-on-top dialogs included, and takes the
// keyboard focus: a box hidden under Settings or About would leave that
// dialog looking frozen.
namespace Messages {

struct Message
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QString text;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    Qt::TextFormat format = Qt::AutoText;
};

// Shows the message modally and returns the button that answered it
// (NoButton when the box went away unanswered). owner: the window the
// message is about, if any; a modal dialog on screen takes precedence.
QMessageBox::StandardButton exec(const Message &message, QWidget *owner = nullptr);

// The window a message must stay above: the modal dialog on screen, else the
// owner's window, else the active window of the program; null if none.
QWidget *ownerFor(QWidget *owner);

} // namespace Messages
