#pragma once

#include <QByteArrayView>

namespace Rtf::detail {

enum class TokenType {
    GroupStart,
    GroupEnd,
    ControlWord,   // name, optional parameter
    ControlSymbol, // symbol: the character after the backslash
    HexByte,       // \'hh: byte
    Text,          // a run of plain bytes: text
    Binary,        // the data of \binN (already skipped)
    End
};

struct Token
{
    explicit Token(TokenType t = TokenType::End) : type(t) {}

    TokenType type = TokenType::End;
    QByteArrayView text; // word name, text run or binary data
    int param = 0;
    bool hasParam = false;
    char symbol = 0;
    unsigned char byte = 0;
};

// Splits RTF bytes into tokens in one pass, without recursion and without
// copying: every view points into the input, which must outlive the tokens.
// Raw CR, LF and NUL bytes are dropped; "\" followed by CR or LF comes out as
// the control word "par".
class Tokenizer
{
public:
    explicit Tokenizer(QByteArrayView data) : m_pos(data.data()), m_end(data.data() + data.size()) {}

    Token next();
    // A raw DBCS lead byte may be followed by a trail byte that looks like
    // "{", "}" or "\"; the reader takes it here before it is read as syntax.
    bool takeSyntaxByte(unsigned char *byte);
    bool atEnd() const { return m_pos >= m_end; }
    // Where the next token starts (after the bytes read so far).
    const char *position() const { return m_pos; }

private:
    Token controlSequence();
    Token controlWord();
    Token hexByte();

    const char *m_pos;
    const char *const m_end;
};

} // namespace Rtf::detail
