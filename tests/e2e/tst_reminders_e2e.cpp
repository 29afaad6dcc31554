// Reminders as the user meets them: set through the note menu and the
// reminder dialog with real input, and when due, the note comes forward and
// the desktop's notification service (a recorder on a private bus) receives
// the notification, whose Snooze and Done are answered as a user would,
// after which the note's file says what was answered.
#include "e2e_notes.h"
#include "e2e_notify_recorder.h"
#include "e2e_session.h"

#include <QDateTime>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

namespace {

const QByteArray Title = "Dentist";
const QString TitleText = QString::fromLatin1(Title);
const QString NoteName = QStringLiteral("1.pnf");
// The note menu's items as the keyboard reaches them (separators skipped).
constexpr int ReminderItem = 5;

// The content of a note file with this reminder in its state group (none
// when empty).
QByteArray rtfWith(const QString &reminder)
{
    QByteArray content = "{\\rtf1\\ansi Call the dentist\\par\nAsk about Tuesday\\par\n";
    if (!reminder.isEmpty())
        content += "{\\*\\paperletstate{\\reminder " + reminder.toLatin1() + "}}";
    return content + "}";
}

// A reminder text at `at`, in UTC, the minute truncated.
QString reminderAt(const QDateTime &at, const QString &repeat)
{
    return at.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm")) + QStringLiteral(" UTC ") + repeat;
}

// The reminder value the note's file holds; empty when it has none.
QString reminderInFile(const QByteArray &file)
{
    const qsizetype at = file.indexOf("{\\reminder ");
    if (at < 0)
        return QString();
    const qsizetype from = at + int(qstrlen("{\\reminder "));
    return QString::fromLatin1(file.mid(from, file.indexOf('}', from) - from));
}

// Opens and closes the tray menu of `app` (any started copy): everything
// sent to the program before has been handled by then.
bool settle(const E2eProgram &app)
{
    const std::optional<QRect> icon = E2eSession::geometry(app.trayIcon());
    if (!icon)
        return false;
    E2eSession::click(icon->center(), 3);
    if (!app.waitForPopupMenu())
        return false;
    E2eSession::key(QStringLiteral("Escape"));
    return E2eSession::waitForGrab(false);
}

// Waits for the file of the note to hold this reminder value.
bool waitForReminder(const E2eSession &session, const QString &value)
{
    return E2eSession::waitFor([&] { return reminderInFile(session.readNote(NoteName)) == value; });
}

} // namespace

class TestRemindersE2e final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void theMenuAndTheDialogSetAndClearAReminder()
    {
        E2E_SESSION(session);
        E2E_RECORDER(recorder, bus, session);
        E2eProgram *app = nullptr;
        const XWindow note = startWithStoredNote(session, app, Title, rtfWith(QString()));
        QVERIFY(note);
        const auto openDialog = [&] {
            E2eSession::click(E2eSession::noteMenuButton(note));
            QVERIFY(app->waitForPopupMenu());
            E2eSession::pickMenuItem(ReminderItem);
            const XWindow dialog = app->waitForWindow(QStringLiteral("Reminder"), E2eProgram::ViewableOnly);
            QVERIFY(dialog);
            // No window manager gives it the keyboard.
            E2eSession::focus(dialog);
        };

        // It opens on the next full hour; the repeat by its label's key.
        openDialog();
        if (QTest::currentTestFailed())
            return;
        E2eSession::keys({"alt+r", "Down", "Return"});
        QVERIFY2(E2eSession::waitFor([&] { return reminderInFile(session.readNote(NoteName)).endsWith(" daily"); }),
                 session.readNote(NoteName).constData());
        const QDateTime nextHour = [] {
            const QDateTime now = QDateTime::currentDateTime();
            return QDateTime(now.date(), QTime(now.time().hour(), 0)).addSecs(3600);
        }();
        QVERIFY2(reminderInFile(session.readNote(NoteName))
                     .startsWith(nextHour.toString(QStringLiteral("yyyy-MM-ddTHH:mm "))),
                 session.readNote(NoteName).constData());
        // Far from due: nothing was shown.
        QVERIFY(recorder.roundTrip());
        QCOMPARE(recorder.notifications().size(), 0);

        // Clear, by its accelerator: the file has no state group any more.
        openDialog();
        if (QTest::currentTestFailed())
            return;
        E2eSession::key(QStringLiteral("alt+l"));
        QVERIFY(waitForReminder(session, QString()));
        QVERIFY(!session.readNote(NoteName).contains("paperletstate"));
    }

    void aDueReminderIsNotifiedAndAnswered_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("repeat");
        QTest::newRow("one-off, done: cleared") << "done" << "never";
        QTest::newRow("one-off, snoozed: ten minutes on") << "snooze" << "never";
        QTest::newRow("daily, done: tomorrow") << "done" << "daily";
    }

    void aDueReminderIsNotifiedAndAnswered()
    {
        QFETCH(QString, answer);
        QFETCH(QString, repeat);
        E2E_SESSION(session);
        E2E_RECORDER(recorder, bus, session);
        E2eProgram *app = nullptr;
        XWindow note = startWithStoredNote(session, app, Title, rtfWith(QString()));
        QVERIFY(note);
        // Hidden with Hide All Notes from the tray menu.
        QVERIFY(session.openTrayMenu());
        E2eSession::pickMenuItem(2);
        QVERIFY(app->waitForWindowGone(note));

        // Set while running by someone else (a synced copy, a script): due now.
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const QString due = reminderAt(now, repeat);
        QFile file(session.notesFolder() + QLatin1Char('/') + NoteName);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(E2eSession::noteFile(100, 100, Title, rtfWith(due)));
        file.close();

        QVERIFY(E2eSession::waitFor([&] { return !recorder.notifications().isEmpty(); }));
        const QJsonObject shown = recorder.notifications().first();
        QCOMPARE(shown.value(QStringLiteral("summary")).toString(), TitleText);
        QCOMPARE(shown.value(QStringLiteral("body")).toString(), QStringLiteral("Call the dentist"));
        const QJsonArray actions = shown.value(QStringLiteral("actions")).toArray();
        QVERIFY2(actions.contains(QStringLiteral("snooze")) && actions.contains(QStringLiteral("Snooze 10 minutes"))
                     && actions.contains(QStringLiteral("done")) && actions.contains(QStringLiteral("Done")),
                 QJsonDocument(actions).toJson().constData());
        // The note is back on screen.
        note = app->waitForWindow(TitleText, E2eProgram::ViewableOnly);
        QVERIFY(note);

        const QDateTime answeredAt = QDateTime::currentDateTimeUtc();
        QVERIFY(recorder.invoke(shown.value(QStringLiteral("id")).toInt(), answer));
        if (answer == QLatin1String("done") && repeat == QLatin1String("never")) {
            QVERIFY(waitForReminder(session, QString()));
        } else if (answer == QLatin1String("done")) {
            QVERIFY(waitForReminder(session, reminderAt(now.addDays(1), repeat) + QStringLiteral(" start=")
                                                 + now.toString(QStringLiteral("yyyy-MM-ddTHH:mm"))));
        } else {
            // Ten minutes after the answer, give or take the minute it fell in.
            QVERIFY(E2eSession::waitFor([&] { return reminderInFile(session.readNote(NoteName)).contains(" snooze="); }));
            const QString snooze = reminderInFile(session.readNote(NoteName)).section(QStringLiteral("snooze="), 1);
            const QDateTime until = QDateTime::fromString(snooze, QStringLiteral("yyyy-MM-ddTHH:mm"));
            QVERIFY2(std::abs(QDateTime(until.date(), until.time(), Qt::UTC).secsTo(answeredAt.addSecs(600))) < 120,
                     qPrintable(snooze));
            QCOMPARE(reminderInFile(session.readNote(NoteName)).section(QLatin1Char(' '), 0, 2), due);
        }
        // Shown once.
        QVERIFY(session.settleWithTrayMenu());
        QVERIFY(recorder.roundTrip());
        QCOMPARE(recorder.notifications().size(), 1);
    }

    void clickingTheNotificationShowsTheNote()
    {
        E2E_SESSION(session);
        E2E_RECORDER(recorder, bus, session);
        E2eProgram *app = nullptr;
        const XWindow note = startWithStoredNote(session, app, Title,
                                                 rtfWith(reminderAt(QDateTime::currentDateTimeUtc(), "never")));
        QVERIFY(note);
        QVERIFY(E2eSession::waitFor([&] { return !recorder.notifications().isEmpty(); }));
        QVERIFY(session.openTrayMenu());
        E2eSession::pickMenuItem(2); // Hide All Notes
        QVERIFY(app->waitForWindowGone(note));
        QVERIFY(recorder.invoke(recorder.notifications().first().value(QStringLiteral("id")).toInt(),
                                QStringLiteral("default")));
        QVERIFY(app->waitForWindow(TitleText, E2eProgram::ViewableOnly));
        // A click answers nothing: the one-off is still there.
        QVERIFY(session.settleWithTrayMenu());
        QVERIFY(!reminderInFile(session.readNote(NoteName)).isEmpty());
    }

    void missedWhileNotRunningFiresOnceAtTheNextStart()
    {
        E2E_SESSION(session);
        E2E_RECORDER(recorder, bus, session);
        const QDateTime yesterday = QDateTime::currentDateTimeUtc().addDays(-1).addSecs(-3600);
        E2eProgram *app = nullptr;
        QVERIFY(startWithStoredNote(session, app, Title, rtfWith(reminderAt(yesterday, "daily"))));
        QVERIFY(E2eSession::waitFor([&] { return !recorder.notifications().isEmpty(); }));
        // Moved on past now, once, whatever was missed.
        QVERIFY(waitForReminder(session, reminderAt(yesterday.addDays(2), "daily") + QStringLiteral(" start=")
                                             + yesterday.toString(QStringLiteral("yyyy-MM-ddTHH:mm"))));
        QVERIFY(session.settleWithTrayMenu());
        QVERIFY(recorder.roundTrip());
        QCOMPARE(recorder.notifications().size(), 1);

        // The next start has nothing missed.
        app->sendSignal(SIGTERM);
        QVERIFY(app->waitForExit());
        app = &session.start();
        QVERIFY(app->waitForTrayIcon());
        QVERIFY(app->waitForWindow(TitleText, E2eProgram::ViewableOnly));
        QVERIFY(settle(*app));
        QVERIFY(recorder.roundTrip());
        QCOMPARE(recorder.notifications().size(), 1);
    }

    void withNoNotificationServiceTheNoteAloneComes()
    {
        E2E_SESSION(session);
        E2E_BUS(bus, session);
        E2eProgram *app = nullptr;
        const XWindow note = startWithStoredNote(session, app, Title, rtfWith(QString()));
        QVERIFY(note);
        QVERIFY(session.openTrayMenu());
        E2eSession::pickMenuItem(2); // Hide All Notes
        QVERIFY(app->waitForWindowGone(note));
        QFile file(session.notesFolder() + QLatin1Char('/') + NoteName);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(E2eSession::noteFile(100, 100, Title, rtfWith(reminderAt(QDateTime::currentDateTimeUtc(), "never"))));
        file.close();
        QVERIFY(app->waitForWindow(TitleText, E2eProgram::ViewableOnly));
        QVERIFY(app->isRunning());
    }
};

PAPERLET_E2E_MAIN(TestRemindersE2e)
#include "tst_reminders_e2e.moc"
