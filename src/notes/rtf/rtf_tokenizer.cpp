#include "notes/rtf/rtf_tokenizer.h"

#include <climits>

namespace Rtf::detail {

namespace {

bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

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

bool endsText(char c) { return c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n' || c == '\0'; }

} // namespace

Token Tokenizer::next()
{
    const qsizetype size = m_data.size();
    while (m_pos < size) {
        const char c = m_data[m_pos];
        switch (c) {
        case '{':
            ++m_pos;
            return Token(TokenType::GroupStart);
        case '}':
            ++m_pos;
            return Token(TokenType::GroupEnd);
        case '\\': {
            Token t = controlSequence();
            if (t.type != TokenType::End || m_pos >= size)
                return t;
            continue; // an escape that produced nothing (e.g. "\'" without digits)
        }
        case '\r':
        case '\n':
        case '\0':
            ++m_pos;
            continue;
        default: {
            const qsizetype start = m_pos;
            while (m_pos < size && !endsText(m_data[m_pos]))
                ++m_pos;
            Token t(TokenType::Text);
            t.text = m_data.sliced(start, m_pos - start);
            return t;
        }
        }
    }
    return Token(TokenType::End);
}

bool Tokenizer::takeSyntaxByte(unsigned char *byte)
{
    if (m_pos >= m_data.size())
        return false;
    const char c = m_data[m_pos];
    if (c != '{' && c != '}' && c != '\\')
        return false;
    *byte = static_cast<unsigned char>(c);
    ++m_pos;
    return true;
}

Token Tokenizer::controlSequence()
{
    ++m_pos; // the backslash
    if (m_pos >= m_data.size())
        return Token(TokenType::End);
    const char c = m_data[m_pos];
    if (isLetter(c))
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
    const qsizetype size = m_data.size();
    const qsizetype start = m_pos;
    while (m_pos < size && isLetter(m_data[m_pos]))
        ++m_pos;
    Token t(TokenType::ControlWord);
    t.text = m_data.sliced(start, m_pos - start);

    bool negative = false;
    if (m_pos + 1 < size && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    if (m_pos < size && isDigit(m_data[m_pos])) {
        // Saturate instead of overflowing: a 40-digit parameter is junk, not UB.
        long long value = 0;
        while (m_pos < size && isDigit(m_data[m_pos])) {
            if (value <= INT_MAX)
                value = value * 10 + (m_data[m_pos] - '0');
            ++m_pos;
        }
        if (value > INT_MAX)
            value = INT_MAX;
        t.hasParam = true;
        t.param = negative ? -int(value) : int(value);
    }
    if (m_pos < size && m_data[m_pos] == ' ')
        ++m_pos;

    if (t.text.size() == 3 && t.text == "bin") {
        // The count is the only way to know where binary data ends; without
        // a usable one nothing is skipped.
        const qsizetype count = t.hasParam && t.param > 0 ? qMin<qsizetype>(t.param, size - m_pos) : 0;
        Token bin(TokenType::Binary);
        bin.text = m_data.sliced(m_pos, count);
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
    while (digits < 2 && m_pos < m_data.size()) {
        const int h = hexValue(m_data[m_pos]);
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
