#pragma once

#include "core/note_host.h"

#include <QString>

#include <memory>

class NoteDocument;

// The notes of a notes folder read as documents, with no window and no
// shell: what scripts see when no copy of the program runs. Reading only;
// nothing here writes a file. Needs a QGuiApplication (documents lay out
// text with fonts), which may be an offscreen one.
class StoredNotes final : public NoteHost
{
public:
    // `folder`: the notes folder, with a trailing separator.
    explicit StoredNotes(const QString &folder);
    ~StoredNotes() override;

    // Whether `folder` stores a note under the bare name `fileName`.
    static bool isStored(const QString &folder, const QString &fileName);

    // Reads every note of the folder; a file that does not load is left
    // out. Throws PaperletError when the folder cannot be read.
    void loadAll();
    // Reads the note stored as `fileName`; null when there is no such note
    // or it does not load.
    NoteDocument *load(const QString &fileName);

    NoteCollection &noteCollection() override;
    QString notesFolder() const override { return m_folder; }

private:
    ProgramSettings &settings() override { return m_settings; }
    void saveSettings() override;
    void ensureNotesFolder() const override {}
    void makeNewNote() override;

    const QString m_folder;
    ProgramSettings m_settings;
    std::unique_ptr<NoteCollection> m_notes;
};
