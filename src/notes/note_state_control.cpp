#include "notes/note_state_control.h"

#include "framework/guarded.h"
#include "notes/note_lock.h"
#include "notes/note_roll_up.h"
#include "platform/window_state.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QTextEdit>
#include <QWidget>

#include <utility>

NoteStateControl::NoteStateControl(QWidget &note, const Parts &parts)
    : QObject(&note), m_note(note),
      m_rollUp(new NoteRollUp(note, *parts.bar, {parts.editor, parts.bottom}, parts.minHeight)),
      m_lock(new NoteLock(*parts.bar, *parts.titlePanel, *parts.titleEdit, *parts.editor))
{
    setObjectName(QStringLiteral("noteStates"));
    note.installEventFilter(this);
    connect(m_rollUp, &NoteRollUp::rolledByGesture, this, [this](bool rolled) {
        m_state.setFlag(QLatin1String(RolledKey), rolled);
        tickItems();
        Q_EMIT changed();
    });
}

NoteStateControl::~NoteStateControl() = default;

void NoteStateControl::setState(const NoteState &state)
{
    // Only what changes is carried out: most notes have no state, and
    // asking the window system about each of hundreds would slow the start.
    const NoteState before = std::exchange(m_state, state);
    for (const char *key : {OnTopKey, StickyKey, RolledKey, LockedKey}) {
        if (before.flag(QLatin1String(key)) != isOn(key))
            carryOut(key, isOn(key));
    }
    tickItems();
}

void NoteStateControl::setOn(const char *key, bool on)
{
    if (isOn(key) == on)
        return;
    m_state.setFlag(QLatin1String(key), on);
    carryOut(key, on);
    tickItems();
    Q_EMIT changed();
}

void NoteStateControl::carryOut(const char *key, bool on)
{
    const QLatin1String name(key);
    if (name == QLatin1String(OnTopKey))
        WindowState::setKeepAbove(&m_note, on);
    else if (name == QLatin1String(StickyKey))
        WindowState::setOnAllDesktops(&m_note, on);
    else if (name == QLatin1String(RolledKey))
        m_rollUp->setRolled(on);
    else if (name == QLatin1String(LockedKey))
        m_lock->setLocked(on);
}

QRect NoteStateControl::storedBounds(const QRect &bounds) const
{
    return m_rollUp->unrolled(bounds);
}

QAction *NoteStateControl::addTo(QMenu &menu)
{
    struct Item
    {
        const char *key;
        const char *name;
        QString caption;
    };
    const Item items[] = {
        {OnTopKey, "tbOnTop", tr("Always on Top")},
        {StickyKey, "tbAllWorkspaces", tr("On All Workspaces")},
        {RolledKey, "tbRollUp", tr("Roll Up")},
        {LockedKey, "tbLock", tr("Lock")},
    };
    // The group goes after the separator that follows "New Note".
    const QList<QAction *> existing = menu.actions();
    QAction *before = existing.size() > 2 ? existing.at(2) : nullptr;
    for (const Item &entry : items) {
        auto *item = new QAction(entry.caption, &menu);
        item->setObjectName(QLatin1String(entry.name));
        item->setCheckable(true);
        item->setData(QString::fromLatin1(entry.key));
        connect(item, &QAction::triggered, this, guarded([this, key = entry.key](bool on) { setOn(key, on); }));
        menu.insertAction(before, item);
        m_items.append(item);
    }
    QAction *separator = menu.insertSeparator(before);
    if (!WindowState::canShowOnAllDesktops())
        m_items.at(1)->setEnabled(false);
    m_lock->guardDelete(menu.findChild<QAction *>(QStringLiteral("tbDelete")));
    tickItems();
    return separator;
}

void NoteStateControl::tickItems()
{
    for (QAction *item : std::as_const(m_items))
        item->setChecked(m_state.flag(item->data().toString()));
}

bool NoteStateControl::eventFilter(QObject *watched, QEvent *event)
{
    // Window managers forget a window's states when it is hidden.
    if (watched == &m_note && event->type() == QEvent::Show) {
        if (isOn(OnTopKey))
            WindowState::setKeepAbove(&m_note, true);
        if (isOn(StickyKey))
            WindowState::setOnAllDesktops(&m_note, true);
    }
    return QObject::eventFilter(watched, event);
}
