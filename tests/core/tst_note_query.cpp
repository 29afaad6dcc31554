#include "core/note_query.h"

#include <QtTest>

class TestNoteQuery : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void matches_data();
    void matches();
    void wordsAreFolded();
};

void TestNoteQuery::matches_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");

    QTest::newRow("empty query matches all") << "" << "" << "" << true;
    QTest::newRow("blank query matches all") << " \t " << "a" << "b" << true;
    QTest::newRow("word in text") << "milk" << "Shopping" << "eggs, milk" << true;
    QTest::newRow("word in title") << "shop" << "Shopping" << "eggs" << true;
    QTest::newRow("case mixed") << "MiLk" << "" << "Buy MILK" << true;
    QTest::newRow("accent in note") << "cafe" << "" << "Rendez-vous au Café" << true;
    QTest::newRow("accent in query") << "CAFÉ" << "" << "cafe at nine" << true;
    QTest::newRow("accent both") << "crème brûlée" << "Desserts" << "CRÈME BRÛLÉE" << true;
    QTest::newRow("every word must match") << "milk bread" << "" << "milk only" << false;
    QTest::newRow("words across title and text") << "shopping milk" << "Shopping" << "milk" << true;
    QTest::newRow("absent word") << "butter" << "Shopping" << "milk" << false;
    QTest::newRow("german sharp s folds to ss") << "strasse" << "" << "Hauptstraße 3" << true;
    QTest::newRow("cyrillic case") << "привет" << "" << "ПРИВЕТ мир" << true;
    QTest::newRow("cjk") << "会議" << "" << "明日の会議は十時" << true;
    QTest::newRow("arabic") << "مرحبا" << "" << "قال مرحبا للجميع" << true;
    QTest::newRow("emoji") << "🎉" << "" << "party 🎉 tonight" << true;
    QTest::newRow("ascii note, accented query that folds") << "naïve" << "" << "a naive plan" << true;
    QTest::newRow("accented word not found") << "é" << "" << "abc" << false;
    // Notes folded a character at a time must agree with folding them whole.
    QTest::newRow("combining mark after the letter") << "CAFE" << "" << "cafe\u0301 noir" << true;
    QTest::newRow("compatibility ligature") << "file" << "" << "my \uFB01le" << true;
    QTest::newRow("dotted capital I") << "istanbul" << "" << "\u0130STANBUL" << true;
    QTest::newRow("hangul syllables") << "\uD55C\uAD6D" << "" << "\uD55C\uAD6D\uC5B4" << true;
    QTest::newRow("accent beside an emoji") << "creme" << "" << "Crème 🎉" << true;
    QTest::newRow("accent in title, emoji in text") << "ete party" << "Été" << "party 🎉" << true;
    QTest::newRow("accented note without the word") << "tea" << "" << "café au lait" << false;
    // Marks that make another letter are no accents.
    QTest::newRow("kana voicing mark") << "ガード" << "" << "カードを忘れた" << false;
    QTest::newRow("kana voicing mark, both") << "ガード" << "" << "ガードマン" << true;
    QTest::newRow("devanagari vowel sign") << "कुल" << "" << "कल मिलेंगे" << false;
    QTest::newRow("arabic vowel marks are accents") << "مرحبا" << "" << "مَرْحَبًا يا صديقي" << true;
}

void TestNoteQuery::matches()
{
    QFETCH(QString, query);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(NoteQuery(query).matches(title, text), expected);
}

void TestNoteQuery::wordsAreFolded()
{
    const NoteQuery query(QStringLiteral("  Café\tÉTÉ  "));
    QCOMPARE(query.words(), (QStringList{QStringLiteral("cafe"), QStringLiteral("ete")}));
    QVERIFY(NoteQuery(QStringLiteral("   ")).isEmpty());
}

QTEST_APPLESS_MAIN(TestNoteQuery)
#include "tst_note_query.moc"
