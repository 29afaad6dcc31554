#include "notes/mail_url.h"

#include <QtTest>

class TestMailUrl : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void encodesTitleAndText_data();
    void encodesTitleAndText();
};

void TestMailUrl::encodesTitleAndText_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("shopping list") << "Shopping" << "milk\nbread"
                                   << QByteArray("mailto:?subject=Shopping&body=milk%0D%0Abread");
    QTest::newRow("CR LF and lone CR") << "x" << "a\r\nb\rc"
                                       << QByteArray("mailto:?subject=x&body=a%0D%0Ab%0D%0Ac");
    QTest::newRow("blank") << "New Note" << "a b" << QByteArray("mailto:?subject=New%20Note&body=a%20b");
    QTest::newRow("ampersand and hash") << "Q&A #2" << "1 & 2"
                                        << QByteArray("mailto:?subject=Q%26A%20%232&body=1%20%26%202");
    QTest::newRow("header injection") << "x&cc=evil@example.com" << "" 
                                      << QByteArray("mailto:?subject=x%26cc%3Devil%40example.com&body=");
    QTest::newRow("percent and plus") << "100%" << "1+1"
                                      << QByteArray("mailto:?subject=100%25&body=1%2B1");
    QTest::newRow("question mark") << "why?" << "a?b=c"
                                   << QByteArray("mailto:?subject=why%3F&body=a%3Fb%3Dc");
    QTest::newRow("non-ASCII as UTF-8") << QStringLiteral("Çay") << QStringLiteral("şeker €")
                                        << QByteArray("mailto:?subject=%C3%87ay&body=%C5%9Feker%20%E2%82%AC");
    QTest::newRow("empty") << "" << "" << QByteArray("mailto:?subject=&body=");
}

void TestMailUrl::encodesTitleAndText()
{
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(MailUrl::encoded(title, text), expected);
    const QUrl url = MailUrl::url(title, text);
    QVERIFY(url.isValid());
    QCOMPARE(url.toEncoded(), expected);
    // What the mail program reads back is exactly the title and the text.
    const QUrlQuery query(url);
    QCOMPARE(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded), title);
    QString body = text;
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QCOMPARE(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded).replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
             body);
}

QTEST_GUILESS_MAIN(TestMailUrl)
#include "tst_mail_url.moc"
