#include "platform/tray_presence.h"

// Windows always has its notification area.

class TrayPresence::Watch final
{
};

TrayPresence::TrayPresence(QObject *parent)
    : QObject(parent)
{
}

TrayPresence::~TrayPresence() = default;

bool TrayPresence::isPresent() const
{
    return true;
}

bool TrayPresence::hasXEmbedTray() const
{
    return true;
}

bool TrayPresence::hasStatusNotifierHost() const
{
    return false;
}
