// bench_rtf: read and write a 64K-character formatted note, a generated
// 4 MB document in the rich-text control's form (20,000 paragraphs in code
// page 1254 with bold, italic, underline, colour, bullets and emoji) and a
// normal note of a few KB; beside them, building the same document with
// QTextCursor, QTextDocument::setHtml and toHtml on the same content.
// A note with five 1-megapixel pictures is read (with the pictures decoded,
// as showing it does) and written beside decoding and encoding the pictures
// alone, the floor of that job.

#include "core/rtf/rtf.h"
#include "core/rtf/rtf_picture.h"

#include <QBuffer>
#include <QImage>
#include <QUrl>

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// A 64K-character note typed in the editor: words in changing formats,
// some paragraphs bulleted or aligned.
void buildNote(QTextDocument &document, int characters)
{
    document.setDefaultFont(QFont(QStringLiteral("Tahoma"), 10));
    QTextCursor cursor(&document);
    const QString words[] = {QStringLiteral("note "), QStringLiteral("\u0131\u011F\u015F "), QStringLiteral("milk "),
                             QStringLiteral("bread "), QStringLiteral("\u00E7ay ")};
    const QColor colours[] = {Qt::red, Qt::blue, QColor(0, 128, 0)};
    int written = 0;
    for (int i = 0; written < characters; ++i) {
        QTextCharFormat f;
        f.setFontWeight(i % 3 == 0 ? QFont::Bold : QFont::Normal);
        f.setFontItalic(i % 5 == 0);
        f.setFontUnderline(i % 7 == 0);
        if (i % 4 == 0)
            f.setForeground(colours[i % 3]);
        if (i % 11 == 0)
            f.setFontPointSize(14);
        const QString &w = words[i % 5];
        cursor.insertText(w, f);
        written += int(w.size());
        if (i % 12 == 11) {
            QTextBlockFormat b;
            if (i % 36 == 23)
                b.setAlignment(Qt::AlignHCenter);
            cursor.insertBlock(b, QTextCharFormat());
            if (i % 48 == 47)
                cursor.createList(Rtf::bulletListFormat());
            ++written;
        }
    }
}

// The rich-text control's own form, generated: what a long note that was
// written on Windows looks like.
QByteArray richEditDocument(int paragraphs)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1254\\deff0\\deflang1055{\\fonttbl{\\f0\\fnil\\fcharset162 Tahoma;}"
                     "{\\f1\\fnil\\fcharset2 Symbol;}{\\f2\\fswiss\\fcharset162 Arial;}}\r\n"
                     "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}\r\n"
                     "\\viewkind4\\uc1\\pard\\f0\\fs20 ";
    for (int i = 0; i < paragraphs; ++i) {
        if (i % 10 == 5)
            rtf += "\\pard{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1\\pnindent0{\\pntxtb\\'B7}}\\fi-200\\li200 ";
        else if (i % 10 == 6)
            rtf += "{\\pntext\\f1\\'B7\\tab}";
        else if (i % 10 == 7)
            rtf += "\\pard ";
        rtf += "Paragraf " + QByteArray::number(i) + ": \\b Al\\'fd\\'feveri\\'fe\\b0  listesi, \\i \\'e7ay ve "
               "\\'fe\\'eaker\\i0 , \\ul s\\'fct\\ulnone  ile \\cf1 k\\'fdrm\\'fdz\\'fd\\cf0  \\cf2 ye\\'fe\\'fdl\\cf0 "
               " elma \\u-10179?\\u-8704? \\f2 Arial \\'d0\\'dd\\'de\\f0  ve g\\'fcnl\\'fck notlar.\\par\r\n";
    }
    rtf += "}\r\n";
    return rtf;
}

QByteArray normalNote()
{
    QTextDocument document;
    buildNote(document, 3000);
    return Rtf::save(document);
}

QByteArray formattedNote()
{
    QTextDocument document;
    buildNote(document, 65536);
    return Rtf::save(document);
}

// The runs of a loaded document, to build it again with a cursor.
struct Run
{
    QString text;
    QTextCharFormat format;
};
struct Paragraph
{
    QTextBlockFormat format;
    int listStyle = 0;
    std::vector<Run> runs;
};

std::vector<Paragraph> paragraphsOf(const QTextDocument &document)
{
    std::vector<Paragraph> out;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        Paragraph p;
        p.format = b.blockFormat();
        p.format.setObjectIndex(-1);
        p.listStyle = b.textList() ? int(b.textList()->format().style()) : 0;
        for (auto it = b.begin(); !it.atEnd(); ++it)
            p.runs.push_back({it.fragment().text(), it.fragment().charFormat()});
        out.push_back(std::move(p));
    }
    return out;
}

void buildWithCursor(QTextDocument &document, const std::vector<Paragraph> &paragraphs)
{
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    QTextList *list = nullptr;
    bool first = true;
    for (const Paragraph &p : paragraphs) {
        if (!first)
            cursor.insertBlock(p.format, QTextCharFormat());
        else
            cursor.setBlockFormat(p.format);
        first = false;
        for (const Run &r : p.runs)
            cursor.insertText(r.text, r.format);
        if (p.listStyle == 0) {
            list = nullptr;
        } else if (list) {
            list->add(cursor.block());
        } else {
            QTextListFormat lf;
            lf.setStyle(QTextListFormat::Style(p.listStyle));
            list = cursor.createList(lf);
        }
    }
    cursor.endEditBlock();
}

const QByteArray &input(int which)
{
    static const QByteArray note = formattedNote();
    static const QByteArray big = richEditDocument(20000);
    static const QByteArray small = normalNote();
    return which == 0 ? note : which == 1 ? big : small;
}

void setLabel(benchmark::State &state)
{
    static const char *const names[] = {"64K note", "4 MB RichEdit", "normal note"};
    state.SetLabel(names[state.range(0)]);
    state.SetBytesProcessed(state.iterations() * input(int(state.range(0))).size());
    state.counters["rtf_bytes"] = double(input(int(state.range(0))).size());
}

void ReadRtf(benchmark::State &state)
{
    const QByteArray &rtf = input(int(state.range(0)));
    QTextDocument document;
    for (auto _ : state)
        Rtf::load(document, rtf);
    state.counters["chars"] = document.characterCount();
    setLabel(state);
}

void BuildWithCursor(benchmark::State &state)
{
    QTextDocument loaded;
    Rtf::load(loaded, input(int(state.range(0))));
    const std::vector<Paragraph> paragraphs = paragraphsOf(loaded);
    QTextDocument document;
    document.setUndoRedoEnabled(false);
    for (auto _ : state)
        buildWithCursor(document, paragraphs);
    state.counters["chars"] = document.characterCount();
    setLabel(state);
}

void SetHtml(benchmark::State &state)
{
    QTextDocument loaded;
    Rtf::load(loaded, input(int(state.range(0))));
    const QString html = loaded.toHtml();
    QTextDocument document;
    document.setUndoRedoEnabled(false);
    for (auto _ : state)
        document.setHtml(html);
    state.counters["chars"] = document.characterCount();
    setLabel(state);
}

void WriteRtf(benchmark::State &state)
{
    QTextDocument document;
    Rtf::load(document, input(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(Rtf::save(document));
    setLabel(state);
}

void ToHtml(benchmark::State &state)
{
    QTextDocument document;
    Rtf::load(document, input(int(state.range(0))));
    for (auto _ : state)
        benchmark::DoNotOptimize(document.toHtml());
    setLabel(state);
}

// Five 1000 x 1000 pictures like photographs: smooth shades with grain.
const std::vector<QImage> &photos()
{
    static const std::vector<QImage> images = [] {
        std::vector<QImage> v;
        quint32 seed = 7;
        for (int n = 0; n < 5; ++n) {
            QImage image(1000, 1000, QImage::Format_RGB32);
            for (int y = 0; y < 1000; ++y) {
                auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
                for (int x = 0; x < 1000; ++x) {
                    seed = seed * 1664525u + 1013904223u;
                    const int grain = int(seed >> 29);
                    line[x] = qRgb((x / 4 + n * 40 + grain) & 255, (y / 4 + grain) & 255, ((x + y) / 8) & 255);
                }
            }
            v.push_back(image);
        }
        return v;
    }();
    return images;
}

std::vector<Rtf::Picture> photoPictures()
{
    std::vector<Rtf::Picture> pictures;
    for (const QImage &image : photos())
        pictures.push_back(Rtf::pictureFromImage(image, 1600));
    return pictures;
}

const QByteArray &picturesNote()
{
    static const QByteArray rtf = [] {
        QTextDocument document;
        QTextCursor cursor(&document);
        for (const Rtf::Picture &p : photoPictures()) {
            cursor.insertText(QStringLiteral("A picture: "));
            cursor.insertText(QString(QChar::ObjectReplacementCharacter), Rtf::pictureFormat(document, p));
            cursor.insertBlock();
        }
        return Rtf::save(document);
    }();
    return rtf;
}

// Decodes every picture of the document, as painting it does.
void decodePictures(const QTextDocument &document)
{
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) {
                const QVariant r = document.resource(QTextDocument::ImageResource,
                                                     QUrl(it.fragment().charFormat().toImageFormat().name()));
                benchmark::DoNotOptimize(QImage::fromData(r.toByteArray()));
            }
}

void ReadPicturesNote(benchmark::State &state)
{
    picturesNote(); // made once, outside the timing
    for (auto _ : state) {
        QTextDocument document;
        Rtf::load(document, picturesNote());
        decodePictures(document);
    }
    state.SetLabel(QStringLiteral("%1 KB").arg(picturesNote().size() / 1024).toStdString());
}

void DecodePicturesAlone(benchmark::State &state)
{
    const std::vector<Rtf::Picture> pictures = photoPictures();
    for (auto _ : state)
        for (const Rtf::Picture &p : pictures)
            benchmark::DoNotOptimize(QImage::fromData(p.data));
}

void WritePicturesNote(benchmark::State &state)
{
    QTextDocument document;
    Rtf::load(document, picturesNote());
    for (auto _ : state)
        benchmark::DoNotOptimize(Rtf::save(document));
}

void EncodePicturesAlone(benchmark::State &state)
{
    for (auto _ : state)
        for (const QImage &image : photos()) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "JPEG", 88);
            benchmark::DoNotOptimize(bytes);
        }
}

} // namespace

BENCHMARK(ReadPicturesNote)->Unit(benchmark::kMillisecond);
BENCHMARK(DecodePicturesAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(WritePicturesNote)->Unit(benchmark::kMillisecond);
BENCHMARK(EncodePicturesAlone)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadRtf)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildWithCursor)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(SetHtml)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteRtf)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(ToHtml)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
