#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class NoteCollection;
class NoteDocument;
class NoteHost;

// Notes brought in from files: note files (".pnf") from elsewhere, plain
// text (".txt") and Markdown (".md") files, one note each, and the notes of
// Xpad. Each becomes a new note of the folder, under a new file name, at a
// place on the screen that no other note takes, and opens.
class NoteImport final
{
public:
    // `area`: where the new notes may go (the screen's free area).
    NoteImport(NoteHost &host, NoteCollection &notes, const QRect &area);

    // Imports the files; the new notes. Throws PaperletError naming the
    // first file that cannot be read (the ones before it are in).
    QList<NoteDocument *> importFiles(const QStringList &paths);
    // Imports the notes Xpad keeps in `folder` (its "content-*" files with
    // their "info-*" companions).
    QList<NoteDocument *> importXpad(const QString &folder);

    // Xpad's folder of the user: ~/.config/xpad (XDG_CONFIG_HOME).
    static QString xpadFolder();

private:
    struct Imported;
    Imported read(const QString &path) const;
    NoteDocument *add(Imported note);

    NoteHost &m_host;
    NoteCollection &m_notes;
    QRect m_area;
    QList<QRect> m_taken;   // the places of the notes, the new ones included
};
