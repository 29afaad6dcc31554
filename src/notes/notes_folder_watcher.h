#pragma once

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>

class QTimer;

// Tells which note files of a folder changed, appeared or went away, by the
// file system's change notification: idle, it costs nothing. A file is
// reported once it has been quiet for a moment, so that a writer working in
// several steps is seen when it is done.
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

Q_SIGNALS:
    // The bare name of a note file that changed, appeared or was removed.
    void fileSettled(const QString &name);

private:
    void folderChanged();
    void fileChanged(const QString &path);
    void schedule(const QString &name, int delayMs);
    QSet<QString> listNames() const;

    const QString m_folder;   // with a trailing separator
    QFileSystemWatcher m_watcher;
    QSet<QString> m_names;    // the note files at the last look
    QHash<QString, QTimer *> m_pending;
};
