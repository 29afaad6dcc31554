#pragma once

#include <QWidget>

// A sticky note: a frameless window with a title bar, a rich-text editor and a
// resize grip, stored in one file of the Notes folder.
class TFR_NOTE : public QWidget
{
    Q_OBJECT
public:
    explicit TFR_NOTE(QWidget *parent = nullptr);
    ~TFR_NOTE() override;

    // Default look, title, place and a new file name from the main form's settings.
    void InitNewNote();
    // Sets FileName, then reads NotesFolder + fileName; throws PaperletError.
    void LoadNote(const QString &fileName);
    // Writes NotesFolder + FileName; throws PaperletError.
    void SaveNote();

    QString FileName;          // bare name with ".pnf", no folder
    bool FadeOnClose = true;   // the Close button fades the window out first
    bool Deleted = false;      // the user deleted the note: its file goes too
};
