#include "notes/notes_folder_watcher.h"

#include "core/note_naming.h"
#include "platform/unspellable_names.h"

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
        watchFiles(paths);
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

QSet<QString> NotesFolderWatcher::listNames()
{
    QSet<QString> names;
    const QStringList entries = QDir(m_folder).entryList(QDir::Files, QDir::NoSort);
    for (const QString &name : entries)
        if (isNoteFileName(name))
            names.insert(name);
    QSet<QString> unusable;
    const QStringList unspellable = unspellableFileNames(m_folder);
    for (const QString &name : unspellable)
        if (isNoteFileName(name))
            unusable.insert(name);
    for (const QString &name : std::as_const(unusable))
        if (!m_unusable.contains(name))
            // Queued: also those found while this watcher is being made reach whoever follows it.
            QMetaObject::invokeMethod(this, [this, name] { Q_EMIT unusableName(name); }, Qt::QueuedConnection);
    m_unusable = unusable;
    return names;
}

void NotesFolderWatcher::watch(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    const QStringList failed = m_watcher.addPaths(paths);
    // A path gone again before its watch could start is no failure: the
    // folder's watch tells of that.
    const auto real = std::find_if(failed.begin(), failed.end(), [](const QString &path) { return QFileInfo::exists(path); });
    // Notes keep working without it, only blind to other programs' changes:
    // worth one line, not one per file.
    if (real != failed.end() && !m_warned) {
        m_warned = true;
        qWarning("Cannot watch \"%s\" for changes made by other programs (too many watches?); "
                 "they show after a restart.",
                 qPrintable(QDir::toNativeSeparators(*real)));
    }
}

void NotesFolderWatcher::watchFiles(const QStringList &paths)
{
    if (paths.isEmpty())
        return;
    // A watch stays with the file it was set on. Once another file has
    // taken the name (the old one replaced while someone holds it open, or
    // its removal not told yet), that watch is dropped for one on the file
    // there now.
    const QStringList watched = m_watcher.files();
    const QSet<QString> watchedSet(watched.begin(), watched.end());
    QStringList stale;
    for (const QString &path : paths) {
        if (watchedSet.contains(path))
            stale.append(path);
        // Asked before the watch starts: a file replaced in between shows
        // as another one at the next look, and is watched again then.
        if (const std::optional<FolderIdentity> id = FolderIdentity::ofFile(path))
            m_fileIds.insert(path, *id);
        else
            m_fileIds.remove(path);
    }
    if (!stale.isEmpty())
        m_watcher.removePaths(stale);
    watch(paths);
}

bool NotesFolderWatcher::watchesFileAt(const QString &path, const QSet<QString> &watched) const
{
    const auto id = m_fileIds.constFind(path);
    return watched.contains(path) && id != m_fileIds.constEnd() && FolderIdentity::ofFile(path) == *id;
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
        // A file replaced by a rename is a new file, to be watched anew.
        const QString path = m_folder + name;
        if (!m_names.contains(name) || !watchesFileAt(path, watchedSet)) {
            added.append(path);
            schedule(name, SettleMs);
        }
    }
    watchFiles(added);
    QStringList gone;
    for (const QString &name : std::as_const(m_names)) {
        if (names.contains(name))
            continue;
        schedule(name, SettleMs);
        // Kept by the system while someone holds the removed file open.
        if (watchedSet.contains(m_folder + name))
            gone.append(m_folder + name);
        m_fileIds.remove(m_folder + name);
    }
    if (!gone.isEmpty())
        m_watcher.removePaths(gone);
    m_names = names;
}

void NotesFolderWatcher::followReplacedFolder()
{
    // The old watches went with the old folder or follow it to its new name.
    const QStringList files = m_watcher.files();
    if (!files.isEmpty())
        m_watcher.removePaths(files);
    m_fileIds.clear();
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
    // The file changed, went, or another took its name: in the last case
    // the file there now is watched instead.
    const QStringList watched = m_watcher.files();
    if (QFileInfo::exists(path) && !watchesFileAt(path, QSet<QString>(watched.begin(), watched.end())))
        watchFiles({path});
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
