#pragma once

#include "core/shortcut_settings.h"
#include "platform/global_shortcuts.h"

#include <QHash>
#include <QObject>
#include <QPointer>

#include <memory>

class TFR_PLT_MAIN;
class TFR_SHORTCUTS;
class QWidget;

// The program's global shortcuts: binds the user's keys (shortcuts.ini over
// the defaults) through whatever the desktop offers and carries them out
// with the tray menu's handlers. What cannot be bound (another program holds
// the keys, or the desktop offers nothing) is said on stderr with the command
// to bind in the desktop's own settings, and on the Keyboard Shortcuts page,
// which the Settings dialog opens and which changes the keys.
class GlobalShortcutActions final : public QObject
{
    Q_OBJECT
public:
    explicit GlobalShortcutActions(TFR_PLT_MAIN &form, QObject *parent = nullptr);
    ~GlobalShortcutActions() override;

    // Every action with the keys the user chose, else its default.
    QList<GlobalShortcuts::Binding> bindings() const;
    // Opens the Keyboard Shortcuts page over `parent`; returns when it is closed.
    void editShortcuts(QWidget *parent);

public Q_SLOTS:
    // What the action's shortcut does when pressed.
    void carryOut(GlobalShortcuts::Action action);

Q_SIGNALS:
    // The All Notes shortcut was pressed.
    void allNotesRequested();

private:
    void use(std::unique_ptr<GlobalShortcuts> backend);
    void bindAll();
    void toggleAllNotes();
    void newNoteFromClipboard();
    void refused(GlobalShortcuts::Action action, const QKeySequence &keys, const QString &holder);
    void change(GlobalShortcuts::Action action, const QKeySequence &keys);
    void watch(QWidget *form);

    TFR_PLT_MAIN &m_form;
    const ShortcutSettings m_settings;
    QMap<QString, QString> m_choices;              // as shortcuts.ini has them
    QHash<GlobalShortcuts::Action, QString> m_problems; // why an action's keys do not work
    std::unique_ptr<GlobalShortcuts> m_backend;
    QPointer<TFR_SHORTCUTS> m_page;
};
