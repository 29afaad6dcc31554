#include "core/shortcut_settings.h"

#include "core/file_replace.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <utility>

namespace {

constexpr qint64 MaxFileSize = 64 * 1024;

} // namespace

ShortcutSettings::ShortcutSettings(QString folder) : m_folder(std::move(folder)) {}

QString ShortcutSettings::path() const
{
    return QDir(m_folder).filePath(QLatin1String(FileName));
}

QMap<QString, QString> ShortcutSettings::load() const
{
    QMap<QString, QString> choices;
    QFile file(path());
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxFileSize)
        return choices;
    const QString text = QString::fromUtf8(file.readAll());
    for (const QString &raw : text.split(QLatin1Char('\n'))) {
        const QString line = raw.trimmed();
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || equals <= 0)
            continue;
        choices.insert(line.left(equals).trimmed(), line.mid(equals + 1).trimmed());
    }
    return choices;
}

void ShortcutSettings::save(const QMap<QString, QString> &choices) const
{
    QByteArray bytes;
    for (auto it = choices.cbegin(); it != choices.cend(); ++it)
        bytes += it.key().toUtf8() + '=' + it.value().toUtf8() + "\r\n";
    replaceFile(path(), bytes,
                QCoreApplication::translate("ShortcutSettings", "Cannot create file \"%1\". %2"));
}

std::optional<QString> ShortcutSettings::choice(const QMap<QString, QString> &choices, const QString &actionId)
{
    const auto it = choices.constFind(actionId);
    return it == choices.constEnd() ? std::nullopt : std::optional<QString>(*it);
}
