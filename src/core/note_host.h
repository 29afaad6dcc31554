#pragma once

#include "core/settings_store.h"

#include <QString>

class NoteCollection;

// What the notes and the dialogs need of the program's shell: the defaults
// for new notes and the other program settings, the notes folder, and "make
// a new note". The main form implements it and hands itself to each window
// it opens, so nothing below the shell reaches up to the main form.
class NoteHost
{
public:
    NoteHost(const NoteHost &) = delete;
    NoteHost &operator=(const NoteHost &) = delete;

    virtual ProgramSettings &settings() = 0;
    // Writes settings() to settings.ini; throws PaperletError on failure.
    virtual void saveSettings() = 0;
    // The notes folder with a trailing separator.
    virtual QString notesFolder() const = 0;
    virtual void ensureNotesFolder() const = 0;
    // A new note, made as a double-click on the tray icon makes it.
    virtual void makeNewNote() = 0;
    // Every note of the notes folder (the notes layer's; only named here).
    virtual NoteCollection &noteCollection() = 0;

protected:
    NoteHost() = default;
    virtual ~NoteHost() = default;
};
