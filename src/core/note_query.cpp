#include "core/note_query.h"

#include <QHash>
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

// What one character folds to, remembered: folding a note's text a character
// at a time through this cache costs a fraction of normalizing it whole,
// and gives the same result (marks are dropped whatever their order).
const QString &foldedChar(char16_t c, QHash<char16_t, QString> &cache)
{
    auto it = cache.find(c);
    if (it == cache.end())
        it = cache.insert(c, NoteQuery::folded(QString(QChar(c))));
    return *it;
}

// The haystack folded like NoteQuery::folded, into `out`.
void foldInto(const QString &text, QString &out, QHash<char16_t, QString> &cache)
{
    out.clear();
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t unit = c.unicode();
        if (unit < 0x80) {
            out.append(unit >= u'A' && unit <= u'Z' ? QChar(unit + 0x20) : c);
        } else if (c.isSurrogate()) {
            // Outside the BMP (emoji, historic scripts): rare, done whole.
            out = NoteQuery::folded(text);
            return;
        } else {
            out.append(foldedChar(unit, cache));
        }
    }
}

// A note's title or text, folded only when a word needs it, once per match.
class Haystack
{
public:
    Haystack(const QString &text, QHash<char16_t, QString> &cache)
        : m_text(text)
        , m_cache(cache)
        , m_ascii(isAscii(text))
    {
    }

    bool contains(const QString &foldedWord)
    {
        // Most notes are plain ASCII: they need no folding at all.
        if (m_ascii)
            return m_text.contains(foldedWord, Qt::CaseInsensitive);
        if (!m_folded) {
            foldInto(m_text, m_buffer, m_cache);
            m_folded = true;
        }
        return m_buffer.contains(foldedWord);
    }

private:
    const QString &m_text;
    QHash<char16_t, QString> &m_cache;
    const bool m_ascii;
    bool m_folded = false;
    QString m_buffer;
};

// A mark that only decorates its letter, as accents, Arabic vowel marks and
// the like do: those are shared between scripts. A script's own marks (Indic
// and Thai vowel signs) and the Japanese voicing marks make another letter.
bool isAccent(QChar c)
{
    const QChar::Category category = c.category();
    if (category != QChar::Mark_NonSpacing && category != QChar::Mark_Enclosing)
        return false;
    const bool voicing = c.unicode() == 0x3099 || c.unicode() == 0x309A;
    return c.script() == QChar::Script_Inherited && !voicing;
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
        if (isAccent(c))
            continue;
        out.append(c);
    }
    // Qt folds case one character at a time; the one full folding users
    // type every day is German's sharp s.
    return out.toCaseFolded().replace(QChar(0x00DF), QLatin1String("ss"));
}

bool NoteQuery::matches(const QString &title, const QString &text) const
{
    Haystack inTitle(title, m_foldedChars);
    Haystack inText(text, m_foldedChars);
    for (const QString &word : m_words) {
        if (!inTitle.contains(word) && !inText.contains(word))
            return false;
    }
    return true;
}
