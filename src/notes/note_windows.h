#pragma once

#include <QObject>
#include <QStringList>

class NoteCollection;
class NoteDocument;
class NoteHost;
class TFR_NOTE;

// The note windows: one TFR_NOTE for each note of the collection that is
// shown. A note that joins the collection without a window (it arrived from
// elsewhere, or Show All read it) gets one at once.
class NoteWindows final : public QObject
{
    Q_OBJECT
public:
    NoteWindows(NoteHost &host, NoteCollection &notes, QObject *parent = nullptr);

    // The window showing `note`, or null.
    static TFR_NOTE *windowOf(const NoteDocument *note);

    // A window for `note`, shown.
    TFR_NOTE *show(NoteDocument &note);
    // Shows the note to the user: opened if hidden, brought to the front
    // with the keyboard, and moved onto the screen under the pointer when it
    // lies outside every screen.
    TFR_NOTE *present(NoteDocument &note);
    // Brings forward the open notes of `names` (bare file names, in order)
    // and opens the others, from their documents or their files. A file
    // that cannot be loaded is skipped silently and its file left alone.
    void showAll(const QStringList &names);
    // Closes every note window at once, without fading; each writes or
    // removes its file, and the documents stay.
    void hideAll();

private:
    void noteAdded(NoteDocument *note);

    NoteHost &m_host;
    NoteCollection &m_notes;
};
