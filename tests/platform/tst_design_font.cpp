// The design's face: loaded from the faces on disk where the font
// configuration does not list it, and a common sans face in its place where
// there are none.

#include "platform/design_font.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool wineFacesInstalled()
{
    for (const QString &folder : DesignFont::folders())
        if (QFile::exists(folder + QStringLiteral("/tahoma.ttf")))
            return true;
    return false;
}

} // namespace

class TestDesignFont final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // In this order: once loaded, the faces stay for the process.
    void standsInWhereThereAreNoFaces();
    void loadsTheFacesTheSystemDoesNotList();
};

void TestDesignFont::standsInWhereThereAreNoFaces()
{
    if (QFontDatabase::families().contains(DesignFont::Family))
        QSKIP("the system's font configuration lists Tahoma itself");
    const QTemporaryDir empty;
    QVERIFY(!DesignFont::ensure({empty.path(), empty.path() + QStringLiteral("/missing")}));
    QVERIFY(!QFontDatabase::families().contains(DesignFont::Family));
    // A named sans face of the system, the same for every text, not the
    // first face that happens to come.
    const QString shown = QFontInfo(QFont(DesignFont::Family, 8)).family();
    QVERIFY2(QFont::substitutes(DesignFont::Family).contains(shown, Qt::CaseInsensitive), qPrintable(shown));
    QCOMPARE(QFontInfo(QFont(DesignFont::Family, 8, QFont::Bold)).family(), shown);
}

void TestDesignFont::loadsTheFacesTheSystemDoesNotList()
{
    if (!wineFacesInstalled() && !QFontDatabase::families().contains(DesignFont::Family))
        QSKIP("no Tahoma faces on this system (Debian: fonts-wine)");
    QVERIFY(DesignFont::ensure());
    QVERIFY(QFontDatabase::families().contains(DesignFont::Family));
    const QFontInfo regular(QFont(DesignFont::Family, 8));
    QCOMPARE(regular.family(), DesignFont::Family);
    // A face of its own for bold, not a smeared regular one.
    QVERIFY2(QFontDatabase::styles(DesignFont::Family).contains(QStringLiteral("Bold")),
             qPrintable(QFontDatabase::styles(DesignFont::Family).join(QLatin1Char(','))));
    const QFontInfo bold(QFont(DesignFont::Family, 8, QFont::Bold));
    QCOMPARE(bold.family(), DesignFont::Family);
    QVERIFY(bold.bold());
    // Asking again loads nothing twice.
    const int families = QFontDatabase::families().size();
    QVERIFY(DesignFont::ensure());
    QCOMPARE(QFontDatabase::families().size(), families);
}

QTEST_MAIN(TestDesignFont)
#include "tst_design_font.moc"
