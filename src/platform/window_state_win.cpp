#include "platform/window_state.h"

#include <QWidget>

namespace WindowState {

void skipTaskbar(QWidget *window)
{
    // A Qt::Tool window is a WS_EX_TOOLWINDOW on Windows, which the taskbar
    // already leaves out.
    Q_UNUSED(window);
}

std::optional<QPoint> screenPosition(const QWidget *window)
{
    // Windows reports moves in order; Qt's position is the window's.
    Q_UNUSED(window);
    return std::nullopt;
}

void bringForward(QWidget *window)
{
    // Qt asks Windows, which decides.
    window->raise();
    window->activateWindow();
}

} // namespace WindowState
