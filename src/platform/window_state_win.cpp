#include "platform/window_state.h"

#include <QWidget>

#include <windows.h>

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

void setKeepAbove(QWidget *window, bool on)
{
    if (!window)
        return;
    // A topmost window stays above every window that is not; the flag
    // survives hiding, so there is nothing to do again when shown.
    SetWindowPos(reinterpret_cast<HWND>(window->winId()), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

bool setOnAllDesktops(QWidget *window, bool on)
{
    // Windows lets the user pin a window to all desktops, but gives programs
    // no documented way to do it for their own windows.
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
