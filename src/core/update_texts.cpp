#include "core/update_texts.h"

#include <QCoreApplication>

namespace UpdateReport {

QString upToDateText()
{
    return QCoreApplication::translate("UpdateReport", "You are already using the most recent version of Paperlet.\n"
                                                       "Please check in future!");
}

QString questionText(const QString &ownVersion, const QString &remoteVersion)
{
    // Arguments filled in one pass: a version text may itself hold "%2".
    return QCoreApplication::translate("UpdateReport", "Your version is:         %1\nCurrent version is:    %2\n\n"
                                                       "A newer version is available.\nDo you want to download new version?")
        .arg(ownVersion, remoteVersion);
}

} // namespace UpdateReport
