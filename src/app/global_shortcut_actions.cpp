#include "app/global_shortcut_actions.h"

#include "app/main_form.h"
#include "framework/guarded.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>

namespace {

void say(const QString &text)
{
    std::fprintf(stderr, "paperlet: %s\n", qPrintable(text));
}

} // namespace

GlobalShortcutActions::GlobalShortcutActions(TFR_PLT_MAIN &form, QObject *parent)
    : QObject(parent), m_form(form)
{
    use(GlobalShortcuts::create(this));
}

void GlobalShortcutActions::use(std::unique_ptr<GlobalShortcuts> backend)
{
    if (m_backend) // it may be telling its failure right now
        m_backend.release()->deleteLater();
    m_backend = std::move(backend);
    if (!m_backend) {
        say(tr("This desktop offers no global shortcuts; bind \"paperlet --new-note\" in its keyboard settings."));
        return;
    }
    GlobalShortcuts *const b = m_backend.get();
    connect(b, &GlobalShortcuts::activated, this, guarded(this, &GlobalShortcutActions::carryOut));
    connect(b, &GlobalShortcuts::refused, this,
            [b](GlobalShortcuts::Action action, const QKeySequence &keys, const QString &holder) {
                say(tr("The global shortcut %1 for \"%2\" is held by %3 (%4).")
                        .arg(keys.toString(QKeySequence::NativeText), GlobalShortcuts::actionText(action),
                             holder.isEmpty() ? tr("another program") : holder, b->backendName()));
            });
    connect(b, &GlobalShortcuts::failed, this, guarded([this, b] {
                say(tr("The %1 gave no global shortcuts; asking the next way.").arg(b->backendName()));
                use(GlobalShortcuts::create(this, b->rank() + 1));
            }));
    m_backend->bind(bindings());
}

GlobalShortcutActions::~GlobalShortcutActions() = default;

QList<GlobalShortcuts::Binding> GlobalShortcutActions::bindings()
{
    QList<GlobalShortcuts::Binding> wanted;
    for (const GlobalShortcuts::Binding &b : GlobalShortcuts::defaults())
        if (b.action == GlobalShortcuts::Action::NewNote || b.action == GlobalShortcuts::Action::ToggleAllNotes)
            wanted.append(b);
    return wanted;
}

void GlobalShortcutActions::carryOut(GlobalShortcuts::Action action)
{
    switch (action) {
    case GlobalShortcuts::Action::NewNote: m_form.mnAddNoteClick(); break;
    case GlobalShortcuts::Action::ToggleAllNotes: toggleAllNotes(); break;
    case GlobalShortcuts::Action::NewNoteFromClipboard:
    case GlobalShortcuts::Action::AllNotes: break; // not bound yet
    }
}

void GlobalShortcutActions::toggleAllNotes()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool anyShown = std::any_of(windows.cbegin(), windows.cend(),
                                      [](const QWidget *w) { return w->inherits("TFR_NOTE") && w->isVisible(); });
    if (anyShown)
        m_form.mnHideAllNotesClick();
    else
        m_form.mnShowAllNotesClick();
}
