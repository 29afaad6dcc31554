#include "core/note_query.h"

#include <QRegularExpression>

namespace {

bool isAscii(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// Most notes are plain ASCII: they need no decomposition, which costs far
// more than the search itself over a thousand notes.
bool containsFolded(const QString &haystack, const QString &foldedWord)
{
    if (isAscii(haystack))
        return haystack.contains(foldedWord, Qt::CaseInsensitive);
    return NoteQuery::folded(haystack).contains(foldedWord);
}

} // namespace

NoteQuery::NoteQuery(const QString &query)
{
    const QStringList words = query.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    for (const QString &word : words)
        m_words.append(folded(word));
    m_words.removeAll(QString());
}

QString NoteQuery::folded(const QString &text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        const QChar::Category category = c.category();
        if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing)
            continue;
        out.append(c);
    }
    // Qt folds case one character at a time; the one full folding users
    // type every day is German's sharp s.
    return out.toCaseFolded().replace(QChar(0x00DF), QLatin1String("ss"));
}

bool NoteQuery::matches(const QString &title, const QString &text) const
{
    for (const QString &word : m_words) {
        if (!containsFolded(title, word) && !containsFolded(text, word))
            return false;
    }
    return true;
}
