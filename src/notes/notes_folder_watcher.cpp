#include "notes/notes_folder_watcher.h"

#include <QDir>
#include <QFileInfo>
#include <QTimer>

NotesFolderWatcher::NotesFolderWatcher(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_folder(QDir(folder).absolutePath() + QLatin1Char('/'))
{
    m_names = listNames();
    QStringList paths{m_folder};
    for (const QString &name : std::as_const(m_names))
        paths.append(m_folder + name);
    // A folder that cannot be watched leaves the notes as they are, only
    // without noticing others' changes.
    m_watcher.addPaths(paths);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &NotesFolderWatcher::folderChanged);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &NotesFolderWatcher::fileChanged);
}

bool NotesFolderWatcher::isNoteFileName(const QString &name)
{
    return !name.startsWith(QLatin1Char('.')) && name.endsWith(QLatin1String(".pnf"), Qt::CaseInsensitive);
}

QSet<QString> NotesFolderWatcher::listNames() const
{
    QSet<QString> names;
    const QStringList entries = QDir(m_folder).entryList(QDir::Files, QDir::NoSort);
    for (const QString &name : entries)
        if (isNoteFileName(name))
            names.insert(name);
    return names;
}

void NotesFolderWatcher::folderChanged()
{
    const QSet<QString> names = listNames();
    const QStringList watched = m_watcher.files();
    const QSet<QString> watchedSet(watched.begin(), watched.end());
    for (const QString &name : names) {
        // A file replaced by a rename is a new file: its old watch went with
        // the old one.
        const QString path = m_folder + name;
        if (!m_names.contains(name) || !watchedSet.contains(path)) {
            m_watcher.addPath(path);
            schedule(name, SettleMs);
        }
    }
    for (const QString &name : std::as_const(m_names))
        if (!names.contains(name))
            schedule(name, SettleMs);
    m_names = names;
}

void NotesFolderWatcher::fileChanged(const QString &path)
{
    const QString name = path.mid(m_folder.size());
    if (!m_watcher.files().contains(path) && QFileInfo::exists(path))
        m_watcher.addPath(path);
    schedule(name, SettleMs);
}

void NotesFolderWatcher::lookAgainLater(const QString &name)
{
    schedule(name, LookAgainMs);
}

void NotesFolderWatcher::schedule(const QString &name, int delayMs)
{
    QTimer *&timer = m_pending[name];
    if (!timer) {
        timer = new QTimer(this);
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, [this, name] {
            // Not deleted here: this timer is still emitting.
            m_pending.take(name)->deleteLater();
            Q_EMIT fileSettled(name);
        });
    }
    // Every further change starts the wait again.
    timer->start(delayMs);
}
