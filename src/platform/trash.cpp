#include "platform/trash.h"

#include <algorithm>

void Trash::sortNewestFirst(QList<TrashedFile> &files)
{
    std::stable_sort(files.begin(), files.end(), [](const TrashedFile &a, const TrashedFile &b) {
        return a.deleted != b.deleted ? a.deleted > b.deleted : a.id < b.id;
    });
}
