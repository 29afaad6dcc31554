#include "framework/image_list.h"
#include "framework/system_metrics.h"
#include "framework/theme_registry.h"
#include "theme/gradients.h"
#include "theme/ide_theme.h"
#include "theme_test_support.h"

#include <QPainter>
#include <QTest>

using ThemeTest::canvasImage;
using ThemeTest::pixel;

namespace {

TTBXItemInfo menuItem(bool enabled = true, quint8 hover = HOVER_NONE)
{
    TTBXItemInfo info;
    info.ViewKind = VT_POPUPMENU;
    info.Enabled = enabled;
    info.Hover = hover;
    info.ImageStripWidth = 22;
    info.ImageWidth = info.ImageHeight = 16;
    return info;
}

// Colour of row i (from 1) of n of a GradientFill.
Color gradientStep(Color from, Color to, int i, int n)
{
    const auto ch = [&](int a, int b) { return a + (b - a) * i / n; };
    return Color::rgb(ch(from.red(), to.red()), ch(from.green(), to.green()),
                    ch(from.blue(), to.blue()));
}

constexpr Color kPopup = Color::fromValue(0xF0F0F0);

// An 80 x 22 item painted by PaintMenuItem on the popup colour.
QImage paintedItem(TTBXIdeTheme &theme, const TTBXItemInfo &info)
{
    QImage img = canvasImage(80, 22, kPopup);
    QPainter p(&img);
    theme.PaintMenuItem(p, Rect{0, 0, 80, 22}, info);
    return img;
}

} // namespace

class TestIdeTheme : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        ThemeTest::useClassicPalette();
        theme = std::make_unique<TTBXIdeTheme>(QStringLiteral("Ide"));
    }
    void cleanup() { theme.reset(); }

    void colorIntensityAndDistance()
    {
        QCOMPARE(ColorIntensity(Color::fromValue(0xFFFFFF)), 255);   // (30 + 150 + 76) * 255 >> 8
        QCOMPARE(ColorIntensity(Color::fromValue(0x0000FF)), 75);    // red alone: 76 * 255 >> 8
        QCOMPARE(ColorIntensity(Color::fromValue(0x000000)), 0);
        QVERIFY(qAbs(ColorDistance(Color::fromValue(0x000000), Color::fromValue(0xFFFFFF)) - 441.0f) < 0.5f);
        QCOMPARE(ColorDistance(Color::fromValue(0x123456), Color::fromValue(0x123456)), 0.0f);
    }

    void ensureContrastLeavesDistantColours()
    {
        Color c = Color::fromValue(0x000000);
        EnsureContrast(c, Color::fromValue(0xFFFFFF), 180);
        QCOMPARE(c, Color::fromValue(0x000000));
        // The split line stands far enough from the popup colour already.
        QCOMPARE(theme->colors().SplitLineColor, Color::fromValue(0xB4A0A0));
    }

    // White text on the light hot body is pulled toward black until it
    // stands the threshold away.
    void ensureContrastDarkensOnLightBackground()
    {
        const Color hotBody = MixColors(TTBXIdeTheme::HotColor, Color::fromValue(0xFFFFFF), 20);
        QCOMPARE(hotBody, Color::fromValue(0xFEF7EA));
        Color c = Color::fromValue(0xFFFFFF);
        EnsureContrast(c, hotBody, 180);
        QVERIFY2(qAbs(ColorDistance(c, hotBody) - 180.0f) < 2.5f, qPrintable(QString::number(c.value(), 16)));
        QVERIFY(ColorIntensity(c) < ColorIntensity(hotBody));
    }

    // Against a dark background the space is mirrored: the colour lightens,
    // and the threshold grows (T * (2 - L / 220)).
    void ensureContrastLightensOnDarkBackground()
    {
        Color c = Color::fromValue(0x202020);
        EnsureContrast(c, Color::fromValue(0x000000), 100);
        QVERIFY2(qAbs(ColorDistance(c, Color::fromValue(0x000000)) - 200.0f) < 2.5f, qPrintable(QString::number(c.value(), 16)));
        QVERIFY(ColorIntensity(c) > ColorIntensity(Color::fromValue(0x202020)));
    }

    void colorCache()
    {
        const auto &k = theme->colors();
        QCOMPARE(k.MenubarColor, Color::fromValue(0xECE3DF));
        QCOMPARE(k.ToolbarColor, Color::fromValue(0xECE3DF));
        QCOMPARE(k.PopupColor, kPopup);
        QCOMPARE(k.PopupFrameColor, Color::fromValue(0xB4A0A0));
        QCOMPARE(k.BtnItemColors[TBtnItemState::Hot][TItemPart::Body], Color::fromValue(0xFEF7EA));
        QCOMPARE(k.BtnItemColors[TBtnItemState::Pressed][TItemPart::Body], Color::fromValue(0xFCECCB));
        QCOMPARE(k.BtnItemColors[TBtnItemState::PopupParent][TItemPart::Body], Color::fromValue(0xFCFCFC));   // 18.3 % button face
        QCOMPARE(k.BtnItemColors[TBtnItemState::Normal][TItemPart::Body], Color::none());
        QCOMPARE(k.MenuItemColors[TMenuItemState::Normal][TItemPart::Text], Color::fromValue(0x000000));
        QCOMPARE(k.MenuItemColors[TMenuItemState::Disabled][TItemPart::Text], Color::rgb(125, 125, 127));   // soft text
        QCOMPARE(k.MenuItemColors[TMenuItemState::DisabledHot][TItemPart::Text], Color::fromValue(0x999999));
        QCOMPARE(k.MenuItemColors[TMenuItemState::DisabledHot][TItemPart::Body], kPopup);
        // Copies take the finished values.
        for (int part = 0; part < 3; ++part)
            QCOMPARE(k.MenuItemColors[TMenuItemState::Hot][TItemPart(part)], k.BtnItemColors[TBtnItemState::Hot][TItemPart(part)]);
        QCOMPARE(k.BtnItemColors[TBtnItemState::Selected][TItemPart::Text], k.BtnItemColors[TBtnItemState::Normal][TItemPart::Text]);
        QCOMPARE(k.SeparatorColor, Color::fromValue(0xB4A0A0));
    }

    void viewColorsAndBorders()
    {
        QCOMPARE(theme->GetViewColor(VT_POPUPMENU), kPopup);
        QCOMPARE(theme->GetViewColor(VT_POPUP | PVT_LISTBOX), systemColor(SystemColor::Window));   // unresolved
        QCOMPARE(theme->GetViewColor(VT_TOOLBAR | TVT_MENUBAR), Color::fromValue(0xECE3DF));
        QCOMPARE(theme->GetViewColor(VT_DOCKPANEL), kPopup);
        QCOMPARE(theme->GetViewColor(0), systemColor(SystemColor::ButtonFace));
        QCOMPARE(theme->GetViewBorder(VT_POPUPMENU), QPoint(1, 2));
        QCOMPARE(theme->GetViewBorder(VT_POPUP | PVT_LISTBOX), QPoint(2, 2));
        QCOMPARE(theme->GetViewBorder(VT_TOOLBAR), QPoint(2, 2));
        QCOMPARE(theme->GetViewBorder(0), QPoint(0, 0));
    }

    void partColorsByState_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("hover");
        QTest::addColumn<int>("menuState");
        QTest::newRow("normal") << true << 0 << int(TMenuItemState::Normal);
        QTest::newRow("mouse hot") << true << 2 << int(TMenuItemState::Hot);
        QTest::newRow("keyboard hot") << true << 1 << int(TMenuItemState::Hot);
        QTest::newRow("disabled under the mouse") << false << 2 << int(TMenuItemState::Disabled);
        QTest::newRow("disabled by keyboard") << false << 1 << int(TMenuItemState::DisabledHot);
    }
    void partColorsByState()
    {
        QFETCH(bool, enabled);
        QFETCH(int, hover);
        QFETCH(int, menuState);
        const TTBXItemInfo info = menuItem(enabled, quint8(hover));
        for (int part = 0; part < 3; ++part)
            QCOMPARE(theme->GetPartColor(info, TItemPart(part)), theme->colors().MenuItemColors[TMenuItemState(menuState)][TItemPart(part)]);
    }

    void buttonStates_data()
    {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("pushed");
        QTest::addColumn<int>("hover");
        QTest::addColumn<int>("state");
        QTest::newRow("normal") << false << false << 0 << int(TBtnItemState::Normal);
        QTest::newRow("hot") << false << false << 2 << int(TBtnItemState::Hot);
        QTest::newRow("selected") << true << false << 0 << int(TBtnItemState::Selected);
        QTest::newRow("selected hot") << true << false << 2 << int(TBtnItemState::SelectedHot);
        QTest::newRow("pressed") << true << true << 2 << int(TBtnItemState::Pressed);
    }
    // Palette cells in a popup use the button colours.
    void buttonStates()
    {
        QFETCH(bool, checked);
        QFETCH(bool, pushed);
        QFETCH(int, hover);
        QFETCH(int, state);
        TTBXItemInfo info = menuItem(true, quint8(hover));
        info.Checked = checked;
        info.Pushed = pushed;
        QCOMPARE(int(TTBXIdeTheme::buttonState(info)), state);
        QCOMPARE(theme->GetBtnColor(info, TItemPart::Body), theme->colors().BtnItemColors[TBtnItemState(state)][TItemPart::Body]);
    }

    void metrics()
    {
        QCOMPARE(theme->GetMargins(MID_MENUITEM), (TTBXMargins{1, 1, 3, 3}));
        QCOMPARE(theme->GetMargins(MID_TOOLBARITEM), (TTBXMargins{2, 2, 2, 2}));
        QCOMPARE(theme->GetMargins(99), TTBXMargins{});
        const QList<QPair<int, int>> table = {{10, 12}, {20, 8}, {21, 3}, {32, 3}, {33, 8}, {34, 3}, {35, 3},
                                              {36, 2}, {37, 2}, {60, 1}, {61, 2}, {62, 2}, {65, 14}, {66, 1},
                                              {50, -1}, {0, -1}};
        for (const auto &[index, value] : table)
            QCOMPARE(theme->GetIntegerMetrics(index), value);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(theme->GetBooleanMetrics(i), i == 1 || i == 5 || i == 6 || i == 7);
        QCOMPARE(theme->GetPopupShadowType(), 3);
    }

    void imageOffset()
    {
        ImageList images;
        QImage canvas = canvasImage(4, 4);
        QPainter p(&canvas);
        QCOMPARE(theme->GetImageOffset(p, menuItem(true, HOVER_MOUSE), &images), QPoint(-1, -1));
        QCOMPARE(theme->GetImageOffset(p, menuItem(false, HOVER_MOUSE), &images), QPoint(0, 0));
        QCOMPARE(theme->GetImageOffset(p, menuItem(true, HOVER_NONE), &images), QPoint(0, 0));
        TTBXItemInfo checked = menuItem(true, HOVER_MOUSE);
        checked.Checked = true;
        QCOMPARE(theme->GetImageOffset(p, checked, &images), QPoint(0, 0));
    }

    // A palette change is the system-change notification: the cache follows.
    void paletteChangeRebuildsCache()
    {
        QCOMPARE(theme->colors().BtnItemColors[TBtnItemState::PopupParent][TItemPart::Body], Color::fromValue(0xFCFCFC));
        QPalette p = QApplication::palette();
        p.setColor(QPalette::Button, QColor(0, 0, 0));
        QApplication::setPalette(p);
        // 18.3 % black, 81.7 % white: (255 * 817 + 500) / 1000 = 208.
        QCOMPARE(theme->colors().BtnItemColors[TBtnItemState::PopupParent][TItemPart::Body], Color::fromValue(0xD0D0D0));
    }

    void popupFrameAndBody()
    {
        QImage img = canvasImage(30, 20);
        {
            QPainter p(&img);
            theme->PaintPopupNCArea(p, Rect{0, 0, 30, 20}, {});
        }
        for (QPoint pt : {QPoint(0, 0), QPoint(29, 0), QPoint(0, 19), QPoint(15, 19), QPoint(29, 10)})
            QCOMPARE(pixel(img, pt.x(), pt.y()), Color::fromValue(0xB4A0A0));
        QCOMPARE(pixel(img, 1, 1), kPopup);
        QCOMPARE(pixel(img, 28, 18), kPopup);
    }

    // The strip is 24 pixels of gradient, then the line pair.
    void imageStrip()
    {
        QImage img = canvasImage(80, 22, kPopup);
        {
            QPainter p(&img);
            theme->PaintMenuItemFrame(p, Rect{0, 0, 80, 22}, menuItem());
        }
        QCOMPARE(pixel(img, 0, 5), gradientStep(Color::fromValue(0xDBCBC4), Color::fromValue(0xFDFAFA), 1, 24));
        QCOMPARE(pixel(img, 23, 5), Color::fromValue(0xFDFAFA));
        QCOMPARE(pixel(img, 24, 0), Color::fromValue(0xB4A0A0));
        QCOMPARE(pixel(img, 24, 21), Color::fromValue(0xB4A0A0));
        QCOMPARE(pixel(img, 25, 10), Color::fromValue(0xFFFFFF));
        QCOMPARE(pixel(img, 26, 10), kPopup);   // no highlight without hover
    }

    void hotItem()
    {
        const QImage img = paintedItem(*theme, menuItem(true, HOVER_MOUSE));
        // Highlight spans x 2..77; corners in the popup colour.
        for (QPoint corner : {QPoint(2, 0), QPoint(77, 0), QPoint(2, 21), QPoint(77, 21)})
            QCOMPARE(pixel(img, corner.x(), corner.y()), kPopup);
        QCOMPARE(pixel(img, 3, 0), Color(TTBXIdeTheme::HotColor));
        QCOMPARE(pixel(img, 2, 10), Color(TTBXIdeTheme::HotColor));
        QCOMPARE(pixel(img, 77, 10), Color(TTBXIdeTheme::HotColor));
        QCOMPARE(pixel(img, 40, 21), Color(TTBXIdeTheme::HotColor));
        QCOMPARE(pixel(img, 40, 1), gradientStep(Color::fromValue(0xF6E4BA), Color::fromValue(0xFEFDFC), 2, 22));
        QCOMPARE(pixel(img, 40, 20), gradientStep(Color::fromValue(0xF6E4BA), Color::fromValue(0xFEFDFC), 21, 22));
        QCOMPARE(pixel(img, 1, 10), gradientStep(Color::fromValue(0xDBCBC4), Color::fromValue(0xFDFAFA), 2, 24));   // strip left of it
        QCOMPARE(pixel(img, 78, 10), kPopup);
    }

    void disabledHoveredItemHasNoHighlight()
    {
        const QImage img = paintedItem(*theme, menuItem(false, HOVER_MOUSE));
        QCOMPARE(pixel(img, 40, 10), kPopup);
        QCOMPARE(pixel(img, 3, 0), gradientStep(Color::fromValue(0xDBCBC4), Color::fromValue(0xFDFAFA), 4, 24));
    }

    void checkedItemBoxAndTick()
    {
        TTBXItemInfo info = menuItem();
        info.Checked = true;
        QImage img = paintedItem(*theme, info);
        {
            QPainter p(&img);
            theme->PaintCheckMark(p, Rect{4, 3, 20, 19}, info);   // centre (12, 11)
        }
        const auto &selected = theme->colors().BtnItemColors[TBtnItemState::Selected];
        QCOMPARE(pixel(img, 2, 1), selected[TItemPart::Frame]);
        QCOMPARE(pixel(img, 21, 20), selected[TItemPart::Frame]);
        QCOMPARE(pixel(img, 3, 2), selected[TItemPart::Body]);
        QCOMPARE(pixel(img, 20, 19), selected[TItemPart::Body]);
        QCOMPARE(pixel(img, 22, 10), gradientStep(Color::fromValue(0xDBCBC4), Color::fromValue(0xFDFAFA), 23, 24));   // box ends at the strip
        // The tick: two pixels thick from (8, 10) down to (10, 12) and up to (14, 8).
        for (QPoint pt : {QPoint(8, 10), QPoint(8, 11), QPoint(9, 11), QPoint(10, 12), QPoint(10, 13),
                          QPoint(12, 10), QPoint(14, 8), QPoint(14, 9)})
            QCOMPARE(pixel(img, pt.x(), pt.y()), selected[TItemPart::Text]);
        QCOMPARE(pixel(img, 8, 12), selected[TItemPart::Body]);
    }

    void separatorContinuesStrip()
    {
        QImage img = canvasImage(80, 3, kPopup);
        {
            QPainter p(&img);
            theme->PaintSeparator(p, Rect{0, 0, 80, 3}, menuItem(), true, false);
        }
        for (int y = 0; y < 3; ++y) {
            QCOMPARE(pixel(img, 0, y), gradientStep(Color::fromValue(0xDBCBC4), Color::fromValue(0xFDFAFA), 1, 24));
            QCOMPARE(pixel(img, 24, y), Color::fromValue(0xB4A0A0));
            QCOMPARE(pixel(img, 25, y), Color::fromValue(0xFFFFFF));
        }
        // The line pair in rows 1 and 2 from ImageStripWidth + 13 to the right edge - 2.
        QCOMPARE(pixel(img, 34, 1), kPopup);
        QCOMPARE(pixel(img, 35, 1), Color::fromValue(0xB4A0A0));
        QCOMPARE(pixel(img, 35, 2), Color::fromValue(0xFFFFFF));
        QCOMPARE(pixel(img, 77, 1), Color::fromValue(0xB4A0A0));
        QCOMPARE(pixel(img, 78, 1), kPopup);
        QCOMPARE(pixel(img, 50, 0), kPopup);
    }

    void submenuTriangle()
    {
        TTBXItemInfo info = menuItem();
        info.ItemFlags = IO_SUBMENUITEM;
        const QImage img = paintedItem(*theme, info);
        const int w = systemMetric(SystemMetric::MenuCheckWidth);
        const int x = 80 - (2 * w) / 3 - 1, y = 11;
        const Color text = theme->GetPartColor(info, TItemPart::Text);
        for (int dy = -3; dy <= 3; ++dy)
            QCOMPARE(pixel(img, x, y + dy), text);
        QCOMPARE(pixel(img, x, y - 4), kPopup);
        QCOMPARE(pixel(img, x + 1, y - 2), text);
        QCOMPARE(pixel(img, x + 1, y - 3), kPopup);
        QCOMPARE(pixel(img, x + 3, y), text);
        QCOMPARE(pixel(img, x + 3, y - 1), kPopup);
        QCOMPARE(pixel(img, x + 4, y), kPopup);
    }

    void paletteCellLooks_data()
    {
        QTest::addColumn<bool>("hot");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("pushed");
        QTest::addColumn<int>("state");
        QTest::newRow("hot") << true << false << false << int(TBtnItemState::Hot);
        QTest::newRow("checked") << false << true << false << int(TBtnItemState::Selected);
        QTest::newRow("checked and hot") << true << true << false << int(TBtnItemState::SelectedHot);
        QTest::newRow("pressed") << true << false << true << int(TBtnItemState::Pressed);
    }
    // 18 x 18 cell: frame on every row but the last, body inside.
    void paletteCellLooks()
    {
        QFETCH(bool, hot);
        QFETCH(bool, checked);
        QFETCH(bool, pushed);
        QFETCH(int, state);
        TTBXItemInfo info = menuItem(true, hot ? HOVER_MOUSE : HOVER_NONE);
        info.Checked = checked;
        info.Pushed = pushed;
        QImage img = canvasImage(18, 18, kPopup);
        {
            QPainter p(&img);
            theme->PaintButton(p, Rect{0, 0, 18, 18}, info);
        }
        const auto &colors = theme->colors().BtnItemColors[TBtnItemState(state)];
        QCOMPARE(pixel(img, 0, 0), colors[TItemPart::Frame]);
        QCOMPARE(pixel(img, 17, 16), colors[TItemPart::Frame]);
        QCOMPARE(pixel(img, 1, 1), colors[TItemPart::Body]);
        QCOMPARE(pixel(img, 16, 15), colors[TItemPart::Body]);
        QCOMPARE(pixel(img, 5, 17), kPopup);
    }

    void paletteCellNormalPaintsNothing()
    {
        QImage img = canvasImage(18, 18, kPopup);
        const QImage before = img;
        {
            QPainter p(&img);
            theme->PaintButton(p, Rect{0, 0, 18, 18}, menuItem());
        }
        QCOMPARE(img, before);
    }

    void disabledImageIsShadowed()
    {
        ImageList images;
        QImage black(16, 16, QImage::Format_ARGB32);
        black.fill(Qt::transparent);
        black.setPixelColor(5, 5, Qt::black);
        images.add(black);
        QImage img = canvasImage(16, 16, Color::fromValue(0xC8C8C8));
        {
            QPainter p(&img);
            theme->PaintImage(p, Rect{0, 0, 16, 16}, menuItem(false), &images, 0);
        }
        // Black gives f = 170: the background is darkened to about 2/3.
        // (within the blend's rounding).
        QVERIFY(qAbs(pixel(img, 5, 5).red() - 200 * 170 / 256) <= 1);
        QCOMPARE(pixel(img, 6, 6), Color::fromValue(0xC8C8C8));
    }

    void registryKnowsIde()
    {
        ThemeRegistry *registry = ThemeRegistry::instance();
        useIdeTheme();
        QVERIFY(registry->isRegistered(QStringLiteral("Ide")));
        QCOMPARE(registry->currentThemeName(), QStringLiteral("Ide"));
        QVERIFY(qobject_cast<TTBXIdeTheme *>(currentTheme()));
    }

private:
    std::unique_ptr<TTBXIdeTheme> theme;
};

QTEST_MAIN(TestIdeTheme)
#include "tst_ide_theme.moc"
