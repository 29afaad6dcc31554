#include "dialogs/fixed_dialog.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>

FixedDialog::FixedDialog(const QString &caption, const QSize &clientSize, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    setFixedSize(clientSize);
    setSizeGripEnabled(false);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
}

void FixedDialog::showEvent(QShowEvent *event)
{
    if (!m_centred && !event->spontaneous()) {
        m_centred = true;
        const QScreen *screen = QGuiApplication::screenAt(QCursor::pos());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (screen) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
    }
    QDialog::showEvent(event);
}

QLabel *FixedDialog::addLabel(const QString &text, QWidget *parent, int left, int top)
{
    auto *label = new QLabel(text, parent);
    label->move(left, top);
    label->adjustSize();
    return label;
}

void FixedDialog::nameControls(std::initializer_list<std::pair<QObject *, const char *>> controls)
{
    for (const auto &[control, name] : controls)
        control->setObjectName(QLatin1String(name));
}
