#pragma once

// Notes must land where they were; a Wayland desktop does not let programs
// place their own windows, its X compatibility layer does. Qt tries the
// platforms of the list in turn, so a desktop without that layer still gets
// Wayland. Call before the application object is made. Returns whether it
// chose, so that the choice can be taken back from the environment that the
// program's children inherit (QT_QPA_PLATFORM, unset once Qt has read it).
bool preferX11OnWayland();
