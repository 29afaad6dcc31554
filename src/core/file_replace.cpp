#include "core/file_replace.h"

#include "core/error.h"

#include <QDir>
#include <QSaveFile>

void replaceFile(const QString &path, const QByteArray &bytes, const QString &failure)
{
    QSaveFile file(path);
    // Never fall back to writing in place: that is what truncates files.
    file.setDirectWriteFallback(false);
    const auto fail = [&] {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw PaperletError(failure.arg(QDir::toNativeSeparators(path), reason));
    };
    // Unbuffered, so that a full disk fails the write itself: a buffered
    // write succeeds into memory, and the failed flush that follows does not
    // stop commit() from renaming an empty file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        fail();
    if (file.write(bytes) != bytes.size())
        fail();
    if (!file.commit())
        throw PaperletError(failure.arg(QDir::toNativeSeparators(path), file.errorString()));
}
