#pragma once

#include <QIcon>

// ilImages: the tray and tray-menu pictures, drawn as vectors so that they stay
// crisp at any size and device pixel ratio. Information is the balloon's
// icon: painting it spares the icon-theme search (and its memory) that the
// style's standard icon would start.
class TrayImages final
{
public:
    enum Index { Note = 0, Plus = 1, SettingsWindow = 2, NoteSparkle = 3, Information = 4, Count = 5 };

    static QIcon icon(int index);
};
