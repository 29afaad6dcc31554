// Deleting a note's file: into the desktop's trash, or removed where there is none.
#include "core/note_file.h"
#include "notes/note_discard.h"
#include "../common/scratch_tmpfs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A home of the test's choosing with no XDG_DATA_HOME, and a working
// directory of its own; all restored when it goes.
class EnvironmentOverride final
{
public:
    EnvironmentOverride(const QString &home, const QString &workingDir)
        : m_home(qgetenv("HOME")), m_dataHome(qgetenv("XDG_DATA_HOME")), m_workingDir(QDir::currentPath())
    {
        qputenv("HOME", QFile::encodeName(home));
        qunsetenv("XDG_DATA_HOME");
        QDir().mkpath(workingDir);
        QDir::setCurrent(workingDir);
    }
    ~EnvironmentOverride()
    {
        QDir::setCurrent(m_workingDir);
        qputenv("HOME", m_home);
        qputenv("XDG_DATA_HOME", m_dataHome);
    }
    EnvironmentOverride(const EnvironmentOverride &) = delete;
    EnvironmentOverride &operator=(const EnvironmentOverride &) = delete;

private:
    QByteArray m_home;
    QByteArray m_dataHome;
    QString m_workingDir;
};

} // namespace

class TestNoteDiscard final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void discardsFilesIntoTheTrash()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("2.pnf"));
        NoteFile::writeAtomically(path, "x");
        QVERIFY(NoteFile::discard(path));
        QVERIFY(!QFile::exists(path));
        // A file that is not there is already discarded.
        QVERIFY(NoteFile::discard(path));
    }

    void discardsIntoTheHomeTrashOrRemoves_data()
    {
        QTest::addColumn<bool>("readOnlyHome");
        QTest::addColumn<bool>("trashed");
        QTest::newRow("home without .local/share: the trash is made") << false << true;
        QTest::newRow("read-only home: the file is removed") << true << false;
    }

    void discardsIntoTheHomeTrashOrRemoves()
    {
        QFETCH(bool, readOnlyHome);
        QFETCH(bool, trashed);
        const ScratchTmpfs readOnly(ScratchTmpfs::ReadOnly);
        if (readOnlyHome && !readOnly.skip().isEmpty())
            QSKIP(qPrintable(readOnly.skip()));
        QTemporaryDir dir;
        const QString home = readOnlyHome ? readOnly.path() : dir.filePath(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(home));
        const QString notes = dir.filePath(QStringLiteral("Notes"));
        QVERIFY(QDir().mkpath(notes));
        const QString path = notes + QStringLiteral("/2.pnf");
        NoteFile::writeAtomically(path, QByteArrayLiteral("x"));
        // Started from a launcher, the working directory is often the home.
        const EnvironmentOverride env(home, dir.filePath(QStringLiteral("work")));

        const NoteFile::Discarded discarded = NoteFile::discard(path);
        QVERIFY(discarded);

        QVERIFY(!QFile::exists(path));
        // Only a trashed file has a name there to come back by.
        QCOMPARE(discarded.trashId, trashed ? QStringLiteral("2.pnf") : QString());
        const QString trashedCopy = home + QStringLiteral("/.local/share/Trash/files/2.pnf");
        QCOMPARE(QFile::exists(trashedCopy), trashed);
        QCOMPARE(QFile::exists(home + QStringLiteral("/.local/share/Trash/info/2.pnf.trashinfo")), trashed);
        QCOMPARE(QDir(dir.filePath(QStringLiteral("work"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
    }
};

QTEST_GUILESS_MAIN(TestNoteDiscard)
#include "tst_note_discard.moc"
