// The small rules behind a note window: colours, placement and names.
#include "core/note_colors.h"
#include "core/note_naming.h"
#include "core/note_placement.h"

#include <QColor>
#include <QTest>

#include <set>

class TestNoteParts final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void shiftsColours_data()
    {
        QTest::addColumn<int>("color");
        QTest::addColumn<int>("shift");
        QTest::addColumn<int>("shifted");
        QTest::newRow("title bar of light yellow") << 0x99FFFF << -5 << 0x94FAFA;
        QTest::newRow("dark grip dot") << 0x99FFFF << -80 << 0x49AFAF;
        QTest::newRow("middle grip dot") << 0x99FFFF << -60 << 0x5DC3C3;
        QTest::newRow("light grip dot") << 0x99FFFF << -30 << 0x7BE1E1;
        QTest::newRow("black stays black") << 0x000000 << -80 << 0x000000;
        QTest::newRow("white title bar") << 0xFFFFFF << -5 << 0xFAFAFA;
        QTest::newRow("lightening clamps at 255") << 0x10F0FF << 20 << 0x24FFFF;
        QTest::newRow("top byte dropped") << int(0xFF0000FF) << 0 << 0x0000FF;
        QTest::newRow("channels apart") << 0x030201 << -2 << 0x010000;
    }

    void shiftsColours()
    {
        QFETCH(int, color);
        QFETCH(int, shift);
        QFETCH(int, shifted);
        QCOMPARE(Color::fromValue(color).shifted(shift).value(), shifted);
    }

    void paintsTheGrip()
    {
        const QImage grip = NoteColors::gripImage(Color::fromValue(0x99FFFF));
        QCOMPARE(grip.size(), QSize(10, 10));
        const auto at = [&grip](int x, int y) { return Color::fromQColor(QColor::fromRgba(grip.pixel(x, y))).value(); };
        QCOMPARE(at(8, 8), 0x49AFAF);
        QCOMPARE(at(2, 8), 0x49AFAF);
        QCOMPARE(at(8, 1), 0x5DC3C3);
        QCOMPARE(at(2, 7), 0x5DC3C3);
        QCOMPARE(at(7, 2), 0x7BE1E1);
        QCOMPARE(at(1, 8), 0x7BE1E1);
        int painted = 0;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x)
                painted += qAlpha(grip.pixel(x, y)) != 0;
        QCOMPARE(painted, 18);
    }

    void drawsTheProgramSequence()
    {
        // A fresh run draws 0 and then 1 below 40: the first note's offsets.
        ProgramRandom random;
        QCOMPARE(random.next(40), 0);
        QCOMPARE(random.next(40), 1);
        std::set<int> seen;
        for (int i = 0; i < 400; ++i) {
            const int n = random.next(40);
            QVERIFY(n >= 0 && n < 40);
            seen.insert(n);
        }
        QVERIFY(seen.size() > 30);
    }

    void placesNewNotesNearTheCentre()
    {
        ProgramRandom random;
        const QRect screen(0, 0, 1280, 800);
        // r1 = 0, r2 = 1: 640 - 100 - 0 + 10 and 400 - 100 - 1 + 10.
        QCOMPARE(NotePlacement::newNotePosition(screen, QSize(200, 200), random), QPoint(550, 309));
        for (int i = 0; i < 200; ++i) {
            const QPoint p = NotePlacement::newNotePosition(screen, QSize(200, 200), random);
            QVERIFY(p.x() >= 540 - 29 && p.x() <= 540 + 10);
            QVERIFY(p.y() >= 300 - 29 && p.y() <= 300 + 10);
        }
    }

    // Stored bounds are absolute on the desktop: kept wherever a monitor
    // still shows part of the note, otherwise fitted onto the nearest one.
    void restoresStoredBounds_data()
    {
        using Monitors = QList<QRect>;
        QTest::addColumn<Monitors>("monitors");   // the primary first
        QTest::addColumn<QRect>("stored");
        QTest::addColumn<QRect>("restored");
        const Monitors single{QRect(0, 0, 1920, 1080)};
        // Primary on the right of a second monitor.
        const Monitors primaryRight{QRect(1280, 0, 1280, 800), QRect(0, 0, 1280, 800)};
        // Primary on the left, a taller one to its right, lower down.
        const Monitors staggered{QRect(0, 0, 1280, 800), QRect(1280, 200, 1024, 1280)};
        // Windows puts the primary at the origin; others may lie at negative places.
        const Monitors leftOfOrigin{QRect(0, 0, 1920, 1080), QRect(-1280, 0, 1280, 1024)};

        QTest::newRow("single: inside stays") << single << QRect(320, 240, 200, 200) << QRect(320, 240, 200, 200);
        QTest::newRow("single: a second display gone")
            << single << QRect(2500, 100, 200, 200) << QRect(1720, 100, 200, 200);
        QTest::newRow("single: too wide") << single << QRect(0, 0, 3000, 200) << QRect(0, 0, 1920, 200);
        QTest::newRow("single: below") << single << QRect(10, 1200, 200, 300) << QRect(10, 780, 200, 300);
        QTest::newRow("single: partly above stays") << single << QRect(10, -100, 200, 300) << QRect(10, -100, 200, 300);
        QTest::newRow("primary right: on the primary")
            << primaryRight << QRect(1400, 300, 200, 200) << QRect(1400, 300, 200, 200);
        QTest::newRow("primary right: on the left monitor")
            << primaryRight << QRect(100, 300, 200, 200) << QRect(100, 300, 200, 200);
        QTest::newRow("primary right: across both")
            << primaryRight << QRect(1200, 300, 200, 200) << QRect(1200, 300, 200, 200);
        QTest::newRow("primary right: past the right edge")
            << primaryRight << QRect(2600, 300, 200, 200) << QRect(2360, 300, 200, 200);
        QTest::newRow("primary right: below the left one")
            << primaryRight << QRect(100, 900, 200, 200) << QRect(100, 600, 200, 200);
        QTest::newRow("primary right: wider than the desktop")
            << primaryRight << QRect(0, 0, 3000, 200) << QRect(0, 0, 2560, 200);
        QTest::newRow("staggered: in the corner gap goes to the nearer")
            << staggered << QRect(1400, 0, 200, 150) << QRect(1400, 200, 200, 150);
        QTest::newRow("staggered: under the primary")
            << staggered << QRect(300, 1000, 200, 200) << QRect(300, 600, 200, 200);
        QTest::newRow("staggered: low on the second")
            << staggered << QRect(1500, 1300, 200, 200) << QRect(1500, 1300, 200, 200);
        QTest::newRow("left of origin: on the left monitor")
            << leftOfOrigin << QRect(-1000, 100, 200, 200) << QRect(-1000, 100, 200, 200);
        QTest::newRow("left of origin: beyond it")
            << leftOfOrigin << QRect(-1600, 100, 200, 200) << QRect(-1280, 100, 200, 200);
    }

    void restoresStoredBounds()
    {
        QFETCH(QList<QRect>, monitors);
        QFETCH(QRect, stored);
        QFETCH(QRect, restored);
        QCOMPARE(NotePlacement::restoredBounds(stored, monitors), restored);
    }

    void snapsToTheWorkArea_data()
    {
        QTest::addColumn<QPoint>("position");
        QTest::addColumn<QPoint>("snapped");
        QTest::newRow("6 from the left snaps") << QPoint(6, 300) << QPoint(0, 300);
        QTest::newRow("12 from the left stays") << QPoint(12, 300) << QPoint(12, 300);
        QTest::newRow("9 past the left snaps") << QPoint(-9, 300) << QPoint(0, 300);
        QTest::newRow("right edge") << QPoint(1280 - 200 - 7, 300) << QPoint(1080, 300);
        QTest::newRow("top of a panel-free area") << QPoint(500, 33) << QPoint(500, 30);
        QTest::newRow("bottom above the panel") << QPoint(500, 776 - 200 + 4) << QPoint(500, 576);
        QTest::newRow("corner") << QPoint(3, 25) << QPoint(0, 30);
    }

    void snapsToTheWorkArea()
    {
        QFETCH(QPoint, position);
        QFETCH(QPoint, snapped);
        const QRect area(0, 30, 1280, 746);
        QCOMPARE(NotePlacement::snapToArea(QRect(position, QSize(200, 200)), area), snapped);
    }

    void namesFilesByTheDigitsOfTheMoment_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("digits");
        QTest::newRow("dotted day first") << "24.05.2019 09:15:42" << "24052019091542";
        QTest::newRow("us with am") << "5/24/2019 9:15:42 AM" << "524201991542";
        QTest::newRow("no digits") << "abc" << "";
    }

    void namesFilesByTheDigitsOfTheMoment()
    {
        QFETCH(QString, text);
        QFETCH(QString, digits);
        QCOMPARE(NoteNaming::digitsOf(text), digits);
    }

    void writesTheMomentInTheLocale()
    {
        const QLocale german(QLocale::German, QLocale::Germany);
        const QDateTime moment(QDate(2019, 5, 24), QTime(9, 15, 42));
        QCOMPARE(NoteNaming::dateTimeText(moment, german), QStringLiteral("24.05.19 09:15:42"));
        QCOMPARE(NoteNaming::fileNameFor(moment, german), QStringLiteral("240519091542.pnf"));
        // At exactly midnight the date stands alone.
        const QDateTime midnight(QDate(2019, 5, 24), QTime(0, 0));
        QCOMPARE(NoteNaming::dateTimeText(midnight, german), QStringLiteral("24.05.19"));
        // The time zone's name never adds digits.
        QVERIFY(!NoteNaming::longTimeFormat(QLocale::c()).contains(QLatin1Char('t')));
        QVERIFY(!NoteNaming::longTimeFormat(german).contains(QLatin1Char('t')));
    }

    // One rule for the folder listing and the folder watcher.
    void tellsNoteFilesFromOthers_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("note");
        QTest::newRow("a note") << QStringLiteral("240519091542.pnf") << true;
        QTest::newRow("any case") << QStringLiteral("Old.PNF") << true;
        QTest::newRow("hidden") << QStringLiteral(".240519091542.pnf") << false;
        QTest::newRow("an editor's backup") << QStringLiteral("240519091542.pnf~") << false;
        QTest::newRow("a sync tool's temporary file") << QStringLiteral("240519091542.pnf.tmp") << false;
        QTest::newRow("the extension alone is hidden") << QStringLiteral(".pnf") << false;
        QTest::newRow("another file") << QStringLiteral("settings.ini") << false;
    }
    void tellsNoteFilesFromOthers()
    {
        QFETCH(QString, name);
        QTEST(NoteNaming::isNoteFileName(name), "note");
    }

    void makesNamesUnique()
    {
        const QStringList used{"123.pnf", "1231.pnf", "1232.pnf"};
        const auto taken = [&used](const QString &name) { return used.contains(name); };
        QCOMPARE(NoteNaming::uniqueFileName(QStringLiteral("456.pnf"), taken), QStringLiteral("456.pnf"));
        QCOMPARE(NoteNaming::uniqueFileName(QStringLiteral("123.pnf"), taken), QStringLiteral("1233.pnf"));
    }

    void titlesNewNotes_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<QString>("title");
        QTest::newRow("0") << 0 << "New Note";
        QTest::newRow("1 date") << 1 << "24.05.19";
        QTest::newRow("2 date and time") << 2 << "24.05.19 09:15:42";
        QTest::newRow("3 time") << 3 << "09:15:42";
    }

    void titlesNewNotes()
    {
        QFETCH(int, style);
        QFETCH(QString, title);
        const QDateTime moment(QDate(2019, 5, 24), QTime(9, 15, 42));
        QCOMPARE(NoteNaming::titleFor(style, moment, QLocale(QLocale::German, QLocale::Germany)), title);
    }

    void leavesOtherTitleStylesAlone()
    {
        QVERIFY(!NoteNaming::titleFor(7, QDateTime::currentDateTime(), QLocale::c()).has_value());
        QVERIFY(!NoteNaming::titleFor(-1, QDateTime::currentDateTime(), QLocale::c()).has_value());
    }
};

QTEST_GUILESS_MAIN(TestNoteParts)
#include "tst_note_parts.moc"
