#pragma once

#include <QString>
#include <QStringList>

// The design's face is Tahoma, which comes with Windows. Elsewhere the font
// configuration may not list it, although free faces made to its metrics may
// be on disk (Debian's fonts-wine puts them beside Wine, out of its sight).
namespace DesignFont {

inline const QString Family = QStringLiteral("Tahoma");

// Where such faces are looked for.
QStringList folders();

// Makes Tahoma available to this process: nothing to do when the system
// lists it; otherwise the faces found in `searched` are loaded for the
// program alone. Where there are none, Tahoma stands for a common sans face
// of similar widths, so that no text is drawn in whatever comes first.
// Returns whether real Tahoma faces are available. Call once the application
// object exists.
bool ensure(const QStringList &searched = folders());

} // namespace DesignFont
