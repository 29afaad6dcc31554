#pragma once

#include <QString>

// The words of the update check's messages, apart from the boxes that show them.
namespace UpdateReport {

QString upToDateText();
QString questionText(const QString &ownVersion, const QString &remoteVersion);

} // namespace UpdateReport
