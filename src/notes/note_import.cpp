#include "notes/note_import.h"

#include "core/error.h"
#include "core/note_file.h"
#include "core/note_host.h"
#include "core/note_limits.h"
#include "core/note_naming.h"
#include "core/note_placement.h"
#include "core/rtf/rtf.h"
#include "core/settings_store.h"
#include "notes/note_collection.h"
#include "notes/note_document.h"
#include "notes/note_window.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>

struct NoteImport::Imported
{
    NoteRecord record;
    bool hasPlace = false;   // the record's size is the note's own
};

namespace {

// Xpad's files: "info-ID" says the place, look and "content" file of a pad.
const QString ContentPrefix = QStringLiteral("content-");
const QString InfoPrefix = QStringLiteral("info-");

QString rtfOf(const QTextDocument &text)
{
    return QString::fromLatin1(Rtf::save(text));
}

// An Xpad "info-" file: one "key value" line each.
QHash<QByteArray, QByteArray> xpadInfo(const QString &path)
{
    QHash<QByteArray, QByteArray> values;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return values;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const qsizetype blank = line.indexOf(' ');
        if (blank > 0)
            values.insert(line.left(blank), line.mid(blank + 1).trimmed());
    }
    return values;
}

// "rgb(238,238,236)"; no colour when it is not that.
Color xpadColor(const QByteArray &value)
{
    if (!value.startsWith("rgb(") || !value.endsWith(')'))
        return Color::none();
    const QList<QByteArray> parts = value.mid(4, value.size() - 5).split(',');
    if (parts.size() != 3)
        return Color::none();
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        rgb[i] = parts.at(i).trimmed().toInt(&ok);
        if (!ok || rgb[i] < 0 || rgb[i] > 255)
            return Color::none();
    }
    return Color::rgb(rgb[0], rgb[1], rgb[2]);
}

// A text file's characters: UTF-8 when it reads as UTF-8 (as files on this
// desktop do), otherwise what its byte order mark says or the 8-bit text
// older Windows editors write, rather than replacement marks for every accent.
QString textOf(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? NoteFile::decodeText(bytes) : text;
}

} // namespace

NoteImport::NoteImport(NoteHost &host, NoteCollection &notes, const QRect &area)
    : m_host(host)
    , m_notes(notes)
    , m_area(area)
{
    for (const NoteDocument *note : m_notes.notes())
        if (!note->isDeleted())
            m_taken.append(note->bounds());
}

QString NoteImport::xpadFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(QStringLiteral("xpad"));
}

NoteImport::Imported NoteImport::read(const QString &path) const
{
    const QFileInfo info(path);
    const QByteArray bytes = NoteLimits::readFile(path);
    Imported note;
    if (info.suffix().compare(QLatin1String("pnf"), Qt::CaseInsensitive) == 0) {
        note.record = NoteFile::decode(bytes);
        note.hasPlace = true;
        return note;
    }
    const ProgramSettings &settings = m_host.settings();
    note.record.color = settings.DefaultColor;
    note.record.opacity = settings.DefaultOpacity;
    note.record.title = info.completeBaseName();
    QTextDocument text;
    QString content = textOf(bytes);
    if (info.suffix().compare(QLatin1String("md"), Qt::CaseInsensitive) == 0) {
        // A heading on the first line is the title, as an export writes it.
        static const QRegularExpression heading(QStringLiteral("^#[ \\t]+([^\\r\\n]*)\\r?\\n?"));
        const QRegularExpressionMatch match = heading.match(content);
        if (match.hasMatch() && !match.captured(1).trimmed().isEmpty()) {
            note.record.title = match.captured(1).trimmed();
            content.remove(0, match.capturedLength());
        }
        text.setMarkdown(content, QTextDocument::MarkdownDialectGitHub);
    } else {
        text.setPlainText(content);
    }
    // A note that would not open is no import.
    if (const std::optional<QString> tooMuch = NoteLimits::excess(text))
        throw PaperletError(*tooMuch);
    note.record.content = rtfOf(text);
    return note;
}

NoteDocument *NoteImport::add(Imported note)
{
    QSize size = note.hasPlace ? note.record.bounds.size() : QSize();
    if (size.width() < TFR_NOTE::MinSize || size.height() < TFR_NOTE::MinSize)
        size = QSize(TFR_NOTE::NewNoteSize, TFR_NOTE::NewNoteSize);
    size = size.boundedTo(m_area.size());
    note.record.bounds = QRect(NotePlacement::freePlace(m_area, size, m_taken), size);
    m_taken.append(note.record.bounds);
    m_host.ensureNotesFolder();
    const QString name = m_notes.freeFileName(NoteNaming::fileNameFor(QDateTime::currentDateTime(), QLocale()));
    NoteFile::writeAtomically(m_host.notesFolder() + name, NoteFile::encode(note.record));
    return m_notes.arrived(name);
}

QList<NoteDocument *> NoteImport::importFiles(const QStringList &paths)
{
    // All read before any is added: a file that fails is named, and leaves
    // no half-done import behind it.
    QList<Imported> readNotes;
    for (const QString &path : paths) {
        try {
            readNotes.append(read(path));
        } catch (const PaperletError &error) {
            throw PaperletError(QCoreApplication::translate("NoteImport", "\"%1\" cannot be imported. %2")
                                    .arg(QDir::toNativeSeparators(path), error.message()));
        }
    }
    QList<NoteDocument *> added;
    for (Imported &note : readNotes)
        added.append(add(std::move(note)));
    return added;
}

QList<NoteDocument *> NoteImport::importXpad(const QString &folder)
{
    const QDir dir(folder);
    QList<NoteDocument *> added;
    const QStringList infos = dir.entryList({InfoPrefix + QLatin1Char('*')}, QDir::Files, QDir::Name);
    for (const QString &infoName : infos) {
        const QHash<QByteArray, QByteArray> info = xpadInfo(dir.filePath(infoName));
        const QString content = QString::fromUtf8(info.value("content"));
        if (!content.startsWith(ContentPrefix) || content.contains(QLatin1Char('/')) || !dir.exists(content))
            continue;
        Imported note = read(dir.filePath(content));
        QTextDocument text;
        Rtf::load(text, note.record.content);
        // An empty pad is what Xpad opens by itself.
        if (text.toPlainText().trimmed().isEmpty())
            continue;
        // Xpad keeps no title: the first line stands for one.
        note.record.title = text.firstBlock().text().trimmed();
        const QSize size(info.value("width").toInt(), info.value("height").toInt());
        if (size.width() >= TFR_NOTE::MinSize && size.height() >= TFR_NOTE::MinSize) {
            note.record.bounds.setSize(size);
            note.hasPlace = true;
        }
        const Color back = xpadColor(info.value("back"));
        if (!back.isNone())
            note.record.color = back;
        added.append(add(note));
    }
    return added;
}
