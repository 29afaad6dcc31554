// Other RTF readers see the note's text, and nothing of its state group: the
// program's own reader and, where it is installed, LibreOffice.
#include "core/note_file.h"
#include "core/note_state.h"
#include "core/rtf/rtf.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

namespace {

const QString Body = QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Tahoma;}}\r\n"
                                    "\\viewkind4\\uc1\\pard\\f0\\fs20 milk\\par\r\n"
                                    "bread\\par\r\n");
const QString Text = QStringLiteral("milk\nbread");

struct Case
{
    QString name;
    QString content; // as a file holds it: what every reader is given
    bool balanced;   // LibreOffice refuses RTF whose groups are not closed
};

QList<Case> cases()
{
    NoteState full;
    full.setFlag(QStringLiteral("ontop"), true);
    full.setFlag(QStringLiteral("locked"), true);
    full.setValue(QStringLiteral("reminder"), QStringLiteral("2026-12-24T09:00 Europe/Berlin weekly"));
    full.setValue(QStringLiteral("fromthefuture"), QStringLiteral("a{b}c \u00E4"));
    return {
        {QStringLiteral("without-group"), Body + QStringLiteral("}"), true},
        {QStringLiteral("with-state"), NoteStateGroup::join(Body + QStringLiteral("}"), full), true},
        {QStringLiteral("cut-off-group"), Body + QStringLiteral("{\\*\\paperletstate{\\ontop}{\\remin"), false},
    };
}

QString trimmedLines(const QString &text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString &line : lines)
        line = line.trimmed();
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.join(QLatin1Char('\n'));
}

} // namespace

class TestNoteStateReaders final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void ownReaderSeesTheTextOnly()
    {
        for (const Case &c : cases()) {
            QTextDocument document;
            Rtf::load(document, c.content);
            QCOMPARE(trimmedLines(Rtf::plainText(document)), Text);
            // And read the program's way, the group taken out first.
            QTextDocument split;
            Rtf::load(split, NoteStateGroup::split(c.content).content);
            QCOMPARE(trimmedLines(Rtf::plainText(split)), Text);
        }
    }

    void libreOfficeSeesTheTextOnly()
    {
        const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (office.isEmpty())
            QSKIP("LibreOffice (soffice) is not installed");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QStringList arguments{QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                              QStringLiteral("txt:Text (encoded):UTF8"), QStringLiteral("--outdir"),
                              dir.filePath(QStringLiteral("out"))};
        QList<Case> balanced = cases();
        balanced.removeIf([](const Case &c) { return !c.balanced; });
        for (const Case &c : balanced) {
            QFile file(dir.filePath(c.name + QStringLiteral(".rtf")));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(c.content.toLatin1());
            arguments << file.fileName();
        }
        QProcess lo;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir.filePath(QStringLiteral("home")));
        lo.setProcessEnvironment(env);
        lo.start(office, arguments);
        QVERIFY(lo.waitForFinished(240000));
        for (const Case &c : balanced) {
            QFile out(dir.filePath(QStringLiteral("out/") + c.name + QStringLiteral(".txt")));
            QVERIFY2(out.open(QIODevice::ReadOnly), qPrintable(c.name + QStringLiteral(": no text from LibreOffice")));
            QString text = QString::fromUtf8(out.readAll());
            text.remove(QChar(0xFEFF));
            text.remove(QLatin1Char('\r'));
            QCOMPARE(trimmedLines(text), Text);
        }
    }
};

QTEST_GUILESS_MAIN(TestNoteStateReaders)
#include "tst_note_state_readers.moc"
