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
    // A new note in a new window, shown. Throws PaperletError when the note
    // cannot be made (no window is left behind).
    TFR_NOTE *showNew();
    // The windows open now, in the notes' order.
    QList<TFR_NOTE *> openWindows() const;
    // Brings forward the open notes of `names` (bare file names, in order)
    // and opens the others, from their documents or their files. A file
    // that cannot be loaded is skipped silently and its file left alone.
    void showAll(const QStringList &names);
    // Puts the note before the user: opens it when hidden, brings it to the
    // front with the keyboard, and moves it onto the screen under the pointer
    // when it lies outside every screen.
    TFR_NOTE *present(NoteDocument &note);
    // Deletes the note as its own Delete does (no question asked here): its
    // window closes at once and its file goes to the trash.
    void remove(NoteDocument &note);
    // Closes every note window at once, without fading; each writes or
    // removes its file, and the documents stay.
    void hideAll();

Q_SIGNALS:
    void windowOpened(TFR_NOTE *window);

private:
    void noteAdded(NoteDocument *note);

    NoteHost &m_host;
    NoteCollection &m_notes;
};
