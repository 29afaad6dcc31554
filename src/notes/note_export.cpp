#include "notes/note_export.h"

#include "core/error.h"
#include "core/note_file.h"
#include "core/zip_writer.h"
#include "notes/note_collection.h"
#include "notes/note_document.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QTextDocument>

namespace {

// Long enough for any title people give, short of every file system's limit:
// Windows counts a name in UTF-16 units, Linux in bytes (255), and the name
// still takes a " (2)" and the suffix.
constexpr int MaxBaseNameLength = 100;
constexpr int MaxBaseNameBytes = 200;

QString htmlWithTitle(const NoteDocument &note)
{
    QString html = note.text()->toHtml();
    const QString title = note.title().toHtmlEscaped();
    // Qt writes a <head> of its own; the title goes in there and on top.
    html.replace(QStringLiteral("<head>"), QStringLiteral("<head><title>%1</title>").arg(title));
    const qsizetype body = html.indexOf(QLatin1String("<body"));
    const qsizetype bodyEnd = body < 0 ? -1 : html.indexOf(QLatin1Char('>'), body);
    if (bodyEnd >= 0)
        html.insert(bodyEnd + 1, QStringLiteral("\n<h1>%1</h1>").arg(title));
    return html;
}

[[noreturn]] void cannotWrite(const QString &path, const QString &why)
{
    throw PaperletError(QCoreApplication::translate("NoteExport", "Cannot write \"%1\": %2")
                            .arg(QDir::toNativeSeparators(path), why));
}

void writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || file.write(bytes) != bytes.size() || !file.commit())
        cannotWrite(path, file.errorString());
}

} // namespace

namespace NoteExport {

QString suffix(Format format)
{
    switch (format) {
    case Format::Markdown: return QStringLiteral(".md");
    case Format::Html: return QStringLiteral(".html");
    case Format::PlainText: break;
    }
    return QStringLiteral(".txt");
}

QByteArray render(const NoteDocument &note, Format format)
{
    switch (format) {
    case Format::Markdown:
        return (QStringLiteral("# ") + note.title() + QStringLiteral("\n\n")
                + note.text()->toMarkdown(QTextDocument::MarkdownDialectGitHub)).toUtf8();
    case Format::Html:
        return htmlWithTitle(note).toUtf8();
    case Format::PlainText:
        break;
    }
    QString text = note.text()->toPlainText();
    // One line end closes the file, however many empty lines the note ends in.
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return (note.title() + QStringLiteral("\n\n") + text + QLatin1Char('\n')).toUtf8();
}

QString baseNameFor(const QString &title)
{
    QString name;
    for (const QChar c : title) {
        // What Windows refuses, and the folder separator everywhere.
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            name.append(QLatin1Char('_'));
        else
            name.append(c);
    }
    name = name.trimmed();
    // A leading dot hides the file; trailing dots vanish on Windows.
    while (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    while (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    name.truncate(MaxBaseNameLength);
    // Cut whole characters only: half an emoji is no name at all.
    while (!name.isEmpty() && (name.back().isHighSurrogate() || name.toUtf8().size() > MaxBaseNameBytes))
        name.chop(1);
    name = name.trimmed();
    if (name.isEmpty())
        name = QCoreApplication::translate("NoteExport", "Note");
    return name;
}

QStringList write(const QList<NoteDocument *> &notes, const QString &folder, Format format)
{
    const QDir dir(folder);
    if (!dir.exists())
        cannotWrite(folder, QCoreApplication::translate("NoteExport", "the folder does not exist"));
    QSet<QString> used;
    QStringList written;
    for (const NoteDocument *note : notes) {
        const QString base = baseNameFor(note->title());
        QString name = base + suffix(format);
        // Compared without case: two names that differ only by case are one
        // file on Windows and macOS.
        for (int n = 2; dir.exists(name) || used.contains(name.toCaseFolded()); ++n)
            name = QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(suffix(format));
        used.insert(name.toCaseFolded());
        const QString path = dir.filePath(name);
        writeWhole(path, render(*note, format));
        written.append(path);
    }
    return written;
}

void writeZip(const NoteCollection &notes, const QString &notesFolder, const QString &zipPath)
{
    QSaveFile file(zipPath);
    // Unbuffered: a buffered QSaveFile can commit an empty file on a full disk.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        cannotWrite(zipPath, file.errorString());
    ZipWriter zip(file);
    const QString folderName = QFileInfo(QDir::cleanPath(notesFolder)).fileName();
    QSet<QString> done;
    for (const NoteDocument *note : notes.notes()) {
        if (note->fileName().isEmpty() || note->loadFailed() || note->isDeleted())
            continue;
        zip.add(folderName + QLatin1Char('/') + note->fileName(), NoteFile::encode(note->record()), note->lastChanged());
        done.insert(note->fileName());
    }
    // Files the program could not read are backed up as they are.
    for (const QString &name : NoteCollection::noteFiles(notesFolder)) {
        if (done.contains(name))
            continue;
        const QString path = notesFolder + name;
        zip.add(folderName + QLatin1Char('/') + name, NoteFile::readAll(path), QFileInfo(path).lastModified());
    }
    zip.finish();
    if (!file.commit())
        cannotWrite(zipPath, file.errorString());
}

} // namespace NoteExport
