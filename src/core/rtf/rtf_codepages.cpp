#include "core/rtf/rtf_codepages.h"

#include <QStringDecoder>

namespace Rtf::detail {

namespace {

const char *decoderName(int codePage)
{
    switch (codePage) {
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 874: return "windows-874";
    case 932: return "windows-31j";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "windows-950";
    case 1250: return "windows-1250";
    case 1251: return "windows-1251";
    case 1252: return "windows-1252";
    case 1253: return "windows-1253";
    case 1254: return "windows-1254";
    case 1255: return "windows-1255";
    case 1256: return "windows-1256";
    case 1257: return "windows-1257";
    case 1258: return "windows-1258";
    case 10000: return "macintosh";
    case 10001: return "windows-31j"; // Mac Japanese is Shift_JIS for text purposes
    case 10007: return "x-mac-cyrillic";
    case CodePages::Utf8: return "UTF-8";
    default: return "windows-1252";
    }
}

} // namespace

int CodePages::forCharset(int charset, int documentCodePage)
{
    switch (charset) {
    case 0: return 1252;
    case 2: return 1252; // Symbol: its bytes are glyph numbers, shown as Latin
    case 77: return 10000;
    case 78: return 10001;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 850;
    default: return documentCodePage; // 1 (default) and the unknown ones
    }
}

bool CodePages::isDoubleByte(int codePage)
{
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950 || codePage == 10001;
}

bool CodePages::isLeadByte(int codePage, unsigned char byte)
{
    switch (codePage) {
    case 932:
    case 10001:
        return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:
    case 949:
    case 950:
        return byte >= 0x81 && byte <= 0xFE;
    default:
        return false;
    }
}

const CodePages::Table &CodePages::table(int codePage)
{
    if (codePage == m_lastCodePage)
        return *m_last;
    auto it = m_tables.find(codePage);
    if (it == m_tables.end()) {
        auto t = std::make_unique<Table>();
        QStringDecoder decoder(decoderName(codePage));
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString s = decoder.isValid() && b >= 0x80 ? decoder.decode(QByteArrayView(&byte, 1)) : QString();
            decoder.resetState();
            t->chars[b] = s.size() == 1 ? s.at(0).unicode() : (b < 0x80 ? char16_t(b) : u'\uFFFD');
        }
        it = m_tables.emplace(codePage, std::move(t)).first;
    }
    m_lastCodePage = codePage;
    m_last = it->second.get();
    return *m_last;
}

QChar CodePages::single(int codePage, unsigned char byte)
{
    if (byte < 0x80)
        return QChar(byte);
    return QChar(table(codePage).chars[byte]);
}

QString CodePages::decode(int codePage, QByteArrayView bytes)
{
    QStringDecoder decoder(decoderName(codePage));
    return decoder.isValid() ? decoder.decode(bytes) : QString::fromLatin1(bytes);
}

} // namespace Rtf::detail
