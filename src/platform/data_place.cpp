#include "platform/data_place.h"

#include "platform/user_data_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#ifndef PAPERLET_PACKAGED
#define PAPERLET_PACKAGED 0
#endif

DataPlace::Layout DataPlace::buildLayout()
{
    return PAPERLET_PACKAGED ? Layout::Packaged : Layout::Portable;
}

DataPlace::DataPlace(Layout layout)
    : m_layout(layout)
{
}

QString DataPlace::homeFolder() const
{
    if (m_layout == Layout::Portable)
        return QCoreApplication::applicationDirPath();
    const QString folder = userDataFolder();
    QDir().mkpath(folder);
    return folder;
}

QString DataPlace::rescueFolder() const
{
    const QString base = m_layout == Layout::Portable
        ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        : userDataFolder();
    return base + QStringLiteral("/Rescued notes/");
}
