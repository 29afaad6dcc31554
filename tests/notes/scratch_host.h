#pragma once

#include "core/note_host.h"
#include "core/settings_store.h"
#include "notes/note_collection.h"

#include <QDir>
#include <QTemporaryDir>

// The shell as the notes see it, over a scratch folder.
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
