#pragma once

#include <QString>

// Where the program keeps what it writes: settings.ini, the Notes folder and
// the copies of notes rescued at exit. A copy built from the source tree is
// portable and keeps settings.ini and Notes beside its executable. The
// packaged build (PAPERLET_PACKAGED) runs from a system folder that is not
// the user's to write, so it keeps everything in the user's data folder.
class DataPlace
{
public:
    enum class Layout { Portable, Packaged };

    // The layout this build was configured with.
    static Layout buildLayout();

    explicit DataPlace(Layout layout = buildLayout());

    Layout layout() const { return m_layout; }
    // The folder of settings.ini and Notes. The packaged layout creates it
    // (its parents may not exist yet for a new user); a failure shows when
    // settings.ini is written there.
    QString homeFolder() const;
    // The folder of rescued note copies, with a trailing separator.
    QString rescueFolder() const;

private:
    Layout m_layout;
};
