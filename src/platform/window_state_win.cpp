#include "platform/window_state.h"

#include <QWidget>

namespace WindowState {

void skipTaskbar(QWidget *window)
{
    // A Qt::Tool window is a WS_EX_TOOLWINDOW on Windows, which the taskbar
    // already leaves out.
    Q_UNUSED(window);
}

} // namespace WindowState
