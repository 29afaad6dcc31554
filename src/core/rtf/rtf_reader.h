#pragma once

#include "core/rtf/rtf_codepages.h"
#include "core/rtf/rtf_picture.h"
#include "core/rtf/rtf_tokenizer.h"

#include <QColor>
#include <QHash>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

class QTextDocument;
class QTextList;

namespace Rtf::detail {

enum class Word : std::uint8_t;

// Builds a QTextDocument from RTF in one pass. Groups are kept on an explicit
// stack (bounded; deeper nesting shares the innermost state), so hostile
// input costs bounded memory and no recursion.
class Reader
{
public:
    // rawBytesAreUtf8: bytes above 0x7F outside escapes are UTF-8 (RTF that
    // already was text) rather than bytes of the current code page.
    Reader(QTextDocument &document, bool rawBytesAreUtf8);

    void read(QByteArrayView rtf);

private:
    enum class Dest : std::uint8_t {
        Normal, Skip, ListText, LevelText, FontTable, FontName, ColorTable, ListTable, ListOverrideTable, Pn, Upr, Pict, ShpPict,
        NonShpPict
    };

    struct CharState
    {
        int font = -1; // -1: the document's default font (\deff)
        int halfPoints = 24; // what RTF means when \fs is not given
        int color = 0;
        int background = 0; // colour table index of \highlight, \cb or \chcbpat; 0 none
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strike = false;
        bool hidden = false;
        std::int8_t vertical = 0; // 1 superscript, 2 subscript
        bool doubleByte = false; // after \dbch (until \loch or \hich): bytes are read in the East Asian font's code page
        bool namesEastAsianFont = false; // the last of \loch, \hich, \dbch, \rtlch, \ltrch was \dbch
        int eastAsianFont = -1; // \af or \f after \dbch; -1 none
        bool operator==(const CharState &o) const
        {
            return font == o.font && halfPoints == o.halfPoints && color == o.color && background == o.background
                && bold == o.bold && italic == o.italic && underline == o.underline && strike == o.strike
                && hidden == o.hidden && vertical == o.vertical && doubleByte == o.doubleByte
                && namesEastAsianFont == o.namesEastAsianFont && eastAsianFont == o.eastAsianFont;
        }
        bool operator!=(const CharState &o) const { return !(*this == o); }
        // The state of the format of characters of East Asian scripts, or of
        // the others: East Asian ones take the font named after \dbch.
        CharState shown(bool eastAsian) const
        {
            CharState s = *this;
            if (eastAsian && eastAsianFont >= 0)
                s.font = eastAsianFont;
            s.doubleByte = s.namesEastAsianFont = false;
            s.eastAsianFont = -1;
            return s;
        }
        // Everything that makes the format of a shown state, packed (numbers
        // beyond the fields' widths are clamped: such files do not need exact formats).
        std::uint64_t key() const
        {
            const auto clamp = [](int v, int bits) { return std::uint64_t(qBound(-1, v, (1 << bits) - 2) + 1); };
            return clamp(font, 16) | clamp(halfPoints, 13) << 16 | clamp(color, 14) << 29
                | clamp(background, 14) << 43 | std::uint64_t(bold) << 57 | std::uint64_t(italic) << 58
                | std::uint64_t(underline) << 59 | std::uint64_t(strike) << 60 | std::uint64_t(hidden) << 61
                | std::uint64_t(vertical & 3) << 62;
        }
    };

    struct ParaState
    {
        Qt::Alignment align = Qt::AlignLeft;
        int ls = 0; // Word list override (\lsN), 0 none
        int level = 0; // \ilvl
        int pnStyle = 0; // QTextListFormat::Style of a \pn paragraph, 0 none
        Qt::LayoutDirection direction = Qt::LayoutDirectionAuto; // \rtlpar, \ltrpar; auto when not given
    };

    struct Group
    {
        CharState chr;
        ParaState para;
        Dest dest = Dest::Normal;
        Dest resume = Dest::Normal; // where {\*\ud} inside \upr returns to
        bool uprChild = false;
        int uc = 1;
        const char *start = nullptr; // the group's "{" in the input
    };

    struct Font
    {
        QString name;
        QString realName; // {\*\fname}: the family behind a name such as "Arial Greek"
        int charset = -1;
        int codePage = 0;
    };

    struct ListLevel
    {
        int nfc = 0; // \levelnfc
        int start = 1; // \levelstartat
        QString text; // \leveltext after its length: a bullet's character
    };

    struct ListDef
    {
        int id = 0;
        std::vector<ListLevel> levels;
    };

    // The list a paragraph belongs to.
    struct ListRef
    {
        int style = 0; // 0: none
        bool word = false; // keyed by \ls
        int id = 0;
        int start = 1;
    };

    struct ListOverride
    {
        int ls = 0;
        int listId = 0;
    };

    struct OpenList
    {
        bool word = false; // keyed by \ls (lives for the whole document) or a \pn run
        int id = 0;
        int level = 0;
        int style = 0;
        QTextList *list = nullptr;
        bool interrupted = false; // a \pn run that a plain paragraph broke
    };

    Group &top() { return m_stack.back(); }
    void pushGroup();
    bool popGroup();

    void handleWord(const Token &t);
    void handleSymbol(char symbol);
    void handleText(QByteArrayView run);
    void handleHexByte(unsigned char byte);
    bool enterDestination(Word w);
    void fontTableWord(Word w, const Token &t);
    void listTableWord(Word w, const Token &t);
    void normalWord(Word w, const Token &t, char16_t ch);
    void pictWord(Word w, const Token &t);
    void handleBinary(const char *wordStart, const Token &t);
    void appendHex(QByteArrayView run);
    QByteArray rawGroup(const char *start, const char *end) const;
    void closePicture(const Group &closed);
    bool isOwnForm(const Picture &picture, const char *start, const char *end) const;
    void flushPicture();

    int codePageOf(int font);
    int currentCodePage();
    void pushByte(unsigned char byte, int codePage);
    void flushPending();
    void emitChar(QChar c);
    void emitString(const QString &s);
    void beginText();

    void commitFont();
    void commitColor();

    const QTextCharFormat &charFormat(const CharState &s);
    void flushText();
    void ensureBlock();
    void finishBlock(const Group &g);
    void endParagraph();
    bool paragraphHasContent() const;
    ListRef listOf(const ParaState &p) const;
    bool hasListTable(int ls) const;
    void applyList(const ParaState &p);
    void finish();

    QTextDocument &m_document;
    QTextCursor m_cursor;
    const bool m_rawUtf8;
    CodePages m_codePages;

    Tokenizer *m_tokenizer = nullptr; // while read() runs
    std::vector<Group> m_stack;
    int m_overflowDepth = 0;
    int m_ucSkip = 0;
    bool m_ignorable = false;
    bool m_done = false;

    int m_ansiCodePage = 1252;
    int m_defaultFont = 0;
    QHash<int, Font> m_fonts;
    int m_cachedFont = -2;
    int m_cachedCodePage = 1252;
    int m_fontIndex = -1; // entry being read in the font table
    Font m_font;
    bool m_fontOpen = false;

    std::vector<QColor> m_colors;
    int m_red = -1, m_green = -1, m_blue = -1;

    std::vector<ListDef> m_listDefs;
    std::vector<ListOverride> m_overrides;
    std::vector<OpenList> m_openLists;
    QString m_listText; // the \listtext label of the paragraph being read
    int m_pnStart = 0; // \pnstart of a \pn group in the paragraph being read, 0 none

    QByteArray m_pending; // a DBCS lead byte or an unfinished UTF-8 sequence
    int m_pendingCodePage = 0;

    QString m_text; // text not yet inserted, all in m_textState
    CharState m_textState;
    QHash<std::uint64_t, QTextCharFormat> m_formats; // by CharState::key()
    const QTextBlockFormat m_plainBlock;
    const QTextCharFormat m_plainChar;
    bool m_formatsValid = true;
    bool m_blockPending = false; // a \par ended the last block; the next one is not created yet
    bool m_blockHasText = false;
    bool m_anyParagraph = false;
    bool m_blockHasPicture = false;
    std::optional<Group> m_documentGroup; // the state when the document's "}" closed it

    // Pictures. The \pict being read; a {\*\shppict} picture waits for the
    // {\nonshppict} twin that usually follows, whose bytes it keeps.
    const char *m_tokenStart = nullptr;
    Picture m_pict;
    int m_nibble = -1; // the first hex digit of a byte whose second is still to come
    std::optional<Picture> m_containerPicture; // the \pict read inside a shppict / nonshppict group
    std::optional<Picture> m_pendingPicture;
    bool m_pendingFromShape = false;
    struct BinSplice
    {
        const char *from; // the \bin word
        const char *to; // after its data
        QByteArrayView data;
    };
    std::vector<BinSplice> m_binSplices;
};

} // namespace Rtf::detail
