#include "platform/autostart_xdg.h"

#include "core/error.h"
#include "core/file_replace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>

namespace {

const QString GroupHeader = QStringLiteral("[Desktop Entry]");

// Characters that force an argument into double quotes.
bool isReserved(QChar c)
{
    return QStringLiteral(" \t\n\"'\\><~|&;$*?#()`").contains(c);
}

// The escapes of the "string" value type: applied to the whole line.
QString escapeString(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        default: out += c;
        }
    }
    return out;
}

QString unescapeString(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\\' || i + 1 == text.size()) {
            out += c;
            continue;
        }
        switch (text.at(++i).unicode()) {
        case 's': out += u' '; break;
        case 'n': out += u'\n'; break;
        case 't': out += u'\t'; break;
        case 'r': out += u'\r'; break;
        case '\\': out += u'\\'; break;
        default: out += u'\\'; out += text.at(i);
        }
    }
    return out;
}

QString quoteArgument(const QString &argument)
{
    QString out;
    bool quote = argument.isEmpty();
    for (const QChar c : argument) {
        quote = quote || isReserved(c);
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            out += u'\\';
        out += c;
        if (c == u'%')
            out += u'%';
    }
    return quote ? u'"' + out + u'"' : out;
}

// The keys of the [Desktop Entry] group, raw; nothing when there is no such
// group.
std::optional<QHash<QString, QString>> readEntryGroup(const QByteArray &bytes)
{
    const QStringList lines = QString::fromUtf8(bytes).split(u'\n');
    bool inGroup = false;
    bool seen = false;
    QHash<QString, QString> keys;
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        if (trimmed.startsWith(u'[')) {
            inGroup = trimmed == GroupHeader;
            seen = seen || inGroup;
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!inGroup || eq < 0)
            continue;
        const QString key = line.left(eq).trimmed();
        if (!keys.contains(key))
            keys.insert(key, line.mid(eq + 1).trimmed());
    }
    if (!seen)
        return std::nullopt;
    return keys;
}

} // namespace

XdgAutostart::XdgAutostart(QString folder)
    : m_folder(std::move(folder))
{
    if (m_folder.isEmpty())
        m_folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
            + QStringLiteral("/autostart");
}

QString XdgAutostart::entryPath() const
{
    return m_folder + u'/' + EntryName + QStringLiteral(".desktop");
}

QString XdgAutostart::execValue(const QStringList &arguments)
{
    QStringList quoted;
    for (const QString &argument : arguments)
        quoted.append(quoteArgument(argument));
    return escapeString(quoted.join(u' '));
}

std::optional<QStringList> XdgAutostart::parseExec(const QString &value)
{
    const QString text = unescapeString(value);
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool inQuotes = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c == u'"') {
                inQuotes = false;
            } else if (c == u'\\') {
                if (i + 1 == text.size())
                    return std::nullopt;
                current += text.at(++i);
            } else if (c == u'%' && i + 1 < text.size() && text.at(i + 1) == u'%') {
                current += c;
                ++i;
            } else {
                current += c;
            }
            continue;
        }
        if (c == u' ' || c == u'\t' || c == u'\n') {
            if (inArgument)
                arguments.append(current);
            current.clear();
            inArgument = false;
            continue;
        }
        inArgument = true;
        if (c == u'"')
            inQuotes = true;
        else if (c == u'%' && i + 1 < text.size() && text.at(i + 1) == u'%')
            current += text.at(++i);
        else
            current += c;
    }
    if (inQuotes)
        return std::nullopt;
    if (inArgument)
        arguments.append(current);
    return arguments;
}

QStringList XdgAutostart::command() const
{
    const QString path = entryPath();
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return {};
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        failRead();
    const auto keys = readEntryGroup(file.readAll());
    if (!keys)
        failRead();
    // A hidden or switched-off entry is how desktops mark a removed one.
    if (keys->value(QStringLiteral("Hidden")) == QStringLiteral("true")
        || keys->value(QStringLiteral("X-GNOME-Autostart-enabled")) == QStringLiteral("false"))
        return {};
    const auto arguments = parseExec(keys->value(QStringLiteral("Exec")));
    if (!arguments || arguments->isEmpty())
        failRead();
    return *arguments;
}

void XdgAutostart::write(const QString &program)
{
    if (!QDir().mkpath(m_folder))
        failWrite();
    const QString text = GroupHeader + u'\n'
        + QStringLiteral("Type=Application\n")
        + QStringLiteral("Name=") + EntryName + u'\n'
        + QStringLiteral("Comment=Sticky notes in the tray\n")
        + QStringLiteral("Exec=") + execValue({program}) + u'\n'
        + QStringLiteral("TryExec=") + escapeString(program) + u'\n'
        + QStringLiteral("Icon=paperlet\n")
        + QStringLiteral("Terminal=false\n")
        + QStringLiteral("X-GNOME-Autostart-enabled=true\n");
    // Whatever the cause, the store reports it in the one message it has.
    try {
        replaceFile(entryPath(), text.toUtf8(), QStringLiteral("%1: %2"));
    } catch (const PaperletError &) {
        failWrite();
    }
}

void XdgAutostart::remove()
{
    QFile::remove(entryPath());
}

std::unique_ptr<Autostart> Autostart::create()
{
    return std::make_unique<XdgAutostart>();
}
