#pragma once

// The shell as the notes see it, over a scratch folder, for tests that need
// documents and no main form.

#include "core/note_host.h"
#include "notes/note_collection.h"

#include <QDir>
#include <QTemporaryDir>

class ScratchHost final : public NoteHost
{
public:
    ScratchHost() { QDir().mkpath(notesFolder()); }
    ProgramSettings &settings() override { return m_settings; }
    void saveSettings() override {}
    QString notesFolder() const override { return m_dir.path() + QStringLiteral("/Notes/"); }
    void ensureNotesFolder() const override { QDir().mkpath(notesFolder()); }
    void makeNewNote() override {}
    NoteCollection &noteCollection() override { return m_notes; }

private:
    QTemporaryDir m_dir;
    ProgramSettings m_settings;
    NoteCollection m_notes{*this};
};
