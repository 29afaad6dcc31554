#pragma once

#include <QIcon>
#include <QImage>

class ImageList;

// ilEditor: the 16 x 16 pictures of the editor's context menu and the note
// menu, drawn as vectors.
class EditorImages final
{
public:
    enum Index {
        Undo = 0, Cut = 1, Copy = 2, Paste = 3, Delete = 4, Print = 5,
        Underline = 6, Bold = 7, Italic = 8, FontColor = 9, Center = 10,
        LeftJustify = 11, RightJustify = 12, Bullets = 13, Numbering = 14,
        Strikeout = 15, Font = 16, NewNote = 17, SendMail = 18, Count = 19
    };

    // The picture at `index` drawn at `size` pixels (transparent background).
    static QImage image(int index, int size = 16);
    // The picture as an icon, sharp at 16 and 32 pixels.
    static QIcon icon(int index);
    // Appends all Count pictures, in index order.
    static void fill(ImageList &list);
};
