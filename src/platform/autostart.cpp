#include "platform/autostart.h"

#include "core/error.h"

void Autostart::failWrite()
{
    throw PaperletError(QStringLiteral("Failed to set data for '%1'").arg(EntryName));
}

void Autostart::failRead()
{
    throw PaperletError(QStringLiteral("Invalid data type for '%1'").arg(EntryName));
}
