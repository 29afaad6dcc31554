#include "core/settings_format.h"

#include "core/settings_store.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// The file has no code page of its own; Windows-1252 is what it was always
// written in.
const char *const AnsiCodePage = "windows-1252";

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

// Characters the code page cannot hold become "?", one per code point.
QByteArray toAnsi(QStringView text)
{
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size()
                && text[i + 1].isLowSurrogate() ? 2 : 1;
        const QStringView one = text.mid(i, n);
        i += n;
        if (one.front().unicode() < 0x80) {
            out += char(one.front().unicode());
            continue;
        }
        // A fresh encoder for each character: ICU's writes 0x1A for what it
        // cannot map and does not always say so.
        QStringEncoder ansi(AnsiCodePage);
        QByteArray bytes;
        if (ansi.isValid())
            bytes = ansi(one);
        else if (n == 1 && one.front().unicode() <= 0xFF) // Qt without ICU
            bytes = QByteArray(1, char(one.front().unicode()));
        out += (ansi.hasError() || bytes.size() != 1 || bytes[0] == '\x1A') ? QByteArray("?") : bytes;
    }
    return out;
}

} // namespace

namespace SettingsFormat {

std::optional<qint32> toInt32(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    const QStringView rest = text.mid(i);
    bool hex = false;
    qsizetype start = 0;
    if (rest.startsWith(QLatin1Char('$')) || rest.startsWith(QLatin1Char('x'))
        || rest.startsWith(QLatin1Char('X'))) {
        hex = true;
        start = 1;
    } else if (rest.startsWith(QLatin1String("0x")) || rest.startsWith(QLatin1String("0X"))) {
        hex = true;
        start = 2;
    }
    const QStringView digits = rest.mid(start);
    if (digits.isEmpty())
        return std::nullopt;

    quint64 value = 0;
    if (hex) {
        for (QChar c : digits) {
            const int d = hexDigit(c);
            if (d < 0)
                return std::nullopt;
            value = value * 16 + quint64(d);
            if (value > 0xFFFFFFFFull)
                return std::nullopt;
        }
        // A 32-bit pattern: eight F digits are -1.
        const auto pattern = static_cast<qint32>(static_cast<quint32>(value));
        return negative ? static_cast<qint32>(0u - static_cast<quint32>(pattern)) : pattern;
    }
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + quint64(c.unicode() - '0');
        if (value > 0x80000000ull)
            return std::nullopt;
    }
    if (!negative && value > 0x7FFFFFFFull)
        return std::nullopt;
    return negative ? static_cast<qint32>(-static_cast<qint64>(value)) : static_cast<qint32>(value);
}

std::optional<QString> lookup(QStringView text, QStringView key)
{
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text = text.left(nul);
    qsizetype pos = 0;
    while (pos <= text.size()) {
        qsizetype end = pos;
        while (end < text.size() && text[end] != QLatin1Char('\r') && text[end] != QLatin1Char('\n'))
            ++end;
        const QStringView line = text.mid(pos, end - pos);
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq >= 0 && line.left(eq).compare(key, Qt::CaseInsensitive) == 0)
            return line.mid(eq + 1).toString();
        if (end >= text.size())
            break;
        // CR LF is one line end; a lone CR or LF is one too.
        pos = end + 1;
        if (text[end] == QLatin1Char('\r') && pos < text.size() && text[pos] == QLatin1Char('\n'))
            ++pos;
    }
    return std::nullopt;
}

QString decode(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringDecoder::Utf16LE)(bytes.mid(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringDecoder::Utf16BE)(bytes.mid(2));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QStringDecoder(QStringDecoder::Utf8)(bytes.mid(3));
    QStringDecoder ansi(AnsiCodePage);
    // Qt without ICU has no Windows-1252; Latin-1 differs only in 0x80-0x9F.
    return ansi.isValid() ? QString(ansi(bytes)) : QString::fromLatin1(bytes);
}

QByteArray encode(const ProgramSettings &s)
{
    const auto number = [](qint32 v) { return QString::number(v); };
    const std::pair<const char *, QString> lines[] = {
        {"Color", number(s.DefaultColor.value())},
        {"Opacity", number(s.DefaultOpacity)},
        {"Title", number(s.DefaultTitle)},
        {"CheckForUpdates", number(s.CheckForUpdates ? 1 : 0)},
        {"FontName", s.DefaultFontName},
        {"FontSize", number(s.DefaultFontSize)},
        {"FontColor", number(s.DefaultFontColor.value())},
        {"FontStyle", number(s.DefaultFontStyle)},
    };
    QString text;
    for (const auto &[key, value] : lines)
        if (!value.isEmpty())
            text += QLatin1String(key) + QLatin1Char('=') + value + QLatin1String("\r\n");

    return toAnsi(text);
}

} // namespace SettingsFormat
