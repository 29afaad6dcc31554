#include "core/rtf/rtf_tokenizer.h"

#include <array>
#include <climits>

namespace Rtf::detail {

namespace {

enum CharClass : unsigned char { Plain, Letter, Digit, Stop };

// Byte classes, looked up once per byte: the text scan is the reader's
// innermost loop.
constexpr std::array<unsigned char, 256> classes = [] {
    std::array<unsigned char, 256> c{};
    for (int b = 'a'; b <= 'z'; ++b)
        c[b] = Letter;
    for (int b = 'A'; b <= 'Z'; ++b)
        c[b] = Letter;
    for (int b = '0'; b <= '9'; ++b)
        c[b] = Digit;
    for (unsigned char b : {'\\', '{', '}', '\r', '\n', '\0'})
        c[b] = Stop;
    return c;
}();

unsigned char classOf(char c) { return classes[static_cast<unsigned char>(c)]; }

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

Token Tokenizer::next()
{
    while (m_pos < m_end) {
        const char c = *m_pos;
        switch (c) {
        case '{':
            ++m_pos;
            return Token(TokenType::GroupStart);
        case '}':
            ++m_pos;
            return Token(TokenType::GroupEnd);
        case '\\': {
            Token t = controlSequence();
            if (t.type != TokenType::End || m_pos >= m_end)
                return t;
            continue; // an escape that produced nothing (e.g. "\'" without digits)
        }
        case '\r':
        case '\n':
        case '\0':
            ++m_pos;
            continue;
        default: {
            const char *start = m_pos;
            while (m_pos < m_end && classOf(*m_pos) != Stop)
                ++m_pos;
            Token t(TokenType::Text);
            t.text = QByteArrayView(start, m_pos - start);
            return t;
        }
        }
    }
    return Token(TokenType::End);
}

bool Tokenizer::takeSyntaxByte(unsigned char *byte)
{
    if (m_pos >= m_end)
        return false;
    const char c = *m_pos;
    if (c != '{' && c != '}' && c != '\\')
        return false;
    *byte = static_cast<unsigned char>(c);
    ++m_pos;
    return true;
}

Token Tokenizer::controlSequence()
{
    ++m_pos; // the backslash
    if (m_pos >= m_end)
        return Token(TokenType::End);
    const char c = *m_pos;
    if (classOf(c) == Letter)
        return controlWord();
    if (c == '\'')
        return hexByte();
    ++m_pos;
    if (c == '\r' || c == '\n') {
        Token t(TokenType::ControlWord);
        t.text = "par";
        return t;
    }
    Token t(TokenType::ControlSymbol);
    t.symbol = c;
    return t;
}

Token Tokenizer::controlWord()
{
    const char *start = m_pos;
    while (m_pos < m_end && classOf(*m_pos) == Letter)
        ++m_pos;
    Token t(TokenType::ControlWord);
    t.text = QByteArrayView(start, m_pos - start);

    bool negative = false;
    if (m_pos + 1 < m_end && *m_pos == '-' && classOf(m_pos[1]) == Digit) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < m_end && classOf(*m_pos) == Digit) {
        // Saturate instead of overflowing: a 40-digit parameter is junk, not UB.
        long long value = 0;
        while (m_pos < m_end && classOf(*m_pos) == Digit) {
            if (value <= INT_MAX)
                value = value * 10 + (*m_pos - '0');
            ++m_pos;
        }
        if (value > INT_MAX)
            value = INT_MAX;
        t.hasParam = true;
        t.param = negative ? -int(value) : int(value);
    }
    if (m_pos < m_end && *m_pos == ' ')
        ++m_pos;

    if (t.text.size() == 3 && t.text == "bin") {
        // The count is the only way to know where binary data ends; without
        // a usable one nothing is skipped.
        const qsizetype count = t.hasParam && t.param > 0 ? qMin<qsizetype>(t.param, m_end - m_pos) : 0;
        Token bin(TokenType::Binary);
        bin.text = QByteArrayView(m_pos, count);
        m_pos += count;
        return bin;
    }
    return t;
}

Token Tokenizer::hexByte()
{
    ++m_pos; // the quote
    int value = 0;
    int digits = 0;
    while (digits < 2 && m_pos < m_end) {
        const int h = hexValue(*m_pos);
        if (h < 0)
            break;
        value = value * 16 + h;
        ++digits;
        ++m_pos;
    }
    if (digits < 2)
        return Token(TokenType::End); // truncated or malformed escape: nothing to show
    Token t(TokenType::HexByte);
    t.byte = static_cast<unsigned char>(value);
    return t;
}

} // namespace Rtf::detail
