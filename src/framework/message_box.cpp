#include "framework/message_box.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

namespace Messages {

QWidget *ownerFor(QWidget *owner)
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    if (owner)
        return owner->window();
    return QApplication::activeWindow();
}

QMessageBox::StandardButton exec(const Message &message, QWidget *owner)
{
    // On the heap: the owner may be destroyed while the box waits, and it
    // takes its children with it.
    QPointer<QMessageBox> box =
        new QMessageBox(message.icon, message.title, message.text, message.buttons, ownerFor(owner));
    box->setTextFormat(message.format);
    if (message.defaultButton != QMessageBox::NoButton)
        box->setDefaultButton(message.defaultButton);
    // The owner makes it a transient of that window; the hint keeps it in
    // the window manager's top layer beside the stay-on-top dialogs.
    box->setWindowFlag(Qt::WindowStaysOnTopHint);
    // Runs once the nested loop has shown the box.
    QTimer::singleShot(0, box, [box] {
        box->raise();
        box->activateWindow();
    });
    box->exec();
    if (!box)
        return QMessageBox::NoButton;
    const QMessageBox::StandardButton answer = box->standardButton(box->clickedButton());
    delete box;
    return answer;
}

} // namespace Messages
