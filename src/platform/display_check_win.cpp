#include "platform/display_check.h"

// A Windows session always has its desktop.
std::optional<QString> unreachableDisplay()
{
    return std::nullopt;
}
