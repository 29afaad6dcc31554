#pragma once

#include <QByteArrayView>
#include <QString>

#include <array>
#include <map>
#include <memory>

namespace Rtf::detail {

// Windows code page numbers used by RTF and their decoding. The decoding
// itself is Qt's (ICU-backed QStringDecoder); this class only knows which
// name a code page has, which charset means which code page, and which bytes
// lead a double-byte character.
class CodePages
{
public:
    static constexpr int Utf8 = 65001;

    static int forCharset(int charset, int documentCodePage);
    static bool isDoubleByte(int codePage);
    static bool isLeadByte(int codePage, unsigned char byte);

    // The character of a single byte (never a lead byte) in the code page.
    QChar single(int codePage, unsigned char byte);
    // Decodes bytes as one piece (a double-byte pair, a UTF-8 sequence).
    QString decode(int codePage, QByteArrayView bytes);

private:
    struct Table
    {
        std::array<char16_t, 256> chars;
    };
    const Table &table(int codePage);

    std::map<int, std::unique_ptr<Table>> m_tables;
    int m_lastCodePage = -1;
    const Table *m_last = nullptr;
};

} // namespace Rtf::detail
