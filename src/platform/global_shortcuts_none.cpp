#include "platform/global_shortcut_backends.h"

// Built without xcb: no key grab to offer.
std::unique_ptr<GlobalShortcuts> GlobalShortcutBackends::x11(QObject *)
{
    return nullptr;
}
