#include "platform/unspellable_names.h"

QStringList unspellableFileNames(const QString &)
{
    // Names are UTF-16 here, and Qt reads every one of them.
    return {};
}
