#pragma once

#include "core/color.h"
#include "core/note_state.h"

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

// What a note file holds, apart from the window that shows it.
struct NoteRecord
{
    QRect bounds;         // outer window geometry
    int opacity = 100;    // percent
    Color color = Color::black();
    QString title;
    QString content;      // RTF (or plain text from hand-made files)
    NoteState state;      // kept inside the content's RTF (core/note_state.h)

    bool operator==(const NoteRecord &other) const;
};

// The ".pnf" note file: a UTF-8 text with a 36-digit hexadecimal header line,
// a title line and the content. GUI-free so that the format is testable alone.
namespace NoteFile {

constexpr int HeaderFieldWidth = 6;
constexpr int MaxFieldValue = 0xFFFFFF;
constexpr int MinOpacity = 10;
constexpr int MaxOpacity = 100;

// The whole file: byte order mark, then every line followed by CR LF.
// Left and top below 0 are written as 0, every field is kept to six digits,
// line breaks never reach the title, the content is trimmed of characters up
// to U+0020. A state that is not empty goes into the content's RTF.
QByteArray encode(const NoteRecord &record);

// Parses a file's bytes; throws PaperletError naming the fault. Opacity is
// brought into 10..100; the bounds are returned as stored (see fitToScreen);
// the state group is taken out of the content into `state`.
NoteRecord decode(const QByteArray &bytes);

// The parts of decode, public for tests.
QString decodeText(const QByteArray &bytes);
QStringList splitLines(const QString &text);
QString header(const NoteRecord &record);

// Removes leading and trailing characters up to U+0020.
QString trimControls(const QString &text);
// A title that fits on one line.
QString singleLine(const QString &title);

// Stored bounds moved and shrunk onto a screen whose size is `screen`.
QRect fitToScreen(const QRect &stored, const QSize &screen);

// Replaces `path` in one step (temporary file beside it, then rename), so that
// a crash or a full disk never leaves a truncated file. Throws PaperletError.
// With `stillOurs`, leaves the file alone and returns false when it says no
// right before the rename (see replaceFile).
bool writeAtomically(const QString &path, const QByteArray &bytes, const std::function<bool()> &stillOurs = {});
// Reads a whole file; throws PaperletError.
QByteArray readAll(const QString &path);

} // namespace NoteFile
