#include "dialogs/fixed_dialog.h"

#include <QCursor>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <QStackedWidget>

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
    // The children were shown (and a tab widget laid out its pages) before
    // this event: every parent has its final width now.
    if (!m_mirrored && isRightToLeft()) {
        m_mirrored = true;
        mirrorPlacedControls();
    }
}

void FixedDialog::mirrorPlacedControls()
{
    const QList<QWidget *> controls = findChildren<QWidget *>();
    for (QWidget *control : controls) {
        const QWidget *parent = control->parentWidget();
        // Only our named controls; Qt's own parts (named qt_...) and pages of
        // a tab widget are placed by their parents, which mirror them.
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || control->isWindow() || !parent
            || parent->layout() || qobject_cast<const QStackedWidget *>(parent))
            continue;
        control->move(parent->width() - control->x() - control->width(), control->y());
    }
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
