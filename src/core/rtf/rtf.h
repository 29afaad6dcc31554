#pragma once

#include <QByteArray>
#include <QString>
#include <QTextListFormat>

class QTextBlock;
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
// Written: font face, size, bold, italic, underline, strikeout and text
// colour of every run (what a run leaves unset comes from the document's
// defaultFont()), paragraph alignment left, right, centred and justified,
// paragraph direction where one is set, tabs, line breaks, lists and
// pictures; East Asian and right-to-left text also name their font for those
// scripts. Reading such RTF and saving it again gives the same bytes.
QByteArray save(const QTextDocument &document);

// The document's text, one paragraph a line (line breaks inside a paragraph
// start a new line too), list items with their label ("\u2022 ", "1. ").
QString plainText(const QTextDocument &document);

// The hanging indent of a bulleted paragraph: the bullet stands at the left
// edge and the text (and its wrapped lines) 10 points to the right of it.
constexpr qreal BulletIndentPoints = 10;

// Bulleted paragraphs are the blocks of a QTextList with this format
// (ListDisc, indent 1); they are written as the rich-text control writes
// bullets, {\pntext\f1\'B7\tab}{\*\pn\pnlvlblt...}\fi-200\li200, and read
// back the same way. For the screen to match, give the document an
// indentWidth() of BulletIndentPoints in pixels. Circle and square bullets
// are written as bullets too; numbered lists (from other programs' files) as
// the control's numbered paragraphs, with the numbers they read back with (a
// list that goes on after plain paragraphs resumes with \pnstartN). A list
// indent of N is nesting level N - 1. Every list is also written in the
// list-table form (\listtable, \listoverridetable, \lsN\ilvlN) that newer
// readers prefer, one list override per QTextList.
QTextListFormat bulletListFormat();

// The number a numbered list's first item shows ("\pnstartN",
// "\levelstartatN"), kept in the list's format; unset means 1.
constexpr int ListStartProperty = QTextFormat::UserProperty + 0x720;
int listStart(const QTextListFormat &format);

// The number a list paragraph shows: its list's start plus its place in it.
int listItemNumber(const QTextBlock &block);

} // namespace Rtf
