#pragma once

#include <QString>

// Tells assistive technology a short message, as a desktop notification is
// told: an object in the notification role appears with the message as its
// name, and screen readers speak it. Nothing is made while no assistive
// technology listens.
namespace Announcement {

void announce(const QString &text);

} // namespace Announcement
