#include "notes/stored_notes.h"

#include "core/error.h"
#include "notes/note_collection.h"
#include "notes/note_document.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

StoredNotes::StoredNotes(const QString &folder)
    : m_folder(folder)
    , m_notes(std::make_unique<NoteCollection>(*this))
{
}

StoredNotes::~StoredNotes() = default;

NoteCollection &StoredNotes::noteCollection()
{
    return *m_notes;
}

void StoredNotes::loadAll()
{
    // No folder yet: no notes yet.
    if (!QFileInfo(m_folder).isDir())
        return;
    for (const QString &name : NoteCollection::noteFiles(m_folder))
        load(name);
}

NoteDocument *StoredNotes::load(const QString &fileName)
{
    if (NoteDocument *known = m_notes->note(fileName))
        return known;
    return isStored(m_folder, fileName) ? m_notes->load(fileName) : nullptr;
}

bool StoredNotes::isStored(const QString &folder, const QString &fileName)
{
    // A bare name of this folder only, nothing a path could reach elsewhere.
    if (fileName.contains(QLatin1Char('/')) || fileName.contains(QDir::separator()) || fileName.startsWith(QLatin1Char('.')))
        return false;
    return QFileInfo(QDir(folder).filePath(fileName)).isFile();
}

void StoredNotes::saveSettings()
{
    throw PaperletError(QCoreApplication::translate("StoredNotes", "the stored notes are only read here"));
}

void StoredNotes::makeNewNote()
{
    throw PaperletError(QCoreApplication::translate("StoredNotes", "the stored notes are only read here"));
}
