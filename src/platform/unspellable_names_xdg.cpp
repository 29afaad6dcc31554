#include "platform/unspellable_names.h"

#include <QFile>

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

QStringList unspellableFileNames(const QString &folder)
{
    QStringList names;
    const QByteArray path = QFile::encodeName(folder);
    const std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(path.constData()), &::closedir);
    if (!dir)
        return names;
    while (const dirent *entry = ::readdir(dir.get())) {
        const QByteArray raw(entry->d_name);
        const QString name = QFile::decodeName(raw);
        if (QFile::encodeName(name) == raw)
            continue;
        struct stat info{};
        if (::stat(QByteArray(path + '/' + raw).constData(), &info) == 0 && S_ISREG(info.st_mode))
            names.append(name);
    }
    return names;
}
