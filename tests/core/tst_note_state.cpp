// The per-note state group inside a note file's RTF: files without it, with
// keys this version does not know, with a damaged group, and byte-exact
// round trips.
#include "core/error.h"
#include "core/note_file.h"
#include "core/note_state.h"

#include <QTest>

namespace {

const QByteArray Head("\xEF\xBB\xBF"
                      "0001400000F00000C80000C800005A99FFFF\r\n"
                      "Shopping\r\n");
const QByteArray Body("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Tahoma;}}\r\n"
                      "\\viewkind4\\uc1\\pard\\f0\\fs20 milk\\par\r\n"
                      "bread\\par\r\n");

// A note file whose content ends with `tail` (the closing brace and whatever
// stands before it).
QByteArray file(const QByteArray &tail)
{
    return Head + Body + tail + "\r\n";
}

NoteState state(const QList<QPair<QString, QString>> &entries)
{
    NoteState s;
    for (const auto &e : entries)
        s.setValue(e.first, e.second);
    return s;
}

} // namespace

using Entries = QList<QPair<QString, QString>>;

class TestNoteState final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readsTheGroupOutOfTheContent_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("content");
        QTest::addColumn<Entries>("entries");
        QTest::addColumn<bool>("damaged");

        const QString plain = QString::fromLatin1(Body + "}\r\n");
        QTest::newRow("without group") << file("}") << plain << Entries{} << false;
        QTest::newRow("flags and a value")
            << file("{\\*\\paperletstate{\\ontop}{\\locked}{\\reminder 2026-12-24T09:00 Europe/Berlin never}}}")
            << plain
            << Entries{{"ontop", ""}, {"locked", ""}, {"reminder", "2026-12-24T09:00 Europe/Berlin never"}} << false;
        QTest::newRow("unknown key kept")
            << file("{\\*\\paperletstate{\\sticky}{\\fromthefuture some value}}}") << plain
            << Entries{{"sticky", ""}, {"fromthefuture", "some value"}} << false;
        QTest::newRow("escaped value")
            << file("{\\*\\paperletstate{\\label a\\{b\\}c\\\\d \\u228?\\u-10179?\\u-8704?}}}") << plain
            << Entries{{"label", QStringLiteral("a{b}c\\d \u00E4\U0001F600")}} << false;
        QTest::newRow("line broken group")
            << file("{\\*\\paperletstate\r\n{\\ontop}\r\n{\\rolled}\r\n}}") << plain
            << Entries{{"ontop", ""}, {"rolled", ""}} << false;
        // The group's own closing brace is lost: the document's brace closes
        // it, and the text a careless edit put after the entries stays.
        QTest::newRow("damaged: text pulled into the group")
            << file("{\\*\\paperletstate{\\ontop}eggs\\par\r\n}")
            << QString::fromLatin1(Body + "eggs\\par\r\n\r\n") << Entries{{"ontop", ""}} << true;
        QTest::newRow("damaged: cut off inside an entry")
            << (Head + Body + "{\\*\\paperletstate{\\ontop}{\\remin")
            << QString::fromLatin1(Body + "{\\remin\r\n") << Entries{{"ontop", ""}} << true;
        QTest::newRow("damaged: entry that is no entry")
            << file("{\\*\\paperletstate{\\locked}{\\b\\i eggs}{\\Bad}{\\rolled}}}")
            << QString::fromLatin1(Body + "{\\b\\i eggs}{\\Bad}}\r\n") << Entries{{"locked", ""}, {"rolled", ""}} << true;
        QTest::newRow("escaped brace is note text, not a group")
            << file("\\{\\\\*\\\\paperletstate\\}\\par\r\n}")
            << QString::fromLatin1(Body + "\\{\\\\*\\\\paperletstate\\}\\par\r\n}\r\n") << Entries{} << false;
        QTest::newRow("longer name is another group")
            << file("{\\*\\paperletstatex{\\ontop}}}")
            << QString::fromLatin1(Body + "{\\*\\paperletstatex{\\ontop}}}\r\n") << Entries{} << false;
    }

    void readsTheGroupOutOfTheContent()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, content);
        QFETCH(Entries, entries);
        QFETCH(bool, damaged);

        const NoteRecord record = NoteFile::decode(bytes);
        QCOMPARE(record.title, QStringLiteral("Shopping"));
        QCOMPARE(record.content, content);
        QCOMPARE(record.state, state(entries));
        const QString text = QString::fromLatin1(bytes.mid(Head.size()));
        QCOMPARE(NoteStateGroup::split(text).damaged, damaged);
    }

    void roundTripsByteForByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("without group") << file("}");
        QTest::newRow("flags") << file("{\\*\\paperletstate{\\ontop}{\\sticky}{\\rolled}{\\locked}}}");
        QTest::newRow("unknown key") << file("{\\*\\paperletstate{\\ontop}{\\fromthefuture 1 2 3}}}");
        QTest::newRow("escaped value") << file("{\\*\\paperletstate{\\label a\\{b\\}c\\\\d \\u228?\\u-10179?\\u-8704?}}}");
    }

    void roundTripsByteForByte()
    {
        QFETCH(QByteArray, bytes);
        QCOMPARE(NoteFile::encode(NoteFile::decode(bytes)), bytes);
    }

    void noteWithoutStateIsWrittenAsBefore()
    {
        NoteRecord record = NoteFile::decode(file("}"));
        QVERIFY(record.state.isEmpty());
        QCOMPARE(NoteFile::encode(record), file("}"));

        // Setting and clearing state leaves no trace.
        record.state.setFlag(QStringLiteral("ontop"), true);
        QCOMPARE(NoteFile::encode(record), file("{\\*\\paperletstate{\\ontop}}}"));
        record.state.setFlag(QStringLiteral("ontop"), false);
        QCOMPARE(NoteFile::encode(record), file("}"));
    }

    void stateKeepsItsOrderAndReplacesInPlace()
    {
        NoteState s = state({{"b", "1"}, {"a", "2"}});
        s.setValue(QStringLiteral("b"), QStringLiteral("3"));
        QCOMPARE(s.keys(), QStringList({"b", "a"}));
        QCOMPARE(s.value(QStringLiteral("b")), QStringLiteral("3"));
        QCOMPARE(NoteStateGroup::group(s), QStringLiteral("{\\*\\paperletstate{\\b 3}{\\a 2}}"));
    }

    void refusesKeysThatAreNoControlWords_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("empty") << QString();
        QTest::newRow("upper case") << QStringLiteral("OnTop");
        QTest::newRow("digit") << QStringLiteral("on1");
        QTest::newRow("blank") << QStringLiteral("on top");
        QTest::newRow("too long") << QString(33, QLatin1Char('a'));
    }

    void refusesKeysThatAreNoControlWords()
    {
        QFETCH(QString, key);
        NoteState s;
        QVERIFY_THROWS_EXCEPTION(PaperletError, s.setValue(key, QString()));
        QVERIFY(s.isEmpty());
    }

    void plainTextContentGetsNoGroup()
    {
        NoteState s;
        s.setFlag(QStringLiteral("ontop"), true);
        QCOMPARE(NoteStateGroup::join(QStringLiteral("just words"), s), QStringLiteral("just words"));
    }
};

QTEST_GUILESS_MAIN(TestNoteState)
#include "tst_note_state.moc"
