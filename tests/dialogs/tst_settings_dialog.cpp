#include "main_form_fixture.h"

#include "dialogs/font_chooser.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/swatch_panel.h"
#include "framework/popup_menu.h"
#include "platform/autostart_xdg.h"
#include "theme/color_palette.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>

namespace {

constexpr Color Red = Color::fromValue(0x0000FF);
constexpr Color DarkBlue = Color::fromValue(0x800000);

QString autostartFolder()
{
    return qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/autostart");
}

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestSettingsDialog final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void hasTheLayoutAndCaptions();
    void tabKeyFollowsTheDesignedOrder();
    void loadsSettingsKeepingTheirQuirks_data();
    void loadsSettingsKeepingTheirQuirks();
    void opensWithOkDisabledThoughBoxesAreTicked();
    void userChangesEnableOk_data();
    void userChangesEnableOk();
    void colourPopupsPresetWithoutChangeAndApplyPicks();
    void fontChooserTakesFaceSizeAndStyle_data();
    void fontChooserTakesFaceSizeAndStyle();
    void fontChooserKeepsAFaceThatIsNotInstalled_data();
    void fontChooserKeepsAFaceThatIsNotInstalled();
    void fontChooserRefusesSizesAbove36();
    void okAppliesEveryFieldAndSavesSettingsByteForByte();
    void okRemovesTheAutostartEntryWhenUnticked();
    void readsAndSavesTheHostItIsGiven();
    void closingAppliesNothing_data();
    void closingAppliesNothing();
    void enterAndEscapeAreNotBound();
    void unwritableAutostartKeepsEverythingAndStaysOpen();
    void unreadableAutostartStopsTheDialogOpening();
    void trayMenuOpensAFreshModalDialogEachTime();

private:
    TFR_SETTINGS *openDialog();

    std::unique_ptr<MainFormFixture> m_fixture;
    QPointer<TFR_SETTINGS> m_dialog;
};

void TestSettingsDialog::init()
{
    QDir(autostartFolder()).removeRecursively();
    QFile::remove(autostartFolder());
    m_fixture = std::make_unique<MainFormFixture>();
}

void TestSettingsDialog::cleanup()
{
    delete m_dialog.data();
    m_fixture.reset();
    QDir(autostartFolder()).removeRecursively();
    QFile::remove(autostartFolder());
}

TFR_SETTINGS *TestSettingsDialog::openDialog()
{
    m_dialog = new TFR_SETTINGS(m_fixture->form());
    m_dialog->show();
    return m_dialog;
}

void TestSettingsDialog::hasTheLayoutAndCaptions()
{
    TFR_SETTINGS *d = openDialog();
    QCOMPARE(d->windowTitle(), QStringLiteral("Settings"));
    QCOMPARE(d->size(), QSize(387, 462));
    QCOMPARE(d->minimumSize(), d->maximumSize());
    QVERIFY(d->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(d->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(child<QTabWidget>(d, "pcGeneral")->tabText(0), QStringLiteral("General"));
    QCOMPARE(child<QGroupBox>(d, "gbGeneral")->title(), QString());
    QCOMPARE(child<QGroupBox>(d, "gbDefault")->title(), QStringLiteral("Default Note"));
    QCOMPARE(child<QCheckBox>(d, "cbAutoStart")->text(), QStringLiteral("Load on startup"));
    QCOMPARE(child<QCheckBox>(d, "cbCheckUpdates")->text(), QStringLiteral("Check updates automatically"));
    QStringList captions;
    for (const char *label : {"lbTtile", "lbOpacity", "lbColor", "lbFont", "Label1"})
        captions << child<QLabel>(d, label)->text();
    QCOMPARE(captions, QStringList({"Title:", "Opacity:", "Color:", "Font:", "Font Color:"}));
    QStringList titles;
    for (int i = 0; i < child<QComboBox>(d, "cbTitle")->count(); ++i)
        titles << child<QComboBox>(d, "cbTitle")->itemText(i);
    QCOMPARE(titles, QStringList({"New Note", "Date", "Date Time", "Time"}));
    QStringList opacities;
    for (int i = 0; i < child<QComboBox>(d, "cbOpacity")->count(); ++i)
        opacities << child<QComboBox>(d, "cbOpacity")->itemText(i);
    QCOMPARE(opacities, QStringList({"10 %", "20 %", "30 %", "40 %", "50 %", "60 %", "70 %", "80 %",
                                     "90 %", "100 %"}));
    QVERIFY(!child<QComboBox>(d, "cbTitle")->isEditable());
    QVERIFY(!child<QComboBox>(d, "cbOpacity")->isEditable());
    QCOMPARE(child<SwatchPanel>(d, "pnFont")->text(), QStringLiteral("Example"));
    QCOMPARE(child<QPushButton>(d, "btOK")->text(), QStringLiteral("OK"));
    QVERIFY(child<QPushButton>(d, "btOK")->font().bold());
    QCOMPARE(child<QPushButton>(d, "btClose")->text(), QStringLiteral("Close"));
    QCOMPARE(child<QPushButton>(d, "btOK")->geometry(), QRect(221, 425, 75, 25));
    QCOMPARE(child<SwatchPanel>(d, "pnFont")->geometry(), QRect(80, 129, 233, 72));
    for (const char *panel : {"pnColor", "pnFont", "pnFontColor"})
        QCOMPARE(child<SwatchPanel>(d, panel)->cursor().shape(), Qt::PointingHandCursor);

}

void TestSettingsDialog::tabKeyFollowsTheDesignedOrder()
{
    TFR_SETTINGS *d = openDialog();
    QApplication::setActiveWindow(d);
    QVERIFY(QTest::qWaitForWindowActive(d));
    child<QPushButton>(d, "btOK")->setEnabled(true);
    // The page's tab comes first.
    QVERIFY(d->focusWidget());
    QCOMPARE(d->focusWidget()->parentWidget(), child<QTabWidget>(d, "pcGeneral"));
    QList<QWidget *> expected;
    for (const char *control : {"cbAutoStart", "cbCheckUpdates", "cbTitle", "cbOpacity", "pnColor", "pnFont",
                                "pnFontColor", "btOK", "btClose"})
        expected << child<QWidget>(d, control);
    QList<QWidget *> order;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget();
    }
    QCOMPARE(order, expected);
}

void TestSettingsDialog::loadsSettingsKeepingTheirQuirks_data()
{
    QTest::addColumn<int>("opacity");
    QTest::addColumn<int>("title");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("shownOpacity");
    QTest::addColumn<int>("shownTitle");
    QTest::addColumn<int>("storedOpacity");

    QTest::newRow("opacity 100") << 100 << 0 << 0 << "100 %" << 0 << 100;
    QTest::newRow("opacity 55") << 55 << 0 << 0 << "50 %" << 0 << 50;
    QTest::newRow("opacity 10") << 10 << 0 << 0 << "10 %" << 0 << 10;
    QTest::newRow("opacity 109") << 109 << 0 << 0 << "100 %" << 0 << 100;
    // Outside 10..109 no entry matches: the nearest one is shown, never 0 stored.
    QTest::newRow("opacity 5") << 5 << 0 << 0 << "10 %" << 0 << 10;
    QTest::newRow("opacity 0") << 0 << 0 << 0 << "10 %" << 0 << 10;
    QTest::newRow("opacity -30") << -30 << 0 << 0 << "10 %" << 0 << 10;
    QTest::newRow("opacity 200") << 200 << 0 << 0 << "100 %" << 0 << 100;
    QTest::newRow("title 1") << 100 << 1 << 0 << "100 %" << 1 << 100;
    QTest::newRow("title 2") << 100 << 2 << 0 << "100 %" << 2 << 100;
    QTest::newRow("title 3") << 100 << 3 << 0 << "100 %" << 3 << 100;
    QTest::newRow("title 7") << 100 << 7 << 0 << "100 %" << -1 << 100;
    QTest::newRow("title -2") << 100 << -2 << 0 << "100 %" << -1 << 100;
    QTest::newRow("bold") << 100 << 0 << 1 << "100 %" << 0 << 100;
    QTest::newRow("italic") << 100 << 0 << 2 << "100 %" << 0 << 100;
    QTest::newRow("underline") << 100 << 0 << 4 << "100 %" << 0 << 100;
    QTest::newRow("strike-out") << 100 << 0 << 8 << "100 %" << 0 << 100;
    QTest::newRow("all styles") << 100 << 0 << 15 << "100 %" << 0 << 100;
}

void TestSettingsDialog::loadsSettingsKeepingTheirQuirks()
{
    QFETCH(int, opacity);
    QFETCH(int, title);
    QFETCH(int, style);
    QFETCH(QString, shownOpacity);
    QFETCH(int, shownTitle);
    QFETCH(int, storedOpacity);

    ProgramSettings &main = m_fixture->form().settings();
    main.DefaultOpacity = opacity;
    main.DefaultTitle = title;
    main.DefaultFontStyle = style;
    main.DefaultFontName = QStringLiteral("Courier New");
    main.DefaultFontSize = 17;
    const QByteArray before = m_fixture->settingsBytes();

    TFR_SETTINGS *d = openDialog();
    QCOMPARE(child<QComboBox>(d, "cbOpacity")->currentText(), shownOpacity);
    QCOMPARE(child<QComboBox>(d, "cbTitle")->currentIndex(), shownTitle);
    // The title follows the list at once, before any OK.
    QCOMPARE(main.DefaultTitle, shownTitle);
    QCOMPARE(main.DefaultOpacity, opacity);
    const QFont font = d->previewFont();
    QCOMPARE(font.family(), QStringLiteral("Courier New"));
    QCOMPARE(font.pointSize(), 17);
    QCOMPARE(font.bold(), bool(style & 1));
    QCOMPARE(font.italic(), bool(style & 2));
    QCOMPARE(font.underline(), bool(style & 4));
    QCOMPARE(font.strikeOut(), bool(style & 8));
    QVERIFY(!child<QPushButton>(d, "btOK")->isEnabled());
    QCOMPARE(m_fixture->settingsBytes(), before);

    QVERIFY(QMetaObject::invokeMethod(d, "cbChangeSettings"));
    QTest::mouseClick(child<QPushButton>(d, "btOK"), Qt::LeftButton);
    QCOMPARE(main.DefaultOpacity, storedOpacity);
    QCOMPARE(main.DefaultTitle, shownTitle);
    QCOMPARE(main.DefaultFontStyle, style);
    QCOMPARE(main.DefaultFontSize, 17);
}

void TestSettingsDialog::opensWithOkDisabledThoughBoxesAreTicked()
{
    XdgAutostart().write(TFR_SETTINGS::executablePath());
    m_fixture->form().settings().CheckForUpdates = true;
    TFR_SETTINGS *d = openDialog();
    QVERIFY(child<QCheckBox>(d, "cbAutoStart")->isChecked());
    QVERIFY(child<QCheckBox>(d, "cbCheckUpdates")->isChecked());
    QVERIFY(!child<QPushButton>(d, "btOK")->isEnabled());
}

void TestSettingsDialog::userChangesEnableOk_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("title list") << "cbTitle";
    QTest::newRow("opacity list") << "cbOpacity";
    QTest::newRow("autostart box") << "cbAutoStart";
    QTest::newRow("update box") << "cbCheckUpdates";
    QTest::newRow("colour popup dismissed") << "pnColor";
    QTest::newRow("font colour popup dismissed") << "pnFontColor";
}

void TestSettingsDialog::userChangesEnableOk()
{
    QFETCH(QString, control);
    TFR_SETTINGS *d = openDialog();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    QVERIFY(!child<QPushButton>(d, "btOK")->isEnabled());
    const Color noteColor = d->noteColor();
    const Color fontColor = d->fontColor();

    QWidget *widget = d->findChild<QWidget *>(control);
    QVERIFY(widget);
    if (auto *list = qobject_cast<QComboBox *>(widget)) {
        list->setFocus();
        QTest::keyClick(list, list->currentIndex() == 0 ? Qt::Key_Down : Qt::Key_Up);
    } else if (auto *box = qobject_cast<QCheckBox *>(widget)) {
        QTest::mouseClick(box, Qt::LeftButton);
    } else {
        bool popupShown = false;
        whenModalOpens([&](QWidget *popup) {
            popupShown = qobject_cast<PopupMenu *>(popup) != nullptr;
            popup->close();
        });
        QTest::mouseClick(widget, Qt::LeftButton);
        QVERIFY(popupShown);
    }
    QVERIFY(child<QPushButton>(d, "btOK")->isEnabled());
    // A popup closed without a pick changes no colour.
    QCOMPARE(d->noteColor(), noteColor);
    QCOMPARE(d->fontColor(), fontColor);
}

void TestSettingsDialog::colourPopupsPresetWithoutChangeAndApplyPicks()
{
    TFR_SETTINGS *d = openDialog();
    QVERIFY(QTest::qWaitForWindowExposed(d));

    // The default note colour is "Light Yellow", cell (2, 2) of the note set.
    QPoint marked;
    bool okWhileOpen = true;
    whenModalOpens([&](QWidget *popup) {
        marked = child<TTBXColorPalette>(d, "cpColorPalette")->SelectedCell();
        okWhileOpen = child<QPushButton>(d, "btOK")->isEnabled();
        child<TTBXColorPalette>(d, "cpColorPalette")->ClickCell(0, 0);   // "Red"
        popup->close();
    });
    QTest::mouseClick(child<SwatchPanel>(d, "pnColor"), Qt::LeftButton);
    QCOMPARE(marked, QPoint(2, 2));
    QVERIFY(!okWhileOpen);
    QCOMPARE(d->noteColor(), Red);
    QCOMPARE(child<SwatchPanel>(d, "pnColor")->color(), QColor(255, 0, 0));
    QCOMPARE(child<SwatchPanel>(d, "pnFont")->color(), QColor(255, 0, 0));
    QVERIFY(child<QPushButton>(d, "btOK")->isEnabled());

    whenModalOpens([&](QWidget *popup) {
        marked = child<TTBXColorPalette>(d, "cpFontColorPalette")->SelectedCell();
        child<TTBXColorPalette>(d, "cpFontColorPalette")->ClickCell(5, 0);   // "Dark blue"
        popup->close();
    });
    QTest::mouseClick(child<SwatchPanel>(d, "pnFontColor"), Qt::LeftButton);
    QCOMPARE(marked, QPoint(0, 0));   // black, the first cell of the default set
    QCOMPARE(d->fontColor(), DarkBlue);
    QCOMPARE(child<SwatchPanel>(d, "pnFontColor")->color(), QColor(0, 0, 0x80));
    QCOMPARE(child<SwatchPanel>(d, "pnFont")->textColor(), QColor(0, 0, 0x80));
    // The note colour stays as picked.
    QCOMPARE(child<SwatchPanel>(d, "pnFont")->color(), QColor(255, 0, 0));
}

void TestSettingsDialog::fontChooserTakesFaceSizeAndStyle_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("confirmed") << true;
    QTest::newRow("cancelled") << false;
}

void TestSettingsDialog::fontChooserTakesFaceSizeAndStyle()
{
    QFETCH(bool, confirm);
    m_fixture->form().settings().DefaultFontStyle = 4;   // underline, which the chooser does not offer
    TFR_SETTINGS *d = openDialog();
    const QFont before = d->previewFont();
    const QString family = QFontDatabase::families().value(0);
    QVERIFY(!family.isEmpty());

    bool isChooser = false;
    whenModalOpens([&](QWidget *modal) {
        auto *chooser = qobject_cast<FontChooser *>(modal);
        isChooser = chooser != nullptr;
        if (!chooser) {
            modal->close();
            return;
        }
        QFont font(family, 14);
        font.setBold(true);
        chooser->setCurrentFont(font);
        confirm ? chooser->accept() : chooser->reject();
    });
    QTest::mouseClick(child<SwatchPanel>(d, "pnFont"), Qt::LeftButton);
    QVERIFY(isChooser);

    const QFont font = d->previewFont();
    if (!confirm) {
        QCOMPARE(font, before);
        QVERIFY(!child<QPushButton>(d, "btOK")->isEnabled());
        return;
    }
    QCOMPARE(font.family(), family);
    QCOMPARE(font.pointSize(), 14);
    QVERIFY(font.bold());
    QVERIFY(font.underline());
    QVERIFY(child<QPushButton>(d, "btOK")->isEnabled());
}

void TestSettingsDialog::fontChooserKeepsAFaceThatIsNotInstalled_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("newSize");   // 0: OK without a change
    QTest::newRow("Tahoma, the default, unchanged") << "Tahoma" << 0 << 0;
    QTest::newRow("Tahoma, bold italic underlined, unchanged") << "Tahoma" << 1 + 2 + 4 << 0;
    QTest::newRow("unknown face, bold, unchanged") << "Paperlet No Such Face" << 1 << 0;
    QTest::newRow("Tahoma, bold, only the size changed") << "Tahoma" << 1 << 20;
}

void TestSettingsDialog::fontChooserKeepsAFaceThatIsNotInstalled()
{
    QFETCH(QString, face);
    QFETCH(int, style);
    QFETCH(int, newSize);
    if (QFontDatabase::hasFamily(face))
        QSKIP("the face is installed here; the case needs one that is not");
    ProgramSettings &main = m_fixture->form().settings();
    main.DefaultFontName = face;
    main.DefaultFontSize = 10;
    main.DefaultFontStyle = style;
    TFR_SETTINGS *d = openDialog();

    whenModalOpens([&](QWidget *modal) {
        auto *chooser = qobject_cast<FontChooser *>(modal);
        if (!chooser) {
            modal->close();
            return;
        }
        if (newSize) {
            QFont font = chooser->currentFont();
            font.setPointSize(newSize);
            chooser->setCurrentFont(font);
        }
        chooser->accept();
    });
    QTest::mouseClick(child<SwatchPanel>(d, "pnFont"), Qt::LeftButton);
    QVERIFY(child<QPushButton>(d, "btOK")->isEnabled());
    QTest::mouseClick(child<QPushButton>(d, "btOK"), Qt::LeftButton);

    QCOMPARE(main.DefaultFontName, face);
    QCOMPARE(main.DefaultFontSize, newSize ? newSize : 10);
    QCOMPARE(main.DefaultFontStyle, style);
    const QByteArray file = m_fixture->settingsBytes();
    QVERIFY2(file.contains(QByteArray("\r\nFontName=" + face.toLatin1() + "\r\n")), file.constData());
}

void TestSettingsDialog::fontChooserRefusesSizesAbove36()
{
    FontChooser chooser;
    chooser.show();
    // The size list offers nothing above 36.
    bool sawSizes = false;
    for (const QListView *list : chooser.findChildren<QListView *>()) {
        for (int row = 0; row < list->model()->rowCount(); ++row) {
            bool number = false;
            const int size = list->model()->index(row, 0).data().toString().toInt(&number);
            sawSizes = sawSizes || number;
            if (number)
                QCOMPARE(list->isRowHidden(row), size > FontChooser::MaxPointSize);
        }
    }
    QVERIFY(sawSizes);

    QFont large = chooser.currentFont();
    large.setPointSize(48);
    chooser.setCurrentFont(large);
    QString warning;
    whenModalOpens([&](QWidget *modal) {
        if (auto *box = qobject_cast<QMessageBox *>(modal))
            warning = box->text();
        modal->close();
    });
    chooser.accept();
    QCOMPARE(warning, QStringLiteral("Size must be between 1 and 36."));
    QVERIFY(chooser.isVisible());

    QFont largest = chooser.currentFont();
    largest.setPointSize(36);
    chooser.setCurrentFont(largest);
    chooser.accept();
    QVERIFY(!chooser.isVisible());
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
}

void TestSettingsDialog::okAppliesEveryFieldAndSavesSettingsByteForByte()
{
    TFR_SETTINGS *d = openDialog();
    child<QComboBox>(d, "cbTitle")->setCurrentIndex(2);
    child<QComboBox>(d, "cbOpacity")->setCurrentIndex(4);
    child<TTBXColorPalette>(d, "cpColorPalette")->ClickCell(0, 0);
    child<TTBXColorPalette>(d, "cpFontColorPalette")->ClickCell(5, 0);
    QFont font(QStringLiteral("Courier New"), 14);
    font.setBold(true);
    font.setItalic(true);
    child<SwatchPanel>(d, "pnFont")->setFont(font);
    child<QCheckBox>(d, "cbCheckUpdates")->setChecked(false);
    child<QCheckBox>(d, "cbAutoStart")->setChecked(true);
    QVERIFY(child<QPushButton>(d, "btOK")->isEnabled());

    QTest::mouseClick(child<QPushButton>(d, "btOK"), Qt::LeftButton);

    const ProgramSettings &main = m_fixture->form().settings();
    QCOMPARE(main.DefaultColor, Red);
    QCOMPARE(main.DefaultOpacity, 50);
    QCOMPARE(main.DefaultTitle, 2);
    QCOMPARE(main.DefaultFontName, QStringLiteral("Courier New"));
    QCOMPARE(main.DefaultFontSize, 14);
    QCOMPARE(main.DefaultFontColor, DarkBlue);
    QCOMPARE(main.DefaultFontStyle, 3);
    QCOMPARE(main.CheckForUpdates, false);
    QCOMPARE(m_fixture->settingsBytes(),
             QByteArray("Color=255\r\nOpacity=50\r\nTitle=2\r\nCheckForUpdates=0\r\n"
                        "FontName=Courier New\r\nFontSize=14\r\nFontColor=8388608\r\nFontStyle=3\r\n"));
    QVERIFY(XdgAutostart().runs(TFR_SETTINGS::executablePath()));
    processDeferredDeletes();
    QVERIFY(m_dialog.isNull());
}

void TestSettingsDialog::okRemovesTheAutostartEntryWhenUnticked()
{
    // An entry for the program at another place (moved, or other letter case).
    XdgAutostart().write(TFR_SETTINGS::executablePath().toUpper());
    TFR_SETTINGS *d = openDialog();
    QVERIFY(!child<QCheckBox>(d, "cbAutoStart")->isChecked());
    QVERIFY(QMetaObject::invokeMethod(d, "cbChangeSettings"));
    QTest::mouseClick(child<QPushButton>(d, "btOK"), Qt::LeftButton);
    QCOMPARE(XdgAutostart().command(), QStringList());
    // The defaults were saved unchanged.
    QCOMPARE(m_fixture->settingsBytes(),
             QByteArray("Color=10092543\r\nOpacity=100\r\nTitle=0\r\nCheckForUpdates=1\r\n"
                        "FontName=Tahoma\r\nFontSize=10\r\nFontColor=0\r\nFontStyle=0\r\n"));
}

void TestSettingsDialog::readsAndSavesTheHostItIsGiven()
{
    ProgramSettings &main = m_fixture->form().settings();
    main.DefaultOpacity = 30;
    StandInHost other;
    other.settings().DefaultOpacity = 70;
    TFR_SETTINGS *d = openDialog();
    QComboBox *opacity = child<QComboBox>(d, "cbOpacity");
    QCOMPARE(opacity->currentText(), QStringLiteral("30 %"));

    opacity->setCurrentIndex(4);
    QVERIFY(QMetaObject::invokeMethod(d, "cbChangeSettings"));
    QTest::mouseClick(child<QPushButton>(d, "btOK"), Qt::LeftButton);
    QCOMPARE(main.DefaultOpacity, 50);
    QVERIFY(m_fixture->settingsBytes().contains("\r\nOpacity=50\r\n"));
    QCOMPARE(other.settings().DefaultOpacity, 70);
    QCOMPARE(other.saves, 0);
}

void TestSettingsDialog::closingAppliesNothing_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Close button") << false;
    QTest::newRow("close box") << true;
}

void TestSettingsDialog::closingAppliesNothing()
{
    QFETCH(bool, closeBox);
    const QByteArray before = m_fixture->settingsBytes();
    TFR_SETTINGS *d = openDialog();
    child<QComboBox>(d, "cbOpacity")->setCurrentIndex(2);
    child<TTBXColorPalette>(d, "cpColorPalette")->ClickCell(0, 0);
    child<QCheckBox>(d, "cbAutoStart")->setChecked(true);
    child<QCheckBox>(d, "cbCheckUpdates")->setChecked(false);
    if (closeBox)
        d->close();
    else
        QTest::mouseClick(child<QPushButton>(d, "btClose"), Qt::LeftButton);
    processDeferredDeletes();
    QVERIFY(m_dialog.isNull());

    const ProgramSettings &main = m_fixture->form().settings();
    QCOMPARE(main.DefaultOpacity, 100);
    QCOMPARE(main.DefaultColor, Color::fromValue(0x99FFFF));
    QCOMPARE(main.CheckForUpdates, true);
    QCOMPARE(m_fixture->settingsBytes(), before);
    QVERIFY(!QFile::exists(XdgAutostart().entryPath()));
}

void TestSettingsDialog::enterAndEscapeAreNotBound()
{
    TFR_SETTINGS *d = openDialog();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    child<TTBXColorPalette>(d, "cpColorPalette")->ClickCell(0, 0);
    QVERIFY(QMetaObject::invokeMethod(d, "cbChangeSettings"));
    for (const char *control : {"btOK", "btClose", "cbAutoStart"}) {
        QWidget *focus = child<QWidget>(d, control);
        focus->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(focus, key);
    }
    processDeferredDeletes();
    QVERIFY(!m_dialog.isNull());
    QVERIFY(d->isVisible());
    QCOMPARE(m_fixture->form().settings().DefaultColor, Color::fromValue(0x99FFFF));
}

void TestSettingsDialog::unwritableAutostartKeepsEverythingAndStaysOpen()
{
    // The autostart folder is a file: the entry cannot be written.
    QFile blocker(autostartFolder());
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QByteArray before = m_fixture->settingsBytes();

    TFR_SETTINGS *d = openDialog();
    child<TTBXColorPalette>(d, "cpColorPalette")->ClickCell(0, 0);
    child<QCheckBox>(d, "cbAutoStart")->setChecked(true);
    QCOMPARE(shownErrorOf([d] { QTest::mouseClick(child<QPushButton>(d, "btOK"), Qt::LeftButton); }),
             QStringLiteral("Failed to set data for 'Paperlet'"));
    QCOMPARE(m_fixture->form().settings().DefaultColor, Color::fromValue(0x99FFFF));
    QCOMPARE(m_fixture->settingsBytes(), before);
    processDeferredDeletes();
    QVERIFY(!m_dialog.isNull());
    QVERIFY(d->isVisible());
}

void TestSettingsDialog::unreadableAutostartStopsTheDialogOpening()
{
    QVERIFY(QDir().mkpath(XdgAutostart().entryPath()));
    QCOMPARE(errorOf([this] { TFR_SETTINGS dialog(m_fixture->form()); }),
             QStringLiteral("Invalid data type for 'Paperlet'"));
    QCOMPARE(shownErrorOf([this] { child<QAction>(&m_fixture->form(), "mnSettings")->trigger(); }),
             QStringLiteral("Invalid data type for 'Paperlet'"));
    QVERIFY(Application::instance()->formsOf<TFR_SETTINGS>().isEmpty());
}

void TestSettingsDialog::trayMenuOpensAFreshModalDialogEachTime()
{
    QList<QPointer<TFR_SETTINGS>> opened;
    for (int i = 0; i < 2; ++i) {
        whenModalOpens([&](QWidget *modal) {
            opened << qobject_cast<TFR_SETTINGS *>(modal);
            QVERIFY(modal->isModal());
            // The one before is gone by now.
            QVERIFY(opened.first().isNull() || opened.size() == 1);
            modal->close();
        });
        child<QAction>(&m_fixture->form(), "mnSettings")->trigger();
    }
    QCOMPARE(opened.size(), 2);
    processDeferredDeletes();
    QVERIFY(opened.at(0).isNull());
    QVERIFY(opened.at(1).isNull());
    QVERIFY(Application::instance()->formsOf<TFR_SETTINGS>().isEmpty());
}

PAPERLET_DIALOG_TEST_MAIN(TestSettingsDialog)
#include "tst_settings_dialog.moc"
