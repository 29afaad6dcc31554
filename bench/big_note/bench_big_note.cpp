// bench_big_note make FILE KIND MB
//   Writes a note file of MB megabytes: KIND "note" (a valid header and one
//   paragraph of words), "paragraphs" (a valid header and RTF with a short
//   paragraph every 60 characters), "lines" (line feeds only) or "junk"
//   (random bytes).
// bench_big_note open FILE
//   Opens FILE as start-up opens a stored note and prints, as one line of
//   key=value pairs: the milliseconds the open call took, the milliseconds
//   until the note window's text area had painted, the longest stall of the
//   event loop from the open until two seconds after that paint (or the end
//   of the run), the peak and final resident memory in MB, and how the note
//   window showed (its text, "too-large", or none). Gives up after LIMIT seconds (default 60) of
//   waiting for the paint once the open call has returned; a run that
//   blocks inside the open call has to be ended from outside (run.sh does).

#include "core/note_host.h"
#include "framework/application.h"
#include "notes/note_collection.h"
#include "notes/note_windows.h"
#include "notes/note_window.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>
#include <optional>

namespace {

class BenchHost final : public NoteHost
{
public:
    explicit BenchHost(const QString &folder) : m_folder(folder) {}
    ProgramSettings &settings() override { return m_settings; }
    void saveSettings() override {}
    QString notesFolder() const override { return m_folder; }
    void ensureNotesFolder() const override {}
    void makeNewNote() override {}
    NoteCollection &noteCollection() override { return m_notes; }

private:
    ProgramSettings m_settings;
    QString m_folder;
    NoteCollection m_notes{*this};
};

// A line of /proc/self/status in MB ("VmHWM", "VmRSS").
double statusMb(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}

QByteArray header(const char *title)
{
    return QByteArray("\xEF\xBB\xBF" "0000640000640000C80000C800006499FFFF\r\n") + title + "\r\n";
}

int make(const QString &path, const QByteArray &kind, double mb)
{
    const qsizetype size = qsizetype(mb * 1024 * 1024);
    QByteArray bytes;
    if (kind == "note") {
        bytes = header("Big");
        const QByteArray word = "word ";
        while (bytes.size() < size)
            bytes += word;
    } else if (kind == "paragraphs") {
        bytes = header("Paragraphs") + "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Tahoma;}}\r\n\\pard\\f0\\fs20 ";
        const QByteArray para = "Short paragraph of an ordinary note, then a break.\\par\r\n";
        while (bytes.size() < size)
            bytes += para;
        bytes += "}\r\n";
    } else if (kind == "lines") {
        bytes = QByteArray(size, '\n');
    } else if (kind == "junk") {
        bytes.resize(size);
        QRandomGenerator generator(7);
        generator.fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    } else {
        std::fprintf(stderr, "unknown kind %s\n", kind.constData());
        return 1;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    return 0;
}

// Notes the first paint of a widget, and the longest gap between ticks of a
// 10 ms timer (the event loop's longest stall).
class Watch final : public QObject
{
public:
    Watch()
    {
        m_clock.start();
        m_tick.setInterval(10);
        connect(&m_tick, &QTimer::timeout, this, [this] { tick(); });
    }

    void startTicking()
    {
        m_lastTick = m_clock.elapsed();
        m_tick.start();
    }
    void watchPaint(QWidget *widget) { widget->installEventFilter(this); }
    qint64 elapsed() const { return m_clock.elapsed(); }
    std::optional<qint64> paintedAt() const { return m_paintedAt; }
    qint64 longestStall() const { return m_longest; }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        // The paint itself runs after this filter: it is over when the loop
        // comes round again.
        if (event->type() == QEvent::Paint && !m_paintSeen) {
            m_paintSeen = true;
            QTimer::singleShot(0, this, [this] { m_paintedAt = m_clock.elapsed(); });
        }
        return false;
    }

private:
    void tick()
    {
        const qint64 now = m_clock.elapsed();
        m_longest = std::max(m_longest, now - m_lastTick);
        m_lastTick = now;
    }

    QElapsedTimer m_clock;
    QTimer m_tick;
    qint64 m_lastTick = 0;
    qint64 m_longest = 0;
    bool m_paintSeen = false;
    std::optional<qint64> m_paintedAt;
};

// How the note came up: with its text, as one too large to open, or not.
const char *shown(const TFR_NOTE *note)
{
    if (!note)
        return "none";
    if (!note->isVisible())
        return "hidden";
    const auto *editor = note->findChild<QTextEdit *>(QStringLiteral("reEdit"));
    return editor->isReadOnly() ? "too-large" : "text";
}

int open(const QString &path, int limitSeconds)
{
    const QFileInfo info(path);
    BenchHost host(info.absolutePath() + QLatin1Char('/'));
    Watch watch;
    NoteWindows windows(host, host.noteCollection());
    NoteDocument *document = host.noteCollection().load(info.fileName());
    TFR_NOTE *note = document ? windows.show(*document) : nullptr;
    const qint64 openMs = watch.elapsed();
    watch.startTicking();
    if (note)
        watch.watchPaint(note->findChild<QTextEdit *>(QStringLiteral("reEdit"))->viewport());
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        const std::optional<qint64> painted = watch.paintedAt();
        const qint64 now = watch.elapsed();
        if ((painted && now - *painted > 2000) || (!note && now > 2000) || now > limitSeconds * 1000)
            QCoreApplication::quit();
    });
    poll.start();
    QCoreApplication::exec();
    std::printf("open_ms=%lld paint_ms=%s stall_ms=%lld peak_mb=%.0f rss_mb=%.0f window=%s\n",
                static_cast<long long>(openMs),
                watch.paintedAt() ? qPrintable(QString::number(*watch.paintedAt())) : "none",
                static_cast<long long>(std::max(openMs, watch.longestStall())), statusMb("VmHWM"),
                statusMb("VmRSS"), shown(note));
    if (note) {
        // Closing writes nothing for an untouched note; the file stays as it was.
        delete note;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == "make" && argc == 5) {
        QCoreApplication core(argc, argv);
        return make(QString::fromLocal8Bit(argv[2]), argv[3], QByteArray(argv[4]).toDouble());
    }
    if (mode == "open" && argc == 3) {
        Application app(argc, argv);
        return open(QString::fromLocal8Bit(argv[2]), qEnvironmentVariableIntValue("LIMIT") > 0
                                                          ? qEnvironmentVariableIntValue("LIMIT")
                                                          : 60);
    }
    std::fprintf(stderr, "usage: bench_big_note make FILE KIND MB | open FILE\n");
    return 1;
}
