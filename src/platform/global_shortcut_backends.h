#pragma once

#include "platform/global_shortcuts.h"

#include <functional>
#include <memory>
#include <vector>

// The backends this system has, in the order they are tried. Each maker
// gives nullptr when the desktop does not offer its service.
namespace GlobalShortcutBackends {

using Maker = std::function<std::unique_ptr<GlobalShortcuts>(QObject *parent)>;
std::vector<Maker> inOrder();

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
std::unique_ptr<GlobalShortcuts> portal(QObject *parent);
std::unique_ptr<GlobalShortcuts> kglobalaccel(QObject *parent);
std::unique_ptr<GlobalShortcuts> x11(QObject *parent);
#endif

} // namespace GlobalShortcutBackends
