#include "platform/trash_xdg.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace {

// Reserves a name in the trash by creating its .trashinfo exclusively, so
// that two deletions of files with the same name never meet. Returns the
// name, or an empty one when nothing can be created there.
QString reserveName(const QDir &files, const QDir &info, const QFileInfo &source, const QByteArray &infoText)
{
    const QString base = source.completeBaseName();
    const QString suffix = source.suffix().isEmpty() ? QString() : QLatin1Char('.') + source.suffix();
    // Far more attempts than a trash ever needs; only a broken folder gets there.
    constexpr int MaxAttempts = 10000;
    for (int n = 1; n <= MaxAttempts; ++n) {
        const QString name = n == 1 ? source.fileName() : QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(suffix);
        if (files.exists(name))
            continue;
        QFile record(info.filePath(name + QStringLiteral(".trashinfo")));
        if (!record.open(QIODevice::NewOnly | QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            if (record.exists())
                continue;
            return {};
        }
        if (record.write(infoText) != infoText.size()) {
            record.remove();
            return {};
        }
        return name;
    }
    return {};
}

bool makePrivateFolder(const QString &path)
{
    if (QFileInfo(path).isDir())
        return true;
    return QDir().mkpath(path)
        && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

XdgTrash::XdgTrash(QString dataHome)
    : m_dataHome(dataHome.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                                    : std::move(dataHome))
{
}

QString XdgTrash::trashFolder() const
{
    return QDir(m_dataHome).filePath(QStringLiteral("Trash"));
}

QByteArray XdgTrash::trashInfo(const QString &path, const QDateTime &deleted)
{
    return "[Trash Info]\nPath=" + QUrl::toPercentEncoding(QFileInfo(path).absoluteFilePath(), "/")
        + "\nDeletionDate=" + deleted.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toLatin1() + '\n';
}

std::optional<QString> XdgTrash::moveToTrash(const QString &path)
{
    // A relative data folder would put the trash under whatever the working
    // directory happens to be.
    if (m_dataHome.isEmpty() || QDir::isRelativePath(m_dataHome))
        return std::nullopt;
    const QFileInfo source(path);
    if (!source.exists() && !source.isSymLink())
        return std::nullopt;
    const QString trash = trashFolder();
    const QDir files(trash + QStringLiteral("/files"));
    const QDir info(trash + QStringLiteral("/info"));
    if (!makePrivateFolder(trash) || !makePrivateFolder(files.path()) || !makePrivateFolder(info.path()))
        return std::nullopt;
    const QString name = reserveName(files, info, source, trashInfo(path, QDateTime::currentDateTime()));
    if (name.isEmpty())
        return std::nullopt;
    // Across file systems QFile copies and removes the original itself.
    if (QFile::rename(source.absoluteFilePath(), files.filePath(name)))
        return name;
    QFile::remove(info.filePath(name + QStringLiteral(".trashinfo")));
    return std::nullopt;
}

std::optional<TrashedFile> XdgTrash::parseTrashInfo(const QByteArray &text)
{
    const QList<QByteArray> lines = text.split('\n');
    if (lines.isEmpty() || lines.first().trimmed() != "[Trash Info]")
        return std::nullopt;
    TrashedFile file;
    for (const QByteArray &raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith("Path="))
            file.originalPath = QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(5)));
        else if (line.startsWith("DeletionDate="))
            file.deleted = QDateTime::fromString(QString::fromLatin1(line.mid(13)), Qt::ISODate);
    }
    if (file.originalPath.isEmpty() || !file.deleted.isValid())
        return std::nullopt;
    return file;
}

QList<TrashedFile> XdgTrash::filesFrom(const QString &folder) const
{
    const QString wanted = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    const QDir info(trashFolder() + QStringLiteral("/info"));
    const QDir files(trashFolder() + QStringLiteral("/files"));
    const QString suffix = QStringLiteral(".trashinfo");
    QList<TrashedFile> found;
    const QStringList records = info.entryList({QLatin1Char('*') + suffix}, QDir::Files);
    for (const QString &record : records) {
        QFile in(info.filePath(record));
        if (!in.open(QIODevice::ReadOnly))
            continue;
        std::optional<TrashedFile> file = parseTrashInfo(in.read(64 * 1024));
        if (!file)
            continue;
        // The home trash holds absolute paths only.
        if (QDir::cleanPath(QFileInfo(file->originalPath).absolutePath()) != wanted)
            continue;
        file->id = record.chopped(suffix.size());
        file->trashedPath = files.filePath(file->id);
        if (!QFileInfo::exists(file->trashedPath))
            continue;
        found.append(*file);
    }
    sortNewestFirst(found);
    return found;
}

bool XdgTrash::restore(const TrashedFile &file, const QString &path)
{
    if (file.id.isEmpty() || file.id.contains(QLatin1Char('/')) || QFileInfo::exists(path))
        return false;
    const QString trash = trashFolder();
    if (!QFile::rename(trash + QStringLiteral("/files/") + file.id, path))
        return false;
    QFile::remove(trash + QStringLiteral("/info/") + file.id + QStringLiteral(".trashinfo"));
    return true;
}

std::unique_ptr<Trash> Trash::create()
{
    return std::make_unique<XdgTrash>();
}
