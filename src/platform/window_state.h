#pragma once

#include <QPoint>

#include <optional>

class QWidget;

// Window-manager state that Qt does not expose.
namespace WindowState {

// Keeps a shown top-level window out of the taskbar and the pager. Call it
// from showEvent every time: window managers clear the state on hide.
void skipTaskbar(QWidget *window);

// Where the window's top-left corner is on the screen, asked of the window
// system itself; nothing where Qt's own idea can be trusted or the window is
// not shown. On X11, Qt can keep a position that a reparenting window
// manager reported for a moment (the corner of its frame, 0, 0) until the
// next move, and that must never reach a note's file.
std::optional<QPoint> screenPosition(const QWidget *window);

// Raises a window the user asked for and gives it the keyboard, also where
// Qt's own request goes unheard: with no window manager, and when the request
// came through the command line, after the last input the program saw. A
// window not yet on screen gets it as soon as it is.
void bringForward(QWidget *window);

// Tells Qt where the window really is before it is resized or moved by an
// amount: Qt sends its own idea of the place along with every new size, and
// a stale one (see screenPosition) would move the window there.
void settlePosition(QWidget *window);

// Keeps the window above normal windows, or lets it go back among them.
// Works on a shown window and on one about to be shown.
void setKeepAbove(QWidget *window, bool on);

// Shows the window on every virtual desktop, or on the current one only.
// False where the platform gives programs no way to ask for it.
bool setOnAllDesktops(QWidget *window, bool on);
// Whether setOnAllDesktops can do anything here.
bool canShowOnAllDesktops();

} // namespace WindowState
