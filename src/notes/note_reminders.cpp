#include "notes/note_reminders.h"

#include "core/clock.h"
#include "framework/guarded.h"
#include "notes/note_collection.h"
#include "notes/note_window.h"
#include "notes/note_windows.h"
#include "platform/action_notifications.h"
#include "platform/window_state.h"

#include <QTextBlock>

namespace {

constexpr int BodyLength = 120;

// What the notification says below the title: the note's first line with text.
QString firstLine(const NoteDocument &note)
{
    for (QTextBlock block = note.text()->begin(); block.isValid(); block = block.next()) {
        const QString line = block.text().simplified();
        if (!line.isEmpty())
            return line.size() > BodyLength ? line.left(BodyLength - 1) + QChar(0x2026) : line;
    }
    return QString();
}

} // namespace

NoteReminders::NoteReminders(NoteCollection &notes, NoteWindows &windows, const Clock &clock, QObject *parent)
    : QObject(parent)
    , m_notes(notes)
    , m_windows(windows)
    , m_clock(clock)
    , m_scheduler(clock)
    , m_notifications(new ActionNotifications(this))
{
    connect(&m_scheduler, &ReminderScheduler::due, this, guarded(this, &NoteReminders::fire));
    connect(&m_notes, &NoteCollection::noteAdded, this, guarded(this, &NoteReminders::follow));
    connect(&m_notes, &NoteCollection::noteChanged, this, guarded(this, &NoteReminders::update));
    connect(&m_notes, &NoteCollection::noteRemoved, this, guarded(this, &NoteReminders::forget));
    connect(m_notifications, &ActionNotifications::actionInvoked, this, guarded(this, &NoteReminders::answer));
    connect(m_notifications, &ActionNotifications::closed, this, [this](quint64 n) { m_shown.remove(n); });
    const QList<NoteDocument *> existing = m_notes.notes();
    for (NoteDocument *note : existing)
        follow(note);
}

NoteReminders::~NoteReminders() = default;

std::optional<Reminder> NoteReminders::reminderOf(const NoteDocument &note)
{
    const QString key = QLatin1String(StateKey);
    if (!note.noteState().contains(key))
        return std::nullopt;
    return Reminder::parse(note.noteState().value(key));
}

void NoteReminders::setReminder(NoteDocument &note, const std::optional<Reminder> &reminder)
{
    NoteState state = note.noteState();
    if (reminder)
        state.setValue(QLatin1String(StateKey), reminder->toString());
    else
        state.remove(QLatin1String(StateKey));
    note.setNoteState(state);
}

void NoteReminders::check()
{
    m_scheduler.check();
}

void NoteReminders::follow(NoteDocument *note)
{
    connect(note, &NoteDocument::noteStateChanged, this, guarded([this, note] { update(note); }));
    update(note);
}

void NoteReminders::update(NoteDocument *note)
{
    // A renamed note (a new file after a conflict) keeps its reminder under
    // its new name only.
    for (auto it = m_scheduled.begin(); it != m_scheduled.end();) {
        if ((it.value() == note && it.key() != note->fileName()) || it.value().isNull()) {
            m_scheduler.set(it.key(), std::nullopt);
            it = m_scheduled.erase(it);
        } else {
            ++it;
        }
    }
    if (note->fileName().isEmpty())
        return;
    const std::optional<Reminder> reminder = note->isDeleted() ? std::nullopt : reminderOf(*note);
    if (reminder)
        m_scheduled.insert(note->fileName(), note);
    else
        m_scheduled.remove(note->fileName());
    if (m_scheduler.reminder(note->fileName()) != reminder)
        m_scheduler.set(note->fileName(), reminder);
    // Answered elsewhere (a synced copy, the menu, the command line): the
    // notification about the old time has nothing left to ask.
    for (auto it = m_shown.cbegin(); it != m_shown.cend(); ++it) {
        if (it->note == note && it->expected != reminder)
            m_notifications->close(it.key());
    }
}

void NoteReminders::forget(const QString &fileName)
{
    m_scheduled.remove(fileName);
    m_scheduler.set(fileName, std::nullopt);
}

void NoteReminders::fire(const QString &fileName, const Reminder &reminder, bool missed)
{
    NoteDocument *note = m_scheduled.value(fileName);
    if (!note)
        return;
    std::optional<Reminder> shown = reminder;
    if (reminder.repeat() != Reminder::Repeat::Never) {
        // Moved on at once and written, so that a synced copy does not show
        // this time again.
        shown = reminder.fired(m_clock.now());
        if (note->isReady() && !note->isDeleted()) {
            setReminder(*note, shown);
            note->save();
        }
    }
    alert(*note);
    const QString title = note->title().trimmed().isEmpty() ? tr("Reminder") : note->title();
    const quint64 notification = m_notifications->show(
        title, firstLine(*note),
        {{QLatin1String(ActionNotifications::DefaultAction), tr("Show")},
         {QLatin1String(SnoozeAction), tr("Snooze 10 minutes")},
         {QLatin1String(DoneAction), tr("Done")}});
    if (notification)
        m_shown.insert(notification, {note, shown});
    Q_EMIT alerted(note, missed);
}

void NoteReminders::alert(NoteDocument &note)
{
    TFR_NOTE *window = NoteWindows::windowOf(&note);
    if (!window)
        window = m_windows.show(note);
    else if (!window->isVisible() || window->isMinimized())
        window->showNormal();
    WindowState::bringForward(window);
    window->flashBar(FlashCount);
}

void NoteReminders::answer(quint64 notification, const QString &key)
{
    const Shown shown = m_shown.value(notification);
    if (!shown.note)
        return;
    const QDateTime now = m_clock.now();
    if (key == QLatin1String(ActionNotifications::DefaultAction)) {
        if (TFR_NOTE *window = NoteWindows::windowOf(shown.note))
            WindowState::bringForward(window);
        else
            WindowState::bringForward(m_windows.show(*shown.note));
    } else if (shown.expected && key == QLatin1String(SnoozeAction)) {
        apply(shown.note, shown.expected, shown.expected->snoozed(now));
    } else if (shown.expected && key == QLatin1String(DoneAction)) {
        apply(shown.note, shown.expected, shown.expected->done(now));
    }
}

void NoteReminders::snooze(NoteDocument *note)
{
    if (const std::optional<Reminder> current = note ? reminderOf(*note) : std::nullopt)
        apply(note, current, current->snoozed(m_clock.now()));
}

void NoteReminders::done(NoteDocument *note)
{
    if (const std::optional<Reminder> current = note ? reminderOf(*note) : std::nullopt)
        apply(note, current, current->done(m_clock.now()));
}

void NoteReminders::apply(NoteDocument *note, const std::optional<Reminder> &expected,
                          const std::optional<Reminder> &next)
{
    // Changed since it was shown (done on another computer, set anew): the
    // answer was about a time that is no longer there.
    if (!note || !note->isReady() || note->isDeleted() || reminderOf(*note) != expected)
        return;
    setReminder(*note, next);
    note->save();
}
