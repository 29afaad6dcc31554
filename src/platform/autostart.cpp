#include "platform/autostart.h"

#include "core/error.h"

#include <QCoreApplication>

void Autostart::failWrite()
{
    throw PaperletError(QCoreApplication::translate("Autostart", "Failed to set data for '%1'").arg(EntryName));
}

void Autostart::failRead()
{
    throw PaperletError(QCoreApplication::translate("Autostart", "Invalid data type for '%1'").arg(EntryName));
}
