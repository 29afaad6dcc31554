// Every format the editor sets, written to the note file and read back.
#include "core/rtf/rtf.h"
#include "framework/popup_menu.h"
#include "note_test_fixture.h"
#include "theme/color_palette.h"

#include <QFontDatabase>
#include <QTextBlock>
#include <QTextList>

namespace {

struct CharLook
{
    QString family;
    qreal size = 0;
    bool bold = false, italic = false, underline = false, strikeOut = false;
    QColor color;
    bool operator==(const CharLook &o) const
    {
        return family == o.family && size == o.size && bold == o.bold && italic == o.italic
            && underline == o.underline && strikeOut == o.strikeOut && color == o.color;
    }
};

QDebug operator<<(QDebug debug, const CharLook &look)
{
    return debug << look.family << look.size << look.bold << look.italic << look.underline << look.strikeOut
                 << look.color.name();
}

CharLook lookAt(const NoteEditor &editor, int position)
{
    QTextCursor cursor(editor.document());
    cursor.setPosition(position + 1);
    const QTextCharFormat format = cursor.charFormat();
    const QFont font = format.font().resolve(editor.document()->defaultFont());
    CharLook look;
    look.family = font.family();
    look.size = font.pointSizeF();
    look.bold = font.bold();
    look.italic = font.italic();
    look.underline = font.underline();
    look.strikeOut = font.strikeOut();
    look.color = format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                                  : editor.palette().color(QPalette::Text);
    return look;
}

void select(NoteEditor &editor, int from, int to)
{
    QTextCursor cursor = editor.textCursor();
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
    prepareEditorMenu(editor);
}

QString family(int index)
{
    const QStringList families = QFontDatabase::families();
    return families.value(std::min(index, int(families.size()) - 1));
}

} // namespace

class TestEditorFormatsFile final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { m_main = std::make_unique<MainFormOverScratch>(); }
    void cleanup()
    {
        qDeleteAll(Application::instance()->formsOf<TFR_NOTE>());
        flushDeletes();
        m_main.reset();
    }
    void everyFormatSurvivesTheNoteFile();
    void defaultFontSurvivesTheNoteFile_data();
    void defaultFontSurvivesTheNoteFile();

private:
    TFR_NOTE *reopen(TFR_NOTE &note)
    {
        note.SaveNote();
        auto *copy = Application::instance()->createForm<TFR_NOTE>(m_main->form());
        copy->LoadNote(note.fileName());
        return copy;
    }

    std::unique_ptr<MainFormOverScratch> m_main;
};

void TestEditorFormatsFile::everyFormatSurvivesTheNoteFile()
{
    TFR_NOTE *note = m_main->newNote(QStringLiteral("bold italic under strike\ncolour font\nright\ncentre\nbullet one\nbullet two"));
    NoteEditor &editor = *editorOf(*note);
    select(editor, 0, 4);
    child(editor, "mnBold")->trigger();
    select(editor, 5, 11);
    child(editor, "mnItalic")->trigger();
    select(editor, 12, 17);
    child(editor, "mnUnderline")->trigger();
    select(editor, 18, 24);
    child(editor, "mnStrikeout")->trigger();
    select(editor, 25, 31);
    Q_EMIT child<QMenu>(editor, "mnColor")->aboutToShow();
    child<TTBXColorPalette>(editor, "tbTextColor")->ClickCell(1, 1);   // "Orange"
    QTextCharFormat face;
    face.setFontFamilies({family(2)});
    face.setFontPointSize(17);
    select(editor, 32, 36);
    editor.mergeCurrentCharFormat(face);
    select(editor, 38, 39);
    child(editor, "mnRightJ")->trigger();
    select(editor, 45, 46);
    child(editor, "mnCenterJ")->trigger();
    select(editor, 53, 62);
    child(editor, "mnNumbering")->trigger();

    TFR_NOTE *copy = reopen(*note);
    NoteEditor &loaded = *editorOf(*copy);
    QCOMPARE(loaded.toPlainText(), editor.toPlainText());
    for (int pos = 0; pos < editor.textLength(); ++pos)
        QVERIFY2(lookAt(loaded, pos) == lookAt(editor, pos), qPrintable(QString::number(pos)));
    QCOMPARE(lookAt(loaded, 26).color, QColor(0xFF, 0x66, 0));
    QVERIFY(lookAt(loaded, 1).bold);
    QCOMPARE(lookAt(loaded, 33).size, 17.0);
    for (QTextBlock a = editor.document()->begin(), b = loaded.document()->begin(); a.isValid();
         a = a.next(), b = b.next()) {
        QVERIFY(b.isValid());
        QCOMPARE(b.blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 a.blockFormat().alignment() & Qt::AlignHorizontal_Mask);
        QCOMPARE(bool(b.textList()), bool(a.textList()));
        if (a.textList()) {
            QCOMPARE(b.textList()->format().style(), QTextListFormat::ListDisc);
            QCOMPARE(b.textList()->format().indent(), a.textList()->format().indent());
        }
    }
    QVERIFY(loaded.document()->lastBlock().textList());
    QCOMPARE(Rtf::save(*loaded.document()), Rtf::save(*editor.document()));
}

void TestEditorFormatsFile::defaultFontSurvivesTheNoteFile_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("color");
    QTest::newRow("regular black 10") << 0 << 10 << 0x000000;
    QTest::newRow("bold italic red 14") << 3 << 14 << 0x0000FF;
    QTest::newRow("underline strikeout blue 9") << 12 << 9 << 0xFF0000;
    QTest::newRow("all four green 20") << 15 << 20 << 0x008000;
}

void TestEditorFormatsFile::defaultFontSurvivesTheNoteFile()
{
    QFETCH(int, style);
    QFETCH(int, size);
    QFETCH(int, color);
    TFR_PLT_MAIN &form = m_main->form();
    form.settings().DefaultFontName = family(1);
    form.settings().DefaultFontSize = size;
    form.settings().DefaultFontStyle = style;
    form.settings().DefaultFontColor = Color::fromValue(color);
    TFR_NOTE *note = m_main->newNote();
    QTest::keyClicks(editorOf(*note), QStringLiteral("typed"));
    QTest::keyClick(editorOf(*note), Qt::Key_Return);
    QTest::keyClicks(editorOf(*note), QStringLiteral("more"));

    TFR_NOTE *copy = reopen(*note);
    QCOMPARE(editorOf(*copy)->toPlainText(), QStringLiteral("typed\nmore"));
    for (int pos : {0, 4, 6, 9}) {
        const CharLook look = lookAt(*editorOf(*copy), pos);
        QCOMPARE(look.family, family(1));
        QCOMPARE(look.size, qreal(size));
        QCOMPARE(look.bold, bool(style & 1));
        QCOMPARE(look.italic, bool(style & 2));
        QCOMPARE(look.underline, bool(style & 4));
        QCOMPARE(look.strikeOut, bool(style & 8));
        QCOMPARE(Color::fromQColor(look.color), Color::fromValue(color));
        QCOMPARE(look, lookAt(*editorOf(*note), pos));
    }
}

PAPERLET_NOTES_TEST_MAIN(TestEditorFormatsFile)
#include "tst_editor_formats_file.moc"
