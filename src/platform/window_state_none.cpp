#include "platform/window_state.h"

#include <QWidget>

namespace WindowState {

void skipTaskbar(QWidget *window)
{
    // Without X11 libraries there is no portable way to ask for this.
    Q_UNUSED(window);
}

std::optional<QPoint> screenPosition(const QWidget *window)
{
    Q_UNUSED(window);
    return std::nullopt;
}

void bringForward(QWidget *window)
{
    // Without X11 libraries Qt's own request is all there is.
    window->raise();
    window->activateWindow();
}

} // namespace WindowState
