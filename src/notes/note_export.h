#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class NoteCollection;
class NoteDocument;

// Notes written out for other programs: one file per note, or the whole
// notes folder as a .zip backup. What is written is what the notes hold now,
// unsaved typing included.
namespace NoteExport {

enum class Format { PlainText, Markdown, Html };

// ".txt", ".md", ".html".
QString suffix(Format format);
// The file's bytes (UTF-8): the title first, then the text.
QByteArray render(const NoteDocument &note, Format format);
// A file name made from a title: no folder separators, no characters that
// some file system refuses, not empty, not too long; without suffix.
QString baseNameFor(const QString &title);
// Writes one file per note into `folder`, named after the titles and made
// unique (in the folder and among themselves); returns the paths written.
// Throws PaperletError.
QStringList write(const QList<NoteDocument *> &notes, const QString &folder, Format format);
// Writes every note of the collection, and every other note file of
// `notesFolder`, into a .zip at `zipPath`. Throws PaperletError.
void writeZip(const NoteCollection &notes, const QString &notesFolder, const QString &zipPath);

} // namespace NoteExport
