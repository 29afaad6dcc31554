#include "../common/modal_answer.h"
#include "core/rtf/rtf.h"
#include "core/rtf/rtf_picture.h"
#include "notes/note_editor.h"
#include "notes/note_pictures.h"
#include "notes/shown_pictures.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPrinter>
#include <QStandardPaths>
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
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void pastedScreenshotIsStoredAsPngAndShownFitted_data();
    void pastedScreenshotIsStoredAsPngAndShownFitted();
    void largePicturesAreCappedBeforeStoring();
    void droppedImageFileBecomesAPicture();
    void pastedHtmlKeepsItsImages();
    void selectedPictureCopiesAsImageAndDeletes();
    void presetWidthsResizeAPicture();
    void picturesPrint();
    void shownPicturesAreKeptBetweenRuns();
    void theCacheDropsTheLeastUsedFirst();
};

void TestNotePictures::pastedScreenshotIsStoredAsPngAndShownFitted_data()
{
    QTest::addColumn<bool>("bound");
    QTest::newRow("the editor's own text") << false;
    QTest::newRow("a note's text, bound to the editor") << true;
}

void TestNotePictures::pastedScreenshotIsStoredAsPngAndShownFitted()
{
    QFETCH(bool, bound);
    NoteEditor editor;
    QTextDocument noteText;
    if (bound)
        editor.bindDocument(&noteText);
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
    // kept encoded once drawn: twenty decoded screenshots would be 100 MB
    const QVariant resource = editor.document()->resource(QTextDocument::ImageResource, QUrl(found.first().name()));
    QCOMPARE(resource.typeId(), QMetaType::QByteArray);

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

void TestNotePictures::shownPicturesAreKeptBetweenRuns()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + QStringLiteral("/pictures");
    QDir(cache).removeRecursively();
    const auto entries = [&cache] { return QDir(cache).entryList({QStringLiteral("*.png")}, QDir::Files); };
    QByteArray rtf;
    {
        NoteEditor first;
        showEditor(first);
        QTextCursor cursor(first.document());
        QVERIFY(NotePictures::insertImage(cursor, filled(800, 400, qRgb(0, 0, 255))));
        QTRY_VERIFY(pixelsOf(first, qRgb(0, 0, 255)) > 100 * 40);
        rtf = Rtf::save(*first.document());
    }
    QCOMPARE(entries().size(), 1);
    const QString entry = cache + u'/' + entries().first();
    const QImage kept(entry);
    QVERIFY(kept.width() <= 220 && kept.width() > 100); // as shown, not as stored

    // The next run draws what was kept: made red here, it shows red.
    QVERIFY(filled(kept.width(), kept.height(), qRgb(255, 0, 0)).save(entry, "PNG"));
    {
        NoteEditor next;
        Rtf::load(*next.document(), rtf);
        showEditor(next);
        QTRY_VERIFY(pixelsOf(next, qRgb(255, 0, 0)) > 100 * 40);
        QCOMPARE(pixelsOf(next, qRgb(0, 0, 255)), 0);
    }

    // A damaged entry is decoded past and made again.
    {
        QFile damaged(entry);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("\x89PNG broken");
    }
    NoteEditor again;
    Rtf::load(*again.document(), rtf);
    showEditor(again);
    QTRY_VERIFY(pixelsOf(again, qRgb(0, 0, 255)) > 100 * 40);
    QCOMPARE(QImage(entry).pixel(5, 5), qRgb(0, 0, 255));
}

void TestNotePictures::theCacheDropsTheLeastUsedFirst()
{
    QTemporaryDir dir;
    const QSize size(40, 20);
    const QByteArray a("picture a"), b("picture b"), c("picture c");
    ShownPictures unlimited(dir.path(), ShownPictures::DefaultMaxBytes);
    unlimited.keep(a, filled(size.width(), size.height(), qRgb(1, 2, 3)));
    const QFileInfoList one = QDir(dir.path()).entryInfoList(QDir::Files);
    QCOMPARE(one.size(), 1);
    const qint64 entryBytes = one.first().size();
    unlimited.keep(b, filled(size.width(), size.height(), qRgb(4, 5, 6)));

    // a was kept first, but used since; b was not
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QFileInfo &info : QDir(dir.path()).entryInfoList(QDir::Files)) {
        QFile file(info.filePath());
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(now.addSecs(info.filePath() == one.first().filePath() ? -7200 : -3600),
                                 QFileDevice::FileModificationTime));
    }
    QVERIFY(!unlimited.find(a, size).isNull());
    QVERIFY(unlimited.find(a, QSize(41, 20)).isNull()); // kept at one size only

    const ShownPictures limited(dir.path(), entryBytes * 5 / 2);
    limited.keep(c, filled(size.width(), size.height(), qRgb(7, 8, 9)));
    QVERIFY(!limited.find(a, size).isNull());
    QVERIFY(limited.find(b, size).isNull());
    QCOMPARE(limited.find(c, size).pixel(0, 0), qRgb(7, 8, 9));
}

QTEST_MAIN(TestNotePictures)
#include "tst_note_pictures.moc"
