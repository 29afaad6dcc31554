#pragma once

#include <QString>

// Notes that cannot be written to their own files while the program ends are
// copied into a folder of their own. Nobody may be looking at that moment (a
// log-out, a signal), so the copies wait in a list there until the next start
// reports them.
namespace RescueLog {

// The caption of the box that reports the copies.
QString caption();

// Where the copies go, with a trailing separator.
QString folder();

// A path in folder() for a copy of the note file `fileName` that no earlier
// copy has: the name itself, else the name with " (2)", " (3)" ... before
// its extension.
QString freeCopyPath(const QString &fileName);

// Notes that a copy of a note was written to copyPath because of reason.
// Throws PaperletError when the list cannot be written.
void add(const QString &copyPath, const QString &reason);

// The message about every copy not reported yet, and forgets them; empty
// when there is none.
QString takeReport();

} // namespace RescueLog
