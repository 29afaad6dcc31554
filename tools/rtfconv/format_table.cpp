#include "format_table.h"

#include "core/rtf/rtf.h"
#include "core/rtf/rtf_numbering.h"
#include "core/rtf/rtf_picture.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextList>

namespace {

QString listKind(int style)
{
    switch (style) {
    case QTextListFormat::ListDisc: return QStringLiteral("disc");
    case QTextListFormat::ListCircle: return QStringLiteral("circle");
    case QTextListFormat::ListSquare: return QStringLiteral("square");
    case QTextListFormat::ListDecimal: return QStringLiteral("decimal");
    case QTextListFormat::ListLowerAlpha: return QStringLiteral("alpha");
    case QTextListFormat::ListUpperAlpha: return QStringLiteral("ALPHA");
    case QTextListFormat::ListLowerRoman: return QStringLiteral("roman");
    case QTextListFormat::ListUpperRoman: return QStringLiteral("ROMAN");
    default: return QStringLiteral("other");
    }
}

QString alignment(Qt::Alignment a)
{
    if (a & Qt::AlignRight)
        return QStringLiteral("right");
    if (a & Qt::AlignHCenter)
        return QStringLiteral("center");
    if (a & Qt::AlignJustify)
        return QStringLiteral("justify");
    return QStringLiteral("left");
}

// The alignment and list columns of a paragraph.
QStringList paragraphColumns(const QTextBlock &block)
{
    QString list = QStringLiteral("-");
    if (const QTextList *l = block.textList())
        list = QStringLiteral("%1:%2:%3")
                   .arg(listKind(l->format().style()))
                   .arg(l->format().indent() - 1)
                   .arg(Rtf::listItemNumber(block));
    return {alignment(block.blockFormat().alignment()), list};
}

// The columns of a run before its text.
QString runColumns(const QTextDocument &document, const QTextBlock &block, int paragraph, const QTextCharFormat &f)
{
    const QFont font = f.font().resolve(document.defaultFont());
    QString style;
    if (font.bold())
        style += u'b';
    if (font.italic())
        style += u'i';
    if (font.underline())
        style += u'u';
    if (font.strikeOut())
        style += u'S';
    const QString colour = f.foreground().style() == Qt::NoBrush ? QStringLiteral("auto") : f.foreground().color().name();
    const QString highlight = f.background().style() == Qt::NoBrush ? QStringLiteral("none") : f.background().color().name();
    QString position = QStringLiteral("base");
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        position = QStringLiteral("super");
    else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        position = QStringLiteral("sub");
    const QStringList families = f.fontFamilies().toStringList();
    return QStringList{QString::number(paragraph), QString::number(font.pointSizeF()),
                       families.isEmpty() ? QStringLiteral("-") : families.first(),
                       style.isEmpty() ? QStringLiteral("-") : style, colour, highlight}
        .join(u'\t')
        + u'\t' + paragraphColumns(block).join(u'\t') + u'\t' + position;
}

QString shown(QString text)
{
    text.replace(u'\t', QLatin1String("\\t"));
    text.replace(QChar::LineSeparator, QLatin1String("\\n"));
    return text;
}

} // namespace

QString formatTable(const QTextDocument &document)
{
    QStringList lines;
    int paragraph = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next(), ++paragraph) {
        QString columns;
        QString text;
        const auto flush = [&] {
            if (!text.isEmpty())
                lines << columns + u'\t' + shown(text);
            text.clear();
        };
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat f = fragment.charFormat();
            if (f.isImageFormat()) {
                flush();
                const QTextImageFormat image = f.toImageFormat();
                // a picture has no character formats of its own
                lines << QString::number(paragraph) + QStringLiteral("\t-\t-\t-\t-\t-\t")
                        + paragraphColumns(block).join(u'\t') + QStringLiteral("\t-\t")
                        + QStringLiteral("[picture %1 %2x%3]")
                              .arg(f.intProperty(Rtf::PictureKindProperty))
                              .arg(image.width())
                              .arg(image.height());
                continue;
            }
            const QString c = runColumns(document, block, paragraph, f);
            if (c != columns)
                flush();
            columns = c;
            text += fragment.text();
        }
        flush();
    }
    return lines.join(u'\n') + u'\n';
}
