// The freedesktop home trash: where deleted files go, what is recorded about
// them, and that nothing ever lands anywhere else.
#include "platform/trash_xdg.h"
#include "../common/file_bytes.h"
#include "../common/scratch_tmpfs.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <memory>

namespace {

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
}

} // namespace

class TestTrash final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void trashInfoRecordsPathAndDate_data();
    void trashInfoRecordsPathAndDate();
    void movesIntoTheHomeTrash_data();
    void movesIntoTheHomeTrash();
    void clashingNamesStayApart();
    void unusableTrashLeavesTheFile_data();
    void unusableTrashLeavesTheFile();
    void trashInfoReadsBack_data();
    void trashInfoReadsBack();
    void listsWhatCameFromOneFolderNewestFirst();
    void restorePutsTheFileBack();

private:
    // A note to delete, in a folder of its own.
    QString makeNote(const QString &name, const QByteArray &bytes = "note");

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_workingDir;
    QString m_oldWorkingDir;
};

void TestTrash::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    // Whatever goes wrong must not land in the working directory: watch one.
    m_workingDir = std::make_unique<QTemporaryDir>();
    m_oldWorkingDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_workingDir->path()));
}

void TestTrash::cleanup()
{
    QDir::setCurrent(m_oldWorkingDir);
    m_workingDir.reset();
    m_dir.reset();
}

QString TestTrash::makeNote(const QString &name, const QByteArray &bytes)
{
    const QString folder = m_dir->filePath(QStringLiteral("Notes %1").arg(QDir(m_dir->path()).count()));
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + name;
    writeFile(path, bytes);
    return path;
}

void TestTrash::trashInfoRecordsPathAndDate_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("pathValue");
    QTest::newRow("plain") << QStringLiteral("/home/ann/Notes/1.pnf") << QByteArray("/home/ann/Notes/1.pnf");
    QTest::newRow("blank, percent and hash")
        << QStringLiteral("/home/ann/My Notes/50% #1.pnf") << QByteArray("/home/ann/My%20Notes/50%25%20%231.pnf");
    QTest::newRow("outside ASCII, as UTF-8")
        << QStringLiteral("/home/\u00e5sa/\u00fcber.pnf") << QByteArray("/home/%C3%A5sa/%C3%BCber.pnf");
}

void TestTrash::trashInfoRecordsPathAndDate()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, pathValue);
    const QDateTime when(QDate(2004, 8, 31), QTime(22, 32, 8));
    QCOMPARE(XdgTrash::trashInfo(path, when),
             QByteArray("[Trash Info]\nPath=" + pathValue + "\nDeletionDate=2004-08-31T22:32:08\n"));
}

void TestTrash::movesIntoTheHomeTrash_data()
{
    QTest::addColumn<bool>("foldersExist");
    QTest::newRow("trash folders already there") << true;
    QTest::newRow("home without .local/share") << false;
}

void TestTrash::movesIntoTheHomeTrash()
{
    QFETCH(bool, foldersExist);
    const QString dataHome = m_dir->filePath(QStringLiteral("home/.local/share"));
    XdgTrash trash(dataHome);
    if (foldersExist) {
        QVERIFY(QDir().mkpath(trash.trashFolder() + QStringLiteral("/files")));
        QVERIFY(QDir().mkpath(trash.trashFolder() + QStringLiteral("/info")));
    }
    const QString note = makeNote(QStringLiteral("1.pnf"), "milk and bread");
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);

    QVERIFY(trash.moveToTrash(note));

    QVERIFY(!QFile::exists(note));
    QCOMPARE(readFile(trash.trashFolder() + QStringLiteral("/files/1.pnf")), QByteArray("milk and bread"));
    const QByteArray info = readFile(trash.trashFolder() + QStringLiteral("/info/1.pnf.trashinfo"));
    QVERIFY2(info.startsWith(QByteArray("[Trash Info]\nPath=" + QUrl::toPercentEncoding(note, "/") + "\nDeletionDate=")),
             info.constData());
    const QDateTime recorded = QDateTime::fromString(
        QString::fromLatin1(info.mid(info.indexOf("DeletionDate=") + 13).trimmed()), Qt::ISODate);
    QVERIFY2(recorded >= before && recorded <= QDateTime::currentDateTime(), info.constData());
    if (!foldersExist) {
        // A trash made here is private to its owner.
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
            | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFile::permissions(trash.trashFolder()) & others, QFile::Permissions());
    }
    QCOMPARE(entries(QDir::currentPath()), QStringList());
}

void TestTrash::clashingNamesStayApart()
{
    XdgTrash trash(m_dir->filePath(QStringLiteral("data")));
    const QStringList notes{makeNote(QStringLiteral("1.pnf"), "first"), makeNote(QStringLiteral("1.pnf"), "second"),
                            makeNote(QStringLiteral("1.pnf"), "third")};
    for (const QString &note : notes)
        QVERIFY(trash.moveToTrash(note));
    const QString files = trash.trashFolder() + QStringLiteral("/files/");
    const QString info = trash.trashFolder() + QStringLiteral("/info/");
    QCOMPARE(entries(files), (QStringList{"1 (2).pnf", "1 (3).pnf", "1.pnf"}));
    QCOMPARE(readFile(files + QStringLiteral("1.pnf")), QByteArray("first"));
    QCOMPARE(readFile(files + QStringLiteral("1 (2).pnf")), QByteArray("second"));
    QCOMPARE(readFile(files + QStringLiteral("1 (3).pnf")), QByteArray("third"));
    // Each record names the file it belongs to.
    QVERIFY(readFile(info + QStringLiteral("1 (3).pnf.trashinfo")).contains(QByteArray("Path=" + QUrl::toPercentEncoding(notes.at(2), "/") + '\n')));
}

void TestTrash::unusableTrashLeavesTheFile_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("data folder below a plain file") << QStringLiteral("file");
    QTest::newRow("read-only home") << QStringLiteral("read-only");
    QTest::newRow("relative data folder") << QStringLiteral("relative");
}

void TestTrash::unusableTrashLeavesTheFile()
{
    QFETCH(QString, how);
    std::unique_ptr<ScratchTmpfs> readOnlyHome;
    QString dataHome;
    if (how == QStringLiteral("file")) {
        QVERIFY(writeFile(m_dir->filePath(QStringLiteral("home")), "not a folder"));
        dataHome = m_dir->filePath(QStringLiteral("home/.local/share"));
    } else if (how == QStringLiteral("read-only")) {
        readOnlyHome = std::make_unique<ScratchTmpfs>(ScratchTmpfs::ReadOnly);
        if (!readOnlyHome->skip().isEmpty())
            QSKIP(qPrintable(readOnlyHome->skip()));
        dataHome = readOnlyHome->filePath(QStringLiteral(".local/share"));
    } else {
        dataHome = QStringLiteral(".local/share");
    }
    const QString note = makeNote(QStringLiteral("1.pnf"), "kept");

    QVERIFY(!XdgTrash(dataHome).moveToTrash(note));

    QCOMPARE(readFile(note), QByteArray("kept"));
    QCOMPARE(entries(QDir::currentPath()), QStringList());
    if (readOnlyHome)
        QCOMPARE(entries(readOnlyHome->path()), QStringList());
}

QTEST_GUILESS_MAIN(TestTrash)
#include "tst_trash.moc"

void TestTrash::trashInfoReadsBack_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("path");   // empty: not a record
    QTest::newRow("written here") << XdgTrash::trashInfo(QStringLiteral("/home/\u00e5sa/50% #1.pnf"), QDateTime(QDate(2004, 8, 31), QTime(22, 32, 8)))
                                  << QStringLiteral("/home/\u00e5sa/50% #1.pnf");
    QTest::newRow("other order, CR LF") << QByteArray("[Trash Info]\r\nDeletionDate=2020-01-02T03:04:05\r\nPath=/a/b.pnf\r\n")
                                        << QStringLiteral("/a/b.pnf");
    QTest::newRow("no header") << QByteArray("Path=/a/b.pnf\nDeletionDate=2020-01-02T03:04:05\n") << QString();
    QTest::newRow("no date") << QByteArray("[Trash Info]\nPath=/a/b.pnf\n") << QString();
    QTest::newRow("no path") << QByteArray("[Trash Info]\nDeletionDate=2020-01-02T03:04:05\n") << QString();
}

void TestTrash::trashInfoReadsBack()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, path);
    const std::optional<TrashedFile> file = XdgTrash::parseTrashInfo(text);
    QCOMPARE(file.has_value(), !path.isEmpty());
    if (file)
        QCOMPARE(file->originalPath, path);
}

void TestTrash::listsWhatCameFromOneFolderNewestFirst()
{
    XdgTrash trash(m_dir->filePath(QStringLiteral("data")));
    const QString first = makeNote(QStringLiteral("1.pnf"));
    const QString folder = QFileInfo(first).absolutePath();
    const QString other = makeNote(QStringLiteral("1.pnf"));   // same name, another folder
    // The trash's name for each file, which its record goes by.
    QCOMPARE(trash.moveToTrash(first), std::optional<QString>(QStringLiteral("1.pnf")));
    QCOMPARE(trash.moveToTrash(other), std::optional<QString>(QStringLiteral("1 (2).pnf")));
    writeFile(folder + QStringLiteral("/2.pnf"), "two");
    QVERIFY(trash.moveToTrash(folder + QStringLiteral("/2.pnf")));
    // A record from below the folder, and one whose file is gone.
    QDir().mkpath(folder + QStringLiteral("/sub"));
    writeFile(folder + QStringLiteral("/sub/3.pnf"), "three");
    QVERIFY(trash.moveToTrash(folder + QStringLiteral("/sub/3.pnf")));
    writeFile(folder + QStringLiteral("/4.pnf"), "four");
    QVERIFY(trash.moveToTrash(folder + QStringLiteral("/4.pnf")));
    QVERIFY(QFile::remove(trash.trashFolder() + QStringLiteral("/files/4.pnf")));
    // The records say when: 2.pnf an hour later than 1.pnf.
    const auto redate = [&trash](const QString &id, const QString &path, const QDateTime &when) {
        writeFile(trash.trashFolder() + QStringLiteral("/info/") + id + QStringLiteral(".trashinfo"), XdgTrash::trashInfo(path, when));
    };
    const QDateTime base(QDate(2024, 5, 1), QTime(12, 0));
    redate(QStringLiteral("1.pnf"), first, base);
    redate(QStringLiteral("2.pnf"), folder + QStringLiteral("/2.pnf"), base.addSecs(3600));

    const QList<TrashedFile> files = trash.filesFrom(folder + QLatin1Char('/'));
    QCOMPARE(files.size(), 2);
    QCOMPARE(files.at(0).originalPath, folder + QStringLiteral("/2.pnf"));
    QCOMPARE(files.at(0).deleted, base.addSecs(3600));
    QCOMPARE(files.at(1).originalPath, first);
    QCOMPARE(files.at(1).id, QStringLiteral("1.pnf"));
    QCOMPARE(readFile(files.at(1).trashedPath), QByteArray("note"));
}

void TestTrash::restorePutsTheFileBack()
{
    XdgTrash trash(m_dir->filePath(QStringLiteral("data")));
    const QString path = makeNote(QStringLiteral("1.pnf"), "mine");
    const QString folder = QFileInfo(path).absolutePath();
    QVERIFY(trash.moveToTrash(path));
    const TrashedFile file = trash.filesFrom(folder).value(0);
    QCOMPARE(file.originalPath, path);

    // Never over a file that took the place meanwhile.
    writeFile(path, "newer");
    QVERIFY(!trash.restore(file, path));
    QCOMPARE(readFile(path), QByteArray("newer"));
    QCOMPARE(trash.filesFrom(folder).size(), 1);

    const QString elsewhere = folder + QStringLiteral("/11.pnf");
    QVERIFY(trash.restore(file, elsewhere));
    QCOMPARE(readFile(elsewhere), QByteArray("mine"));
    QVERIFY(trash.filesFrom(folder).isEmpty());
    QVERIFY(entries(trash.trashFolder() + QStringLiteral("/info")).isEmpty());
    QVERIFY(entries(trash.trashFolder() + QStringLiteral("/files")).isEmpty());
    // A name that would leave the trash is refused.
    TrashedFile escape = file;
    escape.id = QStringLiteral("../../x");
    QVERIFY(!trash.restore(escape, folder + QStringLiteral("/12.pnf")));
}
