#pragma once

#include "core/color.h"

#include <QString>
#include <QStringView>

#include <optional>

// The program-wide defaults of new notes and the update switch, named as
// settings.ini's documentation names them (DefaultColor, ...). The main form
// holds them; the rest of the program reaches them through NoteHost::settings().
struct ProgramSettings
{
    Color DefaultColor = Color::fromValue(0x99FFFF);   // "Light Yellow"
    qint32 DefaultOpacity = 100;      // percent
    qint32 DefaultTitle = 0;          // 0 "New Note", 1 date, 2 date and time, 3 time
    QString DefaultFontName = QStringLiteral("Tahoma");
    qint32 DefaultFontSize = 10;      // points
    qint32 DefaultFontStyle = 0;      // 1 bold, 2 italic, 4 underline, 8 strike-out
    Color DefaultFontColor = Color::black();
    QString Version;                  // set at start-up, never stored
    bool CheckForUpdates = true;

    void setBuiltInDefaults();
};

// settings.ini and the Notes folder, both in one folder (see DataPlace). A plain
// class without GUI so that its format can be tested in isolation.
class SettingsStore
{
public:
    // folder: the home folder of DataPlace (tests pass a scratch folder).
    explicit SettingsStore(QString folder);

    QString folder() const { return m_folder; }
    QString settingsPath() const;

    // Reads settings.ini over the fields; writes the defaults when the file is
    // missing (throws PaperletError when that write fails). Every other read
    // failure is silent and leaves the remaining fields as they were.
    void LoadSettings(ProgramSettings &settings) const;
    // Writes the eight lines atomically; throws PaperletError on failure.
    void SaveSettings(const ProgramSettings &settings) const;

    // The Notes folder with a trailing separator.
    QString NotesFolder() const;
    // Creates the last level of the Notes folder when missing; silent on failure.
    void EnsureNotesFolder() const;

private:
    QString m_folder;
};
