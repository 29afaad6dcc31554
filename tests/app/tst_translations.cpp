// Every text the user reads comes from a translation: with a translator that
// marks whatever it is asked for, every caption, item, hint and message of the
// real forms shows the mark, and a literal that escaped tr() shows without it.

#include "../common/find_child.h"

#include "app/main_form.h"
#include "core/command_line.h"
#include "core/error.h"
#include "core/note_naming.h"
#include "core/note_file.h"
#include "core/update_texts.h"
#include "dialogs/about_dialog.h"
#include "dialogs/settings_dialog.h"
#include "dialogs/swatch_panel.h"
#include "framework/application.h"
#include "notes/note_window.h"
#include "theme/color_sets.h"
#include "theme/note_color_set.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTranslator>

#include <memory>

namespace {

const QString Open = QStringLiteral("\u27E6");
const QString Close = QStringLiteral("\u27E7");

// Answers every text with itself between marks.
class MarkingTranslator final : public QTranslator
{
public:
    QString translate(const char *, const char *source, const char *, int) const override
    {
        if (!source || !*source)
            return QString();
        return Open + QString::fromUtf8(source) + Close;
    }
    bool isEmpty() const override { return false; }
};

bool marked(const QString &text)
{
    return text.startsWith(Open) && text.endsWith(Close);
}

// "where: text" for every non-empty text of the widget and its descendants
// (and of their actions) that did not come from a translation.
void collectUnmarked(const QWidget &root, const QStringList &exempt, QStringList &found)
{
    const auto check = [&](const QObject *owner, const char *what, const QString &text) {
        QString shown = text;
        shown.remove(QLatin1Char('&'));
        if (!shown.trimmed().isEmpty() && !marked(text) && !exempt.contains(owner->objectName()))
            found.append(owner->objectName() + QLatin1Char('.') + QLatin1String(what) + QStringLiteral(": ") + text);
    };
    QList<QWidget *> widgets = root.findChildren<QWidget *>();
    widgets.prepend(const_cast<QWidget *>(&root));
    for (const QWidget *w : std::as_const(widgets)) {
        if (w->isWindow())
            check(w, "windowTitle", w->windowTitle());
        check(w, "toolTip", w->toolTip());
        if (const auto *label = qobject_cast<const QLabel *>(w))
            check(w, "text", label->text());
        if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            check(w, "text", button->text());
        if (const auto *box = qobject_cast<const QGroupBox *>(w))
            check(w, "title", box->title());
        if (const auto *panel = qobject_cast<const SwatchPanel *>(w))
            check(w, "text", panel->text());
        if (const auto *combo = qobject_cast<const QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                check(w, "item", combo->itemText(i));
        if (const auto *tabs = qobject_cast<const QTabWidget *>(w))
            for (int i = 0; i < tabs->count(); ++i)
                check(w, "tab", tabs->tabText(i));
        if (const auto *menu = qobject_cast<const QMenu *>(w))
            check(w, "title", menu->title());
        for (const QAction *action : w->actions())
            if (!action->isSeparator())
                check(action, "text", action->text());
    }
}

} // namespace

class TestTranslations final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void formsShowOnlyTranslatedTexts_data();
    void formsShowOnlyTranslatedTexts();
    void wordsOutsideFormsAreTranslated_data();
    void wordsOutsideFormsAreTranslated();
    void storedAndCommandTextsStayAsTheyAre();
    void cleanupTestCase();

private:
    MarkingTranslator m_translator;
    QTemporaryDir m_dir;
    std::unique_ptr<TFR_PLT_MAIN> m_form;
};

void TestTranslations::initTestCase()
{
    QVERIFY(QCoreApplication::installTranslator(&m_translator));
    m_form = std::make_unique<TFR_PLT_MAIN>(m_dir.path());
    m_form->settings().Version = QStringLiteral("1.1");
}

void TestTranslations::cleanupTestCase()
{
    Application::instance()->destroyForms();
    m_form.reset();
    QCoreApplication::removeTranslator(&m_translator);
}

void TestTranslations::formsShowOnlyTranslatedTexts_data()
{
    QTest::addColumn<QString>("form");
    QTest::newRow("main form and tray menu") << QStringLiteral("main");
    QTest::newRow("new note with its menus") << QStringLiteral("note");
    QTest::newRow("Settings") << QStringLiteral("settings");
    QTest::newRow("About") << QStringLiteral("about");
}

void TestTranslations::formsShowOnlyTranslatedTexts()
{
    QFETCH(QString, form);
    QStringList unmarked;
    if (form == QLatin1String("main")) {
        collectUnmarked(*m_form, {}, unmarked);
        const auto *tray = m_form->findChild<QSystemTrayIcon *>(QStringLiteral("tiTray"));
        QVERIFY(tray);
        if (!marked(tray->toolTip()))
            unmarked.append(QStringLiteral("tiTray.toolTip: ") + tray->toolTip());
    } else if (form == QLatin1String("note")) {
        m_form->mnAddNoteClick();
        const QList<TFR_NOTE *> notes = Application::instance()->formsOf<TFR_NOTE>();
        QCOMPARE(notes.size(), 1);
        // Its menus are made when first opened: open them as the user does.
        TFR_NOTE &note = *notes.first();
        QTest::mouseClick(child<QToolButton>(note, "sbPopup"), Qt::LeftButton);
        QWidget *editor = child<QAbstractScrollArea>(note, "reEdit")->viewport();
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), editor->mapToGlobal(QPoint(5, 5)));
        QCoreApplication::sendEvent(editor, &rightClick);
        for (const char *name : {"pmSettings", "pmRichTextEditor"}) {
            auto *menu = child<QMenu>(note, name);
            QVERIFY2(menu->isVisible(), name);
            menu->close();
        }
        // The note's text and its title field hold what the user typed.
        collectUnmarked(note, {QStringLiteral("reEdit"), QStringLiteral("edTitle")}, unmarked);
    } else if (form == QLatin1String("settings")) {
        TFR_SETTINGS dialog(*m_form);
        collectUnmarked(dialog, {}, unmarked);
    } else {
        TFR_ABOUT dialog(*m_form);
        // The addresses are the same in every language.
        collectUnmarked(dialog, {QStringLiteral("lbWebSite"), QStringLiteral("lbMail")}, unmarked);
        QCOMPARE(child<QLabel>(dialog, "lbVersion")->text(), Open + QStringLiteral("Version 1.1") + Close);
    }
    QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(QLatin1Char('\n'))));
}

void TestTranslations::wordsOutsideFormsAreTranslated_data()
{
    QTest::addColumn<QStringList>("texts");
    QStringList noteColors;
    for (int row = 0; row < NoteColorSet::RowCount; ++row) {
        for (int col = 0; col < NoteColorSet::ColCount; ++col) {
            Color color;
            QString name;
            NoteColorSet::GetNoteColorInfo(nullptr, col, row, color, name);
            noteColors.append(name);
        }
    }
    QStringList paletteColors;
    TTBXDefaultColorSet palette;
    for (int row = 0; row < palette.RowCount(); ++row)
        for (int col = 0; col < palette.ColCount(); ++col)
            paletteColors.append(palette.GetName(col, row));
    paletteColors.append(palette.ColorToString(Color::none()));
    QTest::newRow("note colour names") << noteColors;
    QTest::newRow("palette colour names") << paletteColors;
    QTest::newRow("update messages") << QStringList{UpdateReport::upToDateText(),
                                                    UpdateReport::questionText(QStringLiteral("1.1"), QStringLiteral("1.2"))};
    QTest::newRow("title of a new note") << QStringList{*NoteNaming::titleFor(0, QDateTime::currentDateTime(), QLocale::c())};
    QTest::newRow("error of a broken note file") << QStringList{[] {
        try {
            NoteFile::decode("only one line");
        } catch (const PaperletError &error) {
            return error.message();
        }
        return QString();
    }()};
    QTest::newRow("error display of a foreign exception") << QStringList{Application::errorText(nullptr)};
}

void TestTranslations::wordsOutsideFormsAreTranslated()
{
    QFETCH(QStringList, texts);
    QVERIFY(!texts.isEmpty());
    for (const QString &text : std::as_const(texts))
        QVERIFY2(marked(text), qPrintable(text));
}

void TestTranslations::storedAndCommandTextsStayAsTheyAre()
{
    // Option names are what scripts type; they are never translated, while
    // the words around them are.
    const QString usage = CommandLine::usage(QStringLiteral("paperlet"));
    QVERIFY2(usage.startsWith(Open + QStringLiteral("Usage: paperlet [OPTION]")), qPrintable(usage));
    for (const char *option : {"--new-note", "--show-all", "--hide-all", "--all-notes", "--settings", "--about", "--exit",
                               "--version", "--help"}) {
        QVERIFY2(usage.contains(QStringLiteral("  ") + QLatin1String(option) + QLatin1Char(' ')), option);
        QCOMPARE(CommandLine::parse({QLatin1String(option)}).has_value(), true);
    }
    // The instance caption and the settings keys are read by other copies
    // and by the next start.
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Paperlet"));
    QFile settings(m_dir.filePath(QStringLiteral("settings.ini")));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    const QByteArray bytes = settings.readAll();
    QVERIFY2(bytes.contains("Color=") && bytes.contains("FontName=Tahoma") && !bytes.contains("\xE2\x9F\xA6"),
             bytes.constData());
}

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    TestTranslations test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
