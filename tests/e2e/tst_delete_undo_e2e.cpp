// Undo on the desktop notification of a delete, as the user meets it: notes
// deleted through their own menu with real clicks and keys, the desktop's
// notification service a recorder on a private bus that answers Undo as a
// click on the button would, and the note file checked in the notes folder
// and in the desktop trash.
#include "e2e_notes.h"
#include "e2e_notify_recorder.h"
#include "e2e_session.h"
#include "../common/file_bytes.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QUrl>

namespace {

const QString DeleteCaption = QStringLiteral("Delete Confirmation");
// The note menu's Delete as the keyboard reaches it (separators skipped).
constexpr int DeleteItem = 9;

struct StoredNote
{
    QString file;
    QByteArray title;
    QByteArray bytes;
};

StoredNote seed(const E2eSession &session, const QString &file, int left, const QByteArray &title,
                const QByteArray &text)
{
    const StoredNote note{file, title, E2eSession::noteFile(left, 100, title, text)};
    session.seedNote(file, note.bytes);
    return note;
}

// Deletes the note through its menu and confirms.
bool deleteByMenu(const E2eProgram &app, XWindow note)
{
    E2eSession::click(E2eSession::noteMenuButton(note));
    if (!app.waitForPopupMenu())
        return false;
    E2eSession::pickMenuItem(DeleteItem);
    return app.answerMessageBox(DeleteCaption) && app.waitForWindowGone(note);
}

// Starts the program over one stored note, 1.pnf, and deletes it through
// its menu; null when that does not come about.
E2eProgram *startAndDeleteOneNote(E2eSession &session, const QByteArray &title)
{
    E2eProgram *app = nullptr;
    const XWindow note = startWithStoredNote(session, app, title, "milk, eggs");
    return note && deleteByMenu(*app, note) ? app : nullptr;
}

// The notification whose body is `title`; empty when there is none.
QJsonObject notificationAbout(const E2eNotifyRecorder &recorder, const QByteArray &title)
{
    const QList<QJsonObject> shown = recorder.notifications();
    for (const QJsonObject &one : shown)
        if (one.value(QStringLiteral("body")).toString() == QString::fromUtf8(title))
            return one;
    return QJsonObject();
}

int idOf(const QJsonObject &notification)
{
    return notification.value(QStringLiteral("id")).toInt();
}

} // namespace

class TestDeleteUndoE2e final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void undoOnTheNotificationBringsEachDeletedNoteBack()
    {
        E2E_SESSION(session);
        E2E_RECORDER(recorder, bus, session);
        session.seedSettings(QuietSettings);
        const StoredNote groceries = seed(session, QStringLiteral("1.pnf"), 100, "Groceries", "milk, eggs");
        const StoredNote keys = seed(session, QStringLiteral("2.pnf"), 400, "Keys & <spare>", "under the mat");
        E2eProgram &app = session.start();
        QVERIFY(app.waitForTrayIcon());
        const XWindow first = app.waitForWindow(QStringLiteral("Groceries"), E2eProgram::ViewableOnly);
        const XWindow second = app.waitForWindow(QString::fromUtf8(keys.title), E2eProgram::ViewableOnly);
        QVERIFY(first && second);

        // Two deletes in a row: one notification each, with its own Undo.
        QVERIFY(deleteByMenu(app, first));
        QVERIFY(deleteByMenu(app, second));
        QVERIFY(E2eSession::waitFor([&] { return recorder.notifications().size() == 2; }));
        for (const StoredNote &note : {groceries, keys}) {
            QVERIFY(!QFile::exists(session.notesFolder() + QLatin1Char('/') + note.file));
            QVERIFY(QFile::exists(session.trashFolder() + QStringLiteral("/files/") + note.file));
            const QJsonObject shown = notificationAbout(recorder, note.title);
            QVERIFY2(!shown.isEmpty(), QJsonDocument(recorder.notifications().first()).toJson().constData());
            QCOMPARE(shown.value(QStringLiteral("summary")).toString(), QStringLiteral("Note deleted"));
            QCOMPARE(shown.value(QStringLiteral("actions")).toArray(),
                     QJsonArray({QStringLiteral("undo"), QStringLiteral("Undo")}));
        }
        QVERIFY(idOf(notificationAbout(recorder, groceries.title)) != idOf(notificationAbout(recorder, keys.title)));

        // Undo of the first: exactly that file comes back, and its note shows.
        QVERIFY(recorder.invoke(idOf(notificationAbout(recorder, groceries.title)), QStringLiteral("undo")));
        QVERIFY(app.waitForWindow(QStringLiteral("Groceries"), E2eProgram::ViewableOnly));
        QVERIFY(session.settleWithTrayMenu());
        QCOMPARE(session.readNote(groceries.file), groceries.bytes);
        QVERIFY(!QFile::exists(session.trashFolder() + QStringLiteral("/info/1.pnf.trashinfo")));
        QVERIFY(!QFile::exists(session.trashFolder() + QStringLiteral("/files/1.pnf")));
        // The other delete stands until its own Undo.
        QCOMPARE(session.noteFiles(), QStringList{groceries.file});
        QVERIFY(recorder.invoke(idOf(notificationAbout(recorder, keys.title)), QStringLiteral("undo")));
        QVERIFY(app.waitForWindow(QString::fromUtf8(keys.title), E2eProgram::ViewableOnly));
        QVERIFY(session.settleWithTrayMenu());
        QCOMPARE(session.readNote(keys.file), keys.bytes);
        QCOMPARE(QDir(session.trashFolder() + QStringLiteral("/info")).entryList(QDir::Files), QStringList());
    }

    void undoAfterTheTrashWasEmptiedOnlySaysSo()
    {
        E2E_SESSION(session);
        E2E_RECORDER(recorder, bus, session);
        const QByteArray groceries = "Groceries";
        // A copy of the same note deleted years ago, still in the trash:
        // Undo is about the last delete only, never this one.
        const QString trash = session.trashFolder();
        const QByteArray old = E2eSession::noteFile(100, 100, "Groceries", "bread");
        QVERIFY(QDir().mkpath(trash + QStringLiteral("/files")) && QDir().mkpath(trash + QStringLiteral("/info")));
        QVERIFY(writeFile(trash + QStringLiteral("/files/1.pnf"), old));
        QVERIFY(writeFile(trash + QStringLiteral("/info/1.pnf.trashinfo"),
                          "[Trash Info]\nPath=" + QUrl::toPercentEncoding(session.notesFolder() + QStringLiteral("/1.pnf"), "/")
                              + "\nDeletionDate=2020-01-01T00:00:00\n"));
        const E2eProgram *app = startAndDeleteOneNote(session, groceries);
        QVERIFY(app);
        QVERIFY(E2eSession::waitFor([&] { return !notificationAbout(recorder, groceries).isEmpty(); }));

        // Emptied as a file manager does it: the file and its record go.
        QVERIFY(QFile::remove(trash + QStringLiteral("/files/1 (2).pnf")));
        QVERIFY(QFile::remove(trash + QStringLiteral("/info/1 (2).pnf.trashinfo")));
        QVERIFY(recorder.invoke(idOf(notificationAbout(recorder, groceries)), QStringLiteral("undo")));
        QVERIFY(E2eSession::waitFor([&] { return recorder.notifications().size() == 2; }));
        const QJsonObject said = recorder.notifications().last();
        QCOMPARE(said.value(QStringLiteral("summary")).toString(), QStringLiteral("Nothing to undo"));
        QVERIFY2(said.value(QStringLiteral("body")).toString().contains(QStringLiteral("Groceries")),
                 QJsonDocument(said).toJson().constData());
        QVERIFY(session.settleWithTrayMenu());
        QVERIFY(app->isRunning());
        QCOMPARE(session.noteFiles(), QStringList());
        QVERIFY(app->windows(QStringLiteral("Groceries")).isEmpty());
        QVERIFY(QFile::exists(trash + QStringLiteral("/info/1.pnf.trashinfo")));
        QCOMPARE(readFile(trash + QStringLiteral("/files/1.pnf")), old);
    }

    void aServiceThatReadsMarkupGetsTheTitleAsText()
    {
        E2E_SESSION(session);
        E2E_RECORDER_WITH(recorder, bus, session,
                          (QStringList{QStringLiteral("body"), QStringLiteral("body-markup"), QStringLiteral("actions")}));
        QVERIFY(startAndDeleteOneNote(session, "Tom & Jerry <b>"));
        QVERIFY(E2eSession::waitFor([&] { return !recorder.notifications().isEmpty(); }));
        QCOMPARE(recorder.notifications().first().value(QStringLiteral("body")).toString(),
                 QStringLiteral("Tom &amp; Jerry &lt;b&gt;"));
    }

    void aServiceWithoutButtonsGetsNoUndo()
    {
        E2E_SESSION(session);
        E2E_RECORDER_WITH(recorder, bus, session, (QStringList{QStringLiteral("body"), QStringLiteral("icon-static")}));
        QVERIFY(startAndDeleteOneNote(session, "Groceries"));
        QVERIFY(QFile::exists(session.trashFolder() + QStringLiteral("/files/1.pnf")));
        // The program asked what the service can do; whatever it did with the
        // answer has reached the recorder once the program and the recorder
        // have both gone round once more.
        QVERIFY(E2eSession::waitFor([&] { return recorder.capabilityQueries() > 0; }));
        QVERIFY(session.settleWithTrayMenu());
        QVERIFY(recorder.roundTrip());
        QVERIFY(session.settleWithTrayMenu());
        QVERIFY(recorder.roundTrip());
        QCOMPARE(recorder.notifications().size(), 0);
    }
};

PAPERLET_E2E_MAIN(TestDeleteUndoE2e)
#include "tst_delete_undo_e2e.moc"
