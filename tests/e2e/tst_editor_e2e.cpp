// The note's context menu and note menu driven by mouse and keyboard in the
// real program, with the note file checked after every step.

#include "e2e_session.h"

#include "theme/note_color_set.h"

#include <QRegularExpression>
#include <QTest>

namespace {

const QByteArray QuietSettings = "CheckForUpdates=0\r\n";
const QString NewNoteTitle = QStringLiteral("New Note");
constexpr int BarHeight = 26;
// Down presses from the top of the note menu to Color: New Note, then the
// group of Always on Top, On All Workspaces, Roll Up, Lock, Reminder... and
// Keyboard Shortcuts.
constexpr int NoteMenuColor = 8;

// Header fields of a note file: left, top, width, height, opacity, colour.
std::optional<int> headerField(const QByteArray &file, int index)
{
    const QByteArray body = file.startsWith("\xEF\xBB\xBF") ? file.mid(3) : file;
    bool ok = false;
    const int value = body.mid(index * 6, 6).toInt(&ok, 16);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QByteArray onlyNote(const E2eSession &session)
{
    const QStringList files = session.noteFiles();
    return files.size() == 1 ? session.readNote(files.first()) : QByteArray();
}

bool waitForFile(const E2eSession &session, const std::function<bool(const QByteArray &)> &holds)
{
    return E2eSession::waitFor([&] { return holds(onlyNote(session)); });
}

QPoint editorPoint(XWindow note)
{
    const QRect g = E2eSession::geometry(note).value_or(QRect());
    return {g.left() + g.width() / 2, g.top() + BarHeight + 30};
}

QStringList repeated(const QString &key, int times)
{
    QStringList keys;
    for (int i = 0; i < times; ++i)
        keys << key;
    return keys;
}

// The open submenu that holds only a colour palette of `rows` rows of
// 18-pixel cells, 177 pixels wide.
std::optional<QRect> paletteMenu(const E2eProgram &app, int rows)
{
    for (XWindow window : app.windows(QString(), E2eProgram::ViewableOnly)) {
        const auto g = E2eSession::geometry(window);
        if (g && g->width() >= 177 && g->width() < 177 + 20 && g->height() >= rows * 18
            && g->height() < rows * 18 + 20)
            return g;
    }
    return std::nullopt;
}

int noteColor(int col, int row)
{
    Color color = Color::none();
    QString name;
    NoteColorSet::GetNoteColorInfo(nullptr, col, row, color, name);
    return color.value();
}

QPoint cellOf(int color)
{
    for (int row = 0; row < NoteColorSet::RowCount; ++row)
        for (int col = 0; col < NoteColorSet::ColCount; ++col)
            if (noteColor(col, row) == color)
                return {col, row};
    return {-1, 0};
}

// The RTF of `word` carries the control word `control` (no parameter).
bool wordHas(const QByteArray &file, const QByteArray &control, const QByteArray &word)
{
    const QRegularExpression pattern(QRegularExpression::escape(QString::fromLatin1(control))
                                     + QStringLiteral("(?![a-z0-9])(\\\\[a-z]+-?\\d* ?)* ?")
                                     + QString::fromLatin1(word));
    return pattern.match(QString::fromLatin1(file)).hasMatch();
}

// The index of `rgb` ("\\red255\\green0\\blue0") in the RTF colour table; 0 when absent.
int colorIndex(const QByteArray &file, const QByteArray &rgb)
{
    const int table = file.indexOf("{\\colortbl");
    const int end = file.indexOf('}', table);
    if (table < 0 || end < 0)
        return 0;
    const QList<QByteArray> entries = file.mid(table, end - table).split(';');
    for (int i = 0; i < entries.size(); ++i)
        if (entries[i].endsWith(rgb))
            return i;
    return 0;
}

} // namespace

class TestEditorCommands final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void formatRecolourFadeAndDelete();
};

void TestEditorCommands::formatRecolourFadeAndDelete()
{
    E2E_SESSION(session);
    session.seedSettings(QuietSettings);
    E2eProgram &app = session.start();
    QVERIFY(app.waitForTrayIcon());
    QVERIFY(session.doubleClickTray());
    const XWindow note = app.waitForWindow(NewNoteTitle, E2eProgram::ViewableOnly);
    QVERIFY(note);
    E2eSession::click(editorPoint(note));
    E2eSession::focus(note);
    E2eSession::type(QStringLiteral("milk bread"));
    QVERIFY(waitForFile(session, [](const QByteArray &f) { return f.contains("milk bread"); }));

    // "milk" bold through the context menu: from the bottom, Bold is the
    // seventh enabled item while text is selected.
    E2eSession::keys(QStringList{QStringLiteral("ctrl+Home")} + repeated(QStringLiteral("shift+Right"), 4));
    E2eSession::click(editorPoint(note), 3);
    QVERIFY(app.waitForPopupMenu());
    E2eSession::keys(repeated(QStringLiteral("Up"), 7) + QStringList{QStringLiteral("Return")});
    QVERIFY2(waitForFile(session, [](const QByteArray &f) { return wordHas(f, "\\b", "milk"); }),
             onlyNote(session).mid(40).replace('\r', ' ').constData());
    QVERIFY(!wordHas(onlyNote(session), "\\b", "bread"));

    // "bread" red through Font Color... (the eleventh enabled item from the
    // bottom): the palette opens on black, the selection's colour, and two
    // rows down is Red.
    E2eSession::keys({QStringLiteral("End"), QStringLiteral("shift+ctrl+Left")});
    E2eSession::click(editorPoint(note), 3);
    QVERIFY(app.waitForPopupMenu());
    E2eSession::keys(repeated(QStringLiteral("Up"), 11) + QStringList{QStringLiteral("Right")});
    QVERIFY(E2eSession::waitFor([&] { return paletteMenu(app, 5).has_value(); }));
    E2eSession::keys({QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Return")});
    QVERIFY2(waitForFile(session, [](const QByteArray &f) {
                 const int red = colorIndex(f, "\\red255\\green0\\blue0");
                 return red > 0 && wordHas(f, "\\cf" + QByteArray::number(red), "bread")
                     && !wordHas(f, "\\cf" + QByteArray::number(red), "milk");
             }),
             onlyNote(session).mid(40).replace('\r', ' ').constData());

    // The note colour by keyboard: the palette opens on the note's colour,
    // Right moves to the next cell.
    const QPoint yellow = cellOf(0x99FFFF);
    QVERIFY(yellow.x() >= 0);
    const int right = yellow.x() + 1 < NoteColorSet::ColCount ? noteColor(yellow.x() + 1, yellow.y())
                                                              : noteColor(0, yellow.y() + 1);
    E2eSession::click(E2eSession::noteMenuButton(note));
    QVERIFY(app.waitForPopupMenu());
    E2eSession::keys(repeated(QStringLiteral("Down"), NoteMenuColor) + QStringList{QStringLiteral("Right")});
    QVERIFY(E2eSession::waitFor([&] { return paletteMenu(app, 3).has_value(); }));
    E2eSession::keys({QStringLiteral("Right"), QStringLiteral("Return")});
    QVERIFY2(waitForFile(session, [&](const QByteArray &f) { return headerField(f, 5) == right; }),
             onlyNote(session).left(40).constData());

    // ... and by mouse: the last cell of the last row.
    E2eSession::click(E2eSession::noteMenuButton(note));
    QVERIFY(app.waitForPopupMenu());
    E2eSession::keys(repeated(QStringLiteral("Down"), NoteMenuColor) + QStringList{QStringLiteral("Right")});
    std::optional<QRect> palette;
    QVERIFY(E2eSession::waitFor([&] { return (palette = paletteMenu(app, 3)).has_value(); }));
    const int borderX = (palette->width() - 177) / 2;
    const int borderY = (palette->height() - 3 * 18) / 2;
    const QPoint last(palette->left() + borderX + 30 + 7 * 18 + 9, palette->top() + borderY + 2 * 18 + 9);
    // The click moves the pointer there first; X delivers that motion to the
    // palette before the press.
    E2eSession::click(last);
    QVERIFY2(waitForFile(session, [](const QByteArray &f) { return headerField(f, 5) == noteColor(7, 2); }),
             onlyNote(session).left(40).constData());

    // 50 % opacity: the window's opacity property and the file's field.
    E2eSession::click(E2eSession::noteMenuButton(note));
    QVERIFY(app.waitForPopupMenu());
    E2eSession::keys(repeated(QStringLiteral("Down"), NoteMenuColor + 1) + QStringList{QStringLiteral("Right")}
                     + repeated(QStringLiteral("Down"), 4) + QStringList{QStringLiteral("Return")});
    QVERIFY(E2eSession::waitFor([&] {
        const auto opacity = E2eSession::opacity(note);
        return opacity && qRound(*opacity * 255) == 127;
    }));
    QVERIFY(waitForFile(session, [](const QByteArray &f) { return headerField(f, 4) == 50; }));

    // Delete: No keeps note and file, Yes removes both at once.
    const QString file = session.noteFiles().value(0);
    for (const QString &answer : {QStringLiteral("Escape"), QStringLiteral("Return")}) {
        E2eSession::click(E2eSession::noteMenuButton(note));
        QVERIFY(app.waitForPopupMenu());
        E2eSession::keys(repeated(QStringLiteral("Down"), NoteMenuColor + 2) + QStringList{QStringLiteral("Return")});
        const XWindow box = app.waitForWindow(QStringLiteral("Delete Confirmation"), E2eProgram::ViewableOnly);
        QVERIFY(box);
        E2eSession::focus(box);
        E2eSession::key(answer);
        QVERIFY(app.waitForWindowGone(box));
        if (answer == QLatin1String("Escape")) {
            // Whatever No set off has been handled once the tray menu has.
            QVERIFY(session.settleWithTrayMenu());
            QVERIFY(E2eSession::isViewable(note));
            QCOMPARE(session.noteFiles(), QStringList{file});
        }
    }
    QVERIFY(app.waitForWindowGone(note, 2000));
    QVERIFY(E2eSession::waitFor([&] { return session.noteFiles().isEmpty(); }));
}

PAPERLET_E2E_MAIN(TestEditorCommands)
#include "tst_editor_e2e.moc"
