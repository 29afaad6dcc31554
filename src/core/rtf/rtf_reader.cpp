#include "core/rtf/rtf_reader.h"

#include "core/rtf/rtf.h"
#include "core/rtf/rtf_scripts.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace Rtf::detail {

enum class Word : std::uint8_t {
    Unknown,
    // destinations
    SkipDest, FontTable, ColorTable, ListTable, ListOverrideTable, Pn, Upr, Ud, Field, FldRslt,
    List, ListLevel, ListOverride,
    // header
    Ansi, AnsiCpg, Mac, Pc, Pca, Deff, FCharset, Cpg, F,
    Red, Green, Blue, ListId, LevelNfc, LevelStartAt, LevelText, Ls, Ilvl,
    // character
    Plain, Fs, B, I, Ul, UlNone, Strike, Cf, V, Super, Sub, NoSuperSub, Up, Dn, Highlight, Cb, FName,
    Dbch, Loch, Af, RunDirection,
    // pictures
    Pict, ShpPict, NonShpPict, ListText, PngBlip, JpegBlip, EmfBlip, WMetafile, MacPict, PmMetafile, DiBitmap, WBitmap,
    PicW, PicH, PicWGoal, PicHGoal, PicScaleX, PicScaleY, WbmBitsPixel, WbmWidthBytes,
    // paragraph
    Pard, Ql, Qr, Qc, Qj, RtlPar, LtrPar,
    PnLvlBlt, PnLvlBody, PnLvlCont, PnStart, PnDec, PnUcLtr, PnLcLtr, PnUcRm, PnLcRm,
    // breaks and special characters
    Par, Line, Tab, Cell, Row, U, Uc, Char, Ignore
};

namespace {

constexpr int MaxDepth = 4096;
constexpr size_t MaxLists = 1024;

struct WordInfo
{
    Word word;
    char16_t ch = 0; // for Word::Char
};

const QHash<QByteArray, WordInfo> &words()
{
    static const QHash<QByteArray, WordInfo> table = [] {
        QHash<QByteArray, WordInfo> h;
        // Destinations whose content is never text of the note: document
        // properties, pictures, embedded objects, headers and footers,
        // annotations, footnotes and the data stores of newer writers.
        for (const char *name :
             {"info", "stylesheet", "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr",
              "footerf", "footnote", "annotation", "atnid", "atnauthor", "atndate", "atnref", "atnparent",
              "atrfstart", "atrfend", "atnicn", "object", "shp", "shpinst",
              "shprslt", "shptxt", "sp", "sn", "sv", "do", "fldinst", "themedata", "colorschememapping",
              "datastore", "latentstyles", "xmlnstbl", "rsidtbl", "pntext", "pntxta", "pntxtb",
              "bkmkstart", "bkmkend", "xe", "tc", "tcn", "txe", "template", "userprops", "docvar", "filetbl",
              "revtbl", "pgdsctbl", "mmathPr", "wgrffmtfilter", "pnseclvl", "listpicture", "ftnsep", "ftnsepc",
              "ftncn", "aftnsep", "aftnsepc", "aftncn", "fchars", "lchars", "protusertbl", "defchp", "defpap",
              "nesttableprops", "keywords", "operator", "company", "doccomm", "hlinkbase", "buptim", "creatim",
              "printim", "revtim", "title", "subject", "author", "manager", "category", "comment", "generator",
              "panose", "falt", "levelnumbers", "listname", "objdata", "objclass",
              "objname", "result", "blipuid", "fontemb", "fontfile", "formfield", "datafield", "background",
              "picprop", "oleclsid", "xmlopen", "xmlclose", "xmlattrname", "xmlattrvalue", "passwordhash",
              "mhtmltag", "htmltag", "bkmkpub",
              "private", "nonesttables", "rsid", "gridtbl", "ebcstart", "ebcend", "pxe", "sectnum"})
            h.insert(name, {Word::SkipDest});
        const std::pair<const char *, Word> plain[] = {
            {"fonttbl", Word::FontTable}, {"colortbl", Word::ColorTable}, {"listtable", Word::ListTable},
            {"listoverridetable", Word::ListOverrideTable}, {"pn", Word::Pn}, {"upr", Word::Upr},
            {"ud", Word::Ud}, {"field", Word::Field}, {"fldrslt", Word::FldRslt}, {"list", Word::List},
            {"listlevel", Word::ListLevel}, {"listoverride", Word::ListOverride}, {"ansi", Word::Ansi},
            {"ansicpg", Word::AnsiCpg}, {"mac", Word::Mac}, {"pc", Word::Pc}, {"pca", Word::Pca},
            {"deff", Word::Deff}, {"fcharset", Word::FCharset}, {"cpg", Word::Cpg}, {"f", Word::F},
            {"red", Word::Red}, {"green", Word::Green}, {"blue", Word::Blue}, {"listid", Word::ListId},
            {"levelnfc", Word::LevelNfc}, {"levelnfcn", Word::LevelNfc}, {"levelstartat", Word::LevelStartAt},
            {"leveltext", Word::LevelText}, {"ls", Word::Ls}, {"ilvl", Word::Ilvl},
            {"plain", Word::Plain}, {"fs", Word::Fs}, {"b", Word::B}, {"i", Word::I}, {"ul", Word::Ul},
            {"ulnone", Word::UlNone}, {"strike", Word::Strike}, {"striked", Word::Strike}, {"cf", Word::Cf},
            {"v", Word::V}, {"super", Word::Super}, {"up", Word::Up}, {"dn", Word::Dn},
            {"highlight", Word::Highlight}, {"dbch", Word::Dbch}, {"loch", Word::Loch},
            {"hich", Word::Loch}, {"af", Word::Af}, {"rtlch", Word::RunDirection},
            {"ltrch", Word::RunDirection}, {"cb", Word::Cb}, {"chcbpat", Word::Cb}, {"fname", Word::FName},
            {"pict", Word::Pict}, {"listtext", Word::ListText}, {"shppict", Word::ShpPict}, {"nonshppict", Word::NonShpPict},
            {"pngblip", Word::PngBlip}, {"jpegblip", Word::JpegBlip}, {"emfblip", Word::EmfBlip},
            {"wmetafile", Word::WMetafile}, {"macpict", Word::MacPict}, {"pmmetafile", Word::PmMetafile},
            {"dibitmap", Word::DiBitmap}, {"wbitmap", Word::WBitmap}, {"picw", Word::PicW}, {"pich", Word::PicH},
            {"picwgoal", Word::PicWGoal}, {"pichgoal", Word::PicHGoal}, {"picscalex", Word::PicScaleX},
            {"picscaley", Word::PicScaleY}, {"wbmbitspixel", Word::WbmBitsPixel},
            {"wbmwidthbytes", Word::WbmWidthBytes}, {"sub", Word::Sub}, {"nosupersub", Word::NoSuperSub},
            {"pard", Word::Pard}, {"ql", Word::Ql}, {"qr", Word::Qr}, {"qc", Word::Qc}, {"qj", Word::Qj},
            {"qd", Word::Qj}, {"rtlpar", Word::RtlPar}, {"ltrpar", Word::LtrPar},
            {"pnlvlblt", Word::PnLvlBlt}, {"pnlvlbody", Word::PnLvlBody},
            {"pnlvlcont", Word::PnLvlCont}, {"pnstart", Word::PnStart}, {"pndec", Word::PnDec}, {"pnucltr", Word::PnUcLtr},
            {"pnlcltr", Word::PnLcLtr}, {"pnucrm", Word::PnUcRm}, {"pnlcrm", Word::PnLcRm},
            {"par", Word::Par}, {"sect", Word::Par}, {"page", Word::Par}, {"line", Word::Line},
            {"tab", Word::Tab}, {"cell", Word::Cell}, {"nestcell", Word::Cell}, {"row", Word::Row},
            {"nestrow", Word::Row}, {"u", Word::U}, {"uc", Word::Uc}};
        for (const auto &[name, w] : plain)
            h.insert(name, {w});
        for (const char *name : {"uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth",
                                 "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw",
                                 "ulwave"})
            h.insert(name, {Word::Ul});
        const std::pair<const char *, char16_t> chars[] = {
            {"emdash", u'\u2014'}, {"endash", u'\u2013'}, {"lquote", u'\u2018'}, {"rquote", u'\u2019'},
            {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'}, {"bullet", u'\u2022'}, {"emspace", u'\u2003'},
            {"enspace", u'\u2002'}, {"qmspace", u'\u2005'}, {"zwj", u'\u200D'}, {"zwnj", u'\u200C'}};
        for (const auto &[name, c] : chars)
            h.insert(name, {Word::Char, c});
        return h;
    }();
    return table;
}

// Control words are looked up once per word in the input, so the table is
// an open-addressed array over the names rather than a general hash.
class WordTable
{
public:
    WordTable()
    {
        const QHash<QByteArray, WordInfo> &all = words();
        for (auto it = all.cbegin(); it != all.cend(); ++it) {
            size_t i = slot(it.key());
            while (!m_slots[i].name.isEmpty())
                i = (i + 1) & (Size - 1);
            m_slots[i] = {it.key(), it.value()};
        }
    }

    WordInfo find(QByteArrayView name) const
    {
        if (name.size() > 32)
            return {Word::Unknown};
        for (size_t i = slot(name);; i = (i + 1) & (Size - 1)) {
            const Slot &s = m_slots[i];
            if (s.name.isEmpty())
                return {Word::Unknown};
            if (s.name.size() == name.size() && std::memcmp(s.name.constData(), name.data(), size_t(name.size())) == 0)
                return s.info;
        }
    }

private:
    static constexpr size_t Size = 1024; // a power of two, well above the number of words

    static size_t slot(QByteArrayView name)
    {
        std::uint32_t h = 2166136261u; // FNV-1a
        for (char c : name)
            h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
        return h & (Size - 1);
    }

    struct Slot
    {
        QByteArray name;
        WordInfo info{Word::Unknown};
    };
    std::array<Slot, Size> m_slots;
};

WordInfo lookup(QByteArrayView name)
{
    static const WordTable table;
    return table.find(name);
}

bool flag(const Token &t) { return !t.hasParam || t.param != 0; }

// The bullet a list level's text shows; by its level (as other writers'
// defaults go) when the text is none of these.
int bulletStyle(const QString &text, int level)
{
    static constexpr int byLevel[] = {QTextListFormat::ListDisc, QTextListFormat::ListCircle,
                                      QTextListFormat::ListSquare};
    if (text.isEmpty())
        return byLevel[level % 3];
    switch (text.front().unicode()) {
    case 0x2022: case 0x00B7: case 0xF0B7: case 0x25CF: return QTextListFormat::ListDisc;
    case u'o': case 0x25E6: case 0x25CB: return QTextListFormat::ListCircle;
    case 0x25AA: case 0x25A0: case 0x00A7: case 0xF0A7: return QTextListFormat::ListSquare;
    default: return byLevel[level % 3];
    }
}

int styleForNfc(int nfc, const QString &text, int level)
{
    switch (nfc) {
    case 0: return QTextListFormat::ListDecimal;
    case 1: return QTextListFormat::ListUpperRoman;
    case 2: return QTextListFormat::ListLowerRoman;
    case 3: return QTextListFormat::ListUpperAlpha;
    case 4: return QTextListFormat::ListLowerAlpha;
    case 23: return bulletStyle(text, level);
    case 255: return 0; // a level without a label
    default: return QTextListFormat::ListDecimal;
    }
}

} // namespace

Reader::Reader(QTextDocument &document, bool rawBytesAreUtf8)
    : m_document(document), m_cursor(&document), m_rawUtf8(rawBytesAreUtf8)
{
    m_stack.reserve(64);
    m_stack.emplace_back(); // outside every group
}

void Reader::read(QByteArrayView rtf)
{
    // One edit block: the document lays itself out once, not after every run.
    m_cursor.beginEditBlock();
    Tokenizer tokenizer(rtf);
    m_tokenizer = &tokenizer;
    while (!m_done) {
        m_tokenStart = tokenizer.position();
        const Token t = tokenizer.next();
        if (t.type != TokenType::ControlWord)
            m_ignorable = false;
        switch (t.type) {
        case TokenType::End:
            m_done = true;
            break;
        case TokenType::GroupStart:
            flushPending();
            m_ucSkip = 0;
            pushGroup();
            break;
        case TokenType::GroupEnd:
            flushPending();
            m_ucSkip = 0;
            if (!popGroup())
                m_done = true; // the closing brace of the document: the rest is not RTF
            break;
        case TokenType::ControlWord:
            flushPending();
            if (m_ucSkip > 0) {
                --m_ucSkip;
                m_ignorable = false;
            } else {
                handleWord(t);
            }
            break;
        case TokenType::ControlSymbol:
            flushPending();
            if (m_ucSkip > 0)
                --m_ucSkip;
            else
                handleSymbol(t.symbol);
            break;
        case TokenType::HexByte:
            if (m_ucSkip > 0)
                --m_ucSkip;
            else
                handleHexByte(t.byte);
            break;
        case TokenType::Text: {
            const qsizetype skip = qMin<qsizetype>(m_ucSkip, t.text.size());
            m_ucSkip -= int(skip);
            if (skip < t.text.size())
                handleText(t.text.sliced(skip));
            break;
        }
        case TokenType::Binary:
            flushPending();
            if (m_ucSkip > 0)
                --m_ucSkip;
            else
                handleBinary(m_tokenStart, t);
            break;
        }
    }
    m_tokenizer = nullptr;
    finish();
    m_cursor.endEditBlock();
}

void Reader::pushGroup()
{
    if (m_stack.size() >= MaxDepth) {
        ++m_overflowDepth;
        return;
    }
    Group g = m_stack.back();
    g.uprChild = false;
    g.start = m_tokenizer ? m_tokenizer->position() - 1 : nullptr; // the "{" just read
    if (g.dest == Dest::Upr) {
        g.dest = Dest::Skip; // the ANSI twin; only {\*\ud ...} is read
        g.uprChild = true;
    } else if (g.dest == Dest::Pn) {
        g.dest = Dest::Skip;
    }
    m_stack.push_back(g);
}

bool Reader::popGroup()
{
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return true;
    }
    if (m_stack.size() <= 1)
        return true; // a stray "}" before the document started
    const Group closed = m_stack.back();
    m_stack.pop_back();
    if (closed.dest == Dest::FontTable && m_fontOpen)
        commitFont();
    if (closed.dest == Dest::Pn && top().dest != Dest::Pn) {
        top().para.pnStyle = closed.para.pnStyle;
        top().para.level = closed.para.level;
    }
    if ((closed.dest == Dest::Pict || closed.dest == Dest::ShpPict || closed.dest == Dest::NonShpPict)
        && top().dest != closed.dest)
        closePicture(closed);
    if (m_stack.size() == 1)
        m_documentGroup = closed; // what a last paragraph without \par was written with
    return m_stack.size() > 1;
}

bool Reader::enterDestination(Word w)
{
    Group &g = top();
    switch (w) {
    case Word::SkipDest: g.dest = Dest::Skip; return true;
    case Word::FontTable: g.dest = Dest::FontTable; return true;
    case Word::ColorTable:
        g.dest = Dest::ColorTable;
        m_colors.clear();
        m_red = m_green = m_blue = -1;
        return true;
    case Word::ListTable: g.dest = Dest::ListTable; return true;
    case Word::ListOverrideTable: g.dest = Dest::ListOverrideTable; return true;
    case Word::Pn:
        g.dest = Dest::Pn;
        g.para.pnStyle = 0;
        return true;
    case Word::Upr:
        g.resume = g.dest;
        g.dest = Dest::Upr;
        return true;
    case Word::Field:
    case Word::FldRslt:
        return true; // a field shows its result, which is ordinary text
    case Word::FName:
        if (g.dest != Dest::FontTable)
            return false;
        g.dest = Dest::FontName;
        return true;
    case Word::Pict:
        if (g.dest != Dest::Normal && g.dest != Dest::ShpPict && g.dest != Dest::NonShpPict)
            return false;
        g.dest = Dest::Pict;
        m_pict = Picture();
        m_nibble = -1;
        if (m_stack.size() >= 2 && m_stack[m_stack.size() - 2].dest == Dest::Normal)
            m_binSplices.clear();
        return true;
    case Word::LevelText:
        if (g.dest != Dest::ListTable)
            return false;
        g.dest = Dest::LevelText;
        if (!m_listDefs.empty() && !m_listDefs.back().levels.empty())
            m_listDefs.back().levels.back().text.clear();
        return true;
    case Word::ListText:
        // the label other programs show; used for a \ls whose table is missing
        g.dest = g.dest == Dest::Normal ? Dest::ListText : Dest::Skip;
        m_listText.clear();
        return true;
    case Word::ShpPict:
    case Word::NonShpPict:
        if (g.dest != Dest::Normal)
            return false;
        g.dest = w == Word::ShpPict ? Dest::ShpPict : Dest::NonShpPict;
        m_containerPicture.reset();
        m_binSplices.clear();
        return true;
    default:
        return false;
    }
}

void Reader::handleWord(const Token &t)
{
    const bool ignorable = std::exchange(m_ignorable, false);
    const WordInfo info = lookup(t.text);
    Group &g = top();
    if (info.word == Word::Ud && g.uprChild) {
        g.dest = g.resume;
        g.uprChild = false;
        return;
    }
    if (g.dest == Dest::Skip)
        return;
    if (g.dest == Dest::Pict && !ignorable) {
        pictWord(info.word, t);
        return;
    }
    if (enterDestination(info.word))
        return;
    if (ignorable && info.word != Word::Ud) {
        g.dest = Dest::Skip; // {\*\unknown ...}
        return;
    }
    switch (info.word) {
    case Word::Uc:
        g.uc = t.hasParam ? qMax(0, t.param) : 1;
        return;
    case Word::U: {
        if (!t.hasParam)
            return;
        const int v = t.param < 0 ? t.param + 65536 : t.param;
        if (v >= 0 && v <= 0xFFFF)
            emitChar(QChar(char16_t(v)));
        m_ucSkip = g.uc;
        return;
    }
    default:
        break;
    }
    switch (g.dest) {
    case Dest::FontTable:
        fontTableWord(info.word, t);
        return;
    case Dest::ColorTable:
        if (info.word == Word::Red)
            m_red = qBound(0, t.param, 255);
        else if (info.word == Word::Green)
            m_green = qBound(0, t.param, 255);
        else if (info.word == Word::Blue)
            m_blue = qBound(0, t.param, 255);
        return;
    case Dest::ListTable:
    case Dest::ListOverrideTable:
        listTableWord(info.word, t);
        return;
    case Dest::Normal:
    case Dest::Pn:
        normalWord(info.word, t, info.ch);
        return;
    case Dest::Upr:
    case Dest::Skip:
    case Dest::ListText:
    case Dest::LevelText:
    case Dest::FontName:
    case Dest::Pict:
    case Dest::ShpPict:
    case Dest::NonShpPict:
        return;
    }
}

void Reader::pictWord(Word w, const Token &t)
{
    Picture &p = m_pict;
    const int v = t.param;
    switch (w) {
    case Word::PngBlip: p.kind = PictureKind::Png; break;
    case Word::JpegBlip: p.kind = PictureKind::Jpeg; break;
    case Word::EmfBlip: p.kind = PictureKind::Emf; break;
    case Word::WMetafile: p.kind = PictureKind::Wmf; break;
    case Word::MacPict: p.kind = PictureKind::MacPict; break;
    case Word::PmMetafile: p.kind = PictureKind::PmMetafile; break;
    case Word::DiBitmap: p.kind = PictureKind::Dib; break;
    case Word::WBitmap: p.kind = PictureKind::WBitmap; break;
    case Word::PicW: p.pixels.setWidth(qBound(0, v, 1 << 20)); break;
    case Word::PicH: p.pixels.setHeight(qBound(0, v, 1 << 20)); break;
    case Word::PicWGoal: p.goalTwips.setWidth(qBound(0, v, 1 << 22)); break;
    case Word::PicHGoal: p.goalTwips.setHeight(qBound(0, v, 1 << 22)); break;
    case Word::PicScaleX: p.scaleX = t.hasParam ? v : 100; break;
    case Word::PicScaleY: p.scaleY = t.hasParam ? v : 100; break;
    case Word::WbmBitsPixel: p.bitsPerPixel = v; break;
    case Word::WbmWidthBytes: p.widthBytes = v; break;
    default: break;
    }
}

void Reader::handleBinary(const char *wordStart, const Token &t)
{
    const Dest d = top().dest;
    if (d != Dest::Pict && d != Dest::ShpPict && d != Dest::NonShpPict)
        return;
    while (*wordStart == '\r' || *wordStart == '\n' || *wordStart == '\0')
        ++wordStart; // the tokenizer's skipped line breaks stay in the raw group
    m_binSplices.push_back({wordStart, t.text.data() + t.text.size(), t.text});
    if (d == Dest::Pict) {
        m_nibble = -1; // an odd hex digit before \bin is dropped
        m_pict.data += QByteArray(t.text.data(), t.text.size());
    }
}

void Reader::appendHex(QByteArrayView run)
{
    // Pictures are megabytes of hex: decoded as it comes, in one pass.
    static constexpr auto values = [] {
        std::array<signed char, 256> v{};
        for (signed char &x : v)
            x = -1;
        for (int c = '0'; c <= '9'; ++c)
            v[size_t(c)] = static_cast<signed char>(c - '0');
        for (int c = 'a'; c <= 'f'; ++c)
            v[size_t(c)] = static_cast<signed char>(c - 'a' + 10);
        for (int c = 'A'; c <= 'F'; ++c)
            v[size_t(c)] = static_cast<signed char>(c - 'A' + 10);
        return v;
    }();
    QByteArray &data = m_pict.data;
    const qsizetype start = data.size();
    data.resize(start + run.size() / 2 + 1);
    char *out = data.data() + start;
    int nibble = m_nibble;
    for (const char c : run) {
        const int v = values[static_cast<unsigned char>(c)];
        if (v < 0)
            continue; // blanks between the digits
        if (nibble < 0) {
            nibble = v;
        } else {
            *out++ = char(nibble << 4 | v);
            nibble = -1;
        }
    }
    m_nibble = nibble;
    data.resize(out - data.data());
}

QByteArray Reader::rawGroup(const char *start, const char *end) const
{
    // \bin data is written back as hex: a note file is text.
    QByteArray raw;
    const char *at = start;
    for (const BinSplice &b : m_binSplices) {
        if (b.from < at || b.to > end)
            continue;
        raw.append(at, b.from - at);
        raw += ' ';
        raw += QByteArray(b.data.data(), b.data.size()).toHex();
        at = b.to;
    }
    raw.append(at, end - at);
    return raw;
}

void Reader::closePicture(const Group &closed)
{
    const char *end = m_tokenizer ? m_tokenizer->position() : nullptr;
    if (!closed.start || !end)
        return;
    if (closed.dest == Dest::Pict) {
        m_nibble = -1;
        if (top().dest != Dest::Normal) {
            if (!m_containerPicture)
                m_containerPicture = m_pict; // the first \pict of a shppict / nonshppict group
            return;
        }
        m_pict.raw.clear();
        if (!isOwnForm(m_pict, closed.start, end))
            m_pict.raw = rawGroup(closed.start, end);
        flushText();
        flushPicture();
        m_pendingPicture = m_pict;
        m_pendingFromShape = false;
        return;
    }
    const QByteArray raw = rawGroup(closed.start, end);
    if (closed.dest == Dest::NonShpPict && m_pendingPicture && m_pendingFromShape) {
        m_pendingPicture->raw += raw; // shown from the shppict, kept both
        m_pendingFromShape = false;
        return;
    }
    if (!m_containerPicture)
        return;
    Picture p = *std::exchange(m_containerPicture, std::nullopt);
    p.raw = raw;
    flushText();
    flushPicture();
    m_pendingPicture = p;
    m_pendingFromShape = closed.dest == Dest::ShpPict;
}

bool Reader::isOwnForm(const Picture &picture, const char *start, const char *end) const
{
    // A picture in the form this program writes it is written again from
    // its data; keeping the group too would hold its hex twice. That form
    // has no \bin data.
    for (const BinSplice &b : m_binSplices)
        if (b.from >= start && b.to <= end)
            return false;
    return isPictureRtf(picture, QByteArrayView(start, end));
}

void Reader::flushPicture()
{
    if (!m_pendingPicture)
        return;
    const Picture p = *std::exchange(m_pendingPicture, std::nullopt);
    m_pendingFromShape = false;
    ensureBlock();
    m_cursor.insertText(QString(QChar::ObjectReplacementCharacter), pictureFormat(m_document, p));
    m_blockHasPicture = true;
}

void Reader::fontTableWord(Word w, const Token &t)
{
    switch (w) {
    case Word::F:
        if (m_fontOpen)
            commitFont();
        m_fontOpen = true;
        m_fontIndex = t.param;
        m_font = Font();
        return;
    case Word::FCharset:
        m_font.charset = t.param;
        return;
    case Word::Cpg:
        m_font.codePage = t.param;
        return;
    default:
        return;
    }
}

void Reader::listTableWord(Word w, const Token &t)
{
    if (top().dest == Dest::ListTable) {
        switch (w) {
        case Word::List:
            if (m_listDefs.size() < MaxLists)
                m_listDefs.emplace_back();
            return;
        case Word::ListLevel:
            if (!m_listDefs.empty() && m_listDefs.back().levels.size() < 9)
                m_listDefs.back().levels.emplace_back();
            return;
        case Word::LevelNfc:
            if (!m_listDefs.empty() && !m_listDefs.back().levels.empty())
                m_listDefs.back().levels.back().nfc = t.param;
            return;
        case Word::LevelStartAt:
            if (!m_listDefs.empty() && !m_listDefs.back().levels.empty())
                m_listDefs.back().levels.back().start = t.hasParam ? qBound(0, t.param, 32767) : 1;
            return;
        case Word::ListId:
            if (!m_listDefs.empty())
                m_listDefs.back().id = t.param;
            return;
        default:
            return;
        }
    }
    switch (w) {
    case Word::ListOverride:
        if (m_overrides.size() < MaxLists)
            m_overrides.emplace_back();
        return;
    case Word::ListId:
        if (!m_overrides.empty())
            m_overrides.back().listId = t.param;
        return;
    case Word::Ls:
        if (!m_overrides.empty())
            m_overrides.back().ls = t.param;
        return;
    default:
        return;
    }
}

void Reader::normalWord(Word w, const Token &t, char16_t ch)
{
    Group &g = top();
    CharState &c = g.chr;
    ParaState &p = g.para;
    switch (w) {
    case Word::Ansi: m_ansiCodePage = 1252; break;
    case Word::AnsiCpg: m_ansiCodePage = t.param > 0 ? t.param : 1252; m_cachedFont = -2; break;
    case Word::Mac: m_ansiCodePage = 10000; m_cachedFont = -2; break;
    case Word::Pc: m_ansiCodePage = 437; m_cachedFont = -2; break;
    case Word::Pca: m_ansiCodePage = 850; m_cachedFont = -2; break;
    case Word::Deff: m_defaultFont = t.param; m_cachedFont = -2; break;
    case Word::Plain: c = CharState(); break;
    case Word::F:
        c.font = t.param;
        if (c.namesEastAsianFont)
            c.eastAsianFont = t.param;
        break;
    case Word::Dbch: c.doubleByte = c.namesEastAsianFont = true; break;
    case Word::Loch: c.doubleByte = c.namesEastAsianFont = false; break;
    case Word::RunDirection: c.namesEastAsianFont = false; break; // an \af after it is a right-to-left font
    case Word::Af:
        if (c.namesEastAsianFont)
            c.eastAsianFont = t.param;
        break;
    case Word::Fs: c.halfPoints = t.param > 0 ? qMin(t.param, 3276) : CharState().halfPoints; break;
    case Word::B: c.bold = flag(t); break;
    case Word::I: c.italic = flag(t); break;
    case Word::Ul: c.underline = flag(t); break;
    case Word::UlNone: c.underline = false; break;
    case Word::Strike: c.strike = flag(t); break;
    case Word::Cf: c.color = qMax(0, t.param); break;
    case Word::Highlight:
    case Word::Cb: c.background = qMax(0, t.param); break;
    case Word::Up: c.vertical = !t.hasParam || t.param > 0 ? 1 : 0; break;
    case Word::Dn: c.vertical = !t.hasParam || t.param > 0 ? 2 : 0; break;
    case Word::V: c.hidden = flag(t); break;
    case Word::Super: c.vertical = 1; break;
    case Word::Sub: c.vertical = 2; break;
    case Word::NoSuperSub: c.vertical = 0; break;
    case Word::Pard: p = ParaState(); break;
    case Word::Ql: p.align = Qt::AlignLeft; break;
    case Word::Qr: p.align = Qt::AlignRight; break;
    case Word::Qc: p.align = Qt::AlignHCenter; break;
    case Word::Qj: p.align = Qt::AlignJustify; break;
    case Word::RtlPar: p.direction = Qt::RightToLeft; break;
    case Word::LtrPar: p.direction = Qt::LeftToRight; break;
    case Word::Ls: p.ls = qMax(0, t.param); break;
    case Word::Ilvl: p.level = qBound(0, t.param, 8); break;
    case Word::PnLvlBlt: p.pnStyle = QTextListFormat::ListDisc; break;
    case Word::PnLvlBody:
        if (p.pnStyle == 0 || p.pnStyle == QTextListFormat::ListDisc)
            p.pnStyle = QTextListFormat::ListDecimal;
        break;
    case Word::PnLvlCont: p.pnStyle = 0; break;
    case Word::PnStart:
        if (g.dest == Dest::Pn)
            m_pnStart = qMax(0, t.param);
        break;
    case Word::PnDec: p.pnStyle = QTextListFormat::ListDecimal; break;
    case Word::PnUcLtr: p.pnStyle = QTextListFormat::ListUpperAlpha; break;
    case Word::PnLcLtr: p.pnStyle = QTextListFormat::ListLowerAlpha; break;
    case Word::PnUcRm: p.pnStyle = QTextListFormat::ListUpperRoman; break;
    case Word::PnLcRm: p.pnStyle = QTextListFormat::ListLowerRoman; break;
    default: break;
    }
    if (g.dest != Dest::Normal)
        return;
    switch (w) {
    case Word::Par:
    case Word::Cell:
        endParagraph();
        break;
    case Word::Row:
        if (paragraphHasContent())
            endParagraph();
        break;
    case Word::Line: emitChar(QChar::LineSeparator); break;
    case Word::Tab: emitChar(u'\t'); break;
    case Word::Char: emitChar(QChar(ch)); break;
    default: break;
    }
}

void Reader::handleSymbol(char symbol)
{
    switch (symbol) {
    case '*': m_ignorable = true; break;
    case '\\':
    case '{':
    case '}': emitChar(QLatin1Char(symbol)); break;
    case '~': emitChar(QChar(0x00A0)); break;
    case '_': emitChar(QChar(0x2011)); break;
    case '\t': emitChar(u'\t'); break;
    default: break; // \- (optional hyphen), \: and \| show nothing
    }
}

void Reader::handleHexByte(unsigned char byte)
{
    const Dest d = top().dest;
    if (d != Dest::Normal && d != Dest::FontTable && d != Dest::ListText && d != Dest::LevelText)
        return;
    if (d == Dest::Normal && m_pending.isEmpty() && (byte == 0x0d || byte == 0x0a)) {
        endParagraph(); // what Word does with an escaped CR or LF
        return;
    }
    pushByte(byte, d == Dest::FontTable ? codePageOf(-3) : currentCodePage());
}

void Reader::handleText(QByteArrayView run)
{
    const Dest d = top().dest;
    if (d == Dest::ColorTable) {
        for (char c : run)
            if (c == ';')
                commitColor();
        return;
    }
    if (d == Dest::Pict) {
        appendHex(run);
        return;
    }
    if (d == Dest::ListText || d == Dest::LevelText) {
        const int cp = m_rawUtf8 ? CodePages::Utf8 : currentCodePage();
        for (char c : run)
            pushByte(static_cast<unsigned char>(c), cp);
        return;
    }
    if (d == Dest::FontName) {
        for (char c : run)
            if (c != ';' && m_fontOpen)
                m_font.realName += QLatin1Char(c);
        return;
    }
    if (d == Dest::FontTable) {
        const int cp = m_rawUtf8 ? CodePages::Utf8 : codePageOf(-3);
        for (char c : run) {
            if (c == ';' && m_pending.isEmpty())
                commitFont();
            else
                pushByte(static_cast<unsigned char>(c), cp);
        }
        return;
    }
    if (d != Dest::Normal || top().chr.hidden)
        return;
    beginText();
    const int cp = m_rawUtf8 ? CodePages::Utf8 : currentCodePage();
    const qsizetype n = run.size();
    qsizetype i = 0;
    while (i < n) {
        if (!m_pending.isEmpty() && m_pendingCodePage != CodePages::Utf8) {
            pushByte(static_cast<unsigned char>(run[i]), cp); // the trail byte of a DBCS character
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < n && static_cast<unsigned char>(run[j]) < 0x80 && static_cast<unsigned char>(run[j]) >= 0x20)
            ++j;
        if (j > i) {
            flushPending();
            m_text.append(QLatin1StringView(run.data() + i, j - i));
            i = j;
            continue;
        }
        pushByte(static_cast<unsigned char>(run[i]), cp); // control characters other than tab are dropped there
        ++i;
    }
    unsigned char trail = 0;
    if (!m_pending.isEmpty() && m_pendingCodePage != CodePages::Utf8 && m_tokenizer
        && m_tokenizer->takeSyntaxByte(&trail))
        pushByte(trail, cp); // unescaped double-byte text whose trail byte is "{", "}" or "\"
}

int Reader::codePageOf(int font)
{
    // -3 asks for the font-table entry being read
    if (font == -3) {
        if (m_font.codePage > 0)
            return m_font.codePage;
        return m_font.charset >= 0 ? CodePages::forCharset(m_font.charset, m_ansiCodePage) : m_ansiCodePage;
    }
    if (font == m_cachedFont)
        return m_cachedCodePage;
    const int index = font < 0 ? m_defaultFont : font;
    int cp = m_ansiCodePage;
    const auto it = m_fonts.constFind(index);
    if (it != m_fonts.cend()) {
        if (it->codePage > 0)
            cp = it->codePage;
        else if (it->charset >= 0)
            cp = CodePages::forCharset(it->charset, m_ansiCodePage);
    }
    m_cachedFont = font;
    m_cachedCodePage = cp;
    return cp;
}

int Reader::currentCodePage()
{
    const CharState &c = top().chr;
    return codePageOf(c.doubleByte && c.eastAsianFont >= 0 ? c.eastAsianFont : c.font);
}

void Reader::pushByte(unsigned char byte, int codePage)
{
    if (!m_pending.isEmpty() && codePage != m_pendingCodePage)
        flushPending();
    if (codePage == CodePages::Utf8) {
        if (byte < 0x80) {
            flushPending();
            emitChar(QChar(byte));
        } else {
            m_pending.append(char(byte));
            m_pendingCodePage = codePage;
        }
        return;
    }
    if (!m_pending.isEmpty()) {
        m_pending.append(char(byte));
        const QString s = m_codePages.decode(codePage, m_pending);
        m_pending.clear();
        emitString(s);
        return;
    }
    if (CodePages::isDoubleByte(codePage) && CodePages::isLeadByte(codePage, byte)) {
        m_pending.append(char(byte));
        m_pendingCodePage = codePage;
        return;
    }
    emitChar(m_codePages.single(codePage, byte));
}

void Reader::flushPending()
{
    if (m_pending.isEmpty())
        return;
    const QByteArray bytes = std::exchange(m_pending, QByteArray());
    if (m_pendingCodePage == CodePages::Utf8)
        emitString(m_codePages.decode(CodePages::Utf8, bytes));
    // a DBCS lead byte without its trail byte shows nothing
}

void Reader::emitChar(QChar c)
{
    if (c.unicode() < 0x20 && c != u'\t')
        return; // control characters from escapes are not text
    const Dest d = top().dest;
    if (d == Dest::FontTable) {
        if (m_fontOpen)
            m_font.name.append(c);
        return;
    }
    if (d == Dest::ListText) {
        m_listText.append(c);
        return;
    }
    if (d == Dest::LevelText) {
        if (!m_listDefs.empty() && !m_listDefs.back().levels.empty() && c != u';')
            m_listDefs.back().levels.back().text.append(c);
        return;
    }
    if (d != Dest::Normal || top().chr.hidden)
        return;
    beginText();
    m_text.append(c);
}

void Reader::emitString(const QString &s)
{
    for (QChar c : s)
        if (c != QChar::ReplacementCharacter)
            emitChar(c);
}

void Reader::beginText()
{
    const CharState &s = top().chr;
    if (s != m_textState) {
        flushText();
        m_textState = s;
    }
}

void Reader::commitFont()
{
    if (m_fontOpen) {
        m_font.name = m_font.name.trimmed();
        if (!m_font.realName.trimmed().isEmpty())
            m_font.name = m_font.realName.trimmed();
        m_fonts.insert(m_fontIndex, m_font);
        m_cachedFont = -2;
        m_formatsValid = false;
    }
    m_fontOpen = false;
    m_font = Font();
}

void Reader::commitColor()
{
    QColor c;
    if (m_red >= 0 || m_green >= 0 || m_blue >= 0)
        c = QColor(qMax(0, m_red), qMax(0, m_green), qMax(0, m_blue));
    m_colors.push_back(c); // an entry without components is "auto"
    m_red = m_green = m_blue = -1;
    m_formatsValid = false;
}

const QTextCharFormat &Reader::charFormat(const CharState &s)
{
    // Formats are kept and handed out again: a format the document has seen
    // before is found by its cached hash instead of being built and hashed anew.
    if (!m_formatsValid) {
        m_formats.clear();
        m_formatsValid = true;
    }
    const std::uint64_t key = s.key();
    const auto known = m_formats.constFind(key);
    if (known != m_formats.cend())
        return *known;
    if (m_formats.size() >= 4096)
        m_formats.clear();
    QTextCharFormat f;
    const auto font = m_fonts.constFind(s.font < 0 ? m_defaultFont : s.font);
    if (font != m_fonts.cend() && !font->name.isEmpty())
        f.setFontFamilies({font->name});
    if (s.halfPoints > 0)
        f.setFontPointSize(s.halfPoints / 2.0);
    f.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(s.italic);
    f.setFontUnderline(s.underline);
    f.setFontStrikeOut(s.strike);
    if (s.color >= 0 && size_t(s.color) < m_colors.size() && m_colors[size_t(s.color)].isValid())
        f.setForeground(m_colors[size_t(s.color)]);
    if (s.background > 0 && size_t(s.background) < m_colors.size() && m_colors[size_t(s.background)].isValid())
        f.setBackground(m_colors[size_t(s.background)]);
    if (s.vertical == 1)
        f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (s.vertical == 2)
        f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    // Comparing with a non-empty format makes Qt compute and keep the
    // format's hash; every copy handed to insertText() then carries it, as the
    // document's own formats do.
    static const QTextCharFormat probe = [] {
        QTextCharFormat p;
        p.setProperty(QTextFormat::UserProperty, true);
        return p;
    }();
    const bool same = f == probe;
    Q_UNUSED(same);
    return *m_formats.insert(key, f);
}

void Reader::flushText()
{
    if (m_text.isEmpty())
        return;
    ensureBlock();
    flushPicture();
    const CharState other = m_textState.shown(false);
    const CharState eastAsian = m_textState.shown(true);
    if (other == eastAsian) {
        m_cursor.insertText(m_text, charFormat(other));
    } else {
        // characters of East Asian scripts take the font named for them
        qsizetype from = 0;
        bool inEastAsian = false;
        for (qsizetype i = 0; i <= m_text.size(); ++i) {
            const bool ends = i == m_text.size();
            const ScriptGroup group = ends ? ScriptGroup::Any : scriptGroupAt(m_text, i);
            if (!ends && (group == ScriptGroup::Any || (group == ScriptGroup::EastAsian) == inEastAsian))
                continue;
            if (i > from)
                m_cursor.insertText(m_text.mid(from, i - from), charFormat(inEastAsian ? eastAsian : other));
            from = i;
            inEastAsian = group == ScriptGroup::EastAsian;
        }
    }
    m_text.resize(0);
    m_blockHasText = true;
}

void Reader::ensureBlock()
{
    if (!m_blockPending)
        return;
    m_cursor.insertBlock(m_plainBlock, m_plainChar);
    m_blockPending = false;
    m_blockHasText = false;
    m_blockHasPicture = false;
}

bool Reader::paragraphHasContent() const { return !m_text.isEmpty() || (!m_blockPending && m_blockHasText); }

void Reader::finishBlock(const Group &g)
{
    const ParaState &para = g.para;
    if (!m_blockHasText)
        m_cursor.setBlockCharFormat(charFormat(g.chr.shown(false))); // what the user types into the empty line
    if (para.align != Qt::AlignLeft || para.direction != Qt::LayoutDirectionAuto) {
        QTextBlockFormat bf;
        if (para.align != Qt::AlignLeft)
            bf.setAlignment(para.align);
        if (para.direction != Qt::LayoutDirectionAuto)
            bf.setLayoutDirection(para.direction);
        m_cursor.setBlockFormat(bf);
    }
    if (para.ls > 0 && para.pnStyle == 0 && !m_listText.trimmed().isEmpty() && !hasListTable(para.ls)) {
        // a list whose table is missing shows the label its writer gave it
        QTextCursor label(m_cursor.block());
        label.insertText(m_listText.trimmed() + u'\t', charFormat(g.chr.shown(false)));
    }
    applyList(para);
    m_listText.clear();
    m_anyParagraph = true;
}

void Reader::endParagraph()
{
    flushPending();
    flushText();
    ensureBlock();
    flushPicture();
    finishBlock(top());
    m_blockPending = true;
}

bool Reader::hasListTable(int ls) const
{
    const auto o = std::find_if(m_overrides.begin(), m_overrides.end(), [&](const ListOverride &x) { return x.ls == ls; });
    return o != m_overrides.end() && std::any_of(m_listDefs.begin(), m_listDefs.end(), [&](const ListDef &d) {
               return d.id == o->listId;
           });
}

Reader::ListRef Reader::listOf(const ParaState &p) const
{
    if (p.ls > 0) {
        const auto o = std::find_if(m_overrides.begin(), m_overrides.end(),
                                    [&](const ListOverride &x) { return x.ls == p.ls; });
        if (o != m_overrides.end()) {
            const auto def = std::find_if(m_listDefs.begin(), m_listDefs.end(),
                                          [&](const ListDef &d) { return d.id == o->listId; });
            if (def != m_listDefs.end()) {
                const ListLevel level = size_t(p.level) < def->levels.size() ? def->levels[size_t(p.level)] : ListLevel();
                return {styleForNfc(level.nfc, level.text, p.level), true, p.ls, level.start};
            }
        }
        if (p.pnStyle == 0 && m_listText.trimmed().isEmpty())
            return {QTextListFormat::ListDisc, true, p.ls, 1}; // a list whose table is missing: show it as bullets
    }
    return {p.pnStyle, false, 0, qMax(1, m_pnStart)};
}

void Reader::applyList(const ParaState &p)
{
    const ListRef ref = listOf(p);
    const int start = std::exchange(m_pnStart, 0);
    if (ref.style == 0) {
        // a plain paragraph ends a run of \pn numbering, unless a later one resumes it
        for (OpenList &l : m_openLists)
            l.interrupted = l.interrupted || !l.word;
        return;
    }
    if (ref.word) {
        // an item of a list's level starts the numbering of its deeper levels anew
        m_openLists.erase(std::remove_if(m_openLists.begin(), m_openLists.end(),
                                         [&](const OpenList &l) { return l.word && l.id == ref.id && l.level > p.level; }),
                          m_openLists.end());
    }
    const auto it = std::find_if(m_openLists.begin(), m_openLists.end(), [&](const OpenList &l) {
        return l.word == ref.word && l.id == ref.id && l.level == p.level && l.style == ref.style;
    });
    if (it != m_openLists.end()) {
        // "\pnstartN" with the run's next number resumes it after plain
        // paragraphs; the control writes \pnstart1 on every numbered
        // paragraph, so that one only continues a run that is going on.
        const bool resumes = !ref.word && start > 1
            ? listStart(it->list->format()) + it->list->count() == start
            : !it->interrupted;
        if (resumes) {
            it->list->add(m_cursor.block());
            it->interrupted = false;
            return;
        }
        m_openLists.erase(it);
    }
    if (m_openLists.size() >= MaxLists)
        m_openLists.clear(); // lists are looked up one by one; hostile files get no more than these
    QTextListFormat lf;
    lf.setStyle(QTextListFormat::Style(ref.style));
    lf.setIndent(p.level + 1);
    if (ref.start != 1)
        lf.setProperty(ListStartProperty, ref.start);
    m_openLists.push_back({ref.word, ref.id, p.level, ref.style, m_cursor.createList(lf)});
}

void Reader::finish()
{
    flushPending();
    flushText();
    if (m_pendingPicture) {
        ensureBlock();
        flushPicture();
    }
    if (!m_blockPending && (m_blockHasText || m_blockHasPicture || !m_anyParagraph)) {
        // A last paragraph without \par has the properties it was written
        // with, also after the document's closing brace reset them.
        finishBlock(m_documentGroup ? *m_documentGroup : top());
    }
}

} // namespace Rtf::detail
