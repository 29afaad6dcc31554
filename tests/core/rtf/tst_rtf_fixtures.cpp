// Files written by other programs (pandoc, LibreOffice Writer) and by hand in the exact form of
// Windows' rich-text control: the text and the formats must come through.

#include "core/rtf/rtf.h"

#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

namespace {

void loadFixture(QTextDocument &document, const char *name)
{
    QFile file(QStringLiteral(PAPERLET_RTF_FIXTURES "/") + QLatin1String(name));
    QVERIFY2(file.open(QIODevice::ReadOnly), name);
    Rtf::load(document, file.readAll());
}

// The format of the first occurrence of `word`.
QTextCharFormat formatOf(const QTextDocument &document, const QString &word)
{
    const QTextCursor found = document.find(word);
    if (found.isNull())
        return {};
    QTextCursor cursor(found);
    cursor.setPosition(found.selectionStart() + 1);
    return cursor.charFormat();
}

QStringList families(const QTextCharFormat &f) { return f.fontFamilies().toStringList(); }

} // namespace

class TestRtfFixtures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsTurkishRichEditNote();
    void readsPandocDocument();
    void readsLibreOfficeDocument();
    void savesFixturesStably_data();
    void savesFixturesStably();
};

void TestRtfFixtures::readsTurkishRichEditNote()
{
    QTextDocument document;
    loadFixture(document, "richedit-turkish.rtf");
    QCOMPARE(document.toPlainText(),
             QStringLiteral("Al\u0131\u015Fveri\u015F listesi:\nS\u00FCt\nEkmek ve peynir\n\u00C7ay\n"
                            "\u00FE\u00F0\u00FD C:\\notes")); // the last font is charset 0: Windows-1252

    const QTextCharFormat first = formatOf(document, QStringLiteral("listesi"));
    QCOMPARE(families(first), QStringList{QStringLiteral("Tahoma")});
    QCOMPARE(first.fontPointSize(), 10.0);

    const QTextCharFormat milk = formatOf(document, QStringLiteral("S\u00FCt"));
    QCOMPARE(milk.fontWeight(), int(QFont::Bold));
    QCOMPARE(milk.foreground().color(), QColor(255, 0, 0));
    const QTextCharFormat bread = formatOf(document, QStringLiteral("Ekmek"));
    QVERIFY(bread.fontItalic());
    QCOMPARE(bread.fontWeight(), int(QFont::Normal));
    QCOMPARE(bread.foreground().color(), QColor(0, 128, 0));
    QVERIFY(formatOf(document, QStringLiteral("peynir")).fontUnderline());
    QCOMPARE(formatOf(document, QStringLiteral(" ve")).foreground().style(), Qt::NoBrush);

    const QTextBlock second = document.findBlockByNumber(1);
    QVERIFY(second.textList());
    QCOMPARE(second.textList()->format().style(), QTextListFormat::ListDisc);
    QCOMPARE(second.textList()->count(), 2);
    QVERIFY(!document.findBlockByNumber(3).textList());

    const QTextBlock tea = document.findBlockByNumber(3);
    QCOMPARE(tea.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCharFormat teaFormat = formatOf(document, QStringLiteral("\u00C7ay"));
    QVERIFY(teaFormat.fontStrikeOut());
    QCOMPARE(families(teaFormat), QStringList{QStringLiteral("Arial")});
    QCOMPARE(teaFormat.fontPointSize(), 14.0);

    QCOMPARE(document.lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    QCOMPARE(families(formatOf(document, QStringLiteral("notes"))), QStringList{QStringLiteral("Courier New")});
}

void TestRtfFixtures::readsPandocDocument()
{
    QTextDocument document;
    loadFixture(document, "pandoc-note.rtf");
    QCOMPARE(document.toPlainText(),
             QStringLiteral("Shopping bold italic gone \u0131\u011F\u00FC\u015F\u00F6\u00E7\n"
                            "\u2022\tmilk\n\u2022\tbread\n1.\tfirst\n2.\tsecond\nLast link line"));
    QCOMPARE(formatOf(document, QStringLiteral("bold")).fontWeight(), int(QFont::Bold));
    QCOMPARE(formatOf(document, QStringLiteral("Shopping")).fontWeight(), int(QFont::Normal));
    QVERIFY(formatOf(document, QStringLiteral("italic")).fontItalic());
    QVERIFY(formatOf(document, QStringLiteral("gone")).fontStrikeOut());
    QVERIFY(formatOf(document, QStringLiteral("link")).fontUnderline());
    QVERIFY(!formatOf(document, QStringLiteral("line")).fontUnderline());
    QCOMPARE(families(formatOf(document, QStringLiteral("first"))), QStringList{QStringLiteral("Helvetica")});
}

void TestRtfFixtures::readsLibreOfficeDocument()
{
    QTextDocument document;
    loadFixture(document, "libreoffice-note.rtf");
    QCOMPARE(document.toPlainText(),
             QStringLiteral("Plain bold italic under struck red \u0131\u011F\u00FC\u015F\u00F6\u00E7\u0130\n"
                            "milk\nbread\ncentred\nright"));
    const QTextCharFormat plain = formatOf(document, QStringLiteral("Plain"));
    QCOMPARE(families(plain), QStringList{QStringLiteral("DejaVu Sans")});
    QCOMPARE(plain.fontPointSize(), 10.0);
    QCOMPARE(plain.fontWeight(), int(QFont::Normal));
    QCOMPARE(formatOf(document, QStringLiteral("bold")).fontWeight(), int(QFont::Bold));
    QVERIFY(formatOf(document, QStringLiteral("italic")).fontItalic());
    QVERIFY(formatOf(document, QStringLiteral("under")).fontUnderline());
    QVERIFY(formatOf(document, QStringLiteral("struck")).fontStrikeOut());
    QCOMPARE(formatOf(document, QStringLiteral("red")).foreground().color(), QColor(255, 0, 0));
    QCOMPARE(formatOf(document, QStringLiteral(" \u0131")).foreground().style(), Qt::NoBrush);

    const QTextList *list = document.findBlockByNumber(1).textList();
    QVERIFY(list);
    QCOMPARE(list->format().style(), QTextListFormat::ListDisc);
    QCOMPARE(list->count(), 2);
    QCOMPARE(document.findBlockByNumber(3).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    QCOMPARE(document.findBlockByNumber(4).blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
}

void TestRtfFixtures::savesFixturesStably_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("rich-text control") << QStringLiteral("richedit-turkish.rtf");
    QTest::newRow("pandoc") << QStringLiteral("pandoc-note.rtf");
    QTest::newRow("libreoffice") << QStringLiteral("libreoffice-note.rtf");
}

void TestRtfFixtures::savesFixturesStably()
{
    QFETCH(QString, name);
    QTextDocument document;
    loadFixture(document, qPrintable(name));
    const QByteArray first = Rtf::save(document);
    QTextDocument loaded;
    Rtf::load(loaded, first);
    QCOMPARE(loaded.toPlainText(), document.toPlainText());
    QCOMPARE(Rtf::save(loaded), first);
}

QTEST_MAIN(TestRtfFixtures)
#include "tst_rtf_fixtures.moc"
