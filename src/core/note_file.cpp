#include "core/note_file.h"

#include "core/error.h"
#include "core/file_replace.h"

#include <QCoreApplication>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>

namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF", 3);
const QByteArray Utf16LeBom("\xFF\xFE", 2);
const QByteArray Utf16BeBom("\xFE\xFF", 2);
const QString LineEnd = QStringLiteral("\r\n");
// The colour field is the last one; a header shorter than its first digit
// cannot be read.
constexpr int MinHeaderLength = 5 * NoteFile::HeaderFieldWidth + 1;

QString hexField(int value)
{
    return QStringLiteral("%1")
        .arg(std::clamp(value, 0, NoteFile::MaxFieldValue), NoteFile::HeaderFieldWidth, 16, QLatin1Char('0'))
        .toUpper();
}

// Field `index` (0..5) of the header: up to six hexadecimal digits, either case.
int headerField(const QString &header, int index)
{
    const QString digits = header.mid(index * NoteFile::HeaderFieldWidth, NoteFile::HeaderFieldWidth);
    bool ok = !digits.isEmpty();
    for (const QChar c : digits)
        ok = ok && isxdigit(c.toLatin1()) && c.unicode() < 0x80;
    const int value = ok ? digits.toInt(&ok, 16) : 0;
    if (!ok)
        throw PaperletError(QCoreApplication::translate("NoteFile", "The header field \"%1\" is not a hexadecimal number.").arg(digits));
    return value;
}

bool isLineBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

// Where the line starting at `from` ends (its CR, LF or the text's end).
qsizetype lineEnd(QStringView text, qsizetype from)
{
    qsizetype i = from;
    while (i < text.size() && !isLineBreak(text.at(i)))
        ++i;
    return i;
}

// Where the next line starts after a line ending at `end`.
qsizetype nextLineStart(QStringView text, qsizetype end)
{
    if (end < text.size() && text.at(end) == QLatin1Char('\r') && end + 1 < text.size()
        && text.at(end + 1) == QLatin1Char('\n'))
        return end + 2;
    return std::min(end + 1, text.size());
}

// Lines that end at CR LF, a lone CR or a lone LF, each ended by CR LF.
QString withCrLf(QStringView lines)
{
    // A line at a time: a note's pictures are many thousand lines of hex.
    QString result;
    result.reserve(lines.size() + lines.size() / 16 + 2);
    const qsizetype n = lines.size();
    qsizetype start = 0;
    // the next CR and LF, each found by a fast search and again only once passed
    qsizetype cr = lines.indexOf(u'\r');
    qsizetype lf = lines.indexOf(u'\n');
    while (start < n) {
        if (cr >= 0 && cr < start)
            cr = lines.indexOf(u'\r', start);
        if (lf >= 0 && lf < start)
            lf = lines.indexOf(u'\n', start);
        const qsizetype end = std::min(cr < 0 ? n : cr, lf < 0 ? n : lf);
        result.append(lines.sliced(start, end - start));
        if (end == n)
            break;
        result.append(LineEnd);
        start = nextLineStart(lines, end);
    }
    if (!lines.isEmpty() && !isLineBreak(lines.back()))
        result.append(LineEnd);
    return result;
}

} // namespace

bool NoteRecord::operator==(const NoteRecord &other) const
{
    return bounds == other.bounds && opacity == other.opacity && color == other.color
        && title == other.title && content == other.content && state == other.state;
}

namespace NoteFile {

QString header(const NoteRecord &record)
{
    const QRect &b = record.bounds;
    return hexField(std::max(0, b.left())) + hexField(std::max(0, b.top())) + hexField(b.width())
        + hexField(b.height()) + hexField(record.opacity) + hexField(record.color.value() & MaxFieldValue);
}

QString trimControls(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() <= 0x20)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() <= 0x20)
        --end;
    return text.mid(begin, end - begin);
}

QString singleLine(const QString &title)
{
    QString result = title;
    for (QChar &c : result)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return result;
}

QByteArray encode(const NoteRecord &record)
{
    const QString text = header(record) + LineEnd + singleLine(record.title) + LineEnd
        + trimControls(NoteStateGroup::join(record.content, record.state)) + LineEnd;
    return Utf8Bom + text.toUtf8();
}

QString decodeText(const QByteArray &bytes)
{
    if (bytes.startsWith(Utf8Bom))
        return QString::fromUtf8(QByteArrayView(bytes).sliced(Utf8Bom.size()));
    if (bytes.startsWith(Utf16LeBom))
        return QStringDecoder(QStringDecoder::Utf16LE).decode(bytes.mid(2));
    if (bytes.startsWith(Utf16BeBom))
        return QStringDecoder(QStringDecoder::Utf16BE).decode(bytes.mid(2));
    // Files without a mark come from the 8-bit world the format started in.
    QStringDecoder ansi("windows-1252");
    if (ansi.isValid())
        return ansi.decode(bytes);
    return QString::fromLatin1(bytes);
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

NoteRecord decode(const QByteArray &bytes)
{
    const QString text = decodeText(bytes);
    // Only the first two lines are split off: a body of millions of lines
    // would cost a string each.
    const qsizetype headEnd = lineEnd(text, 0);
    const qsizetype titleStart = nextLineStart(text, headEnd);
    if (titleStart >= text.size())
        throw PaperletError(QCoreApplication::translate("NoteFile", "The note file has fewer than two lines."));
    const QString head = text.left(headEnd);
    if (head.size() < MinHeaderLength)
        throw PaperletError(QCoreApplication::translate("NoteFile", "The header \"%1\" is too short.").arg(head));

    NoteRecord record;
    record.color = Color::fromValue(headerField(head, 5));
    const qsizetype titleEnd = lineEnd(text, titleStart);
    record.title = text.mid(titleStart, titleEnd - titleStart);
    record.bounds = QRect(headerField(head, 0), headerField(head, 1), headerField(head, 2), headerField(head, 3));
    // An invisible note would be a lost note.
    record.opacity = std::clamp(headerField(head, 4), MinOpacity, MaxOpacity);
    const QString body = withCrLf(QStringView(text).sliced(nextLineStart(text, titleEnd)));
    if (!body.isEmpty()) {
        NoteStateGroup::Split split = NoteStateGroup::split(body);
        record.content = std::move(split.content);
        record.state = std::move(split.state);
    }
    return record;
}

QRect fitToScreen(const QRect &stored, const QSize &screen)
{
    const int sw = screen.width();
    const int sh = screen.height();
    int l = stored.left();
    int t = stored.top();
    int w = std::min(stored.width(), sw);
    int h = std::min(stored.height(), sh);
    if (t + h <= 0)
        t = 0;
    if (t >= sh)
        t = sh - h;
    if (l + w <= 0)
        l = 0;
    if (l >= sw)
        l = sw - w;
    return QRect(l, t, w, h);
}

bool writeAtomically(const QString &path, const QByteArray &bytes, const std::function<bool()> &stillOurs)
{
    return replaceFile(path, bytes, QCoreApplication::translate("NoteFile", "Cannot write the note file \"%1\": %2"), stillOurs);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PaperletError(QCoreApplication::translate("NoteFile", "Cannot open the note file \"%1\": %2")
                                .arg(QDir::toNativeSeparators(path), file.errorString()));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw PaperletError(QCoreApplication::translate("NoteFile", "Cannot read the note file \"%1\": %2")
                                .arg(QDir::toNativeSeparators(path), file.errorString()));
    return bytes;
}

} // namespace NoteFile
