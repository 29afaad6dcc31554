#pragma once

#include <QList>
#include <QPair>
#include <QString>

// Per-note state beyond the header line (always on top, rolled up, locked,
// a reminder...), kept as key and value text. Keys are lower-case letters
// (they become RTF control words); a flag is a key with an empty value.
// Keys this version does not know are kept as they came, in their order, so
// that a newer copy's state survives being saved by an older one.
class NoteState
{
public:
    static constexpr int MaxKeyLength = 32;
    static bool isValidKey(const QString &key);

    bool isEmpty() const { return m_entries.isEmpty(); }
    bool contains(const QString &key) const;
    QString value(const QString &key) const;
    QStringList keys() const;

    // Throws PaperletError for a key that is not a valid key.
    void setValue(const QString &key, const QString &value);
    void setFlag(const QString &key, bool on);
    bool flag(const QString &key) const { return contains(key); }
    void remove(const QString &key);

    bool operator==(const NoteState &other) const { return m_entries == other.m_entries; }
    bool operator!=(const NoteState &other) const { return !(*this == other); }

private:
    QList<QPair<QString, QString>> m_entries;
};

// The state's place in a note file: an ignorable RTF destination group,
// {\*\paperletstate{\key value}...}, just before the closing brace of the
// note's RTF content, so that every RTF reader skips it and the header and
// title lines stay as they are. docs/note-state.md describes it.
namespace NoteStateGroup {

inline constexpr char Name[] = "paperletstate";

struct Split
{
    QString content;      // the RTF without the group
    NoteState state;
    bool damaged = false; // the group was not well formed; its text stayed in content
};

// Takes the group out of `content`. Content without the group comes back
// unchanged with an empty state. Whatever inside the group is not a
// well-formed entry (text a lost brace pulled in, say) stays in the content
// where the group stood, so a damaged group loses no text.
Split split(const QString &content);

// `content` with the group for `state` put in; unchanged when the state is
// empty or the content is not an RTF document (the program always writes
// RTF, so that only happens to hand-made plain-text notes).
QString join(const QString &content, const NoteState &state);

// The group's own text for `state` (empty for an empty state).
QString group(const NoteState &state);

} // namespace NoteStateGroup
