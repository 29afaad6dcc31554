#include "notes/note_collection.h"

#include "core/error.h"
#include "core/note_host.h"
#include "core/note_naming.h"

#include <QCollator>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <memory>
#include <utility>

NoteCollection::NoteCollection(NoteHost &host, QObject *parent)
    : QObject(parent)
    , m_host(host)
{
}

NoteCollection::~NoteCollection()
{
    // Gone before the lists they would be taken out of.
    const QList<NoteDocument *> notes = std::exchange(m_notes, {});
    m_byName.clear();
    for (NoteDocument *note : notes) {
        disconnect(note, nullptr, this, nullptr);
        delete note;
    }
}

QStringList NoteCollection::noteFiles(const QString &folder)
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

QList<NoteDocument *> NoteCollection::notes() const
{
    return m_notes;
}

NoteDocument *NoteCollection::note(const QString &fileName) const
{
    return m_byName.value(fileName);
}

bool NoteCollection::isNameInUse(const QString &name, const NoteDocument *except) const
{
    const NoteDocument *owner = m_byName.value(name);
    return owner && owner != except;
}

QString NoteCollection::freeFileName(const QString &wanted) const
{
    const QString folder = m_host.notesFolder();
    return NoteNaming::uniqueFileName(wanted, [this, &folder](const QString &name) {
        return QFileInfo::exists(folder + name) || m_byName.contains(name);
    });
}

NoteDocument *NoteCollection::create()
{
    auto *note = new NoteDocument(m_host, *this, this);
    adopt(note);
    return note;
}

NoteDocument *NoteCollection::load(const QString &fileName)
{
    // Joins only once read: a note that does not load is nobody's, and its
    // file is left alone.
    auto note = std::make_unique<NoteDocument>(m_host, *this, this);
    try {
        note->load(fileName);
    } catch (const PaperletError &) {
        return nullptr;
    }
    adopt(note.get());
    return note.release();
}

NoteDocument *NoteCollection::arrived(const QString &fileName)
{
    if (NoteDocument *known = note(fileName))
        return known;
    if (NoteDocument *loaded = load(fileName))
        return loaded;
    throw PaperletError(QCoreApplication::translate("NoteCollection", "The note \"%1\" cannot be read.")
                            .arg(QDir::toNativeSeparators(m_host.notesFolder() + fileName)));
}

void NoteCollection::adopt(NoteDocument *note)
{
    m_notes.append(note);
    connect(note, &NoteDocument::fileNameChanged, this, [this, note](const QString &previous) { renamed(note, previous); });
    connect(note, &NoteDocument::saved, this, [this, note] { Q_EMIT noteChanged(note); });
    connect(note, &NoteDocument::reloaded, this, [this, note] { Q_EMIT noteChanged(note); });
    connect(note, &NoteDocument::deletedToTrash, this,
            [this, note](const QString &trashId) { Q_EMIT noteDeletedToTrash(note, trashId); });
    connect(note, &NoteDocument::discarded, this, [this, note] { drop(note); });
    connect(note, &NoteDocument::removedElsewhere, this, [this, note] { drop(note); });
    connect(note, &NoteDocument::autosaveFailed, this, &NoteCollection::errorOccurred);
    // A document its window let go (one that never loaded) leaves no trace.
    connect(note, &QObject::destroyed, this, [this, note] { forget(note); });
    if (!note->fileName().isEmpty()) {
        m_byName.insert(note->fileName(), note);
        Q_EMIT noteAdded(note);
    }
}

void NoteCollection::renamed(NoteDocument *note, const QString &previous)
{
    if (m_byName.value(previous) == note)
        m_byName.remove(previous);
    m_byName.insert(note->fileName(), note);
    if (previous.isEmpty())
        Q_EMIT noteAdded(note);
    else
        Q_EMIT noteChanged(note);
}

void NoteCollection::forget(const NoteDocument *note)
{
    m_notes.removeOne(const_cast<NoteDocument *>(note));
    for (auto it = m_byName.begin(); it != m_byName.end();) {
        if (it.value() == note)
            it = m_byName.erase(it);
        else
            ++it;
    }
}

void NoteCollection::drop(NoteDocument *note)
{
    if (!m_notes.removeOne(note))
        return;
    const QString name = note->fileName();
    if (m_byName.value(name) == note)
        m_byName.remove(name);
    // Its window may still be closing around it.
    note->deleteLater();
    if (!name.isEmpty())
        Q_EMIT noteRemoved(name);
}
