#pragma once

#include <QIcon>

// ilImages: the tray and tray-menu pictures, drawn as vectors so that they stay
// crisp at any size and device pixel ratio.
class TrayImages final
{
public:
    enum Index { Note = 0, Plus = 1, SettingsWindow = 2, NoteSparkle = 3, Count = 4 };

    static QIcon icon(int index);
};
