#pragma once

#include "platform/global_shortcuts.h"

#include <QObject>

#include <memory>

class TFR_PLT_MAIN;

// The program's global shortcuts: binds them through whatever the desktop
// offers and carries them out with the tray menu's handlers. What cannot be
// bound (another program holds the keys, or the desktop offers nothing) is
// said on stderr with the command to bind in the desktop's own settings.
class GlobalShortcutActions final : public QObject
{
    Q_OBJECT
public:
    explicit GlobalShortcutActions(TFR_PLT_MAIN &form, QObject *parent = nullptr);
    ~GlobalShortcutActions() override;

    // The actions the program carries out so far.
    static QList<GlobalShortcuts::Binding> bindings();

private:
    void use(std::unique_ptr<GlobalShortcuts> backend);
    void carryOut(GlobalShortcuts::Action action);
    void toggleAllNotes();

    TFR_PLT_MAIN &m_form;
    std::unique_ptr<GlobalShortcuts> m_backend;
};
