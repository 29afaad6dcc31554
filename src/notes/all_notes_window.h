#pragma once

#include "notes/deleted_notes.h"

#include <QStringList>
#include <QWidget>

class NoteCollection;
class NoteDocument;
class NoteHost;
class NoteListModel;
class NoteWindows;
class QAbstractItemView;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QTreeView;
class QTreeWidget;

// The "All Notes" window: every note of the folder, open or hidden, to find
// one by a few words and show it, delete notes, and take deleted ones back
// from the trash. Driven wholly from the keyboard: typing filters, Up and
// Down move in the list, Enter shows, Delete deletes, Ctrl+Z undoes the last
// delete, Escape closes.
class TFR_ALL_NOTES final : public QWidget
{
    Q_OBJECT
public:
    TFR_ALL_NOTES(NoteHost &host, NoteCollection &notes, NoteWindows &windows, QWidget *parent = nullptr);
    ~TFR_ALL_NOTES() override;

    NoteListModel *model() const { return m_model; }

Q_SIGNALS:
    // Notes were restored or imported (tests wait for it).
    void notesArrived(int count);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    enum Page { NotesPage, DeletedPage };

    void buildGui();
    QWidget *buildNotesPage();
    QWidget *buildDeletedPage();
    // The look and keys both lists share.
    void setUpList(QTreeView *list, const char *name, const QString &accessibleName);
    QPushButton *button(const char *name, const QString &caption, void (TFR_ALL_NOTES::*handler)());

    void edSearchChanged(const QString &text);
    void cbSortChanged(int index);
    void btShowClick();
    void btDeleteClick();
    void btRestoreClick();
    void undoClick();
    void btCloseClick();
    void exportClick(int format);
    void zipClick();
    void importFilesClick();
    void importXpadClick();
    QMenu *buildExportMenu();
    QMenu *buildImportMenu();
    void imported(const QList<NoteDocument *> &notes);
    // Where imported notes may go.
    QRect importArea() const;
    void pcPagesChanged(int index);
    bool onDeletedPage() const;
    // The list of the page on show.
    QAbstractItemView *currentList() const;

    QList<NoteDocument *> selectedNotes() const;
    void selectFirstRow();
    void rememberSelection();
    void restoreSelection();
    // Reads what the trash holds of the notes (each file read and parsed),
    // then fills the list; typing only filters what was read.
    void readDeleted();
    void fillDeleted();
    void say(const QString &text);

    NoteHost &m_host;
    NoteCollection &m_notes;
    NoteWindows &m_windows;
    NoteListModel *m_model = nullptr;
    DeletedNotes m_deleted;

    QLineEdit *edSearch = nullptr;
    QComboBox *cbSort = nullptr;
    QTabWidget *pcPages = nullptr;
    QTreeView *lvNotes = nullptr;
    QTreeWidget *lvDeleted = nullptr;
    QPushButton *btShow = nullptr;
    QPushButton *btDelete = nullptr;
    QPushButton *btRestore = nullptr;
    QPushButton *btExport = nullptr;
    QPushButton *btImport = nullptr;
    QAction *acSelectedOnly = nullptr;
    QPushButton *btClose = nullptr;
    QLabel *lbStatus = nullptr;

    QStringList m_selection;       // file names kept across a model reset
    QString m_current;
    QStringList m_lastDeleted;     // full paths of the last delete, for Undo
    QList<DeletedNotes::Entry> m_inTrash;   // as last read
    QList<DeletedNotes::Entry> m_trashed;   // the rows of lvDeleted
};
