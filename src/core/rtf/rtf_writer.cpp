#include "core/rtf/rtf_writer.h"

#include "core/rtf/rtf.h"
#include "core/rtf/rtf_picture.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>
#include <QUrl>
#include <QImage>

#include <charconv>

namespace Rtf::detail {

namespace {

// The hanging indent of a bulleted paragraph: 10 points, in twips.
constexpr int BulletIndentTwips = 200;

bool isBullet(int style)
{
    return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle
        || style == QTextListFormat::ListSquare;
}

// The list table's number format of a list style.
int levelNfc(int style)
{
    switch (style) {
    case QTextListFormat::ListUpperRoman: return 1;
    case QTextListFormat::ListLowerRoman: return 2;
    case QTextListFormat::ListUpperAlpha: return 3;
    case QTextListFormat::ListLowerAlpha: return 4;
    case QTextListFormat::ListDecimal: return 0;
    default: return 23; // bullet
    }
}

// The bullet character of a bulleted list, as a list level's text.
QByteArray bulletText(int style)
{
    switch (style) {
    case QTextListFormat::ListCircle: return "\\u9702 ?";
    case QTextListFormat::ListSquare: return "\\u9642 ?";
    default: return "\\u8226 ?";
    }
}

const char *numberingWord(int style)
{
    switch (style) {
    case QTextListFormat::ListLowerAlpha: return "\\pnlcltr";
    case QTextListFormat::ListUpperAlpha: return "\\pnucltr";
    case QTextListFormat::ListLowerRoman: return "\\pnlcrm";
    case QTextListFormat::ListUpperRoman: return "\\pnucrm";
    default: return "\\pndec";
    }
}

} // namespace

Writer::Writer(const QTextDocument &document) : m_document(document), m_defaultFont(document.defaultFont()) {}

QByteArray Writer::write()
{
    m_body.reserve(m_document.characterCount() * 2 + 256);
    for (QTextBlock block = m_document.begin(); block.isValid(); block = block.next())
        writeBlock(block);

    QByteArray out;
    out.reserve(m_body.size() + 256);
    out += "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033";
    writeFontTable(out);
    out += "\r\n";
    if (!m_colors.isEmpty()) {
        writeColorTable(out);
        out += "\r\n";
    }
    if (!m_lists.empty())
        writeListTables(out);
    out += "\\viewkind4\\uc1";
    out += m_body;
    out += "}\r\n";
    return out;
}

void Writer::writeFontTable(QByteArray &out) const
{
    out += "{\\fonttbl";
    for (int i = 0; i < m_fonts.size(); ++i) {
        out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset" + (i == m_symbolFont ? "2 " : "0 ");
        for (QChar c : m_fonts.at(i)) {
            const char16_t u = c.unicode();
            if (u == ';')
                out += "\\'3b"; // a raw ";" would end the name
            else if (u == '\\' || u == '{' || u == '}')
                out += '\\' + QByteArray(1, char(u));
            else if (u >= 0x20 && u < 0x80)
                out += char(u);
            else if (u >= 0x80)
                out += "\\u" + QByteArray::number(u >= 0x8000 ? int(u) - 0x10000 : int(u)) + '?';
        }
        out += ";}";
    }
    out += '}';
}

void Writer::writeColorTable(QByteArray &out) const
{
    out += "{\\colortbl ;";
    for (QRgb rgb : m_colors)
        out += "\\red" + QByteArray::number(qRed(rgb)) + "\\green" + QByteArray::number(qGreen(rgb)) + "\\blue"
            + QByteArray::number(qBlue(rgb)) + ';';
    out += '}';
}

void Writer::writeListTables(QByteArray &out) const
{
    // One list per QTextList, with as many levels as its own level needs
    // (the levels above it only make \ilvl valid), each level like its own.
    out += "{\\*\\listtable";
    for (size_t i = 0; i < m_lists.size(); ++i) {
        const ListEntry &list = m_lists[i];
        const QByteArray id = QByteArray::number(qsizetype(i) + 1);
        out += "\r\n{\\list\\listtemplateid" + id;
        for (int level = 0; level <= list.level; ++level) {
            out += "{\\listlevel\\levelnfc";
            out += QByteArray::number(levelNfc(list.style));
            out += "\\leveljc0\\levelfollow0\\levelstartat" + QByteArray::number(list.start);
            if (isBullet(list.style))
                out += "{\\leveltext\\'01" + bulletText(list.style) + ";}{\\levelnumbers;}";
            else
                out += "{\\leveltext\\'02\\'0" + QByteArray::number(level) + ".;}{\\levelnumbers\\'01;}";
            out += "\\fi" + QByteArray::number(-BulletIndentTwips) + "\\li"
                + QByteArray::number(BulletIndentTwips * (level + 1)) + '}';
        }
        out += "\\listid" + id + '}';
    }
    out += "}\r\n{\\*\\listoverridetable";
    for (size_t i = 0; i < m_lists.size(); ++i) {
        const QByteArray id = QByteArray::number(qsizetype(i) + 1);
        out += "{\\listoverride\\listid" + id + "\\listoverridecount0\\ls" + id + '}';
    }
    out += "}\r\n";
}

int Writer::fontIndex(const QString &family)
{
    const auto it = m_fontIndex.constFind(family);
    if (it != m_fontIndex.cend())
        return *it;
    m_fonts.append(family);
    m_fontIndex.insert(family, int(m_fonts.size() - 1));
    return int(m_fonts.size() - 1);
}

int Writer::colorIndex(QRgb rgb)
{
    rgb &= 0xFFFFFF;
    const qsizetype i = m_colors.indexOf(rgb);
    if (i >= 0)
        return int(i) + 1;
    m_colors.append(rgb);
    return int(m_colors.size());
}

QString Writer::familyOf(const QTextCharFormat &f) const
{
    const QStringList families = f.fontFamilies().toStringList();
    return families.isEmpty() ? m_defaultFont.family() : families.first();
}

Writer::RunStyle Writer::styleOf(const QTextCharFormat &f)
{
    // A format leaves out what it inherits from the document's default font.
    RunStyle s;
    s.font = fontIndex(familyOf(f));

    double points = 0;
    if (f.hasProperty(QTextFormat::FontPointSize))
        points = f.fontPointSize();
    else if (f.hasProperty(QTextFormat::FontPixelSize))
        points = f.intProperty(QTextFormat::FontPixelSize) * 0.75;
    else if (m_defaultFont.pointSizeF() > 0)
        points = m_defaultFont.pointSizeF();
    else if (m_defaultFont.pixelSize() > 0)
        points = m_defaultFont.pixelSize() * 0.75;
    if (points <= 0)
        points = 12;
    s.halfPoints = qBound(1, qRound(points * 2), 3276);

    s.bold = (f.hasProperty(QTextFormat::FontWeight) ? f.fontWeight() : m_defaultFont.weight()) >= QFont::DemiBold;
    s.italic = f.hasProperty(QTextFormat::FontItalic) ? f.fontItalic() : m_defaultFont.italic();
    s.underline = f.hasProperty(QTextFormat::TextUnderlineStyle) || f.hasProperty(QTextFormat::FontUnderline)
        ? f.fontUnderline()
        : m_defaultFont.underline();
    s.strike = f.hasProperty(QTextFormat::FontStrikeOut) ? f.fontStrikeOut() : m_defaultFont.strikeOut();
    const QBrush fg = f.foreground();
    s.color = fg.style() != Qt::NoBrush ? colorIndex(fg.color().rgb()) : 0;
    const QBrush bg = f.background();
    s.background = bg.style() != Qt::NoBrush ? colorIndex(bg.color().rgb()) : 0;
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        s.vertical = 1;
    else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        s.vertical = 2;
    return s;
}

Writer::ParaStyle Writer::paraStyleOf(const QTextBlock &block)
{
    ParaStyle p;
    const Qt::Alignment a = block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignRight)
        p.align = 1;
    else if (a & Qt::AlignHCenter)
        p.align = 2;
    else if (a & Qt::AlignJustify)
        p.align = 3;
    if (block.blockFormat().hasProperty(QTextFormat::LayoutDirection)) {
        const Qt::LayoutDirection direction = block.blockFormat().layoutDirection();
        p.direction = direction == Qt::LeftToRight ? 1 : direction == Qt::RightToLeft ? 2 : 0;
    }
    if (const QTextList *list = block.textList()) {
        // as the style reads back
        switch (const int style = list->format().style()) {
        case QTextListFormat::ListLowerAlpha:
        case QTextListFormat::ListUpperAlpha:
        case QTextListFormat::ListLowerRoman:
        case QTextListFormat::ListUpperRoman: p.listStyle = style; break;
        default: p.listStyle = isBullet(style) ? QTextListFormat::ListDisc : QTextListFormat::ListDecimal;
        }
        p.indent = qBound(1, list->format().indent(), 9);
        const auto known = m_listNumbers.constFind(list->objectIndex());
        if (known != m_listNumbers.cend()) {
            p.ls = *known;
        } else {
            const int style = list->format().style();
            m_lists.push_back({isBullet(style) ? style : p.listStyle, p.indent - 1, qMax(0, listStart(list->format()))});
            p.ls = int(m_lists.size());
            m_listNumbers.insert(list->objectIndex(), p.ls);
        }
    }
    return p;
}

void Writer::writeBlock(const QTextBlock &block)
{
    const ParaStyle para = paraStyleOf(block);
    PnNumbering::Item item;
    if (para.listStyle == 0)
        m_numbering.plainParagraph();
    else
        item = m_numbering.listParagraph(para.indent, para.listStyle, listItemNumber(block));
    if (m_firstParagraph || !(para == m_para))
        writeParagraphStart(block, para, item);
    else if (para.listStyle != 0)
        writeListLabel(block, para, item.number);
    m_firstParagraph = false;
    m_para = para;

    bool empty = true;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        if (fragment.charFormat().isImageFormat()) {
            const QTextImageFormat picture = fragment.charFormat().toImageFormat();
            for (int k = 0; k < fragment.length(); ++k)
                writePicture(picture);
            continue;
        }
        const int index = fragment.charFormatIndex();
        auto cached = m_styleCache.constFind(index);
        if (cached == m_styleCache.cend())
            cached = m_styleCache.insert(index, styleOf(fragment.charFormat()));
        m_pendingStyle = *cached; // written before the first character that shows
        m_stylePending = true;
        writeText(fragment.text());
        empty = empty && m_stylePending;
    }
    m_stylePending = false;
    if (empty)
        writeStyle(styleOf(block.charFormat())); // what the user types into the empty line
    writeWord("\\par");
    m_body += "\r\n";
    m_needSpace = false;
}

void Writer::writeParagraphStart(const QTextBlock &block, const ParaStyle &p, const PnNumbering::Item &item)
{
    writeWord("\\pard");
    if (p.listStyle != 0) {
        writeListLabel(block, p, item.number);
        if (isBullet(p.listStyle)) {
            m_body += "{\\*\\pn\\pnlvlblt\\pnf";
            writeNumber(m_symbolFont);
            m_body += "\\pnindent0{\\pntxtb\\'B7}}";
        } else {
            m_body += "{\\*\\pn\\pnlvlbody\\pnf0\\pnindent0\\pnstart";
            writeNumber(item.start);
            m_body += numberingWord(p.listStyle);
            m_body += "{\\pntxta.}}";
        }
        m_needSpace = false;
        writeWord("\\fi", -BulletIndentTwips);
        writeWord("\\li", BulletIndentTwips * p.indent);
        writeWord("\\ls", p.ls);
        if (p.indent > 1)
            writeWord("\\ilvl", p.indent - 1);
    }
    static const char *const alignWords[] = {nullptr, "\\qr", "\\qc", "\\qj"};
    if (p.align != 0)
        writeWord(alignWords[p.align]);
    static const char *const directionWords[] = {nullptr, "\\ltrpar", "\\rtlpar"};
    if (p.direction != 0)
        writeWord(directionWords[p.direction]);
}

void Writer::writeListLabel(const QTextBlock &block, const ParaStyle &p, int number)
{
    if (isBullet(p.listStyle)) {
        if (m_symbolFont < 0) {
            // Fonts are numbered in order of use; the text's font keeps \f0
            // even when the document starts with a bullet.
            const QTextBlock::iterator first = block.begin();
            fontIndex(familyOf(first.atEnd() ? block.charFormat() : first.fragment().charFormat()));
            m_symbolFont = fontIndex(QStringLiteral("Symbol"));
        }
        m_body += "{\\pntext\\f";
        writeNumber(m_symbolFont);
        m_body += "\\'B7\\tab}";
    } else {
        m_body += "{\\pntext\\f0 ";
        m_needSpace = false;
        writeText(numberLabel(p.listStyle, number));
        writeWord("\\tab");
        m_body += '}';
    }
    m_needSpace = false;
}

void Writer::writeStyle(const RunStyle &s)
{
    RunStyle &c = m_current;
    if (s.color != c.color)
        writeWord("\\cf", s.color);
    if (s.bold != c.bold)
        writeWord(s.bold ? "\\b" : "\\b0");
    if (s.italic != c.italic)
        writeWord(s.italic ? "\\i" : "\\i0");
    if (s.underline != c.underline)
        writeWord(s.underline ? "\\ul" : "\\ulnone");
    if (s.strike != c.strike)
        writeWord(s.strike ? "\\strike" : "\\strike0");
    if (s.font != c.font)
        writeWord("\\f", s.font);
    if (s.halfPoints != c.halfPoints)
        writeWord("\\fs", s.halfPoints);
    if (s.background != c.background)
        writeWord("\\highlight", s.background);
    if (s.vertical != c.vertical) {
        static const char *const verticalWords[] = {"\\nosupersub", "\\super", "\\sub"};
        writeWord(verticalWords[s.vertical]);
    }
    c = s;
}

void Writer::writePicture(const QTextImageFormat &format)
{
    Picture picture = pictureOf(format);
    if (picture.kind == PictureKind::None) {
        // an image that came in some other way: stored as PNG at the size it shows
        const QImage image = pictureImage(m_document, format.name());
        if (image.isNull())
            return;
        picture = pictureFromImage(image, qMax(image.width(), image.height()));
        if (format.width() > 0 && format.height() > 0)
            picture.goalTwips = QSize(qRound(format.width() * 15), qRound(format.height() * 15));
    }
    const QByteArray group = pictureRtf(picture);
    if (group.isEmpty())
        return;
    m_body += group;
    m_needSpace = false;
}

void Writer::writeText(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const char16_t u = ch.unicode();
        const bool shows = (u >= 0x20 && u != QChar::ObjectReplacementCharacter && u != QChar::ParagraphSeparator)
            || u == '\t';
        if (!shows)
            continue; // other control characters have no place in a note's text
        if (m_stylePending) {
            m_stylePending = false;
            writeStyle(m_pendingStyle);
        }
        const ScriptGroup group = scriptGroupAt(text, i);
        if (group != ScriptGroup::Any && group != m_scriptGroup)
            enterScriptGroup(group);
        if (u >= 0x20 && u < 0x80) {
            if (u == '\\' || u == '{' || u == '}') {
                m_body += '\\';
            } else if (m_needSpace) {
                m_body += ' ';
            }
            m_body += char(u);
            m_needSpace = false;
        } else if (u == '\t') {
            writeWord("\\tab");
        } else if (u == QChar::LineSeparator) {
            writeWord("\\line");
        } else {
            // Surrogates go out one escape each, as the control writes them.
            m_body += "\\u";
            writeNumber(u >= 0x8000 ? int(u) - 0x10000 : int(u));
            m_body += '?';
            m_needSpace = false;
        }
    }
    enterScriptGroup(ScriptGroup::None); // style words never go inside such a group
}

void Writer::enterScriptGroup(ScriptGroup group)
{
    // East Asian and right-to-left text sits in a group that names the
    // run's font and size for those scripts too, since other programs keep
    // separate fonts for them and take \f and \fs for Latin text only.
    if (m_scriptGroup != ScriptGroup::None) {
        m_body += '}';
        m_needSpace = false;
    }
    m_scriptGroup = group;
    if (group == ScriptGroup::EastAsian) {
        m_body += "{\\dbch";
        writeWord("\\af", m_current.font);
    } else if (group == ScriptGroup::RightToLeft) {
        m_body += "{\\rtlch";
        writeWord("\\af", m_current.font);
        writeWord("\\afs", m_current.halfPoints);
    }
}

void Writer::writeWord(const char *word)
{
    m_body += word;
    m_needSpace = true;
}

void Writer::writeWord(const char *word, int param)
{
    m_body += word;
    writeNumber(param);
    m_needSpace = true;
}

void Writer::writeNumber(int value)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    m_body.append(buffer, result.ptr - buffer);
}

} // namespace Rtf::detail
