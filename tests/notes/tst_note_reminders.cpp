// Reminders as the notes hold them: one scheduler follows every document of
// the collection, whoever sets a note's reminder (the menu, the command line,
// a synced copy's file), and a due reminder brings its note forward and is
// written back as the user answers it.
#include "outside_writes.h"
#include "scratch_host.h"
#include "../common/test_clock.h"

#include "core/note_file.h"
#include "core/note_host.h"
#include "framework/application.h"
#include "notes/note_collection.h"
#include "notes/note_document.h"
#include "notes/note_reminders.h"
#include "notes/note_window.h"
#include "notes/note_windows.h"
#include "notes/notes_folder_sync.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

const QTimeZone Berlin("Europe/Berlin");
constexpr int ResolveMs = 5000;

QDateTime berlin(const QString &local)
{
    const QDateTime t = QDateTime::fromString(local, Qt::ISODate);
    return QDateTime(t.date(), t.time(), Berlin);
}

// A note file with RTF content and, when given, a reminder in its state.
QByteArray noteWith(const QString &reminder, const QString &text = QStringLiteral("Buy bread"))
{
    NoteRecord record;
    record.bounds = QRect(100, 120, 200, 180);
    record.color = Color::fromValue(0x99FFFF);
    record.title = QStringLiteral("Shopping");
    record.content = QStringLiteral("{\\rtf1\\ansi %1\\par\n}").arg(text);
    if (!reminder.isEmpty())
        record.state.setValue(QStringLiteral("reminder"), reminder);
    return NoteFile::encode(record);
}

// What the file's state group says about the reminder; empty for none.
QString reminderInFile(const QString &path)
{
    const NoteRecord record = NoteFile::decode(fileBytes(path));
    return record.state.value(QStringLiteral("reminder"));
}

// The notes of a scratch folder, their windows and their reminders on a
// clock under test.
struct Rig
{
    explicit Rig(const QString &now) : clock(berlin(now)) {}
    // The windows go before the documents they show.
    ~Rig()
    {
        for (QWidget *form : Application::instance()->forms())
            delete form;
    }
    QString path(const QString &name) const { return host.notesFolder() + name; }
    NoteDocument *load(const QString &name, const QByteArray &bytes)
    {
        writeByRename(path(name), bytes);
        return host.noteCollection().load(name);
    }

    TestClock clock;
    ScratchHost host;
    NoteWindows windows{host, host.noteCollection()};
    NoteReminders reminders{host.noteCollection(), windows, clock};
    QSignalSpy alerted{&reminders, &NoteReminders::alerted};
};

} // namespace

class TestNoteReminders final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void aReminderSetOnTheDocumentIsScheduled()
    {
        // As the command line does it: the document's state, no window, no menu.
        Rig rig("2030-01-10T09:00");
        NoteDocument *note = rig.load(QStringLiteral("1.pnf"), noteWith(QString()));
        QVERIFY(note);
        QVERIFY(!rig.reminders.scheduler().nextCheck());
        const Reminder at(berlin("2030-01-10T17:30"), Reminder::Repeat::Never);
        NoteReminders::setReminder(*note, at);
        QCOMPARE(rig.reminders.scheduler().reminder(QStringLiteral("1.pnf")), std::optional<Reminder>(at));
        QCOMPARE(*rig.reminders.scheduler().nextCheck(), berlin("2030-01-10T17:30"));
        // The window shows the bell with the time.
        TFR_NOTE *window = NoteWindows::windowOf(note);
        QVERIFY(window);
        auto *bell = window->findChild<QLabel *>(QStringLiteral("imReminder"));
        QVERIFY(bell && bell->isVisibleTo(window));
        QVERIFY(bell->toolTip().contains(QLocale().toString(at.due().toLocalTime(), QLocale::ShortFormat)));

        NoteReminders::setReminder(*note, std::nullopt);
        QVERIFY(!rig.reminders.scheduler().reminder(QStringLiteral("1.pnf")));
        QVERIFY(!rig.reminders.scheduler().nextCheck());
        QVERIFY(!bell->isVisibleTo(window));
    }

    void theFileOfASyncedCopyIsFollowed()
    {
        Rig rig("2030-01-10T09:00");
        const QString name = QStringLiteral("1.pnf");
        QVERIFY(rig.load(name, noteWith(QString())));
        NotesFolderSync sync(rig.host, rig.host.noteCollection());
        QSignalSpy settled(&sync, &NotesFolderSync::settled);

        // Set on the other computer.
        writeByRename(rig.path(name), noteWith(QStringLiteral("2030-01-10T10:00 Europe/Berlin daily")));
        QTRY_VERIFY_WITH_TIMEOUT(settled.contains({name}), ResolveMs);
        QCOMPARE(*rig.reminders.scheduler().nextCheck(), berlin("2030-01-10T10:00"));

        // Done there before it fell due here: it does not come here for that time.
        settled.clear();
        writeByRename(rig.path(name), noteWith(QString()));
        QTRY_VERIFY_WITH_TIMEOUT(settled.contains({name}), ResolveMs);
        QVERIFY(!rig.reminders.scheduler().reminder(name));
        rig.clock.set(berlin("2030-01-10T10:00:01"));
        rig.reminders.check();
        QTest::qWait(50);
        QCOMPARE(rig.alerted.count(), 0);
    }

    void aDueReminderBringsItsNoteBack_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("keptAfterwards");
        QTest::addColumn<bool>("missed");
        QTest::newRow("one-off, now: kept until answered")
            << "2030-01-10T09:00 Europe/Berlin never" << "2030-01-10T09:00 Europe/Berlin never" << false;
        QTest::newRow("daily, now: moved on at once")
            << "2030-01-10T09:00 Europe/Berlin daily"
            << "2030-01-11T09:00 Europe/Berlin daily start=2030-01-10T09:00" << false;
        QTest::newRow("daily, missed three times while not running: once, moved on")
            << "2030-01-07T09:00 Europe/Berlin daily"
            << "2030-01-11T09:00 Europe/Berlin daily start=2030-01-07T09:00" << true;
        QTest::newRow("one-off, missed") << "2030-01-02T08:00 Europe/Berlin never"
                                         << "2030-01-02T08:00 Europe/Berlin never" << true;
    }

    void aDueReminderBringsItsNoteBack()
    {
        QFETCH(QString, stored);
        QFETCH(QString, keptAfterwards);
        QFETCH(bool, missed);
        Rig rig(missed ? "2030-01-10T09:00" : "2030-01-10T08:59:59.800");
        NoteDocument *note = rig.load(QStringLiteral("1.pnf"), noteWith(stored));
        QVERIFY(note);
        // Hidden (Hide All): the document stays, the window goes.
        rig.windows.hideAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!NoteWindows::windowOf(note));

        QTRY_COMPARE_WITH_TIMEOUT(rig.alerted.count(), 1, ResolveMs);
        QCOMPARE(rig.alerted.at(0).at(0).value<NoteDocument *>(), note);
        QCOMPARE(rig.alerted.at(0).at(1).toBool(), missed);
        TFR_NOTE *window = NoteWindows::windowOf(note);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QVERIFY(window->isFlashing());
        QTRY_VERIFY_WITH_TIMEOUT(!window->isFlashing(), ResolveMs);
        QCOMPARE(reminderInFile(rig.path(QStringLiteral("1.pnf"))), keptAfterwards);

        // Once: not again on a resume or a clock change to the same time.
        rig.reminders.check();
        QTest::qWait(50);
        QCOMPARE(rig.alerted.count(), 1);
    }

    void answersAreWrittenToTheFile_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("snooze");
        QTest::addColumn<QString>("written");
        QTest::newRow("one-off done: gone")
            << "2030-01-10T09:00 Europe/Berlin never" << false << QString();
        QTest::newRow("one-off snoozed")
            << "2030-01-10T09:00 Europe/Berlin never" << true
            << "2030-01-10T09:00 Europe/Berlin never snooze=2030-01-10T09:12";
        QTest::newRow("weekly done: the next week")
            << "2030-01-10T09:00 Europe/Berlin weekly" << false
            << "2030-01-17T09:00 Europe/Berlin weekly start=2030-01-10T09:00";
    }

    void answersAreWrittenToTheFile()
    {
        QFETCH(QString, stored);
        QFETCH(bool, snooze);
        QFETCH(QString, written);
        Rig rig("2030-01-10T09:02");
        NoteDocument *note = rig.load(QStringLiteral("1.pnf"), noteWith(stored));
        QVERIFY(note);
        QTRY_COMPARE_WITH_TIMEOUT(rig.alerted.count(), 1, ResolveMs);
        QSignalSpy saved(note, &NoteDocument::saved);
        if (snooze)
            rig.reminders.snooze(note);
        else
            rig.reminders.done(note);
        QCOMPARE(saved.count(), 1); // at once, not at the next autosave
        QCOMPARE(reminderInFile(rig.path(QStringLiteral("1.pnf"))), written);
        if (snooze) {
            QCOMPARE(*rig.reminders.scheduler().nextCheck(), berlin("2030-01-10T09:12"));
            rig.clock.set(berlin("2030-01-10T09:12:01"));
            rig.reminders.check();
            QTRY_COMPARE_WITH_TIMEOUT(rig.alerted.count(), 2, ResolveMs);
        }
    }

    void aNoteWhoseReminderIsClearedIsAsItWas()
    {
        Rig rig("2030-01-10T09:00");
        NoteDocument *note = rig.load(QStringLiteral("1.pnf"), noteWith(QString()));
        QVERIFY(note);
        // The bytes this program writes for the note.
        note->save();
        const QByteArray before = fileBytes(rig.path(QStringLiteral("1.pnf")));
        NoteReminders::setReminder(*note, Reminder(berlin("2030-02-01T08:00"), Reminder::Repeat::Monthly));
        note->save();
        QVERIFY(fileBytes(rig.path(QStringLiteral("1.pnf"))) != before);
        NoteReminders::setReminder(*note, std::nullopt);
        note->save();
        QCOMPARE(fileBytes(rig.path(QStringLiteral("1.pnf"))), before);
    }

    void aRenamedNoteKeepsItsReminderUnderItsNewName()
    {
        Rig rig("2030-01-10T09:00");
        NoteDocument *note = rig.load(QStringLiteral("1.pnf"),
                                      noteWith(QStringLiteral("2030-01-10T12:00 Europe/Berlin never")));
        QVERIFY(note);
        // Someone else rewrote the file while this note had changes: the
        // note moves to a file of its own.
        note->text()->setPlainText(QStringLiteral("changed here"));
        writeInPlace(rig.path(QStringLiteral("1.pnf")), noteWith(QString(), QStringLiteral("theirs")));
        note->save();
        QVERIFY(note->fileName() != QStringLiteral("1.pnf"));
        QVERIFY(rig.reminders.scheduler().reminder(note->fileName()));
        QVERIFY(!rig.reminders.scheduler().reminder(QStringLiteral("1.pnf")));
    }
};

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    TestNoteReminders test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_note_reminders.moc"
