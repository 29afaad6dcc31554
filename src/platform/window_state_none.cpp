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

void setKeepAbove(QWidget *window, bool on)
{
    Q_UNUSED(window);
    Q_UNUSED(on);
}

bool setOnAllDesktops(QWidget *window, bool on)
{
    Q_UNUSED(window);
    Q_UNUSED(on);
    return false;
}

bool canShowOnAllDesktops()
{
    return false;
}

void settlePosition(QWidget *window)
{
    // Qt's place of a window is the window's own here.
    Q_UNUSED(window);
}

} // namespace WindowState
