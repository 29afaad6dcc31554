#include "notes/notes_folder_watcher.h"

#include "core/note_naming.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QTimer>

namespace {

bool samePath(const QString &a, const QString &b)
{
    return QDir::cleanPath(a) == QDir::cleanPath(b);
}

} // namespace

NotesFolderWatcher::NotesFolderWatcher(const QString &folder, QObject *parent)
    : QObject(parent)
    , m_folder(QDir(folder).absolutePath() + QLatin1Char('/'))
    , m_identity(FolderIdentity::of(m_folder))
{
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &NotesFolderWatcher::directoryChanged);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &NotesFolderWatcher::fileChanged);
    if (m_identity) {
        // Watched before it is listed: a file arriving in between is not missed.
        watch({m_folder});
        m_names = listNames();
        QStringList paths;
        for (const QString &name : std::as_const(m_names))
            paths.append(m_folder + name);
        watch(paths);
    }
    watchAbove();
    if (FolderIdentity::of(m_folder) != m_identity)
        followReplacedFolder();
}

bool NotesFolderWatcher::isNoteFileName(const QString &name)
{
    return NoteNaming::isNoteFileName(name);
}

bool NotesFolderWatcher::watchingFolder() const
{
    const QStringList folders = m_watcher.directories();
    return std::any_of(folders.begin(), folders.end(), [this](const QString &path) { return samePath(path, m_folder); });
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

void NotesFolderWatcher::watch(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    const QStringList failed = m_watcher.addPaths(paths);
    // Notes keep working without it, only blind to other programs' changes:
    // worth one line, not one per file.
    if (!failed.isEmpty() && !m_warned) {
        m_warned = true;
        qWarning("Cannot watch \"%s\" for changes made by other programs (too many watches?); "
                 "they show after a restart.",
                 qPrintable(QDir::toNativeSeparators(failed.first())));
    }
}

void NotesFolderWatcher::directoryChanged(const QString &path)
{
    // Whatever changed, a folder that is no longer ours is followed anew.
    if (FolderIdentity::of(m_folder) != m_identity || (m_identity && !watchingFolder()))
        followReplacedFolder();
    else if (samePath(path, m_above))
        watchAbove();   // a missing folder on the way down may be back
    else
        lookAtFolder();
}

void NotesFolderWatcher::lookAtFolder()
{
    const QSet<QString> names = listNames();
    const QStringList watched = m_watcher.files();
    const QSet<QString> watchedSet(watched.begin(), watched.end());
    QStringList added;
    for (const QString &name : names) {
        // A file replaced by a rename is a new file: its old watch went with
        // the old one.
        const QString path = m_folder + name;
        if (!m_names.contains(name) || !watchedSet.contains(path)) {
            added.append(path);
            schedule(name, SettleMs);
        }
    }
    watch(added);
    for (const QString &name : std::as_const(m_names))
        if (!names.contains(name))
            schedule(name, SettleMs);
    m_names = names;
}

void NotesFolderWatcher::followReplacedFolder()
{
    // The old watches went with the old folder or follow it to its new name.
    const QStringList files = m_watcher.files();
    if (!files.isEmpty())
        m_watcher.removePaths(files);
    if (watchingFolder())
        m_watcher.removePath(m_folder);
    for (const QString &name : std::as_const(m_names))
        schedule(name, SettleMs);
    m_names.clear();
    m_identity = FolderIdentity::of(m_folder);
    if (m_identity) {
        watch({m_folder});
        lookAtFolder();
    }
    watchAbove();
    // Made or replaced again before the watches started.
    if (FolderIdentity::of(m_folder) != m_identity)
        followReplacedFolder();
}

QString NotesFolderWatcher::nearestExistingAbove() const
{
    QString path = QDir::cleanPath(m_folder);
    for (;;) {
        const QString above = QFileInfo(path).absolutePath();
        if (above == path || QFileInfo(above).isDir())
            return above;
        path = above;
    }
}

void NotesFolderWatcher::watchAbove()
{
    // While the folder above is missing too, the nearest one there is
    // watched, and the next one down once it appears.
    const QString above = nearestExistingAbove();
    if (samePath(above, m_above))
        return;
    if (!m_above.isEmpty())
        m_watcher.removePath(m_above);
    m_above = above;
    watch({above});
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
