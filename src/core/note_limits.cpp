#include "core/note_limits.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTextBlock>
#include <QTextDocument>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("NoteLimits", text);
}

QString megabytes(qint64 bytes)
{
    return QLocale().toString(double(bytes) / (1024 * 1024), 'f', 1);
}

QString count(qsizetype n)
{
    return QLocale().toString(qint64(n));
}

[[noreturn]] void throwFileTooLarge(qint64 size, const QByteArray &start)
{
    throw NoteTooLarge(tr("Its file has %1 MB; notes of up to %2 MB open.")
                           .arg(megabytes(size), megabytes(NoteLimits::MaxFileBytes)),
                       NoteLimits::head(start));
}

qsizetype findPicture(QByteArrayView rtf, qsizetype from) { return rtf.indexOf(QByteArrayView("{\\pict"), from); }
qsizetype findPicture(QStringView rtf, qsizetype from) { return rtf.indexOf(QLatin1String("{\\pict"), from); }
bool binAt(QByteArrayView rtf, qsizetype at) { return rtf.sliced(at).startsWith("bin"); }
bool binAt(QStringView rtf, qsizetype at) { return rtf.sliced(at).startsWith(QLatin1String("bin")); }
int code(char c) { return static_cast<unsigned char>(c); }
int code(QChar c) { return c.unicode(); }

struct Pictures
{
    qsizetype groups = 0;
    qsizetype length = 0; // of all their groups together
};

// The picture groups ({\pict ...}, \bin data included) of a note's RTF, as
// file bytes or as read text.
template <typename View>
Pictures pictures(View rtf)
{
    Pictures found;
    const qsizetype n = rtf.size();
    for (qsizetype from = 0;;) {
        const qsizetype start = findPicture(rtf, from);
        if (start < 0)
            return found;
        from = start + 1;
        // an escaped brace is text, and \pictxyz another word
        qsizetype slashes = 0;
        while (start - slashes > 0 && code(rtf[start - slashes - 1]) == '\\')
            ++slashes;
        const qsizetype after = start + 6;
        if (slashes % 2 != 0 || (after < n && QChar::isLetter(char32_t(code(rtf[after])))))
            continue;
        // to the group's closing brace, past escaped braces and \bin data
        qsizetype at = start;
        int depth = 0;
        for (; at < n; ++at) {
            const int c = code(rtf[at]);
            if (c == '{') {
                ++depth;
            } else if (c == '}') {
                if (--depth == 0)
                    break;
            } else if (c == '\\' && at + 1 < n) {
                const int next = code(rtf[at + 1]);
                if (next == '{' || next == '}' || next == '\\') {
                    ++at;
                } else if (binAt(rtf, at + 1)) {
                    qsizetype k = at + 4;
                    qint64 count = 0;
                    while (k < n && code(rtf[k]) >= '0' && code(rtf[k]) <= '9' && count < n)
                        count = count * 10 + (code(rtf[k++]) - '0');
                    if (k < n && code(rtf[k]) == ' ')
                        ++k;
                    at = qMin<qint64>(n, k + count) - 1;
                }
            }
        }
        const qsizetype end = qMin(at + 1, n);
        ++found.groups;
        found.length += end - start;
        from = end;
    }
}

} // namespace

namespace NoteLimits {

bool fileTooLarge(const QString &path)
{
    return QFileInfo(path).size() > MaxFileBytes;
}

qint64 textBytes(const QByteArray &bytes)
{
    // only a file past the text limit is looked through for pictures
    return bytes.size() > MaxTextFileBytes ? bytes.size() - pictures(QByteArrayView(bytes)).length : bytes.size();
}

bool mayExceed(QStringView content)
{
    if (content.size() <= MaxParagraphCharacters)
        return false;
    if (!content.startsWith(QLatin1String("{\\rtf")))
        return true; // plain text has no pictures
    // a picture's group, however long, is one character of text
    const Pictures inside = pictures(content);
    return content.size() - inside.length + inside.groups > MaxParagraphCharacters;
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PaperletError(tr("Cannot open the note file \"%1\": %2")
                                .arg(QDir::toNativeSeparators(path), file.errorString()));
    const qint64 size = file.size();
    // Never more than the limit in memory, whatever the file does meanwhile;
    // asked for no more than it has, since what is asked for is allocated.
    QByteArray bytes = file.read(size > MaxFileBytes ? HeadBytes : size + 1);
    if (size <= MaxFileBytes && bytes.size() > size)
        bytes += file.read(MaxFileBytes + 1 - bytes.size()); // it grew while it was read
    if (file.error() != QFileDevice::NoError)
        throw PaperletError(tr("Cannot read the note file \"%1\": %2")
                                .arg(QDir::toNativeSeparators(path), file.errorString()));
    if (size > MaxFileBytes)
        throwFileTooLarge(size, bytes);
    if (bytes.size() > MaxFileBytes)
        throwFileTooLarge(std::max(file.size(), qint64(bytes.size())), bytes.left(HeadBytes));
    if (const qint64 text = textBytes(bytes); text > MaxTextFileBytes)
        throw NoteTooLarge(tr("Its file has %1 MB besides its pictures; notes of up to %2 MB besides their "
                              "pictures open.")
                               .arg(megabytes(text), megabytes(MaxTextFileBytes)),
                           head(bytes.left(HeadBytes)));
    return bytes;
}

std::optional<QString> excess(const QTextDocument &document)
{
    const qsizetype characters = document.characterCount() - 1;
    if (characters > MaxTextCharacters)
        return tr("Its text has %1 characters; notes of up to %2 characters open.")
            .arg(count(characters), count(MaxTextCharacters));
    qsizetype longest = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        longest = std::max<qsizetype>(longest, block.length() - 1);
    if (longest > MaxParagraphCharacters)
        return tr("One of its paragraphs has %1 characters; paragraphs of up to %2 characters open.")
            .arg(count(longest), count(MaxParagraphCharacters));
    return std::nullopt;
}

std::optional<NoteRecord> head(const QByteArray &bytes)
{
    const QStringList lines = NoteFile::splitLines(NoteFile::decodeText(bytes.left(HeadBytes)));
    // A third line shows that the title ended within what was read.
    if (lines.size() < 3)
        return std::nullopt;
    try {
        NoteRecord record = NoteFile::decode(
            (lines.at(0) + QStringLiteral("\r\n") + lines.at(1) + QStringLiteral("\r\n")).toUtf8().prepend("\xEF\xBB\xBF"));
        record.content.clear();
        return record;
    } catch (const PaperletError &) {
        return std::nullopt;
    }
}

} // namespace NoteLimits
