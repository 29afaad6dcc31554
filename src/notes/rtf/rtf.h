#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Rich text in RTF to and from QTextDocument. GUI-free.
namespace Rtf {

// Replaces the document's content with the RTF in `rtf` (raw bytes as read
// from an .rtf file). Content that does not start with "{\rtf" loads as plain
// text. Never throws and never fails: malformed input gives what can be read.
void load(QTextDocument &document, const QByteArray &rtf);

// The same for RTF that already is text (a note file's content lines):
// characters above U+007F are taken as they stand.
void load(QTextDocument &document, const QString &rtf);

// The document as RTF: pure ASCII, deterministic, CR LF after each \par.
QByteArray save(const QTextDocument &document);

} // namespace Rtf
