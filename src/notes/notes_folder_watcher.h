#pragma once

#include "platform/folder_identity.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

#include <optional>

class QTimer;

// Tells which note files of a folder changed, appeared or went away, by the
// file system's change notification: idle, it costs nothing. A file is
// reported once it has been quiet for a moment, so that a writer working in
// several steps is seen when it is done.
//
// The folder above is watched too: a folder renamed away tells nothing
// itself. A folder removed or replaced is followed again once one is there
// under its name; its files then count as removed and as appeared.
class NotesFolderWatcher final : public QObject
{
    Q_OBJECT
public:
    static constexpr int SettleMs = 250;
    static constexpr int LookAgainMs = 600;

    NotesFolderWatcher(const QString &folder, QObject *parent = nullptr);

    // "*.pnf" and not hidden: a sync tool's temporary files are neither.
    static bool isNoteFileName(const QString &name);

    // Reports `name` again a little later (a file that did not read
    // completely yet).
    void lookAgainLater(const QString &name);
    // The note files found at the last look at the folder.
    const QSet<QString> &names() const { return m_names; }
    // Whether the folder itself is watched (not while it is missing).
    bool watchingFolder() const;

Q_SIGNALS:
    // The bare name of a note file that changed, appeared or was removed.
    void fileSettled(const QString &name);
    // A note file that cannot be opened by its name (not valid UTF-8), with
    // U+FFFD for what does not read, once each time it is found.
    void unusableName(const QString &name);

private:
    void directoryChanged(const QString &path);
    // Reports the files that appeared, changed or went since the last look.
    void lookAtFolder();
    // The folder under our name is another one, or none: its files count
    // as removed, and whatever is there now as new.
    void followReplacedFolder();
    // Watches the nearest existing folder above ours.
    void watchAbove();
    void fileChanged(const QString &path);
    void schedule(const QString &name, int delayMs);
    void watch(const QStringList &paths);
    // Watches the files at `paths`, each the file there now.
    void watchFiles(const QStringList &paths);
    // Whether the watch on `path` is on the file there now.
    bool watchesFileAt(const QString &path, const QSet<QString> &watched) const;
    // The note files of the folder; notes those with unusable names.
    QSet<QString> listNames();
    QString nearestExistingAbove() const;

    const QString m_folder;   // with a trailing separator
    QFileSystemWatcher m_watcher;
    std::optional<FolderIdentity> m_identity;   // of the folder watched
    QString m_above;
    QSet<QString> m_names;    // the note files at the last look
    QHash<QString, FolderIdentity> m_fileIds;   // the file each file watch is on
    QSet<QString> m_unusable;   // names that cannot be opened, at the last look
    QHash<QString, QTimer *> m_pending;
    bool m_warned = false;
};
