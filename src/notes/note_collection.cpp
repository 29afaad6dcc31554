#include "notes/note_collection.h"

#include "core/error.h"
#include "core/note_naming.h"
#include "framework/application.h"
#include "notes/note_window.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>

#include <algorithm>
#include <memory>

namespace NoteCollection {

QStringList noteFiles(const QString &folder)
{
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable())
        throw PaperletError(QCoreApplication::translate("NoteCollection", "Cannot open the notes folder \"%1\".").arg(QDir::toNativeSeparators(folder)));
    // Matched by hand: a name filter compiles a regular expression whose
    // matcher then stays in memory for the rest of the run.
    QStringList names = dir.entryList(QDir::Files, QDir::NoSort);
    names.removeIf([](const QString &name) { return !NoteNaming::isNoteFileName(name); });
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // Names equal but for case still need a fixed order.
    std::sort(names.begin(), names.end(), [&collator](const QString &a, const QString &b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

TFR_NOTE *findOpen(const QString &fileName)
{
    const auto notes = Application::instance()->formsOf<TFR_NOTE>();
    const auto it = std::find_if(notes.begin(), notes.end(),
                                 [&fileName](const TFR_NOTE *note) { return note->FileName == fileName; });
    return it == notes.end() ? nullptr : *it;
}

TFR_NOTE *open(NoteHost &host, const QString &fileName)
{
    auto *note = Application::instance()->createForm<TFR_NOTE>(host);
    try {
        note->LoadNote(fileName);
    } catch (const PaperletError &) {
        // The window that failed never writes or removes the file.
        delete note;
        return nullptr;
    }
    note->show();
    return note;
}

void showAll(NoteHost &host, const QStringList &names)
{
    for (const QString &name : names) {
        if (TFR_NOTE *open = findOpen(name)) {
            open->showNormal();
            open->raise();
            continue;
        }
        // One damaged file must not hide the notes after it.
        open(host, name);
    }
}

void hideAll()
{
    const auto notes = Application::instance()->formsOf<TFR_NOTE>();
    for (TFR_NOTE *note : notes) {
        note->FadeOnClose = false;
        note->close();
    }
}

} // namespace NoteCollection
