#include "app/tray_activations.h"

#include <QGuiApplication>
#include <QStyleHints>

void TrayActivations::trigger()
{
    if (m_pending && m_firstTrigger.elapsed() <= QGuiApplication::styleHints()->mouseDoubleClickInterval()) {
        m_pending = false;
        Q_EMIT doubleClick();
        return;
    }
    m_pending = true;
    m_firstTrigger.start();
}

void TrayActivations::doubleClicked()
{
    // Its first click was a Trigger: that one is used up.
    m_pending = false;
    Q_EMIT doubleClick();
}
