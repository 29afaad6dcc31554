#pragma once

#include <QString>

// The folder of this user where programs keep their own data, with the
// program's folder ("Paperlet") in it: $XDG_DATA_HOME/Paperlet (by default
// ~/.local/share/Paperlet) on freedesktop systems, %APPDATA%\Paperlet on
// Windows. Always the user's, whoever the user is (root included). Not
// created here.
QString userDataFolder();
