#pragma once

#include "core/error.h"
#include "core/note_file.h"

#include <QByteArray>
#include <QString>

#include <optional>

class QTextDocument;

// How large a note may be and still open. Laying out text is the costly
// part: one paragraph is laid out in one go (about 0.7 s per million
// characters on a small machine, far worse past that), the rest of a
// document a screenful at a time; reading RTF takes about 0.1 s a MB, more
// on a busy machine. The limits keep opening any note file under a second
// and its memory to a few tens of MB; a note over them shows as such and its
// file is never read whole, written or removed.
namespace NoteLimits {

// The whole file, read in one piece, pictures included: room for a note
// with a dozen photographs or a few dozen screenshots at their stored size.
constexpr qint64 MaxFileBytes = 32 * 1024 * 1024;
// What the file may hold besides its pictures' data: the text and its
// formats, which cost the time to read and lay out.
constexpr qint64 MaxTextFileBytes = 2 * 1024 * 1024;
// What a note's pictures may take of its file, so that a note pictures are
// put into always opens again.
constexpr qint64 MaxPictureBytes = MaxFileBytes - MaxTextFileBytes;
// Characters of text after reading, all paragraphs together.
constexpr qsizetype MaxTextCharacters = 500'000;
// Characters of the longest paragraph.
constexpr qsizetype MaxParagraphCharacters = 100'000;
// What is read of a file over MaxFileBytes to find its header and title.
constexpr qint64 HeadBytes = 64 * 1024;

// Whether the file at `path` is larger than MaxFileBytes.
bool fileTooLarge(const QString &path);

// How many bytes of a note file's `bytes` are not picture data.
qint64 textBytes(const QByteArray &bytes);

// Reads a whole note file of at most MaxFileBytes; throws NoteTooLarge for a
// larger one (also one that grows while it is read) or one with more than
// MaxTextFileBytes besides its pictures, and PaperletError when it cannot be
// read.
QByteArray readFile(const QString &path);

// Whether a note's content (RTF or plain text) can hold more text than the
// limits allow; content with fewer characters besides its pictures never
// does, and need not be read to be checked.
bool mayExceed(QStringView content);

// Why the text of `document` is over the limits, or nothing when it fits.
std::optional<QString> excess(const QTextDocument &document);

// The header and title at the start of a note file's bytes, when the title
// line is complete there; the content is left empty.
std::optional<NoteRecord> head(const QByteArray &bytes);

} // namespace NoteLimits

// A note file, or the text it holds, over the limits: what can be told of it
// without reading it all.
class NoteTooLarge final : public PaperletError
{
public:
    // `reason` says which limit, for the user; `head` holds the note's look
    // and title when they could be read.
    NoteTooLarge(const QString &reason, std::optional<NoteRecord> head)
        : PaperletError(reason), m_head(std::move(head)) {}

    const std::optional<NoteRecord> &head() const { return m_head; }

private:
    std::optional<NoteRecord> m_head;
};
