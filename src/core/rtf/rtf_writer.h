#pragma once

#include "core/rtf/rtf_numbering.h"
#include "core/rtf/rtf_scripts.h"

#include <QByteArray>
#include <QFont>
#include <QHash>
#include <QList>
#include <QRgb>
#include <QStringList>

#include <vector>

class QTextBlock;
class QTextCharFormat;
class QTextImageFormat;
class QTextDocument;

namespace Rtf::detail {

// Writes a document in the form Windows' rich-text control produces: the
// font and colour tables first, then paragraphs with only the formatting
// that changed since the previous run. Output is pure ASCII and depends only
// on the document, so an unchanged note always gives the same bytes.
class Writer
{
public:
    explicit Writer(const QTextDocument &document);

    QByteArray write();

private:
    struct RunStyle
    {
        int font = -1;
        int halfPoints = -1;
        int color = 0;
        bool bold = false;
        bool italic = false;
        bool underline = false;
        bool strike = false;
        int background = 0; // colour index, 0 none
        int vertical = 0; // 1 superscript, 2 subscript
    };

    struct ParaStyle
    {
        int align = 0; // 0 left, 1 right, 2 centre, 3 justified
        int listStyle = 0; // QTextListFormat::Style, bullets all as ListDisc; 0 none
        int indent = 0;
        int ls = 0; // the list's \ls number
        int direction = 0; // 0 as the text goes, 1 left to right, 2 right to left
        bool operator==(const ParaStyle &o) const
        {
            return align == o.align && listStyle == o.listStyle && indent == o.indent && ls == o.ls
                && direction == o.direction;
        }
    };

    // A list of the list table: one per QTextList, in order of first use.
    struct ListEntry
    {
        int style = 0; // as the list has it, bullets told apart
        int level = 0;
        int start = 1;
    };

    QString familyOf(const QTextCharFormat &format) const;
    RunStyle styleOf(const QTextCharFormat &format);
    int fontIndex(const QString &family);
    int colorIndex(QRgb rgb);
    ParaStyle paraStyleOf(const QTextBlock &block);

    void writeBlock(const QTextBlock &block);
    void writeParagraphStart(const QTextBlock &block, const ParaStyle &style, const PnNumbering::Item &item);
    void writeListLabel(const QTextBlock &block, const ParaStyle &style, int number);
    void writeStyle(const RunStyle &style);
    void writePicture(const QTextImageFormat &format);
    void writeText(QStringView text);
    void enterScriptGroup(ScriptGroup group);
    void writeWord(const char *word);
    void writeWord(const char *word, int param);
    void writeNumber(int value);
    void writeFontTable(QByteArray &out) const;
    void writeColorTable(QByteArray &out) const;
    void writeListTables(QByteArray &out) const;

    const QTextDocument &m_document;
    const QFont m_defaultFont;
    QByteArray m_body;
    bool m_needSpace = false; // a control word was written; text must be set apart
    ScriptGroup m_scriptGroup = ScriptGroup::None; // the group the text is being written in
    RunStyle m_current;
    RunStyle m_pendingStyle;
    bool m_stylePending = false;
    ParaStyle m_para;
    bool m_firstParagraph = true;
    PnNumbering m_numbering;
    QStringList m_fonts;
    QHash<QString, int> m_fontIndex;
    int m_symbolFont = -1;
    QList<QRgb> m_colors;
    std::vector<ListEntry> m_lists; // \ls N is m_lists[N - 1]
    QHash<int, int> m_listNumbers; // \ls by the QTextList's object index
    QHash<int, RunStyle> m_styleCache; // by the document's format index
};

} // namespace Rtf::detail
