// The All Notes window over N notes of realistic text (default 1000):
// how long it takes to open, how long the list takes to follow each
// keystroke of a search (typing on and erasing), and what the list costs in
// memory. Run with QT_QPA_PLATFORM=offscreen:
//
//     bench_all_notes [N] [REPEATS]
//
// Prints one line per figure: median and worst in milliseconds, memory in KiB.
#include "scratch_host.h"

#include "core/note_file.h"
#include "core/rtf/rtf.h"
#include "notes/all_notes_window.h"
#include "notes/note_collection.h"
#include "notes/note_list_model.h"
#include "notes/note_windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>

namespace {

const char *const Words[] = {
    "meeting", "budget", "call", "Anna", "about", "the", "project", "tomorrow", "morning", "buy", "milk", "bread",
    "eggs", "remember", "to", "send", "report", "café", "crème", "brûlée", "Straße", "naïve", "dentist", "at",
    "ten", "o'clock", "password", "hint", "book", "flight", "Berlin", "Zürich", "pick", "up", "kids", "school",
    "invoice", "number", "pay", "rent", "garden", "water", "plants", "birthday", "gift", "for", "mum", "ideas",
};

QString sentence(QRandomGenerator &random, int words)
{
    QStringList out;
    for (int i = 0; i < words; ++i)
        out.append(QString::fromUtf8(Words[random.bounded(int(std::size(Words)))]));
    return out.join(QLatin1Char(' '));
}

void seed(const ScratchHost &host, int count)
{
    QRandomGenerator random(42);
    for (int i = 0; i < count; ++i) {
        QTextDocument text;
        QStringList lines;
        const int lineCount = 3 + random.bounded(6);
        for (int l = 0; l < lineCount; ++l)
            lines.append(sentence(random, 4 + random.bounded(10)));
        text.setPlainText(lines.join(QLatin1Char('\n')));
        NoteRecord record;
        record.bounds = QRect(random.bounded(1000), random.bounded(600), 200, 200);
        record.color = Color::fromValue(0x99FFFF);
        record.title = sentence(random, 1 + random.bounded(3));
        record.content = QString::fromLatin1(Rtf::save(text));
        NoteFile::writeAtomically(host.notesFolder() + QStringLiteral("%1.pnf").arg(100000 + i), NoteFile::encode(record));
    }
}

long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toLong() * 4 : -1;
}

struct Figures
{
    QList<double> ms;
    void add(const QElapsedTimer &timer) { ms.append(double(timer.nsecsElapsed()) / 1e6); }
    void print(const char *what)
    {
        std::sort(ms.begin(), ms.end());
        std::printf("%-34s median %7.2f ms  worst %7.2f ms  (%lld samples)\n", what, ms.at(ms.size() / 2), ms.last(),
                    static_cast<long long>(ms.size()));
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, atoi(argv[1])) : 1000;
    const int repeats = argc > 2 ? std::max(1, atoi(argv[2])) : 5;
    ScratchHost host;
    seed(host, count);
    NoteCollection &notes = host.noteCollection();
    for (const QString &name : NoteCollection::noteFiles(host.notesFolder()))
        notes.load(name);
    NoteWindows windows(host, notes);
    std::printf("%d notes, %d repeats\n", count, repeats);

    Figures opening;
    Figures typing;
    Figures erasing;
    long listKiB = 0;
    const QString query = QStringLiteral("creme brulee budget");
    for (int r = 0; r < repeats; ++r) {
        const long before = residentKiB();
        QElapsedTimer timer;
        timer.start();
        auto *window = new TFR_ALL_NOTES(host, notes, windows);
        window->show();
        QCoreApplication::processEvents();
        opening.add(timer);
        if (r == 0)   // later windows reuse the memory the first one freed
            listKiB = residentKiB() - before;

        auto *search = window->findChild<QLineEdit *>(QStringLiteral("edSearch"));
        // Each keystroke as typed: the filter, then the list repainted.
        for (const QChar c : query) {
            timer.restart();
            search->insert(QString(c));
            QCoreApplication::processEvents();
            typing.add(timer);
        }
        while (!search->text().isEmpty()) {
            timer.restart();
            search->backspace();
            QCoreApplication::processEvents();
            erasing.add(timer);
        }
        delete window;
        QCoreApplication::processEvents();
    }
    // The filter alone, without the window: what the list model costs.
    Figures filtering;
    NoteListModel model(notes);
    for (int r = 0; r < repeats; ++r) {
        for (int n = 1; n <= query.size(); ++n) {
            QElapsedTimer timer;
            timer.start();
            model.setQuery(query.left(n));
            filtering.add(timer);
        }
        for (int n = int(query.size()) - 1; n >= 0; --n) {
            QElapsedTimer timer;
            timer.start();
            model.setQuery(query.left(n));
            filtering.add(timer);
        }
    }
    opening.print("open the window");
    filtering.print("filter alone (model)");
    typing.print("keystroke, typing on");
    erasing.print("keystroke, erasing");
    std::printf("%-34s %ld KiB resident, first opening (the window and its widgets)\n", "memory of an open window", listKiB);
    std::printf("%-34s %zu bytes: one pointer per note, no copy of any text\n", "the list's own rows",
                size_t(count) * sizeof(void *));
    return 0;
}
