#include "platform/trash.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The recycle bin, through the shell: Qt's own call is sound on Windows.
class RecycleBin final : public Trash
{
public:
    bool moveToTrash(const QString &path) override
    {
        return QFile::moveToTrash(path) && !QFileInfo::exists(path);
    }

    // The recycle bin's records are the shell's own; reading them back is
    // not offered here yet.
    QList<TrashedFile> filesFrom(const QString &) const override { return {}; }
    bool restore(const TrashedFile &, const QString &) override { return false; }
};

} // namespace

std::unique_ptr<Trash> Trash::create()
{
    return std::make_unique<RecycleBin>();
}
