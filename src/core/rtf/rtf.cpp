#include "core/rtf/rtf.h"

#include "core/rtf/rtf_numbering.h"
#include "core/rtf/rtf_reader.h"
#include "core/rtf/rtf_writer.h"

#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

namespace Rtf {

namespace {

bool isBlank(char16_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 0xFEFF; }

char16_t codeAt(QByteArrayView text, qsizetype i) { return static_cast<unsigned char>(text[i]); }
char16_t codeAt(QStringView text, qsizetype i) { return text[i].unicode(); }

// Where "{\rtf" starts after blanks (and byte-order marks), or -1 when the
// content is not RTF.
template<typename View>
qsizetype rtfStart(View text)
{
    static constexpr char16_t magic[] = u"{\\rtf";
    qsizetype start = 0;
    while (start < text.size() && isBlank(codeAt(text, start)))
        ++start;
    for (qsizetype k = 0; k < 5; ++k)
        if (start + k >= text.size() || codeAt(text, start + k) != magic[k])
            return -1;
    return start;
}

QByteArrayView withoutUtf8Bom(QByteArrayView bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
}

bool startsWithUtf16Bom(QByteArrayView bytes)
{
    return bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

QString plainTextOf(QByteArrayView bytes)
{
    // Text that is not RTF: UTF-8 when it is valid UTF-8, otherwise the
    // Windows 8-bit code page the notes were written in.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = QStringDecoder("windows-1252").decode(bytes);
    return text;
}

void loadRtf(QTextDocument &document, QByteArrayView rtf, bool rawBytesAreUtf8)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false); // also forgets the previous content's history
    document.clear();
    detail::Reader(document, rawBytesAreUtf8).read(rtf);
    document.setUndoRedoEnabled(undo);
}

} // namespace

void load(QTextDocument &document, const QByteArray &rtf)
{
    if (startsWithUtf16Bom(rtf)) {
        load(document, QStringDecoder(QStringDecoder::Utf16).decode(rtf));
        return;
    }
    const QByteArrayView bytes = withoutUtf8Bom(rtf);
    const qsizetype start = rtfStart(bytes);
    if (start >= 0)
        loadRtf(document, bytes.sliced(start), false);
    else
        document.setPlainText(plainTextOf(bytes));
}

void load(QTextDocument &document, const QString &rtf)
{
    QStringView text(rtf);
    if (text.startsWith(QChar(0xFEFF)))
        text = text.sliced(1);
    const qsizetype start = rtfStart(text);
    if (start >= 0)
        loadRtf(document, text.sliced(start).toUtf8(), true);
    else
        document.setPlainText(text.toString());
}

QString plainText(const QTextDocument &document)
{
    QString out;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (const QTextList *list = block.textList()) {
            const int style = list->format().style();
            const bool bullet = style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle
                || style == QTextListFormat::ListSquare;
            out += bullet ? QStringLiteral("\u2022 ") : detail::numberLabel(style, listItemNumber(block)) + u' ';
        }
        QString text = block.text();
        text.replace(QChar::LineSeparator, u'\n');
        text.remove(QChar::ObjectReplacementCharacter); // pictures
        out += text;
        out += u'\n';
    }
    return out;
}

QTextListFormat bulletListFormat()
{
    QTextListFormat format;
    format.setStyle(QTextListFormat::ListDisc);
    format.setIndent(1);
    return format;
}

int listStart(const QTextListFormat &format)
{
    return format.hasProperty(ListStartProperty) ? format.intProperty(ListStartProperty) : 1;
}

int listItemNumber(const QTextBlock &block)
{
    const QTextList *list = block.textList();
    return list ? listStart(list->format()) + list->itemNumber(block) : 0;
}

QByteArray save(const QTextDocument &document)
{
    return detail::Writer(document).write();
}

} // namespace Rtf
