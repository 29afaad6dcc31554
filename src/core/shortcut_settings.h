#pragma once

#include <QMap>
#include <QString>

#include <optional>

// The global shortcuts the user chose, in "shortcuts.ini" beside
// settings.ini (which keeps its own lines as they are): one line per action
// the user changed, "action-id=keys" with the keys in portable text
// ("Ctrl+Alt+Shift+N"); an empty value is a shortcut the user removed. An
// action without a line keeps its default.
class ShortcutSettings
{
public:
    static constexpr char FileName[] = "shortcuts.ini";

    // folder: where settings.ini is.
    explicit ShortcutSettings(QString folder);

    QString path() const;
    // Action id to keys. A file that is missing or unreadable reads as no
    // choices at all; lines that say nothing sensible are skipped.
    QMap<QString, QString> load() const;
    // Writes every choice at once; throws PaperletError when it cannot.
    void save(const QMap<QString, QString> &choices) const;

    // The keys of one action: the choice when there is one, else nullopt.
    static std::optional<QString> choice(const QMap<QString, QString> &choices, const QString &actionId);

private:
    QString m_folder;
};
