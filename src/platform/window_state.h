#pragma once

class QWidget;

// Window-manager state that Qt does not expose.
namespace WindowState {

// Keeps a shown top-level window out of the taskbar and the pager. Call it
// from showEvent every time: window managers clear the state on hide.
void skipTaskbar(QWidget *window);

} // namespace WindowState
