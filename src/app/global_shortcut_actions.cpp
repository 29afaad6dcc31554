#include "app/global_shortcut_actions.h"

#include "app/main_form.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/shortcuts_dialog.h"
#include "framework/application.h"
#include "framework/guarded.h"
#include "notes/note_window.h"

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
    : QObject(parent), m_form(form), m_settings(form.store().folder()), m_choices(m_settings.load())
{
    Application *app = Application::instance();
    connect(app, &Application::formAdopted, this, &GlobalShortcutActions::watch);
    for (TFR_SETTINGS *settings : app->formsOf<TFR_SETTINGS>())
        watch(settings);
    use(GlobalShortcuts::create(this));
}

GlobalShortcutActions::~GlobalShortcutActions() = default;

void GlobalShortcutActions::watch(QWidget *form)
{
    if (auto *settings = qobject_cast<TFR_SETTINGS *>(form))
        connect(settings, &TFR_SETTINGS::shortcutsRequested, this,
                guarded([this, settings] { editShortcuts(settings); }));
}

void GlobalShortcutActions::use(std::unique_ptr<GlobalShortcuts> backend)
{
    if (m_backend) // it may be telling its failure right now
        m_backend.release()->deleteLater();
    m_backend = std::move(backend);
    if (!m_backend) {
        say(tr("This desktop offers no global shortcuts; bind \"%1\" in its keyboard settings.")
                .arg(TFR_SHORTCUTS::newNoteCommand()));
        return;
    }
    GlobalShortcuts *const b = m_backend.get();
    connect(b, &GlobalShortcuts::activated, this, guarded(this, &GlobalShortcutActions::carryOut));
    connect(b, &GlobalShortcuts::refused, this, guarded(this, &GlobalShortcutActions::refused));
    connect(b, &GlobalShortcuts::taken, this, [this](GlobalShortcuts::Action action, const QKeySequence &) {
        m_problems.remove(action);
        if (m_page)
            m_page->showStatus(action, QString());
    });
    connect(b, &GlobalShortcuts::failed, this, guarded([this, b] {
                say(tr("The %1 gave no global shortcuts; asking the next way.").arg(b->backendName()));
                use(GlobalShortcuts::create(this, b->rank() + 1));
            }));
    bindAll();
}

void GlobalShortcutActions::bindAll()
{
    m_problems.clear();
    if (m_backend)
        m_backend->bind(bindings());
}

QList<GlobalShortcuts::Binding> GlobalShortcutActions::bindings() const
{
    QList<GlobalShortcuts::Binding> wanted;
    for (GlobalShortcuts::Binding b : GlobalShortcuts::defaults()) {
        if (const std::optional<QString> chosen = ShortcutSettings::choice(m_choices, GlobalShortcuts::actionId(b.action)))
            b.keys = QKeySequence::fromString(*chosen, QKeySequence::PortableText);
        wanted.append(b);
    }
    return wanted;
}

void GlobalShortcutActions::refused(GlobalShortcuts::Action action, const QKeySequence &keys, const QString &holder)
{
    const QString problem = tr("%1 is held by %2.")
                                .arg(keys.toString(QKeySequence::NativeText),
                                     holder.isEmpty() ? tr("another program") : holder);
    m_problems.insert(action, problem);
    say(tr("The global shortcut %1 for \"%2\" is held by %3 (%4).")
            .arg(keys.toString(QKeySequence::NativeText), GlobalShortcuts::actionText(action),
                 holder.isEmpty() ? tr("another program") : holder, m_backend ? m_backend->backendName() : QString()));
    if (m_page)
        m_page->showStatus(action, problem);
}

void GlobalShortcutActions::editShortcuts(QWidget *parent)
{
    if (m_page) {
        m_page->raise();
        return;
    }
    auto *page = new TFR_SHORTCUTS(bindings(), m_backend ? m_backend->backendName() : QString(), parent);
    m_page = page;
    for (auto it = m_problems.cbegin(); it != m_problems.cend(); ++it)
        page->showStatus(it.key(), it.value());
    connect(page, &TFR_SHORTCUTS::bindingChanged, this, guarded(this, &GlobalShortcutActions::change));
    page->exec();
}

void GlobalShortcutActions::change(GlobalShortcuts::Action action, const QKeySequence &keys)
{
    m_choices.insert(GlobalShortcuts::actionId(action), keys.toString(QKeySequence::PortableText));
    m_settings.save(m_choices);
    bindAll();
}

void GlobalShortcutActions::carryOut(GlobalShortcuts::Action action)
{
    switch (action) {
    case GlobalShortcuts::Action::NewNote: m_form.mnAddNoteClick(); break;
    case GlobalShortcuts::Action::NewNoteFromClipboard: newNoteFromClipboard(); break;
    case GlobalShortcuts::Action::ToggleAllNotes: toggleAllNotes(); break;
    case GlobalShortcuts::Action::AllNotes: Q_EMIT allNotesRequested(); break;
    }
}

void GlobalShortcutActions::newNoteFromClipboard()
{
    m_form.mnAddNoteClick();
    const QList<TFR_NOTE *> notes = Application::instance()->formsOf<TFR_NOTE>();
    if (!notes.isEmpty())
        notes.last()->pasteFromClipboard();
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
