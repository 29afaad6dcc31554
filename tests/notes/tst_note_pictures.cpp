#include "../common/modal_answer.h"
#include "core/rtf/rtf.h"
#include "core/rtf/rtf_picture.h"
#include "notes/note_editor.h"
#include "notes/note_pictures.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QUrl>
#include <QtTest>

namespace {

QImage filled(int w, int h, QRgb color)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// The pictures of the editor's text, in order.
QList<QTextImageFormat> pictures(const NoteEditor &editor)
{
    QList<QTextImageFormat> found;
    for (QTextBlock b = editor.document()->begin(); b.isValid(); b = b.next())
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat())
                found << it.fragment().charFormat().toImageFormat();
    return found;
}

// How many pixels of the shown editor are (nearly) `color`.
int pixelsOf(NoteEditor &editor, QRgb color)
{
    const QImage shot = editor.viewport()->grab().toImage();
    int n = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb c = shot.pixel(x, y);
            n += qAbs(qRed(c) - qRed(color)) < 16 && qAbs(qGreen(c) - qGreen(color)) < 16
                && qAbs(qBlue(c) - qBlue(color)) < 16;
        }
    return n;
}

void showEditor(NoteEditor &editor)
{
    editor.resize(220, 240);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
}

} // namespace

class TestNotePictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pastedScreenshotIsStoredAsPngAndShownFitted();
    void largePicturesAreCappedBeforeStoring();
    void droppedImageFileBecomesAPicture();
    void pastedHtmlKeepsItsImages();
    void selectedPictureCopiesAsImageAndDeletes();
    void presetWidthsResizeAPicture();
    void picturesPrint();
};

void TestNotePictures::pastedScreenshotIsStoredAsPngAndShownFitted()
{
    NoteEditor editor;
    showEditor(editor);
    editor.setPlainText(QStringLiteral("shot:"));
    editor.moveCursor(QTextCursor::End);
    QGuiApplication::clipboard()->setImage(filled(800, 400, qRgb(0, 0, 255)));
    QTest::keyClick(&editor, Qt::Key_V, Qt::ControlModifier);

    const QList<QTextImageFormat> found = pictures(editor);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().intProperty(Rtf::PictureKindProperty), int(Rtf::PictureKind::Png));
    QCOMPARE(found.first().width(), 800.0); // stored at its own size...
    // ...and shown no wider than the note
    QTRY_VERIFY(editor.document()->documentLayout()->documentSize().width() <= editor.viewport()->width());
    QTRY_VERIFY(pixelsOf(editor, qRgb(0, 0, 255)) > 100 * 40);

    const QByteArray rtf = Rtf::save(*editor.document());
    QVERIFY(rtf.contains("shot:{\\pict\\pngblip\\picw800\\pich400\\picwgoal12000\\pichgoal6000\r\n89504e47"));
}

void TestNotePictures::largePicturesAreCappedBeforeStoring()
{
    NoteEditor editor;
    QGuiApplication::clipboard()->setImage(filled(4000, 1000, qRgb(10, 200, 10)));
    editor.paste();
    const QList<QTextImageFormat> found = pictures(editor);
    QCOMPARE(found.size(), 1);
    QCOMPARE(found.first().property(Rtf::PicturePixelsProperty).toSize(),
             QSize(NotePictures::MaxLongSide, NotePictures::MaxLongSide / 4));
}

void TestNotePictures::droppedImageFileBecomesAPicture()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("drop.png"));
    QVERIFY(filled(30, 20, qRgb(255, 0, 0)).save(path));
    NoteEditor editor;
    showEditor(editor);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    const QPoint at = editor.viewport()->rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor.viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(editor.viewport(), &drop);
    QCOMPARE(pictures(editor).size(), 1);
    QTRY_VERIFY(pixelsOf(editor, qRgb(255, 0, 0)) >= 30 * 20);
}

void TestNotePictures::pastedHtmlKeepsItsImages()
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    filled(12, 6, qRgb(0, 255, 0)).save(&buffer, "PNG");
    auto *data = new QMimeData;
    data->setHtml(QStringLiteral("<p>before <img src=\"data:image/png;base64,%1\"> after</p>")
                      .arg(QString::fromLatin1(png.toBase64())));
    QGuiApplication::clipboard()->setMimeData(data);
    NoteEditor editor;
    editor.paste();
    QCOMPARE(Rtf::plainText(*editor.document()), QStringLiteral("before  after\n"));
    QCOMPARE(pictures(editor).size(), 1);
    QCOMPARE(pictures(editor).first().property(Rtf::PicturePixelsProperty).toSize(), QSize(12, 6));
    QVERIFY(Rtf::save(*editor.document()).contains("before {\\pict\\pngblip\\picw12\\pich6"));
}

void TestNotePictures::selectedPictureCopiesAsImageAndDeletes()
{
    NoteEditor editor;
    editor.setPlainText(QStringLiteral("ab"));
    QTextCursor cursor(editor.document());
    cursor.setPosition(1);
    NotePictures::insertImage(cursor, filled(9, 7, qRgb(200, 0, 200)));
    cursor.setPosition(1);
    cursor.setPosition(2, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
    QGuiApplication::clipboard()->clear();
    editor.copy();
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(9, 7));
    QCOMPARE(copied.pixel(4, 3), qRgb(200, 0, 200));

    // Pasted into another note it is a picture of that note.
    NoteEditor other;
    other.paste();
    QCOMPARE(pictures(other).size(), 1);

    QTest::keyClick(&editor, Qt::Key_Delete);
    QCOMPARE(pictures(editor).size(), 0);
    QCOMPARE(editor.toPlainText(), QStringLiteral("ab"));
}

void TestNotePictures::presetWidthsResizeAPicture()
{
    NoteEditor editor;
    showEditor(editor);
    QTextCursor cursor(editor.document());
    NotePictures::insertImage(cursor, filled(400, 200, qRgb(0, 0, 0)));
    const qreal room = editor.document()->textWidth() - 2 * editor.document()->documentMargin();
    QString chosen;
    answerModal(
        [&chosen](QWidget *popup) {
            auto *menu = qobject_cast<QMenu *>(popup);
            QVERIFY(menu);
            QCOMPARE(menu->objectName(), QStringLiteral("pmPictureSize"));
            QAction *half = menu->actions().at(1);
            chosen = half->text();
            half->trigger();
            menu->close();
        },
        true);
    QTest::mouseDClick(editor.viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(chosen.startsWith(QStringLiteral("50%")));
    const QTextImageFormat resized = pictures(editor).first();
    QCOMPARE(resized.width(), double(qRound(room / 2)));
    QCOMPARE(resized.height(), double(qRound(room / 4)));
    QVERIFY(Rtf::save(*editor.document())
                .contains(QStringLiteral("\\picw400\\pich200\\picwgoal%1").arg(qRound(room / 2) * 15).toLatin1()));
}

void TestNotePictures::picturesPrint()
{
    QTemporaryDir dir;
    const auto printedImages = [&dir](NoteEditor &editor) {
        const QString pdf = dir.filePath(QStringLiteral("note.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        editor.printTo(printer);
        QFile file(pdf);
        if (!file.open(QIODevice::ReadOnly))
            return -1;
        return int(file.readAll().count("/Subtype /Image"));
    };
    NoteEditor editor;
    editor.setPlainText(QStringLiteral("text only"));
    QCOMPARE(printedImages(editor), 0);
    QTextCursor cursor(editor.document());
    NotePictures::insertImage(cursor, filled(50, 50, qRgb(255, 128, 0)));
    QCOMPARE(printedImages(editor), 1);
}

QTEST_MAIN(TestNotePictures)
#include "tst_note_pictures.moc"
