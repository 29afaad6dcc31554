#include "../common/find_child.h"
#include "framework/popup_menu.h"
#include "note_test_fixture.h"
#include "theme/color_palette.h"
#include "theme/color_sets.h"

#include <QAbstractButton>
#include <QActionGroup>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(20000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString &pdf)
{
    const QRegularExpressionMatch pages =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(run(QStringLiteral("pdfinfo"), {pdf}));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

QString pdfText(const QString &pdf, int first = 0, int last = 0)
{
    QStringList arguments{QStringLiteral("-enc"), QStringLiteral("UTF-8")};
    if (first > 0)
        arguments << QStringLiteral("-f") << QString::number(first) << QStringLiteral("-l") << QString::number(last);
    return run(QStringLiteral("pdftotext"), arguments << pdf << QStringLiteral("-"));
}

} // namespace

// Receives the URLs the program asks the desktop to open.
class UrlCatcher final : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl &url) { urls.append(url); }
};

class TestNoteMenu final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void itemsInOrder();
    void opacityTicksAndClicks_data();
    void opacityTicksAndClicks();
    void colorSubmenuMarksAndRecolours();
    void deleteAnsweredNoThenYes();
    void deletingUnsavedNoteLeavesNoFile();
    void closeIsImmediateAndKeepsFile();
    void newNoteIgnoresTrayGuard();
    void printsContentToPdf();
    void printHonoursThePageRange_data();
    void printHonoursThePageRange();
    void printCancelledPrintsNothing();
    void sendMailOpensEncodedUrl();

private:
    std::unique_ptr<MainFormOverScratch> m_main;
};

void TestNoteMenu::init()
{
    m_main = std::make_unique<MainFormOverScratch>();
}

void TestNoteMenu::cleanup()
{
    qDeleteAll(Application::instance()->formsOf<TFR_NOTE>());
    flushDeletes();
    m_main.reset();
}

void TestNoteMenu::itemsInOrder()
{
    TFR_NOTE *note = m_main->newNote();
    NoteMenu &menu = MainFormOverScratch::menuOf(*note);
    QCOMPARE(child<QMenu>(*note, "pmSettings"), menu.settingsMenu());

    const QList<MenuRow> expected = {
        {"New Note", 17}, {"", -1}, {"Always on Top", -1}, {"On All Workspaces", -1}, {"Roll Up", -1},
        {"Lock", -1}, {"Reminder...", -1}, {"Keyboard Shortcuts", -1}, {"", -1}, {"Color", -1}, {"Opacity         ", -1},
        {"", -1}, {"Delete", 4}, {"", -1}, {"Print", 5}, {"Send Mail", 18}, {"", -1}, {"Close", -1},
    };
    checkMenuItems(*child<QMenu>(*note, "pmSettings"), expected);
    if (QTest::currentTestFailed())
        return;
    const QList<QAction *> items = child<QMenu>(*note, "pmSettings")->actions();
    QCOMPARE(items[9]->menu(), child<QMenu>(*note, "tbColor"));
    QCOMPARE(items[10]->menu(), child<QMenu>(*note, "tbTransparent"));
    for (const char *name : {"tbOnTop", "tbAllWorkspaces", "tbRollUp", "tbLock"})
        QVERIFY2(child(*note, name)->isCheckable(), name);
    const auto *palette = child<TTBXColorPalette>(*note, "cpColorPalette");
    auto *colorSet = child<TTBXColorSet>(*note, "csColorSet");
    QCOMPARE(palette->ColorSet(), colorSet);
    QCOMPARE(palette->ColCount(), 8);
    QCOMPARE(palette->RowCount(), 3);
    QCOMPARE(colorSet->GetName(0, 0).isEmpty(), false);

    const QList<QAction *> opacity = child<QMenu>(*note, "tbTransparent")->actions();
    QCOMPARE(opacity.size(), 10);
    for (int i = 0; i < 10; ++i) {
        const int percent = (i + 1) * 10;
        QCOMPARE(opacity[i]->objectName(), QStringLiteral("N%1").arg(percent));
        QCOMPARE(opacity[i]->text(), QStringLiteral("%1 %").arg(percent));
        QCOMPARE(opacity[i]->data().toInt(), percent);
        QVERIFY(opacity[i]->isCheckable());
    }
}

void TestNoteMenu::opacityTicksAndClicks_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<QString>("ticked");
    QTest::addColumn<bool>("menuMadeLater");
    QTest::newRow("70") << 70 << "N70" << false;
    QTest::newRow("25 ticks 30 %") << 25 << "N30" << false;
    QTest::newRow("75 ticks 80 %") << 75 << "N80" << false;
    QTest::newRow("55 ticks nothing") << 55 << "" << false;
    QTest::newRow("70 before the menu exists") << 70 << "N70" << true;
}

void TestNoteMenu::opacityTicksAndClicks()
{
    QFETCH(int, percent);
    QFETCH(QString, ticked);
    QFETCH(bool, menuMadeLater);
    TFR_NOTE *note = m_main->newNote();
    if (menuMadeLater) {
        note->setOpacity(percent);
        QVERIFY(!note->findChild<QMenu *>(QStringLiteral("pmSettings")));
    }
    MainFormOverScratch::menuOf(*note);
    if (!menuMadeLater)
        note->setOpacity(percent);
    const QList<QAction *> items = child<QActionGroup>(*note, "opacityGroup")->actions();
    for (QAction *item : items)
        QCOMPARE(item->isChecked(), item->objectName() == ticked);

    items[4]->trigger();   // 50 %
    QCOMPARE(note->opacity(), 50);
    QCOMPARE(qRound(note->windowOpacity() * 255), 127);
    for (QAction *item : items)
        QCOMPARE(item->isChecked(), item->objectName() == QLatin1String("N50"));
}

void TestNoteMenu::colorSubmenuMarksAndRecolours()
{
    TFR_NOTE *note = m_main->newNote(QStringLiteral("text"));
    MainFormOverScratch::menuOf(*note);
    auto *palette = child<TTBXColorPalette>(*note, "cpColorPalette");
    QMenu *colorMenu = child<QMenu>(*note, "tbColor");
    const QPoint cell(3, 1);
    const Color inSet = child<TTBXColorSet>(*note, "csColorSet")->GetColor(cell.x(), cell.y());
    note->ApplyColor(inSet);

    Q_EMIT colorMenu->aboutToShow();
    QCOMPARE(palette->Color(), inSet);
    QCOMPARE(palette->SelectedCell(), palette->FindCell(inSet));
    QCOMPARE(note->noteColor(), inSet);   // marking is not a pick

    note->ApplyColor(Color::fromValue(0x123456));
    Q_EMIT colorMenu->aboutToShow();
    QCOMPARE(palette->SelectedCell().x(), -1);
    QCOMPARE(note->noteColor(), Color::fromValue(0x123456));

    palette->ClickCell(cell.x(), cell.y());
    QCOMPARE(note->noteColor(), inSet);
    QCOMPARE(Color::fromQColor(editorOf(*note)->backgroundColor()), inSet);
    QVERIFY(note->isVisible());
}

void TestNoteMenu::deleteAnsweredNoThenYes()
{
    TFR_NOTE *note = m_main->newNote(QStringLiteral("milk"));
    note->SaveNote();
    const QString path = note->filePath();
    QVERIFY(QFile::exists(path));
    MainFormOverScratch::menuOf(*note);
    QPointer<TFR_NOTE> alive(note);

    QString text, caption;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    answerModal([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        text = box->text();
        caption = box->windowTitle();
        icon = box->icon();
        buttons = box->standardButtons();
        box->button(QMessageBox::No)->click();
    });
    child(*note, "tbDelete")->trigger();
    QCOMPARE(text, QStringLiteral("Are you sure want to delete the note?"));
    QCOMPARE(caption, QStringLiteral("Delete Confirmation"));
    QCOMPARE(icon, QMessageBox::Question);
    QCOMPARE(buttons, QMessageBox::Yes | QMessageBox::No);
    flushDeletes();
    QVERIFY(alive && alive->isVisible());
    QVERIFY(!alive->isDeleted());
    QVERIFY(QFile::exists(path));

    answerModal([](QWidget *modal) { qobject_cast<QMessageBox *>(modal)->button(QMessageBox::Yes)->click(); });
    child(*note, "tbDelete")->trigger();
    QVERIFY(!child<QTimer>(*note, "tmCloseTimer")->isActive() || !alive);   // no fade
    flushDeletes();
    QVERIFY(!alive);
    QVERIFY(!QFile::exists(path));
}

void TestNoteMenu::deletingUnsavedNoteLeavesNoFile()
{
    TFR_NOTE *note = m_main->newNote(QStringLiteral("never written"));
    const QString path = note->filePath();
    QPointer<TFR_NOTE> alive(note);
    answerModal([](QWidget *modal) { qobject_cast<QMessageBox *>(modal)->button(QMessageBox::Yes)->click(); });
    MainFormOverScratch::menuOf(*note);
    child(*note, "tbDelete")->trigger();
    flushDeletes();
    QVERIFY(!alive);
    QVERIFY(!QFile::exists(path));
    QVERIFY(QDir(m_main->form().notesFolder()).entryList(QDir::Files).isEmpty());
}

void TestNoteMenu::closeIsImmediateAndKeepsFile()
{
    TFR_NOTE *note = m_main->newNote(QStringLiteral("keep me"));
    const QString path = note->filePath();
    QPointer<TFR_NOTE> alive(note);
    MainFormOverScratch::menuOf(*note);
    child(*note, "tbExit")->trigger();
    QVERIFY(!alive || !alive->isVisible());   // closed at once, no fade
    flushDeletes();
    QVERIFY(!alive);
    QVERIFY(QFile::exists(path));
}

void TestNoteMenu::newNoteIgnoresTrayGuard()
{
    m_main->form().makeNewNote();   // arms the tray's double-click guard
    QCOMPARE(Application::instance()->formsOf<TFR_NOTE>().size(), 1);
    TFR_NOTE *first = Application::instance()->formsOf<TFR_NOTE>().first();
    const QString firstTitle = first->title();
    MainFormOverScratch::menuOf(*first);
    child(*first, "tbNewNote")->trigger();
    const auto notes = Application::instance()->formsOf<TFR_NOTE>();
    QCOMPARE(notes.size(), 2);
    QVERIFY(notes.last()->isVisible());
    QVERIFY(child<QTimer>(&m_main->form(), "tmDblClick")->isActive());
    QCOMPARE(first->title(), firstTitle);
}

void TestNoteMenu::printsContentToPdf()
{
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("note.pdf"));
    TFR_NOTE *note = m_main->newNote();
    note->setTitle(QStringLiteral("Shopping"));
    QStringList lines;
    for (int i = 0; i < 150; ++i)
        lines << QStringLiteral("line %1 of the list").arg(i);
    editorOf(*note)->setPlainText(lines.join(u'\n'));

    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    answerModal([](QWidget *modal) {
        QVERIFY(qobject_cast<QPrintDialog *>(modal));
        qobject_cast<QDialog *>(modal)->accept();
    });
    QVERIFY(MainFormOverScratch::menuOf(*note).printNote(printer));
    QVERIFY(QFile::exists(pdf));

    const QString info = run(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title:\\s+Shopping\\n"))), qPrintable(info));
    const QRegularExpressionMatch pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    QVERIFY(pages.hasMatch());
    QVERIFY(pages.captured(1).toInt() > 1);

    // Only the note's lines, in order: no title line, no page numbers.
    const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    QStringList printed = text.split(QRegularExpression(QStringLiteral("[\\n\\f]+")), Qt::SkipEmptyParts);
    for (QString &line : printed)
        line = line.trimmed();
    printed.removeAll(QString());
    QCOMPARE(printed, lines);
}

void TestNoteMenu::printHonoursThePageRange_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("pages");
    QTest::newRow("page 2 only") << 2 << 2 << 1;
    QTest::newRow("pages 2 to 3") << 2 << 3 << 2;
    QTest::newRow("from the first page") << 1 << 2 << 2;
}

void TestNoteMenu::printHonoursThePageRange()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, pages);
    QTemporaryDir out;
    TFR_NOTE *note = m_main->newNote();
    QStringList lines;
    for (int i = 0; i < 300; ++i)
        lines << QStringLiteral("line %1 of the list").arg(i);
    editorOf(*note)->setPlainText(lines.join(u'\n'));

    // The whole note first, to know what each page holds.
    const QString whole = out.filePath(QStringLiteral("whole.pdf"));
    QPrinter all;
    all.setOutputFormat(QPrinter::PdfFormat);
    all.setOutputFileName(whole);
    answerModal([](QWidget *modal) { qobject_cast<QDialog *>(modal)->accept(); });
    QVERIFY(MainFormOverScratch::menuOf(*note).printNote(all));
    QVERIFY2(pageCount(whole) > 3, qPrintable(QString::number(pageCount(whole))));

    // The range as a user enters it in the print dialog.
    const QString part = out.filePath(QStringLiteral("part.pdf"));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(part);
    bool rangeOffered = false;
    answerModal([&](QWidget *modal) {
        auto *range = modal->findChild<QRadioButton *>(QStringLiteral("printRange"));
        auto *first = modal->findChild<QSpinBox *>(QStringLiteral("from"));
        auto *last = modal->findChild<QSpinBox *>(QStringLiteral("to"));
        rangeOffered = range && first && last && range->isEnabled();
        if (rangeOffered) {
            range->setChecked(true);
            first->setValue(from);
            last->setValue(to);
        }
        qobject_cast<QDialog *>(modal)->accept();
    });
    QVERIFY(MainFormOverScratch::menuOf(*note).printNote(printer));
    QVERIFY(rangeOffered);
    QCOMPARE(pageCount(part), pages);
    QCOMPARE(pdfText(part), pdfText(whole, from, to));
}

void TestNoteMenu::printCancelledPrintsNothing()
{
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("none.pdf"));
    TFR_NOTE *note = m_main->newNote(QStringLiteral("text"));
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    answerModal([](QWidget *modal) { qobject_cast<QDialog *>(modal)->reject(); });
    QVERIFY(!MainFormOverScratch::menuOf(*note).printNote(printer));
    QVERIFY(!QFile::exists(pdf));
}

void TestNoteMenu::sendMailOpensEncodedUrl()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
    TFR_NOTE *note = m_main->newNote(QStringLiteral("milk & honey\nbread #2"));
    note->setTitle(QStringLiteral("Q&A #2"));
    MainFormOverScratch::menuOf(*note);
    child(*note, "tbSendMail")->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QCOMPARE(catcher.urls.size(), 1);
    QCOMPARE(catcher.urls.first().toEncoded(),
             QByteArray("mailto:?subject=Q%26A%20%232&body=milk%20%26%20honey%0D%0Abread%20%232"));
}

PAPERLET_NOTES_TEST_MAIN(TestNoteMenu)
#include "tst_note_menu.moc"
