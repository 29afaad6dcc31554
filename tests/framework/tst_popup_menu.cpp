#include "framework/image_list.h"
#include "framework/menu_style.h"
#include "framework/popup_menu.h"
#include "framework/theme_registry.h"
#include "theme/ide_theme.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QTest>

namespace {

Color pixel(const QImage &img, int x, int y)
{
    return Color::fromQColor(img.pixelColor(x, y));
}

QImage square(QColor c)
{
    QImage img(16, 16, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter(&img).fillRect(4, 4, 8, 8, c);
    return img;
}

// The tray menu's shape: image item, separators, plain, checked, disabled, submenu.
struct TrayLikeMenu
{
    ImageList images;
    PopupMenu menu;
    QAction *newNote, *separator, *show, *checked, *disabled, *exit;
    PopupMenu *submenu;

    TrayLikeMenu()
    {
        QFont font = menu.font();
        font.setPixelSize(11);
        menu.setFont(font);
        images.add(square(Qt::red));
        menu.setImages(&images);
        newNote = menu.addItem(QStringLiteral("New Note"), 0);
        separator = menu.addSeparator();
        show = menu.addItem(QStringLiteral("Show All Notes"));
        checked = menu.addItem(QStringLiteral("Checked"));
        checked->setCheckable(true);
        checked->setChecked(true);
        disabled = menu.addItem(QStringLiteral("Disabled"));
        disabled->setEnabled(false);
        submenu = menu.addSubmenu(QStringLiteral("More"));
        submenu->addItem(QStringLiteral("Inside"));
        exit = menu.addItem(QStringLiteral("Exit"));
        menu.popup(QPoint(20, 20));
        // Constructors cannot QVERIFY: each case checks `exposed`.
        exposed = QTest::qWaitForWindowExposed(&menu);
    }
    QRect geometry(QAction *a) const { return menu.actionGeometry(a); }
    bool exposed = false;
};

} // namespace

class TestPopupMenu : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { useIdeTheme(); }

    void itemsCarryTheirData()
    {
        PopupMenu menu;
        QAction *a = menu.addItem(QStringLiteral("Item"), 3);
        a->setData(42);
        QCOMPARE(PopupMenu::imageIndex(a), 3);
        QCOMPARE(PopupMenu::imageIndex(menu.addItem(QStringLiteral("Plain"))), -1);
        QCOMPARE(a->data().toInt(), 42);
        ImageList images;
        menu.setImages(&images);
        PopupMenu *sub = menu.addSubmenu(QStringLiteral("Sub"));
        QCOMPARE(sub->images(), &images);   // shared with the parent
        QCOMPARE(sub->style(), menu.style());
    }

    void stripWidthAndItemHeights()
    {
        TrayLikeMenu m;
        QVERIFY(m.exposed);
        QCOMPARE(m.menu.ImageStripWidth(), 22);
        QCOMPARE(m.geometry(m.newNote).height(), 22);
        QCOMPARE(m.geometry(m.separator).height(), 3);
        // Border: one pixel at the sides, two above the first item.
        QCOMPARE(m.geometry(m.newNote).topLeft(), QPoint(1, 2));
        // Larger images widen the strip: (22 * 30 / 30) with 24 x 24 images.
        ImageList big(24, 24);
        m.menu.setImages(&big);
        QCOMPARE(m.menu.ImageStripWidth(), 30);
    }

    void itemInfo()
    {
        TrayLikeMenu m;
        QVERIFY(m.exposed);
        QStyleOptionMenuItem option;
        const auto infoOf = [&](QAction *a) {
            option = QStyleOptionMenuItem();
            option.initFrom(&m.menu);
            option.rect = m.geometry(a);
            option.text = a->text();
            option.menuItemType = a->menu() ? QStyleOptionMenuItem::SubMenu : QStyleOptionMenuItem::Normal;
            option.checkType = a->isCheckable() ? QStyleOptionMenuItem::NonExclusive : QStyleOptionMenuItem::NotCheckable;
            option.checked = a->isChecked();
            if (!a->isEnabled())
                option.state &= ~QStyle::State_Enabled;
            return menuItemInfo(option, &m.menu);
        };
        const TTBXItemInfo image = infoOf(m.newNote);
        QCOMPARE(image.ViewKind, int(VT_POPUPMENU));
        QVERIFY(image.HasImage);
        QCOMPARE(image.ImageStripWidth, 22);
        QVERIFY(!infoOf(m.show).HasImage);
        QVERIFY(infoOf(m.checked).Checked);
        QVERIFY(!infoOf(m.disabled).Enabled);
        QCOMPARE(infoOf(m.submenu->menuAction()).ItemFlags & IO_SUBMENUITEM, int(IO_SUBMENUITEM));
    }

    // The whole popup as the theme draws it.
    void renderedMenu()
    {
        TrayLikeMenu m;
        QVERIFY(m.exposed);
        m.menu.setActiveAction(m.show);
        const QImage img = m.menu.grab().toImage();
        const int w = img.width();
        QCOMPARE(pixel(img, 0, 0), Color::fromValue(0xB4A0A0));
        QCOMPARE(pixel(img, w - 1, img.height() - 1), Color::fromValue(0xB4A0A0));
        QCOMPARE(pixel(img, w - 2, 1), Color::fromValue(0xF0F0F0));   // the extra popup row
        // Item rows: the strip from (1, y) over 24 columns, then the line pair.
        const QRect item = m.geometry(m.exit);
        QCOMPARE(pixel(img, item.left() + 23, item.top() + 5), Color::fromValue(0xFDFAFA));
        QCOMPARE(pixel(img, item.left() + 24, item.top() + 5), Color::fromValue(0xB4A0A0));
        QCOMPARE(pixel(img, item.left() + 25, item.top() + 5), Color::fromValue(0xFFFFFF));
        QCOMPARE(pixel(img, item.right() - 2, item.top() + 5), Color::fromValue(0xF0F0F0));
        // The separator's line pair.
        const QRect sep = m.geometry(m.separator);
        QCOMPARE(pixel(img, sep.left() + 24, sep.top()), Color::fromValue(0xB4A0A0));
        QCOMPARE(pixel(img, sep.left() + 35, sep.top() + 1), Color::fromValue(0xB4A0A0));
        QCOMPARE(pixel(img, sep.left() + 35, sep.top() + 2), Color::fromValue(0xFFFFFF));
        QCOMPARE(pixel(img, sep.left() + 34, sep.top() + 1), Color::fromValue(0xF0F0F0));
        // The hot item: its frame with rounded corners.
        const QRect hot = m.geometry(m.show);
        QCOMPARE(pixel(img, hot.left() + 2, hot.top()), Color::fromValue(0xF0F0F0));
        QCOMPARE(pixel(img, hot.left() + 3, hot.top()), Color(TTBXIdeTheme::HotColor));
        QCOMPARE(pixel(img, hot.left() + 2, hot.top() + 5), Color(TTBXIdeTheme::HotColor));
        // The image sits in the strip, red at its centre, faded by 255/256.
        const QRect note = m.geometry(m.newNote);
        QCOMPARE(pixel(img, note.left() + 12, note.top() + 11), Color::rgb(254, 0, 0));
    }

    // A disabled item under the pointer keeps the popup colour.
    void disabledHotItemHasNoHighlight()
    {
        TrayLikeMenu m;
        QVERIFY(m.exposed);
        m.menu.setActiveAction(m.disabled);
        QCOMPARE(m.menu.activeAction(), m.disabled);
        const QImage img = m.menu.grab().toImage();
        const QRect r = m.geometry(m.disabled);
        QCOMPARE(pixel(img, r.left() + 60, r.top() + 1), Color::fromValue(0xF0F0F0));
    }

    void pickClosesMenu()
    {
        TrayLikeMenu m;
        QVERIFY(m.exposed);
        int clicks = 0;
        connect(m.show, &QAction::triggered, [&] { ++clicks; });
        QTest::mouseClick(&m.menu, Qt::LeftButton, {}, m.geometry(m.show).center());
        QCOMPARE(clicks, 1);
        QTRY_VERIFY(!m.menu.isVisible());
    }

    void submenuRaisesEventBeforeOpening()
    {
        TrayLikeMenu m;
        QVERIFY(m.exposed);
        bool sawHidden = false;
        connect(m.submenu, &QMenu::aboutToShow, [&] { sawHidden = !m.submenu->isVisible(); });
        m.menu.setActiveAction(m.submenu->menuAction());
        QTest::keyClick(&m.menu, Qt::Key_Right);
        QTRY_VERIFY(m.submenu->isVisible());
        QVERIFY(sawHidden);
    }
};

QTEST_MAIN(TestPopupMenu)
#include "tst_popup_menu.moc"
