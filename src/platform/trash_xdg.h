#pragma once

#include "platform/trash.h"

#include <optional>

class QDateTime;

// The freedesktop home trash: the file goes to Trash/files under the user's
// data folder ($XDG_DATA_HOME, by default ~/.local/share), and a NAME.trashinfo
// in Trash/info records where it came from and when. Folders that are missing
// are made.
class XdgTrash final : public Trash
{
public:
    // dataHome: the user's data folder; empty means the user's own.
    explicit XdgTrash(QString dataHome = QString());

    QString trashFolder() const;
    std::optional<QString> moveToTrash(const QString &path) override;
    QList<TrashedFile> filesFrom(const QString &folder) const override;
    bool restore(const TrashedFile &file, const QString &path) override;

    // Reads a .trashinfo record; nullopt when it is not one.
    static std::optional<TrashedFile> parseTrashInfo(const QByteArray &text);

    // The content of the .trashinfo file for `path` deleted at `deleted`
    // (local time), public for tests.
    static QByteArray trashInfo(const QString &path, const QDateTime &deleted);

private:
    QString m_dataHome;
};
