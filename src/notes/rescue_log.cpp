#include "notes/rescue_log.h"

#include "core/error.h"
#include "platform/data_place.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace RescueLog {

namespace {

QString listPath()
{
    return folder() + QStringLiteral("unreported.txt");
}

} // namespace

QString folder()
{
    return DataPlace().rescueFolder();
}

QString freeCopyPath(const QString &fileName)
{
    const QString base = folder();
    const QFileInfo name(fileName);
    const QString stem = name.completeBaseName();
    const QString extension = name.suffix().isEmpty() ? QString() : QLatin1Char('.') + name.suffix();
    QString path = base + fileName;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = base + QStringLiteral("%1 (%2)%3").arg(stem).arg(n).arg(extension);
    return path;
}

void add(const QString &copyPath, const QString &reason)
{
    // Appended, never rewritten: several notes may be rescued in one exit.
    // Unbuffered, so that a full disk shows here and not in a silent flush.
    QFile list(listPath());
    const QString oneLineReason = QString(reason).replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QByteArray entry =
        (QDir::toNativeSeparators(copyPath) + QLatin1Char('\n') + oneLineReason + QLatin1Char('\n')).toUtf8();
    if (!list.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text | QIODevice::Unbuffered)
        || list.write(entry) != entry.size())
        throw PaperletError(QCoreApplication::translate("RescueLog", "Cannot add to the list of rescued notes \"%1\": %2")
                                .arg(QDir::toNativeSeparators(listPath()), list.errorString()));
}

QString caption()
{
    return QCoreApplication::translate("RescueLog", "Rescued Notes");
}

QString takeReport()
{
    QFile list(listPath());
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QStringList lines = QString::fromUtf8(list.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    list.close();
    list.remove();
    if (lines.isEmpty())
        return {};
    QString report = QCoreApplication::translate("RescueLog", "Some notes could not be saved in their own files when Paperlet last closed. "
                                                 "Their copies were saved here:\n");
    for (qsizetype i = 0; i + 1 < lines.size(); i += 2)
        report += QStringLiteral("\n%1\n(%2)\n").arg(lines.at(i), lines.at(i + 1));
    return report;
}

} // namespace RescueLog
