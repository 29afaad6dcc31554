#include "core/note_state.h"

#include "core/error.h"

#include <optional>

namespace {

const QString Marker = QStringLiteral("{\\*\\") + QLatin1String(NoteStateGroup::Name);

bool isLetter(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

// Where the group's opening brace is, skipping escaped braces; -1 if none.
qsizetype findGroup(const QString &text, qsizetype from)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\')) {
            ++i;
            continue;
        }
        if (c != QLatin1Char('{') || !QStringView(text).mid(i).startsWith(Marker))
            continue;
        const qsizetype after = i + Marker.size();
        if (after >= text.size() || !isLetter(text.at(after)))
            return i;
    }
    return -1;
}

// The index just past the brace that closes the group opening at `open`;
// nullopt when the text ends first.
std::optional<qsizetype> groupEnd(const QString &text, qsizetype open)
{
    int depth = 0;
    for (qsizetype i = open; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\\'))
            ++i;
        else if (c == QLatin1Char('{'))
            ++depth;
        else if (c == QLatin1Char('}') && --depth == 0)
            return i + 1;
    }
    return std::nullopt;
}

// The value text of an entry, RTF escapes resolved; nullopt when it holds
// anything else (a control word, a group).
std::optional<QString> decodeValue(QStringView raw)
{
    QString value;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c == QLatin1Char('{') || c == QLatin1Char('}'))
            return std::nullopt;
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            continue; // RTF ignores bare line breaks
        if (c != QLatin1Char('\\')) {
            value += c;
            continue;
        }
        if (++i >= raw.size())
            return std::nullopt;
        const QChar e = raw.at(i);
        if (e == QLatin1Char('\\') || e == QLatin1Char('{') || e == QLatin1Char('}')) {
            value += e;
        } else if (e == QLatin1Char('\'') && i + 2 < raw.size()) {
            bool ok = false;
            const int code = raw.mid(i + 1, 2).toInt(&ok, 16);
            if (!ok)
                return std::nullopt;
            value += QChar(code);
            i += 2;
        } else if (e == QLatin1Char('u')) {
            qsizetype end = i + 1;
            if (end < raw.size() && raw.at(end) == QLatin1Char('-'))
                ++end;
            while (end < raw.size() && raw.at(end).isDigit())
                ++end;
            bool ok = false;
            const int code = raw.mid(i + 1, end - i - 1).toInt(&ok);
            if (!ok)
                return std::nullopt;
            value += QChar(char16_t(code));
            i = end; // the one fallback character (\uc1) is skipped
        } else {
            return std::nullopt;
        }
    }
    return value;
}

// One entry, {\key} or {\key value}; nullopt when `raw` is not one.
std::optional<QPair<QString, QString>> entry(QStringView raw)
{
    if (raw.size() < 3 || raw.at(1) != QLatin1Char('\\'))
        return std::nullopt;
    qsizetype end = 2;
    while (end < raw.size() && isLetter(raw.at(end)))
        ++end;
    const QString key = raw.mid(2, end - 2).toString();
    if (!NoteState::isValidKey(key))
        return std::nullopt;
    QStringView rest = raw.mid(end, raw.size() - 1 - end);
    if (!rest.isEmpty()) {
        if (rest.front() != QLatin1Char(' '))
            return std::nullopt;
        rest = rest.mid(1);
    }
    const std::optional<QString> value = decodeValue(rest);
    if (!value)
        return std::nullopt;
    return qMakePair(key, *value);
}

QString encodeValue(const QString &value)
{
    QString out;
    for (const QChar c : value) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('{') || c == QLatin1Char('}'))
            out += QLatin1Char('\\') + QString(c);
        else if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            out += c;
        else
            out += QStringLiteral("\\u%1?").arg(int(qint16(c.unicode())));
    }
    return out;
}

// The index of the content's final closing brace, ignoring trailing blanks;
// -1 when the content is not an RTF document.
qsizetype documentEnd(const QString &content)
{
    if (!content.startsWith(QLatin1String("{\\rtf")))
        return -1;
    qsizetype end = content.size();
    while (end > 0 && content.at(end - 1).unicode() <= 0x20)
        --end;
    if (end == 0 || content.at(end - 1) != QLatin1Char('}'))
        return -1;
    qsizetype slashes = 0;
    while (end - 2 - slashes >= 0 && content.at(end - 2 - slashes) == QLatin1Char('\\'))
        ++slashes;
    return slashes % 2 == 0 ? end - 1 : -1;
}

} // namespace

bool NoteState::isValidKey(const QString &key)
{
    if (key.isEmpty() || key.size() > MaxKeyLength)
        return false;
    for (const QChar c : key)
        if (c < QLatin1Char('a') || c > QLatin1Char('z'))
            return false;
    return true;
}

bool NoteState::contains(const QString &key) const
{
    for (const auto &e : m_entries)
        if (e.first == key)
            return true;
    return false;
}

QString NoteState::value(const QString &key) const
{
    for (const auto &e : m_entries)
        if (e.first == key)
            return e.second;
    return QString();
}

QStringList NoteState::keys() const
{
    QStringList keys;
    for (const auto &e : m_entries)
        keys.append(e.first);
    return keys;
}

void NoteState::setValue(const QString &key, const QString &value)
{
    if (!isValidKey(key))
        throw PaperletError(QStringLiteral("\"%1\" is not a valid note state key.").arg(key));
    for (auto &e : m_entries) {
        if (e.first == key) {
            e.second = value;
            return;
        }
    }
    m_entries.append(qMakePair(key, value));
}

void NoteState::setFlag(const QString &key, bool on)
{
    if (on)
        setValue(key, QString());
    else
        remove(key);
}

void NoteState::remove(const QString &key)
{
    m_entries.removeIf([&key](const QPair<QString, QString> &e) { return e.first == key; });
}

namespace NoteStateGroup {

Split split(const QString &content)
{
    Split result;
    result.content = content;
    qsizetype from = 0;
    for (qsizetype open; (open = findGroup(result.content, from)) >= 0;) {
        const QString &text = result.content;
        const std::optional<qsizetype> end = groupEnd(text, open);
        // A group whose closing brace is lost runs to the end of the text.
        const qsizetype stop = end ? *end - 1 : text.size();
        qsizetype i = open + Marker.size();
        if (i < stop && text.at(i) == QLatin1Char(' '))
            ++i;
        QString kept;
        while (i < stop) {
            const QChar c = text.at(i);
            const std::optional<qsizetype> sub = c == QLatin1Char('{') ? groupEnd(text, i) : std::nullopt;
            if (!sub || *sub > stop) {
                kept += c;
                if (c == QLatin1Char('\\') && i + 1 < stop)
                    kept += text.at(++i);
                ++i;
                continue;
            }
            const QStringView raw = QStringView(text).mid(i, *sub - i);
            if (const auto e = entry(raw))
                result.state.setValue(e->first, e->second);
            else
                kept += raw;
            i = *sub;
        }
        if (!end || !kept.trimmed().isEmpty())
            result.damaged = true;
        if (kept.trimmed().isEmpty())
            kept.clear();
        result.content = text.left(open) + kept + text.mid(end ? *end : text.size());
        from = open + kept.size();
    }
    return result;
}

QString group(const NoteState &state)
{
    if (state.isEmpty())
        return QString();
    QString out = Marker;
    for (const QString &key : state.keys()) {
        const QString value = state.value(key);
        out += QStringLiteral("{\\") + key + (value.isEmpty() ? QString() : QLatin1Char(' ') + encodeValue(value))
            + QLatin1Char('}');
    }
    return out + QLatin1Char('}');
}

QString join(const QString &content, const NoteState &state)
{
    const qsizetype end = documentEnd(content);
    if (state.isEmpty() || end < 0)
        return content;
    return content.left(end) + group(state) + content.mid(end);
}

} // namespace NoteStateGroup
