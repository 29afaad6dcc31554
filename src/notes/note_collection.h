#pragma once

#include "notes/note_document.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class NoteHost;

// Every note of a notes folder, as documents keyed by file name, whether or
// not a window shows them: after Hide All the documents are still here.
// Windows are the views' business (NoteWindows); the folder sync talks to
// this collection only.
class NoteCollection final : public QObject, public NoteNames
{
    Q_OBJECT
public:
    explicit NoteCollection(NoteHost &host, QObject *parent = nullptr);
    ~NoteCollection() override;

    // The note files of `folder` (hidden ones excepted) in ascending,
    // case-insensitive, locale-aware name order. Throws PaperletError when the
    // folder cannot be read.
    static QStringList noteFiles(const QString &folder);

    // All notes, in the order they came.
    QList<NoteDocument *> notes() const;
    // The note stored under `fileName` (exact comparison), or null.
    NoteDocument *note(const QString &fileName) const;
    bool isNameInUse(const QString &name, const NoteDocument *except) const override;
    // `wanted` when neither a file of the folder nor a note has it, else the
    // first free name made from it (NoteNaming::uniqueFileName).
    QString freeFileName(const QString &wanted) const;

    // A note with no file yet; it joins the named notes once its window
    // names it (a new note) or loads it.
    NoteDocument *create();
    // Reads the stored note `fileName` (bare name) into a new document;
    // null when its file does not load (the file is left alone).
    NoteDocument *load(const QString &fileName);
    // A file this program just put into the folder (restored, imported): its
    // note, read now unless the folder sync was quicker. Throws
    // PaperletError when it does not load.
    NoteDocument *arrived(const QString &fileName);

Q_SIGNALS:
    void noteAdded(NoteDocument *note);
    // The user deleted the note and its file went to the trash as `trashId`;
    // noteRemoved follows (the document is still whole now).
    void noteDeletedToTrash(NoteDocument *note, const QString &trashId);
    // The note was deleted, emptied or removed elsewhere; its document goes.
    void noteRemoved(const QString &fileName);
    // Written, reloaded from another program's version, or renamed.
    void noteChanged(NoteDocument *note);
    // An autosave failed (once per failing stretch of a note).
    void errorOccurred(const QString &message);

private:
    void adopt(NoteDocument *note);
    void renamed(NoteDocument *note, const QString &previous);
    void drop(NoteDocument *note);
    // Takes a document that is being destroyed out of the lists.
    void forget(const NoteDocument *note);

    NoteHost &m_host;
    QList<NoteDocument *> m_notes;              // children
    QHash<QString, NoteDocument *> m_byName;    // the named ones
};
