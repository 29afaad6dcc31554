// The fixed-size dialogs and the message boxes, laid out in every language:
// no text is cut off and no control runs into another. A translation that
// does not fit is shortened; the dialogs keep their sizes. Under a
// right-to-left language the dialogs are mirrored.

#include "../common/find_child.h"

#include "app/main_form.h"
#include "dialogs/about_dialog.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/swatch_panel.h"
#include "notes/all_notes_window.h"
#include "framework/application.h"
#include "framework/translations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QTreeView>

#include <memory>

namespace {

QString plain(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// How much room the widget's text gets, and how much it needs: for each
// kind of control the style's rectangle for the text, never the widget's
// whole size.
void checkText(const QWidget &w, QStringList &faults)
{
    const auto fault = [&](const QString &text, int needed, int room) {
        faults.append(QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(w.objectName(), text).arg(needed).arg(room));
    };
    const QFontMetrics metrics = w.fontMetrics();
    if (const auto *label = qobject_cast<const QLabel *>(&w)) {
        if (label->text().isEmpty())
            return;
        const QSize needed = label->sizeHint();
        if (needed.width() > label->width() || needed.height() > label->height())
            fault(label->text(), needed.width(), label->width());
    } else if (const auto *box = qobject_cast<const QCheckBox *>(&w)) {
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const QRect room = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        const int needed = metrics.horizontalAdvance(plain(box->text()));
        if (needed > room.width() || metrics.height() > box->height())
            fault(box->text(), needed, room.width());
    } else if (const auto *button = qobject_cast<const QPushButton *>(&w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const int needed = metrics.horizontalAdvance(plain(button->text()));
        if (needed > room.width())
            fault(button->text(), needed, room.width());
    } else if (const auto *combo = qobject_cast<const QComboBox *>(&w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = false;
        const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        for (int i = 0; i < combo->count(); ++i) {
            const int needed = metrics.horizontalAdvance(combo->itemText(i));
            if (needed > room.width())
                fault(combo->itemText(i), needed, room.width());
        }
    } else if (const auto *group = qobject_cast<const QGroupBox *>(&w)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        const QRect label = group->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        if (!group->title().isEmpty() && !group->rect().contains(label))
            fault(group->title(), label.width(), group->width());
    } else if (const auto *tabs = qobject_cast<const QTabWidget *>(&w)) {
        const QTabBar *bar = tabs->tabBar();
        for (int i = 0; i < bar->count(); ++i) {
            const int needed = bar->fontMetrics().horizontalAdvance(plain(bar->tabText(i)));
            if (bar->tabRect(i).width() < needed || !tabs->rect().contains(bar->geometry()))
                fault(bar->tabText(i), needed, bar->tabRect(i).width());
        }
    } else if (const auto *view = qobject_cast<const QTreeView *>(&w)) {
        // a column's caption; the last column takes whatever room is left
        const QHeaderView *header = view->header();
        for (int i = 0; i + 1 < header->count(); ++i) {
            const QString caption = view->model()->headerData(i, Qt::Horizontal).toString();
            if (!header->isSectionHidden(i) && header->sectionSize(i) < header->sectionSizeHint(i))
                fault(caption, header->sectionSizeHint(i), header->sectionSize(i));
        }
    } else if (const auto *panel = qobject_cast<const SwatchPanel *>(&w)) {
        const int needed = QFontMetrics(panel->font()).horizontalAdvance(panel->text());
        if (needed > panel->width())
            fault(panel->text(), needed, panel->width());
    }
}

// Every named control of the dialog: inside its parent, clear of its named
// siblings, and with room for its text.
QStringList faultsOf(const QWidget &dialog)
{
    QStringList faults;
    const QList<QWidget *> controls = dialog.findChildren<QWidget *>();
    for (const QWidget *control : controls) {
        if (control->isWindow() || control->objectName().isEmpty()
            || control->objectName().startsWith(QLatin1String("qt_")) || !control->isVisibleTo(&dialog))
            continue;
        checkText(*control, faults);
        const QWidget *parent = control->parentWidget();
        if (!parent->rect().contains(control->geometry()))
            faults.append(control->objectName() + QStringLiteral(" leaves its parent"));
        for (const QObject *other : parent->children()) {
            const auto *sibling = qobject_cast<const QWidget *>(other);
            if (sibling && sibling != control && !sibling->isWindow() && !sibling->objectName().isEmpty()
                && sibling->isVisibleTo(&dialog) && sibling->objectName() > control->objectName()
                && sibling->geometry().intersects(control->geometry()))
                faults.append(control->objectName() + QStringLiteral(" overlaps ") + sibling->objectName());
        }
    }
    return faults;
}

QStringList faultsOfMessageBox(const QMessageBox &box)
{
    QStringList faults;
    for (const QLabel *label : box.findChildren<QLabel *>()) {
        if (label->isVisibleTo(&box) && !label->text().isEmpty()
            && (label->width() < label->sizeHint().width() || label->height() < label->heightForWidth(label->width())))
            faults.append(QStringLiteral("message \"%1\" is cut off").arg(label->text()));
    }
    for (const QPushButton *button : box.findChildren<QPushButton *>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        if (button->fontMetrics().horizontalAdvance(plain(button->text())) > room.width())
            faults.append(QStringLiteral("button \"%1\" is cut off").arg(button->text()));
    }
    return faults;
}

// The geometries of the named controls, by name.
QMap<QString, QRect> placesOf(const QWidget &dialog)
{
    QMap<QString, QRect> places;
    for (const QWidget *control : dialog.findChildren<QWidget *>())
        if (!control->isWindow() && !control->objectName().isEmpty() && !control->objectName().startsWith(QLatin1String("qt_")))
            places.insert(control->objectName(), control->geometry());
    return places;
}

} // namespace

class TestTranslatedLayouts final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void dialogsFitEveryLanguage_data();
    void dialogsFitEveryLanguage();
    void messageBoxesFitEveryLanguage_data();
    void messageBoxesFitEveryLanguage();
    void rightToLeftMirrorsTheDialogs();
    void cleanup();
    void cleanupTestCase();

private:
    void addLanguageRows();
    void useLanguage(const QString &language);

    QTemporaryDir m_dir;
    std::unique_ptr<TFR_PLT_MAIN> m_form;
};

void TestTranslatedLayouts::initTestCase()
{
    m_form = std::make_unique<TFR_PLT_MAIN>(m_dir.path());
    m_form->settings().Version = QStringLiteral("1.1");
}

void TestTranslatedLayouts::cleanupTestCase()
{
    m_form.reset();
}

void TestTranslatedLayouts::cleanup()
{
    // A translator removes itself when deleted; the next row starts in English.
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>(Qt::FindDirectChildrenOnly));
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

void TestTranslatedLayouts::addLanguageRows()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en") << QStringLiteral("en");
    for (const QString &language : Translations::available())
        if (language != QLatin1String("en"))
            QTest::newRow(qPrintable(language)) << language;
}

void TestTranslatedLayouts::useLanguage(const QString &language)
{
    if (language != QLatin1String("en"))
        QCOMPARE(Translations::install(*QCoreApplication::instance(), QLocale(language)), language);
}

void TestTranslatedLayouts::dialogsFitEveryLanguage_data()
{
    addLanguageRows();
}

void TestTranslatedLayouts::dialogsFitEveryLanguage()
{
    QFETCH(QString, language);
    useLanguage(language);
    for (const int which : {0, 1, 2}) {
        std::unique_ptr<QWidget> dialog;
        if (which == 0)
            dialog = std::make_unique<TFR_SETTINGS>(*m_form);
        else if (which == 1)
            dialog = std::make_unique<TFR_ABOUT>(*m_form);
        else
            dialog = std::make_unique<TFR_ALL_NOTES>(*m_form, m_form->noteCollection(), m_form->noteWindows());
        dialog->setAttribute(Qt::WA_DeleteOnClose, false);
        const QSize size = dialog->size();
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QCOMPARE(dialog->size(), size);
        const QStringList faults = faultsOf(*dialog);
        QVERIFY2(faults.isEmpty(), qPrintable(dialog->objectName() + QLatin1Char('\n') + faults.join(QLatin1Char('\n'))));
    }
}

void TestTranslatedLayouts::messageBoxesFitEveryLanguage_data()
{
    addLanguageRows();
}

void TestTranslatedLayouts::messageBoxesFitEveryLanguage()
{
    QFETCH(QString, language);
    useLanguage(language);
    struct Box
    {
        const char *context;
        const char *title;
        const char *text;
        QMessageBox::StandardButtons buttons;
    };
    const Box boxes[] = {
        {"NoteMenu", "Delete Confirmation", "Are you sure want to delete the note?", QMessageBox::Yes | QMessageBox::No},
        {"main", "Warning", "Paperlet Already Running!", QMessageBox::Ok},
        {"UpdateReport", "Paperlet", "You are already using the most recent version of Paperlet.\nPlease check in future!",
         QMessageBox::Ok},
        {"UpdateReport", "Paperlet",
         "Your version is:         %1\nCurrent version is:    %2\n\nA newer version is available.\nDo you want to download new version?",
         QMessageBox::Yes | QMessageBox::No},
    };
    for (const Box &sample : boxes) {
        const QString text = QCoreApplication::translate(sample.context, sample.text);
        if (language != QLatin1String("en"))
            QVERIFY2(text != QLatin1String(sample.text), sample.text);
        QMessageBox box(QMessageBox::Question, QCoreApplication::translate(sample.context, sample.title),
                        text.contains(QLatin1String("%1")) ? text.arg(QStringLiteral("1.1"), QStringLiteral("1.2")) : text,
                        sample.buttons);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QStringList faults = faultsOfMessageBox(box);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        // The buttons speak the language too: Qt's own catalogue is loaded.
        if (language != QLatin1String("en") && (sample.buttons & QMessageBox::No))
            QVERIFY2(box.button(QMessageBox::Yes)->text() != QLatin1String("&Yes"), qPrintable(language));
    }
}

void TestTranslatedLayouts::rightToLeftMirrorsTheDialogs()
{
    QMap<QString, QRect> leftToRight;
    QMap<QString, QSize> parents;
    {
        TFR_SETTINGS dialog(*m_form);
        dialog.setAttribute(Qt::WA_DeleteOnClose, false);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        leftToRight = placesOf(dialog);
        for (const QWidget *control : dialog.findChildren<QWidget *>())
            parents.insert(control->objectName(), control->parentWidget()->size());
    }
    useLanguage(QStringLiteral("ar"));
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    TFR_SETTINGS dialog(*m_form);
    dialog.setAttribute(Qt::WA_DeleteOnClose, false);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.isRightToLeft());
    const QMap<QString, QRect> rightToLeft = placesOf(dialog);
    // Same rows, same right margins as the left ones were; the labels'
    // widths are their Arabic texts'.
    for (const char *name : {"cbAutoStart", "cbTitle", "cbOpacity", "pnColor", "pnFont", "btOK", "btClose", "gbDefault"}) {
        const QRect was = leftToRight.value(QLatin1String(name));
        const QRect is = rightToLeft.value(QLatin1String(name));
        const int parentWidth = parents.value(QLatin1String(name)).width();
        QCOMPARE(is.top(), was.top());
        QCOMPARE(is.size(), was.size());
        QVERIFY2(is.left() == parentWidth - was.left() - was.width(), name);
    }
    const QRect title = rightToLeft.value(QStringLiteral("lbTtile"));
    QCOMPARE(title.right() + 1, parents.value(QStringLiteral("lbTtile")).width() - 12);
    QVERIFY(title.left() > rightToLeft.value(QStringLiteral("cbTitle")).right());
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    TestTranslatedLayouts test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translated_layouts.moc"
