#pragma once

#include <QString>

#include <optional>

// Whether the window system that Qt will pick (from QT_QPA_PLATFORM and the
// session's variables) can be reached. Qt itself aborts when it cannot open
// one; asking first lets the program say so and end in order. Call before the
// application object is made. nullopt when a display answers (or the
// platform is one this check does not know); otherwise what was tried, for
// the message.
std::optional<QString> unreachableDisplay();
