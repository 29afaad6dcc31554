#pragma once

#include <QString>
#include <QStringList>

class NoteHost;
class TFR_NOTE;

// The open notes are the application's TFR_NOTE forms, each known by its
// FileName; the stored ones are the "*.pnf" files of the Notes folder.
namespace NoteCollection {

// The note files of `folder` (hidden ones excepted) in ascending,
// case-insensitive, locale-aware name order. Throws PaperletError when the
// folder cannot be read.
QStringList noteFiles(const QString &folder);

// The open note stored under `fileName` (exact comparison), or null.
TFR_NOTE *findOpen(const QString &fileName);

// Opens the stored note `fileName` (bare name) of `host`'s notes folder and
// shows it; null when its file cannot be loaded (the file is left alone).
TFR_NOTE *open(NoteHost &host, const QString &fileName);

// Brings forward the open notes of `names` (bare file names, in order) and
// opens the others. A file that cannot be loaded is skipped silently and its
// file left alone.
void showAll(NoteHost &host, const QStringList &names);

// Closes every note at once, without fading; each writes or removes its file.
void hideAll();

} // namespace NoteCollection
