#include "framework/popup_menu.h"
#include "framework/system_metrics.h"
#include "framework/theme_registry.h"
#include "theme/color_palette.h"
#include "theme/ide_theme.h"
#include "theme/note_color_set.h"
#include "theme/tool_viewer.h"
#include "theme_test_support.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QTest>
#include <QToolTip>

using ThemeTest::pixel;

namespace {

// A palette in an open themed menu, with its viewer.
struct OpenPalette
{
    PopupMenu menu;
    TTBXColorPalette *palette = nullptr;
    TTBXToolViewer *viewer = nullptr;

    explicit OpenPalette(TTBXCustomColorSet *set = nullptr)
    {
        QFont font = menu.font();
        font.setPixelSize(11);   // 13 pixels of text: the strip is 22 wide
        menu.setFont(font);
        palette = new TTBXColorPalette(&menu);
        palette->setColorSet(set);
        menu.addAction(palette);
        menu.popup(QPoint(50, 50));
        // Constructors cannot QVERIFY: the cases check viewer themselves.
        if (QTest::qWaitForWindowExposed(&menu))
            viewer = menu.findChild<TTBXToolViewer *>();
    }
    QPoint centreOf(QPoint cell) const { return viewer->cellRect(cell).toQRect().center(); }
    void moveTo(QPoint pos) const
    {
        QMouseEvent move(QEvent::MouseMove, pos, viewer->mapToGlobal(pos), Qt::NoButton, Qt::NoButton, {});
        QCoreApplication::sendEvent(viewer, &move);
    }
};

// 8 x 2 where (3, 0) repeats (1, 0), (0, 1) is the button face and (7, 1) a gap.
void gappySet(TTBXCustomColorSet *, int col, int row, Color &color, QString &name)
{
    if (row == 1 && col == 7)
        return;
    color = row == 0 && col == 3 ? Color::fromValue(0x112233) : Color::rgb(col * 20, row * 50, 7);
    if (row == 0 && col == 1)
        color = Color::fromValue(0x112233);
    if (row == 1 && col == 0)
        color = Color::fromValue(0xF0F0F0);
    name = QStringLiteral("c%1r%2").arg(col).arg(row);
}

// Sends a click to `to` (when it is a cell) and allows or refuses it.
struct ClickFilter final : CellClickFilter
{
    ClickFilter(QPoint to, bool allow) : to(to), allow(allow) {}
    bool cellClick(TTBXCustomToolPalette &, int &col, int &row) override
    {
        if (to.x() >= 0)
            col = to.x(), row = to.y();
        return allow;
    }
    QPoint to;
    bool allow;
};

} // namespace

class TestColorPalette : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        ThemeTest::useClassicPalette();
        useIdeTheme();
    }

    void defaultSetNames_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("color");
        QTest::addColumn<QString>("name");
        QTest::newRow("first") << 0 << 0 << 0x000000 << "Black";
        QTest::newRow("lower-case b") << 5 << 0 << 0x800000 << "Dark blue";
        QTest::newRow("gray 50") << 7 << 1 << 0x808080 << "Gray-50%";
        QTest::newRow("last") << 7 << 4 << 0xFFFFFF << "White";
        QTest::newRow("outside") << 8 << 0 << Color::none().value() << "";
        QTest::newRow("below") << 0 << 5 << Color::none().value() << "";
    }
    void defaultSetNames()
    {
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(int, color);
        QFETCH(QString, name);
        TTBXDefaultColorSet set;
        QCOMPARE(set.ColCount(), 8);
        QCOMPARE(set.RowCount(), 5);
        QCOMPARE(set.GetColor(col, row), Color::fromValue(color));
        QCOMPARE(set.GetName(col, row), name);
    }

    void noteColours_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("color");
        QTest::addColumn<QString>("name");
        QTest::newRow("(0, 0)") << 0 << 0 << 0x0000FF << "Red";
        QTest::newRow("(7, 2)") << 7 << 2 << 0xFFFFFF << "White";
        QTest::newRow("(1, 1)") << 1 << 1 << 0x00CCFF << "Gold";
        QTest::newRow("default note colour") << 2 << 2 << 0x99FFFF << "Light Yellow";
        QTest::newRow("(7, 0)") << 7 << 0 << 0x969696 << "Dark Gray";
        QTest::newRow("row 3") << 0 << 3 << Color::none().value() << "";
        QTest::newRow("column 8") << 8 << 0 << Color::none().value() << "";
        QTest::newRow("negative") << -1 << 0 << Color::none().value() << "";
    }
    void noteColours()
    {
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(int, color);
        QFETCH(QString, name);
        TTBXColorSet set(NoteColorSet::GetNoteColorInfo);
        set.setColCount(8);
        set.setRowCount(3);
        QCOMPARE(set.GetColor(col, row), Color::fromValue(color));
        QCOMPARE(set.GetName(col, row), name);
    }

    void noteColourOfDefaultIsMarked()
    {
        TTBXColorSet set(NoteColorSet::GetNoteColorInfo);
        set.UpdateSize(8, 3);
        TTBXColorPalette palette;
        palette.setColorSet(&set);
        QCOMPARE(palette.ColCount(), 8);
        QCOMPARE(palette.RowCount(), 3);
        palette.setColor(Color::fromValue(0x99FFFF));
        QCOMPARE(palette.SelectedCell(), QPoint(2, 2));
        palette.setColor(Color::fromValue(0x123456));
        QCOMPARE(palette.SelectedCell(), QPoint(-1, 0));
    }

    void findCell_data()
    {
        QTest::addColumn<int>("color");
        QTest::addColumn<QPoint>("cell");
        QTest::newRow("duplicate: first in row order") << 0x112233 << QPoint(1, 0);
        QTest::newRow("system colour resolved") << systemColor(SystemColor::ButtonFace).value() << QPoint(0, 1);
        QTest::newRow("absent") << 0x010101 << QPoint(-1, 0);
        QTest::newRow("none finds the gap") << Color::none().value() << QPoint(7, 1);
    }
    void findCell()
    {
        QFETCH(int, color);
        QFETCH(QPoint, cell);
        TTBXColorSet set(gappySet);
        set.UpdateSize(8, 2);
        TTBXColorPalette palette;
        palette.setColorSet(&set);
        QCOMPARE(palette.FindCell(Color::fromValue(color)), cell);
    }

    // Setting Color is a pick: it signals, even for a colour not in the set.
    void settingColorRaisesOnChange()
    {
        TTBXColorPalette palette;
        int changes = 0;
        connect(&palette, &TTBXColorPalette::selectionChanged, this, [&] {
            QCOMPARE(sender(), &palette);
            ++changes;
        });
        palette.setColor(Color::fromValue(0x99FFFF));
        QCOMPARE(changes, 1);
        QCOMPARE(palette.SelectedCell(), QPoint(2, 4));
        palette.setColor(Color::fromValue(0x99FFFF));
        QCOMPARE(changes, 2);
        palette.setColor(Color::fromValue(0x010203));
        QCOMPARE(changes, 3);
        QCOMPARE(palette.SelectedCell(), QPoint(-1, 0));
        QCOMPARE(palette.Color(), Color::fromValue(0x010203));
        // A preset reports nothing.
        palette.presetColor(Color::fromValue(0x000000));
        QCOMPARE(changes, 3);
    }

    void clickCell()
    {
        TTBXColorPalette palette;
        Color picked = Color::none();
        connect(&palette, &TTBXColorPalette::selectionChanged, this, [&] { picked = palette.Color(); });
        palette.ClickCell(1, 0);
        QCOMPARE(picked, Color::fromValue(0x003399));
        QCOMPARE(palette.SelectedCell(), QPoint(1, 0));
        // The filter may redirect the click...
        ClickFilter redirect(QPoint(0, 4), true);
        palette.setCellClickFilter(&redirect);
        palette.ClickCell(1, 0);
        QCOMPARE(picked, Color::fromValue(0xCC99FF));
        // ...or forbid it.
        ClickFilter refuse(QPoint(-1, 0), false);
        palette.setCellClickFilter(&refuse);
        palette.ClickCell(7, 4);
        QCOMPARE(palette.SelectedCell(), QPoint(0, 4));
        palette.setCellClickFilter(nullptr);
        palette.setPaletteOptions(palette.PaletteOptions() | tpoNoAutoSelect);
        palette.ClickCell(7, 4);
        QCOMPARE(palette.SelectedCell(), QPoint(0, 4));
    }

    void colorToString()
    {
        TTBXDefaultColorSet set;
        QCOMPARE(set.ColorToString(Color::none()), QStringLiteral("None"));
        QCOMPARE(set.ColorToString(Color::fromValue(0x800000)), QStringLiteral("Dark blue"));
        QCOMPARE(set.ColorToString(Color::fromValue(0x0A0B0C)), QStringLiteral("#0C0B0A"));
        QCOMPARE(set.ColorToString(systemColor(SystemColor::Window)), QStringLiteral("White"));
    }

    void colorSetLifetime()
    {
        TTBXColorPalette palette;
        {
            TTBXColorSet set(NoteColorSet::GetNoteColorInfo);
            set.UpdateSize(8, 3);
            palette.setColorSet(&set);
            QCOMPARE(palette.RowCount(), 3);
            set.UpdateSize(300, 2);   // counts are bytes
            QCOMPARE(palette.ColCount(), 300 & 0xFF);
            QCOMPARE(palette.RowCount(), 2);
        }
        QCOMPARE(palette.ColorSet(), nullptr);
        QCOMPARE(palette.GetCellHint(5, 0), QStringLiteral("Dark blue"));
    }

    void layoutInMenu_data()
    {
        QTest::addColumn<bool>("noteColours");
        QTest::addColumn<QSize>("size");
        QTest::newRow("default set") << false << QSize(177, 90);
        QTest::newRow("note colours") << true << QSize(177, 54);
    }
    void layoutInMenu()
    {
        QFETCH(bool, noteColours);
        QFETCH(QSize, size);
        TTBXColorSet set(NoteColorSet::GetNoteColorInfo);
        set.UpdateSize(8, 3);
        OpenPalette open(noteColours ? &set : nullptr);
        QVERIFY(open.viewer);
        QCOMPARE(open.menu.ImageStripWidth(), 22);
        QCOMPARE(open.viewer->GridLeft(), 30);
        QCOMPARE(open.viewer->cellSize(), QSize(18, 18));
        QCOMPARE(open.viewer->sizeHint(), size);
        QCOMPARE(open.menu.actionGeometry(open.palette).size(), size);
    }

    void keyboard_data()
    {
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<QPoint>("target");   // (-1, 0): not taken
        QTest::newRow("right") << QPoint(2, 1) << int(Qt::Key_Right) << QPoint(3, 1);
        QTest::newRow("right wraps down") << QPoint(7, 1) << int(Qt::Key_Right) << QPoint(0, 2);
        QTest::newRow("right off the last cell") << QPoint(7, 4) << int(Qt::Key_Right) << QPoint(-1, 0);
        QTest::newRow("left wraps up") << QPoint(0, 2) << int(Qt::Key_Left) << QPoint(7, 1);
        QTest::newRow("left off the first cell") << QPoint(0, 0) << int(Qt::Key_Left) << QPoint(-1, 0);
        QTest::newRow("up") << QPoint(3, 2) << int(Qt::Key_Up) << QPoint(3, 1);
        QTest::newRow("up off the grid") << QPoint(3, 0) << int(Qt::Key_Up) << QPoint(-1, 0);
        QTest::newRow("down") << QPoint(3, 2) << int(Qt::Key_Down) << QPoint(3, 3);
        QTest::newRow("home") << QPoint(5, 3) << int(Qt::Key_Home) << QPoint(0, 3);
        QTest::newRow("end") << QPoint(2, 3) << int(Qt::Key_End) << QPoint(7, 3);
        QTest::newRow("page up") << QPoint(4, 3) << int(Qt::Key_PageUp) << QPoint(4, 0);
        QTest::newRow("page down") << QPoint(4, 1) << int(Qt::Key_PageDown) << QPoint(4, 4);
        QTest::newRow("end at the end") << QPoint(7, 3) << int(Qt::Key_End) << QPoint(-1, 0);
        QTest::newRow("letters are not ours") << QPoint(1, 1) << int(Qt::Key_A) << QPoint(-1, 0);
    }
    void keyboard()
    {
        QFETCH(QPoint, start);
        QFETCH(int, key);
        QFETCH(QPoint, target);
        OpenPalette open;
        open.viewer->setHotCell(start);
        const bool taken = open.viewer->handleKey(key);
        QCOMPARE(taken, target.x() >= 0);
        QCOMPARE(open.viewer->HotCell(), taken ? target : start);
    }

    // Without a hot or selected cell any key makes (0, 0) hot, Escape too;
    // the next Escape belongs to the menu.
    void firstKeyLandsOnFirstCell()
    {
        OpenPalette open;
        QCOMPARE(open.viewer->HotCell(), QPoint(-1, 0));
        QVERIFY(open.viewer->handleKey(Qt::Key_Escape));
        QCOMPARE(open.viewer->HotCell(), QPoint(0, 0));
        QVERIFY(!open.viewer->handleKey(Qt::Key_Escape));
        // The selected cell is the start when nothing is hot.
        OpenPalette second;
        second.palette->presetColor(Color::fromValue(0xFFCC00));   // Sky Blue (5, 3)
        QVERIFY(second.viewer->handleKey(Qt::Key_Left));
        QCOMPARE(second.viewer->HotCell(), QPoint(4, 3));
    }

    void enterPicksHotCell()
    {
        OpenPalette open;
        open.viewer->setHotCell(QPoint(1, 2));
        QVERIFY(!open.viewer->handleKey(Qt::Key_Return));   // the menu then closes
        QCOMPARE(open.palette->Color(), Color::fromValue(0x0099FF));
    }

    void enteringFromAboveAndBelow()
    {
        TTBXColorSet set(gappySet);
        set.UpdateSize(8, 2);
        OpenPalette open(&set);
        open.viewer->entering(true, true);
        QCOMPARE(open.viewer->HotCell(), QPoint(0, 0));
        // From below: the last cell, moved left past the gap at (7, 1).
        open.viewer->entering(true, false);
        QCOMPARE(open.viewer->HotCell(), QPoint(6, 1));
        open.viewer->entering(false, false);
        QCOMPARE(open.viewer->HotCell(), QPoint(-1, 0));
    }

    // Through the menu's own key routing: the grid takes the keys it can use
    // and leaves the rest to the menu.
    void keyboardThroughTheMenu()
    {
        PopupMenu menu;
        QAction *above = menu.addItem(QStringLiteral("Above"));
        auto *palette = new TTBXColorPalette(&menu);
        menu.addAction(palette);
        QAction *below = menu.addItem(QStringLiteral("Below"));
        Color picked = Color::none();
        connect(palette, &TTBXColorPalette::selectionChanged, this, [&] { picked = palette->Color(); });
        menu.popup(QPoint(40, 40));
        QTRY_VERIFY(menu.windowHandle() && menu.isVisible());
        auto *viewer = menu.findChild<TTBXToolViewer *>();
        QWindow *window = menu.windowHandle();

        menu.setActiveAction(below);
        QTest::keyClick(window, Qt::Key_Up);
        QCOMPARE(menu.activeAction(), palette);
        QCOMPARE(viewer->HotCell(), QPoint(7, 4));   // entered from below

        menu.setActiveAction(above);
        QTest::keyClick(window, Qt::Key_Down);
        QCOMPARE(menu.activeAction(), palette);
        QCOMPARE(viewer->HotCell(), QPoint(0, 0));   // entered from above
        QTest::keyClick(window, Qt::Key_Right);
        QCOMPARE(viewer->HotCell(), QPoint(1, 0));
        QTest::keyClick(window, Qt::Key_Up);           // off the grid: the menu moves
        QCOMPARE(menu.activeAction(), above);
        QTest::keyClick(window, Qt::Key_Down);
        QTest::keyClick(window, Qt::Key_Right);
        QTest::keyClick(window, Qt::Key_Return);
        QCOMPARE(picked, Color::fromValue(0x003399));            // Brown
        QTRY_VERIFY(!menu.isVisible());
    }

    // Closed with Escape while the pointer was over a cell, then reopened by
    // keyboard: wherever the pointer now rests, nothing is hot until it
    // moves, and keys start from the marked colour.
    void reopeningForgetsThePointer_data()
    {
        QTest::addColumn<QPoint>("restsOver");   // (-1, 0): away from the palette
        QTest::newRow("pointer elsewhere") << QPoint(-1, 0);
        QTest::newRow("pointer over another cell") << QPoint(1, 4);
        QTest::newRow("pointer over the same cell") << QPoint(3, 1);
    }
    void reopeningForgetsThePointer()
    {
        QFETCH(QPoint, restsOver);
        const QPoint hoveredBefore(3, 1);
        PopupMenu menu;
        QAction *first = menu.addItem(QStringLiteral("First"));
        PopupMenu *color = menu.addSubmenu(QStringLiteral("Color"));
        auto *palette = new TTBXColorPalette(color);
        color->addAction(palette);
        palette->presetColor(Color::fromValue(0xFFCC00));   // Sky Blue (5, 3)
        Color picked = Color::none();
        connect(palette, &TTBXColorPalette::selectionChanged, this, [&] { picked = palette->Color(); });
        QCursor::setPos(QPoint(700, 700));
        menu.popup(QPoint(20, 20));
        QVERIFY(QTest::qWaitForWindowExposed(&menu));

        // Down onto "Color" (a key does not open it), Right opens it.
        const auto openByKeyboard = [&] {
            QTest::keyClick(menu.windowHandle(), Qt::Key_Right);
            return QTest::qWaitForWindowExposed(color) && color->activeAction() == palette;
        };
        menu.setActiveAction(first);
        QTest::keyClick(menu.windowHandle(), Qt::Key_Down);
        QCOMPARE(menu.activeAction(), color->menuAction());
        QVERIFY(openByKeyboard());
        auto *viewer = color->findChild<TTBXToolViewer *>();
        QVERIFY(viewer);
        const auto centreOf = [&](QPoint cell) { return viewer->cellRect(cell).toQRect().center(); };
        QTest::mouseMove(viewer, centreOf(hoveredBefore));
        QTRY_COMPARE(viewer->HotCell(), hoveredBefore);
        const QPoint restAt = restsOver.x() < 0 ? QPoint(700, 700) : viewer->mapToGlobal(centreOf(restsOver));
        QTest::keyClick(color->windowHandle(), Qt::Key_Escape);
        QTRY_VERIFY(!color->isVisible());
        QVERIFY(menu.isVisible());
        QCursor::setPos(restAt);   // nothing is shown there now
        QCoreApplication::processEvents();   // the move lands before the reopening

        QVERIFY(openByKeyboard());
        QCOMPARE(color->findChild<TTBXToolViewer *>(), viewer);
        QCOMPARE(viewer->HotCell(), QPoint(-1, 0));
        const QImage img = viewer->grab().toImage();
        const Rect stale = viewer->cellRect(hoveredBefore);
        QCOMPARE(pixel(img, stale.left + 1, stale.top + 1), Color::fromValue(0xF0F0F0));   // not drawn hot
        QTest::keyClick(color->windowHandle(), Qt::Key_Right);
        QCOMPARE(viewer->HotCell(), QPoint(6, 3));
        QTest::keyClick(color->windowHandle(), Qt::Key_Return);
        QCOMPARE(picked, Color::fromValue(0x663399));   // Plum
        QTRY_VERIFY(!menu.isVisible());
    }

    // Moving between cells repaints the two cells only.
    void hoverInvalidatesTwoCells()
    {
        OpenPalette open;
        QRegion painted;
        struct Spy : QObject
        {
            QRegion *region;
            bool eventFilter(QObject *, QEvent *e) override
            {
                if (e->type() == QEvent::Paint)
                    *region += static_cast<QPaintEvent *>(e)->region();
                return false;
            }
        } spy;
        spy.region = &painted;
        open.viewer->installEventFilter(&spy);
        const QRegion first(open.viewer->cellRect(QPoint(1, 1)).toQRect());
        open.moveTo(open.centreOf(QPoint(1, 1)));
        QCOMPARE(open.viewer->HotCell(), QPoint(1, 1));
        // Whatever the opening still had to paint comes first.
        QTRY_VERIFY(painted.contains(first.boundingRect()));
        painted = QRegion();
        open.moveTo(open.centreOf(QPoint(2, 1)));
        QCOMPARE(open.viewer->HotCell(), QPoint(2, 1));
        const QRegion expected = first + open.viewer->cellRect(QPoint(2, 1)).toQRect();
        QTRY_COMPARE(painted, expected);
    }

    void hotCellLooksHot()
    {
        OpenPalette open;
        open.moveTo(open.centreOf(QPoint(3, 3)));
        QCOMPARE(open.menu.activeAction(), open.palette);   // the move reached the menu too
        const QImage img = open.viewer->grab().toImage();
        const Rect cell = open.viewer->cellRect(QPoint(3, 3));
        const auto &hot = static_cast<TTBXIdeTheme *>(currentTheme())->colors().BtnItemColors[TBtnItemState::Hot];
        QCOMPARE(pixel(img, cell.left, cell.top), hot[TItemPart::Frame]);
        QCOMPARE(pixel(img, cell.left + 1, cell.top + 1), hot[TItemPart::Body]);
        QCOMPARE(pixel(img, cell.left + 4, cell.top + 4), Color::fromValue(0x00FF00));   // Bright Green
    }

    void releaseOnCellPicksAndCloses()
    {
        OpenPalette open;
        Color picked = Color::none();
        connect(open.palette, &TTBXColorPalette::selectionChanged, this, [&] { picked = open.palette->Color(); });
        QTest::mouseClick(open.viewer, Qt::LeftButton, {}, open.centreOf(QPoint(4, 4)));
        QCOMPARE(picked, Color::fromValue(0xFFFFCC));   // Light Turquoise
        QTRY_VERIFY(!open.menu.isVisible());
    }

    // In a submenu the pick closes the parent menu too.
    void pickClosesWholeChain()
    {
        PopupMenu menu;
        menu.addItem(QStringLiteral("First"));
        PopupMenu *color = menu.addSubmenu(QStringLiteral("Color"));
        auto *palette = new TTBXColorPalette(color);
        color->addAction(palette);
        menu.popup(QPoint(20, 20));
        QTRY_VERIFY(menu.isVisible());
        menu.setActiveAction(color->menuAction());
        QTest::keyClick(menu.windowHandle(), Qt::Key_Right);
        QTRY_VERIFY(color->isVisible());
        auto *viewer = color->findChild<TTBXToolViewer *>();
        QTest::mouseClick(viewer, Qt::LeftButton, {}, viewer->cellRect(QPoint(0, 0)).toQRect().center());
        QCOMPARE(palette->Color(), Color::fromValue(0x000000));
        QTRY_VERIFY(!color->isVisible());
        QTRY_VERIFY(!menu.isVisible());
    }

    // Left of the grid (GridLeft is 30) no cell is hit, however close.
    void releaseBetweenCellsOnlyCloses_data()
    {
        QTest::addColumn<int>("x");
        QTest::newRow("in the strip") << 10;
        QTest::newRow("first pixel of the gap") << 13;
        QTest::newRow("last pixel of the gap") << 29;
    }
    void releaseBetweenCellsOnlyCloses()
    {
        QFETCH(int, x);
        OpenPalette open;
        int changes = 0;
        connect(open.palette, &TTBXColorPalette::selectionChanged, this, [&] { ++changes; });
        QTest::mouseClick(open.viewer, Qt::LeftButton, {}, QPoint(x, 10));
        QTRY_VERIFY(!open.menu.isVisible());
        QCOMPARE(changes, 0);
    }

    void cellFromPoint_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<bool>("valid");
        QTest::newRow("strip") << QPoint(5, 5) << QPoint(-2, 0) << false;
        QTest::newRow("gap start") << QPoint(13, 5) << QPoint(-1, 0) << false;
        QTest::newRow("gap end") << QPoint(29, 5) << QPoint(-1, 0) << false;
        QTest::newRow("grid start") << QPoint(30, 0) << QPoint(0, 0) << true;
        QTest::newRow("second column") << QPoint(48, 20) << QPoint(1, 1) << true;
        QTest::newRow("last cell") << QPoint(30 + 8 * 18 - 1, 5 * 18 - 1) << QPoint(7, 4) << true;
        QTest::newRow("right gap") << QPoint(30 + 8 * 18, 5) << QPoint(8, 0) << false;
        QTest::newRow("above") << QPoint(40, -1) << QPoint(0, -1) << false;
    }
    void cellFromPoint()
    {
        QFETCH(QPoint, at);
        QFETCH(QPoint, cell);
        QFETCH(bool, valid);
        OpenPalette open;
        QCOMPARE(open.viewer->CellFromPoint(at.x(), at.y()), cell);
        QCOMPARE(open.viewer->isValid(cell), valid);
    }

    void tooltipNamesTheCell()
    {
        OpenPalette open;
        const QPoint at = open.centreOf(QPoint(5, 0));
        QHelpEvent help(QEvent::ToolTip, at, open.viewer->mapToGlobal(at));
        QCoreApplication::sendEvent(open.viewer, &help);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("Dark blue"));
        const QPoint next = open.centreOf(QPoint(4, 4));
        QHelpEvent help2(QEvent::ToolTip, next, open.viewer->mapToGlobal(next));
        QCoreApplication::sendEvent(open.viewer, &help2);
        QTRY_COMPARE(QToolTip::text(), QStringLiteral("Light Turquoise"));
        QToolTip::hideText();
    }

    // Each cell: an 18 x 18 button background with a 12 x 12 framed swatch
    // 3 pixels in; a disabled palette draws empty frames.
    void swatches_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::newRow("enabled") << true;
        QTest::newRow("disabled") << false;
    }
    void swatches()
    {
        QFETCH(bool, enabled);
        OpenPalette open;
        open.palette->setEnabled(enabled);
        open.palette->presetColor(Color::fromValue(0x0000FF));   // Red (0, 2), checked
        const QImage img = open.viewer->grab().toImage();
        const Rect cell = open.viewer->cellRect(QPoint(1, 0));   // Brown
        const Color shadow = systemColor(SystemColor::ButtonShadow).resolved(sysColor);
        QCOMPARE(pixel(img, cell.left + 3, cell.top + 3), shadow);
        QCOMPARE(pixel(img, cell.left + 14, cell.top + 14), shadow);
        QCOMPARE(pixel(img, cell.left + 4, cell.top + 4), enabled ? Color::fromValue(0x003399) : Color::fromValue(0xF0F0F0));
        QCOMPARE(pixel(img, cell.left + 1, cell.top + 1), Color::fromValue(0xF0F0F0));   // normal: no background
        const Rect checked = open.viewer->cellRect(QPoint(0, 2));
        const auto *theme = static_cast<TTBXIdeTheme *>(currentTheme());
        if (enabled) {
            QCOMPARE(pixel(img, checked.left, checked.top), Color(TTBXIdeTheme::HotColor));
            QCOMPARE(pixel(img, checked.left + 1, checked.top + 1),
                     theme->colors().BtnItemColors[TBtnItemState::Selected][TItemPart::Body]);
            QCOMPARE(pixel(img, checked.left + 4, checked.top + 4), Color::fromValue(0x0000FF));
        }
        // The strip runs beside the grid.
        QCOMPARE(pixel(img, 24, 5), Color(TTBXIdeTheme::LineColor));
    }
};

QTEST_MAIN(TestColorPalette)
#include "tst_color_palette.moc"
