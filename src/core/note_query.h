#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// What a search for notes asks: every word of the query must occur in a
// note's title or text, whatever the case and the accents (so "cafe" finds
// "Café" and "CAFÉ").
class NoteQuery
{
public:
    explicit NoteQuery(const QString &query = QString());

    bool isEmpty() const { return m_words.isEmpty(); }
    const QStringList &words() const { return m_words; }

    // Not for several threads at once on one query (it remembers how
    // characters fold).
    bool matches(const QString &title, const QString &text) const;

    // Case and accents folded away, for comparing.
    static QString folded(const QString &text);

private:
    QStringList m_words;    // folded
    mutable QHash<char16_t, QString> m_foldedChars;
};
