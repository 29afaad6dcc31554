// The bytes a note file gets, as a table: what the notes of every kind were
// written as before notes became documents, and still are.
#include "note_test_fixture.h"
#include "outside_writes.h"

#include "core/note_file.h"

#include <QFile>
#include <QTextCharFormat>

#include <functional>

namespace {

// What the program wrote for each sample before notes became documents.
const QByteArray Plain = QByteArrayLiteral(
    "77u/MDAwMDk2MDAwMDc4MDAwMTA0MDAwMEI0MDAwMDQ2QzBGRkMwDQogIFNhbXBsZSDDpA0Ke1xydGYxXGFuc2lcYW5zaWNwZzEy"
    "NTJcZGVmZjBcZGVmbGFuZzEwMzN7XGZvbnR0Ymx7XGYwXGZuaWxcZmNoYXJzZXQwIFRhaG9tYTt9fQ0Ke1xjb2xvcnRibCA7XHJl"
    "ZDBcZ3JlZW4wXGJsdWUwO30NClx2aWV3a2luZDRcdWMxXHBhcmRcY2YxXGYwXGZzMjAgbWlsa1xwYXINCmJyZWFkXHBhcg0KfQ0K");
const QByteArray Typed = QByteArrayLiteral(
    "77u/MDAwMDk2MDAwMDc4MDAwMTA0MDAwMEI0MDAwMDQ2QzBGRkMwDQogIFNhbXBsZSDDpA0Ke1xydGYxXGFuc2lcYW5zaWNwZzEy"
    "NTJcZGVmZjBcZGVmbGFuZzEwMzN7XGZvbnR0Ymx7XGYwXGZuaWxcZmNoYXJzZXQwIFRhaG9tYTt9fQ0Ke1xjb2xvcnRibCA7XHJl"
    "ZDBcZ3JlZW4wXGJsdWUwO30NClx2aWV3a2luZDRcdWMxXHBhcmRcY2YxXGYwXGZzMjAgdHlwZWQgY2FmXHUyMzM/IFx1MjUyPyBc"
    "dTgyMTE/IFx1ODM2ND9ccGFyDQp9DQo=");
const QByteArray Runs = QByteArrayLiteral(
    "77u/MDAwMDk2MDAwMDc4MDAwMTA0MDAwMEI0MDAwMDQ2QzBGRkMwDQogIFNhbXBsZSDDpA0Ke1xydGYxXGFuc2lcYW5zaWNwZzEy"
    "NTJcZGVmZjBcZGVmbGFuZzEwMzN7XGZvbnR0Ymx7XGYwXGZuaWxcZmNoYXJzZXQwIFRhaG9tYTt9fQ0Ke1xjb2xvcnRibCA7XHJl"
    "ZDBcZ3JlZW4wXGJsdWUwO30NClx2aWV3a2luZDRcdWMxXHBhcmRcY2YxXGYwXGZzMjAgcGxhaW4gXGIgYm9sZCBcYjBcaSBpdGFs"
    "aWNccGFyDQp9DQo=");
const QByteArray Bullets = QByteArrayLiteral(
    "77u/MDAwMDk2MDAwMDc4MDAwMTA0MDAwMEI0MDAwMDQ2QzBGRkMwDQogIFNhbXBsZSDDpA0Ke1xydGYxXGFuc2lcYW5zaWNwZzEy"
    "NTJcZGVmZjBcZGVmbGFuZzEwMzN7XGZvbnR0Ymx7XGYwXGZuaWxcZmNoYXJzZXQwIFRhaG9tYTt9fQ0Ke1xjb2xvcnRibCA7XHJl"
    "ZDBcZ3JlZW4wXGJsdWUwO30NClx2aWV3a2luZDRcdWMxXHBhcmRcY2YxXGYwXGZzMjAgb25lXHBhcg0KdHdvXHBhcg0KfQ0K");
const QByteArray Centred = QByteArrayLiteral(
    "77u/MDAwMDk2MDAwMDc4MDAwMTA0MDAwMEI0MDAwMDQ2QzBGRkMwDQogIFNhbXBsZSDDpA0Ke1xydGYxXGFuc2lcYW5zaWNwZzEy"
    "NTJcZGVmZjBcZGVmbGFuZzEwMzN7XGZvbnR0Ymx7XGYwXGZuaWxcZmNoYXJzZXQwIFRhaG9tYTt9fQ0Ke1xjb2xvcnRibCA7XHJl"
    "ZDIwMFxncmVlbjBcYmx1ZTA7fQ0KXHZpZXdraW5kNFx1YzFccGFyZFxxY1xjZjFcZjBcZnMyMCBtaWRkbGVccGFyDQp9DQo=");
const QByteArray SettingsFont = QByteArrayLiteral(
    "77u/MDAwMDk2MDAwMDc4MDAwMTA0MDAwMEI0MDAwMDQ2QzBGRkMwDQogIFNhbXBsZSDDpA0Ke1xydGYxXGFuc2lcYW5zaWNwZzEy"
    "NTJcZGVmZjBcZGVmbGFuZzEwMzN7XGZvbnR0Ymx7XGYwXGZuaWxcZmNoYXJzZXQwIENvdXJpZXIgTmV3O319DQp7XGNvbG9ydGJs"
    "IDtccmVkMTkyXGdyZWVuMFxibHVlMDt9DQpcdmlld2tpbmQ0XHVjMVxwYXJkXGNmMVxiXGYwXGZzMjQgbWlsa1xwYXINCmJyZWFk"
    "XHBhcg0KfQ0K");
const QByteArray Moved = QByteArrayLiteral(
    "77u/MDAwMTkwMDAwMTJDMDAwMEM4MDAwMEM4MDAwMDVBOTlGRkZGDQpTaG9wcGluZw0Ke1xydGYxXGFuc2lcYW5zaWNwZzEyNTJc"
    "ZGVmZjBcZGVmbGFuZzEwMzN7XGZvbnR0Ymx7XGYwXGZuaWxcZmNoYXJzZXQwIFRhaG9tYTt9fQ0KXHZpZXdraW5kNFx1YzFccGFy"
    "ZFxmMFxmczIwIG1pbGtccGFyDQpicmVhZFxwYXINCn0NCg==");


void typeInto(NoteEditor &editor, const QString &text)
{
    editor.setFocus();
    QTest::keyClicks(&editor, text);
}

using Edit = std::function<void(NoteEditor &)>;

struct Sample
{
    const char *name;
    Edit edit;
    QByteArray written;   // base64 of the file the program wrote before the change
};

QList<Sample> samples()
{
    return {
        {"plain lines", [](NoteEditor &e) { e.setPlainText(QStringLiteral("milk\nbread")); }, Plain},
        {"typed, not ASCII",
         [](NoteEditor &e) {
             typeInto(e, QStringLiteral("typed "));
             e.insertPlainText(QStringLiteral("caf\u00e9 \u00fc \u2013 \u20ac"));
         },
         Typed},
        {"bold and italic runs",
         [](NoteEditor &e) {
             typeInto(e, QStringLiteral("plain "));
             QTextCharFormat bold;
             bold.setFontWeight(QFont::Bold);
             e.mergeCurrentCharFormat(bold);
             typeInto(e, QStringLiteral("bold "));
             QTextCharFormat italic;
             italic.setFontItalic(true);
             italic.setFontWeight(QFont::Normal);
             e.mergeCurrentCharFormat(italic);
             typeInto(e, QStringLiteral("italic"));
         },
         Runs},
        {"lines typed after the bullets command",
         [](NoteEditor &e) {
             prepareEditorMenu(e);
             child(e, "mnNumbering")->trigger();
             typeInto(e, QStringLiteral("one"));
             QTest::keyClick(&e, Qt::Key_Return);
             typeInto(e, QStringLiteral("two"));
         },
         Bullets},
        {"centred, coloured",
         [](NoteEditor &e) {
             e.setAlignment(Qt::AlignHCenter);
             e.setTextColor(QColor(200, 0, 0));
             typeInto(e, QStringLiteral("middle"));
         },
         Centred},
    };
}

} // namespace

class TestNoteBytes final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void writtenNotes_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("settingsFont");
        const QList<Sample> all = samples();
        for (int i = 0; i < all.size(); ++i)
            QTest::newRow(all[i].name) << i << false;
        QTest::newRow("new note in the settings' font") << 0 << true;
    }

    // A new note with a look of its own and text made in the editor.
    void writtenNotes()
    {
        QFETCH(int, index);
        QFETCH(bool, settingsFont);
        MainFormOverScratch scratch;
        if (settingsFont) {
            scratch.form().settings().DefaultFontName = QStringLiteral("Courier New");
            scratch.form().settings().DefaultFontSize = 12;
            scratch.form().settings().DefaultFontStyle = 1;
            scratch.form().settings().DefaultFontColor = Color::fromValue(0x0000C0);
        }
        TFR_NOTE *note = scratch.newNote();
        note->setTitle(QStringLiteral("  Sample \u00e4"));
        note->setOpacity(70);
        note->ApplyColor(Color::fromValue(0xC0FFC0));
        note->setGeometry(150, 120, 260, 180);
        const Sample sample = samples().at(index);
        sample.edit(*editorOf(*note));
        const QString path = note->filePath();
        delete note;
        const QByteArray bytes = fileBytes(path);
        const QByteArray expected = settingsFont ? SettingsFont : sample.written;
        if (bytes.toBase64() != expected)
            qWarning("%s: %s", QTest::currentDataTag(), bytes.toBase64().constData());
        QCOMPARE(bytes.toBase64(), expected);
    }

    // A stored note moved and written again: only the header changes.
    void aStoredNoteMoved()
    {
        MainFormOverScratch scratch;
        const QByteArray stored("\xEF\xBB\xBF"
                                "0001400000F00000C80000C800005A99FFFF\r\n"
                                "Shopping\r\n"
                                "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Tahoma;}}\r\n"
                                "\\viewkind4\\uc1\\pard\\f0\\fs20 milk\\par\r\n"
                                "bread\\par\r\n"
                                "}\r\n");
        const QString path = scratch.form().notesFolder() + QStringLiteral("1.pnf");
        NoteFile::writeAtomically(path, stored);
        auto *note = Application::instance()->createForm<TFR_NOTE>(scratch.form());
        note->LoadNote(QStringLiteral("1.pnf"));
        note->show();
        note->move(400, 300);
        delete note;
        const QByteArray bytes = fileBytes(path);
        if (bytes.toBase64() != Moved)
            qWarning("moved: %s", bytes.toBase64().constData());
        QCOMPARE(bytes.toBase64(), Moved);
    }
};

PAPERLET_NOTES_TEST_MAIN(TestNoteBytes)
#include "tst_note_bytes.moc"
