#include "core/rtf/rtf_numbering.h"

#include <QTextListFormat>

#include <algorithm>

namespace Rtf::detail {

PnNumbering::Item PnNumbering::listParagraph(int level, int style, int wanted)
{
    auto run = std::find_if(m_runs.begin(), m_runs.end(),
                            [&](const Run &r) { return r.level == level && r.style == style; });
    if (run == m_runs.end())
        run = m_runs.insert(m_runs.end(), Run{level, style, 0, true});
    // Runs of one style and level that follow each other without a plain
    // paragraph read back as one; their numbers go on, whatever was wanted.
    Item item;
    if (!run->broken)
        item.number = run->count + 1;
    else
        item = {qMax(1, wanted), qMax(1, wanted)}; // resumes the run when it is its next number, else starts anew
    run->count = item.number;
    run->broken = false;
    return item;
}

void PnNumbering::plainParagraph()
{
    for (Run &r : m_runs)
        r.broken = true;
}

QString numberLabel(int style, int number)
{
    QString digits;
    switch (style) {
    case QTextListFormat::ListLowerAlpha:
    case QTextListFormat::ListUpperAlpha: {
        const char16_t base = style == QTextListFormat::ListUpperAlpha ? u'A' : u'a';
        for (int n = number; n > 0; n /= 26) {
            --n;
            digits.prepend(QChar(char16_t(base + n % 26)));
        }
        break;
    }
    case QTextListFormat::ListLowerRoman:
    case QTextListFormat::ListUpperRoman:
        if (number > 0 && number < 5000) {
            static const std::pair<int, const char *> numerals[] = {
                {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
                {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},   {4, "iv"},  {1, "i"}};
            int n = number;
            for (const auto &[value, letters] : numerals)
                for (; n >= value; n -= value)
                    digits += QLatin1String(letters);
            if (style == QTextListFormat::ListUpperRoman)
                digits = digits.toUpper();
            break;
        }
        [[fallthrough]];
    default:
        digits = QString::number(number);
    }
    return digits + u'.';
}

} // namespace Rtf::detail
