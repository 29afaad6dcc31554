#include "update_report.h"

#include "update_checker.h"

#include "framework/message_box.h"

#include <QCoreApplication>
#include <QDesktopServices>

namespace UpdateReport {

namespace {

QMessageBox::StandardButton exec(QMessageBox::Icon icon, const QString &text,
                                 QMessageBox::StandardButtons buttons,
                                 QMessageBox::StandardButton defaultButton)
{
    // The reply comes from the network: never let it be read as markup.
    return Messages::exec({icon, QCoreApplication::translate("UpdateReport", "Paperlet"), text, buttons, defaultButton, Qt::PlainText});
}

} // namespace

void show(const TUpdateChecker &checker, const QString &ownVersion)
{
    if (checker.UpToDate) {
        exec(QMessageBox::NoIcon, upToDateText(), QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    const QMessageBox::StandardButton answer = exec(QMessageBox::Question, questionText(ownVersion, checker.RemoteVersion),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        QDesktopServices::openUrl(checker.downloadPageUrl());
}

} // namespace UpdateReport
