#include "platform/trash.h"

#include "core/recycle_bin_record.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <vector>

#include <windows.h>
#include <sddl.h>

namespace {

// The shell names a deleted file's content "$R…" and its record "$I…",
// with the same suffix, which is our id for it.
const QString ContentPrefix = QStringLiteral("$R");
const QString RecordPrefix = QStringLiteral("$I");

// The user's security id as text ("S-1-5-21-…"); empty when it cannot be read.
QString currentUserSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return QString();
    QString sid;
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    if (size > 0 && GetTokenInformation(token, TokenUser, buffer.data(), size, &size)) {
        LPWSTR text = nullptr;
        if (ConvertSidToStringSidW(reinterpret_cast<const TOKEN_USER *>(buffer.data())->User.Sid, &text)) {
            sid = QString::fromWCharArray(text);
            LocalFree(text);
        }
    }
    CloseHandle(token);
    return sid;
}

// This user's recycle bin on the drive that holds `folder`; empty where
// there is none (a network share, an unknown user).
QString recycleBinOf(const QString &folder)
{
    const QString root = QStorageInfo(folder).rootPath();
    const QString sid = currentUserSid();
    const bool share = root.startsWith(QLatin1String("//")) || root.startsWith(QLatin1String("\\\\"));
    if (root.isEmpty() || share || sid.isEmpty())
        return QString();
    return QDir(root).filePath(QStringLiteral("$Recycle.Bin/") + sid);
}

// The recycle bin, written to through the shell (Qt's own call is sound on
// Windows) and read back from its records.
class RecycleBin final : public Trash
{
public:
    std::optional<QString> moveToTrash(const QString &path) override
    {
        QString inTrash;
        if (!QFile::moveToTrash(path, &inTrash) || QFileInfo::exists(path))
            return std::nullopt;
        const QString name = QFileInfo(inTrash).fileName();
        return name.startsWith(ContentPrefix) ? name.mid(ContentPrefix.size()) : name;
    }

    QList<TrashedFile> filesFrom(const QString &folder) const override
    {
        const QString bin = recycleBinOf(folder);
        if (bin.isEmpty())
            return {};
        const QDir dir(bin);
        QList<TrashedFile> found;
        // The records are hidden system files, like the folder itself.
        const QStringList records =
            dir.entryList({RecordPrefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System);
        for (const QString &name : records) {
            QFile in(dir.filePath(name));
            if (!in.open(QIODevice::ReadOnly))
                continue;
            // One byte more than the largest record, so that a longer file fails.
            const std::optional<RecycleBinRecord::Record> record =
                RecycleBinRecord::parse(in.read(RecycleBinRecord::MaxRecordSize + 1));
            if (!record || !RecycleBinRecord::deletedFrom(*record, folder))
                continue;
            TrashedFile file;
            file.id = name.mid(RecordPrefix.size());
            file.originalPath = QDir::fromNativeSeparators(record->originalPath);
            file.trashedPath = dir.filePath(ContentPrefix + file.id);
            file.deleted = record->deleted.toLocalTime();
            if (QFileInfo(file.trashedPath).isFile())
                found.append(file);
        }
        sortNewestFirst(found);
        return found;
    }

    bool restore(const TrashedFile &file, const QString &path) override
    {
        const QFileInfo content(file.trashedPath);
        if (file.id.isEmpty() || file.id.contains(QLatin1Char('/')) || file.id.contains(QLatin1Char('\\'))
            || content.fileName() != ContentPrefix + file.id || QFileInfo::exists(path))
            return false;
        if (!QFile::rename(content.absoluteFilePath(), path))
            return false;
        // Without its content the record would only confuse the shell.
        QFile::remove(content.dir().filePath(RecordPrefix + file.id));
        return true;
    }
};

} // namespace

std::unique_ptr<Trash> Trash::create()
{
    return std::make_unique<RecycleBin>();
}
