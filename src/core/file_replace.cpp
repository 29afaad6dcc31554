#include "core/file_replace.h"

#include "core/error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <filesystem>
#include <system_error>

namespace {

// Writes `path` whole: its old content stays until every byte is on disk.
void saveWhole(const QString &path, const QByteArray &bytes, const QString &failure, const QString &shownPath)
{
    QSaveFile file(path);
    // Never fall back to writing in place: that is what truncates files.
    file.setDirectWriteFallback(false);
    const auto fail = [&] {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw PaperletError(failure.arg(QDir::toNativeSeparators(shownPath), reason));
    };
    // Unbuffered, so that a full disk fails the write itself: a buffered
    // write succeeds into memory, and the failed flush that follows does not
    // stop commit() from renaming an empty file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail();
    if (file.write(bytes) != bytes.size())
        fail();
    if (!file.commit())
        throw PaperletError(failure.arg(QDir::toNativeSeparators(shownPath), file.errorString()));
}

} // namespace

bool replaceFile(const QString &path, const QByteArray &bytes, const QString &failure,
                 const std::function<bool()> &stillOurs)
{
    if (!stillOurs) {
        saveWhole(path, bytes, failure, path);
        return true;
    }
    // Synced under a hidden name of its own first, so that the check comes
    // after the slow part; QFile cannot rename over a file, the standard
    // library can (in one step, as QSaveFile does).
    const QFileInfo target(path);
    const QString staged = target.dir().filePath(QLatin1Char('.') + target.fileName() + QStringLiteral(".saving"));
    saveWhole(staged, bytes, failure, path);
    if (target.exists())
        QFile::setPermissions(staged, target.permissions());
    if (!stillOurs()) {
        QFile::remove(staged);
        return false;
    }
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(staged.toStdU16String()),
                            std::filesystem::path(path.toStdU16String()), error);
    if (error) {
        QFile::remove(staged);
        throw PaperletError(failure.arg(QDir::toNativeSeparators(path), QString::fromStdString(error.message())));
    }
    return true;
}
