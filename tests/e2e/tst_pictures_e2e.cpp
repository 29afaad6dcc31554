// Pictures in the real program: a PNG pasted from the X clipboard is saved in
// the note's file and shows again after a restart; a picture from another
// writer that the program cannot show keeps its bytes through an edit.

#include "e2e_session.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray QuietSettings = "CheckForUpdates=0\r\n";
const QString NewNoteTitle = QStringLiteral("New Note");
constexpr int BarHeight = 26;

QByteArray onlyNote(const E2eSession &session)
{
    const QStringList files = session.noteFiles();
    return files.size() == 1 ? session.readNote(files.first()) : QByteArray();
}

QPoint editorPoint(XWindow note)
{
    const QRect g = E2eSession::geometry(note).value_or(QRect());
    return {g.left() + g.width() / 2, g.top() + BarHeight + 30};
}

// How many pixels of the window are pure blue (ImageMagick writes 8 or 16 bits a channel).
int bluePixels(XWindow window)
{
    const QString out = E2eSession::run(QStringLiteral("import"),
                                        {QStringLiteral("-window"), QStringLiteral("0x%1").arg(window, 0, 16),
                                         QStringLiteral("txt:-")});
    static const QRegularExpression blue(QStringLiteral("#(?:0000FF|00000000FFFF)\\s"));
    return int(out.count(blue));
}

} // namespace

class TestPicturesE2e final : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pastedPngIsSavedAndShownAfterRestart();
    void pictureFromAnotherWriterKeepsItsBytes();
};

void TestPicturesE2e::pastedPngIsSavedAndShownAfterRestart()
{
    if (E2eSession::run(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("command -v xclip")}).isEmpty())
        QSKIP("xclip is not installed");
    E2E_SESSION(session);
    session.seedSettings(QuietSettings);
    E2eProgram &app = session.start();
    QVERIFY(app.waitForTrayIcon());
    QVERIFY(session.doubleClickTray());
    const XWindow note = app.waitForWindow(NewNoteTitle, E2eProgram::ViewableOnly);
    QVERIFY(note);
    E2eSession::click(editorPoint(note));
    E2eSession::focus(note);
    E2eSession::type(QStringLiteral("pic "));
    QVERIFY(E2eSession::waitFor([&] { return onlyNote(session).contains("pic"); }));

    // A screenshot on the clipboard, offered by xclip as image/png.
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("shot.png"));
    QImage shot(60, 40, QImage::Format_RGB32);
    shot.fill(qRgb(0, 0, 255));
    QVERIFY(shot.save(png));
    QProcess xclip;
    xclip.start(QStringLiteral("xclip"), {QStringLiteral("-quiet"), QStringLiteral("-selection"),
                                          QStringLiteral("clipboard"), QStringLiteral("-t"),
                                          QStringLiteral("image/png"), QStringLiteral("-i"), png});
    QVERIFY(xclip.waitForStarted());
    QVERIFY(E2eSession::waitFor([] {
        return E2eSession::run(QStringLiteral("xclip"), {QStringLiteral("-o"), QStringLiteral("-selection"),
                                                        QStringLiteral("clipboard"), QStringLiteral("-t"),
                                                        QStringLiteral("TARGETS")})
            .contains(QStringLiteral("image/png"));
    }));
    E2eSession::focus(note);
    E2eSession::keys({QStringLiteral("ctrl+End"), QStringLiteral("ctrl+v")});
    QVERIFY2(E2eSession::waitFor([&] { return onlyNote(session).contains("pic {\\pict\\pngblip\\picw60\\pich40"); }),
             onlyNote(session).constData());
    E2eSession::stopProcess(xclip);
    QVERIFY(E2eSession::waitFor([&] { return bluePixels(note) >= 60 * 40; }));

    // Exit from the tray menu and start again: the picture is back.
    QVERIFY(session.openTrayMenu());
    E2eSession::keys({QStringLiteral("Up"), QStringLiteral("Return")});
    QVERIFY(app.waitForExit());
    QVERIFY(onlyNote(session).contains("\\pngblip"));
    E2eProgram &again = session.start();
    const XWindow reopened = again.waitForWindow(NewNoteTitle, E2eProgram::ViewableOnly);
    QVERIFY(reopened);
    QVERIFY2(E2eSession::waitFor([&] { return bluePixels(reopened) >= 60 * 40; }),
             qPrintable(QString::number(bluePixels(reopened))));
}

void TestPicturesE2e::pictureFromAnotherWriterKeepsItsBytes()
{
    E2E_SESSION(session);
    session.seedSettings(QuietSettings);
    const QByteArray emf = "{\\*\\shppict{\\pict{\\*\\picprop\\shplid1025{\\sp{\\sn shapeType}{\\sv 75}}}"
                           "\\emfblip\\picw100\\pich50\\picwgoal600\\pichgoal300\r\n"
                           "0100000084000000000000000000000063000000310000000000000000000000\r\n}}"
                           "{\\nonshppict{\\pict\\wmetafile8\\picw100\\pich50 010009000003}}";
    session.seedNote(QStringLiteral("20240101120000.pnf"),
                     E2eSession::noteFile(100, 100, "Drawing",
                                          "{\\rtf1\\ansi{\\fonttbl{\\f0 Tahoma;}}\\f0\\fs20 before " + emf
                                              + " after\\par}"));
    E2eProgram &app = session.start();
    const XWindow note = app.waitForWindow(QStringLiteral("Drawing"), E2eProgram::ViewableOnly);
    QVERIFY(note);
    E2eSession::click(editorPoint(note));
    E2eSession::focus(note);
    E2eSession::keys({QStringLiteral("ctrl+End")});
    E2eSession::type(QStringLiteral(" more"));
    QVERIFY2(E2eSession::waitFor([&] { return onlyNote(session).contains("after more"); }), onlyNote(session).constData());
    QVERIFY2(onlyNote(session).contains(QByteArray("before " + emf + " after more")), onlyNote(session).constData());
}

PAPERLET_E2E_MAIN(TestPicturesE2e)
#include "tst_pictures_e2e.moc"
