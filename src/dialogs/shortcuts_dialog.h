#pragma once

#include "dialogs/fixed_dialog.h"
#include "platform/global_shortcuts.h"

#include <QHash>
#include <QList>

class QKeySequenceEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// FR_SHORTCUTS: the global shortcuts, one row per action with its keys, a
// field to change them and a button to remove them. A change counts at
// once (as in the desktops' own keyboard settings): the shell binds it and
// tells the row whether it could. Where the desktop offers no global
// shortcuts the page says so and shows the command to bind instead.
class TFR_SHORTCUTS final : public FixedDialog
{
    Q_OBJECT
public:
    // The command a desktop's own keyboard settings can bind instead.
    static QString newNoteCommand() { return QStringLiteral("paperlet --new-note"); }

    // backendName: how the shortcuts are registered; empty where the
    // desktop offers no way.
    TFR_SHORTCUTS(const QList<GlobalShortcuts::Binding> &bindings, const QString &backendName,
                  QWidget *parent = nullptr);

    QKeySequence keys(GlobalShortcuts::Action action) const;

public Q_SLOTS:
    // What became of the action's keys: empty when they work, else why not.
    void showStatus(GlobalShortcuts::Action action, const QString &problem);

Q_SIGNALS:
    // The user gave the action these keys (empty: removed).
    void bindingChanged(GlobalShortcuts::Action action, const QKeySequence &keys);

protected:
    // Keys typed just before closing count too (the field waits a moment
    // for more keys before it says it is done).
    void done(int result) override;

private:
    struct Row
    {
        QKeySequenceEdit *edit;
        QPushButton *remove;
        QLabel *status;
    };
    void edited(GlobalShortcuts::Action action);

    QHash<GlobalShortcuts::Action, Row> m_rows;
    QHash<GlobalShortcuts::Action, QKeySequence> m_told;   // as last sent out
    QList<GlobalShortcuts::Action> m_order;
    QLabel *lbBackend = nullptr;
    QLineEdit *edCommand = nullptr;   // shown where no backend is
    QPushButton *btClose = nullptr;
};
