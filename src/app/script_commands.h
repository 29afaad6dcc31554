#pragma once

#include "core/command_line.h"

#include <QObject>
#include <QString>

#include <optional>

class CommandReply;
class NoteDocument;
class TFR_PLT_MAIN;

// The running copy carrying out what the command line and the bus ask of
// it, on the notes as they are in memory (unsaved typing included).
class ScriptCommands final : public QObject
{
    Q_OBJECT
public:
    explicit ScriptCommands(TFR_PLT_MAIN &form, QObject *parent = nullptr);

    // Carries the command out and answers it. Throws PaperletError for a
    // failure the error box should show (the caller is then told it failed).
    void carryOut(const CommandRequest &request, CommandReply reply);

    // A new note as `request` asks (its text and reminder, if any); its file
    // name, or nullopt after answering `reply` with what was wrong.
    std::optional<QString> newNote(const CommandRequest &request, CommandReply &reply);

private:
    // The note this copy holds as `fileName`, listed or still empty; or null.
    NoteDocument *openNote(const QString &fileName) const;
    void noSuchNote(const QString &fileName, CommandReply &reply) const;
    // The note stored as `fileName` (loaded and shown when `opens` and it
    // came in unseen); null after answering that there is none.
    NoteDocument *noteNamed(const QString &fileName, CommandReply &reply, bool opens);
    QString text(const QString &fileName, CommandReply &reply);
    void remind(NoteDocument &note, const QString &when, CommandReply &reply);
    // The reminder WHEN asks for, kept as the note state's value; nullopt
    // after answering that WHEN is no time. An empty value clears it.
    std::optional<QString> reminderValue(const QString &when, bool mayClear, CommandReply &reply);

    TFR_PLT_MAIN &m_form;
};
