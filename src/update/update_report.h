#pragma once

#include "core/update_texts.h"

#include <QString>

class TUpdateChecker;

// What the user is told about a finished update check. Runs on the GUI
// thread, after the worker has handed itself over.
namespace UpdateReport {

// Shows the message that fits the checker's result and waits until it is
// dismissed; Yes on the question opens the download page in the browser.
void show(const TUpdateChecker &checker, const QString &ownVersion);

} // namespace UpdateReport
