#include "platform/global_shortcuts.h"

#include "platform/global_shortcut_backends.h"

#include <QCoreApplication>

#include <algorithm>

QList<GlobalShortcuts::Binding> GlobalShortcuts::defaults()
{
    const QKeyCombination base = QKeyCombination(Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    const auto with = [base](Qt::Key key) { return QKeySequence(QKeyCombination(base.keyboardModifiers(), key)); };
    return {{Action::NewNote, with(Qt::Key_N)},
            {Action::NewNoteFromClipboard, with(Qt::Key_V)},
            {Action::ToggleAllNotes, with(Qt::Key_H)},
            {Action::AllNotes, with(Qt::Key_A)}};
}

QString GlobalShortcuts::actionId(Action action)
{
    switch (action) {
    case Action::NewNote: return QStringLiteral("new-note");
    case Action::NewNoteFromClipboard: return QStringLiteral("new-note-from-clipboard");
    case Action::ToggleAllNotes: return QStringLiteral("show-hide-all-notes");
    case Action::AllNotes: return QStringLiteral("all-notes");
    }
    return QString();
}

QString GlobalShortcuts::actionText(Action action)
{
    switch (action) {
    case Action::NewNote: return QCoreApplication::translate("GlobalShortcuts", "New Note");
    case Action::NewNoteFromClipboard: return QCoreApplication::translate("GlobalShortcuts", "New Note from Clipboard");
    case Action::ToggleAllNotes: return QCoreApplication::translate("GlobalShortcuts", "Show/Hide All Notes");
    case Action::AllNotes: return QCoreApplication::translate("GlobalShortcuts", "All Notes");
    }
    return QString();
}

std::unique_ptr<GlobalShortcuts> GlobalShortcuts::create(QObject *parent, int from)
{
    const std::vector<GlobalShortcutBackends::Maker> makers = GlobalShortcutBackends::inOrder();
    for (int i = std::max(from, 0); i < int(makers.size()); ++i) {
        if (std::unique_ptr<GlobalShortcuts> backend = makers.at(size_t(i))(parent)) {
            backend->m_rank = i;
            return backend;
        }
    }
    return nullptr;
}
