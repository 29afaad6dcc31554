#include "core/update_texts.h"

namespace UpdateReport {

QString upToDateText()
{
    return QStringLiteral("You are already using the most recent version of Paperlet.\n"
                          "Please check in future!");
}

QString questionText(const QString &ownVersion, const QString &remoteVersion)
{
    return QStringLiteral("Your version is:         ") + ownVersion
        + QStringLiteral("\nCurrent version is:    ") + remoteVersion
        + QStringLiteral("\n\nA newer version is available.\nDo you want to download new version?");
}

} // namespace UpdateReport
