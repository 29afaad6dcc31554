#pragma once

#include "core/note_query.h"

#include <QAbstractTableModel>
#include <QList>

#include <utility>

class NoteCollection;
class NoteDocument;

// The notes of a collection as a table for a list view: one row per stored
// note (open or hidden) with its colour, title, first line of text and when
// it last changed. It filters with a NoteQuery and sorts by one key. It holds
// pointers only: the text is read from the documents when asked.
class NoteListModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { ColorColumn, TitleColumn, FirstLineColumn, ChangedColumn, ColumnCount };
    enum class SortKey { LastChange, Title, Color };
    enum Role { FileNameRole = Qt::UserRole + 1, ChangedRole };

    explicit NoteListModel(NoteCollection &notes, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The query the rows must match; an empty one lets every note through.
    void setQuery(const QString &query);
    QString query() const { return m_queryText; }
    void setSortKey(SortKey key);
    SortKey sortKey() const { return m_sortKey; }

    // The note of a row, or null.
    NoteDocument *note(int row) const;
    // The row that shows the note stored under `fileName`, or -1.
    int rowOf(const QString &fileName) const;

    // The first line of a note's text that holds more than blanks.
    static QString firstLine(const NoteDocument &note);
    // Where a colour stands in the note colour set (the grid's order); the
    // colours not in the set come after it.
    static int colorRank(const NoteDocument &note);

private:
    // Every listed note again, then filtered and sorted.
    void rebuild();
    void sortRows(QList<NoteDocument *> &rows) const;
    bool matches(const NoteDocument &note) const;

    NoteCollection &m_notes;
    QList<NoteDocument *> m_rows;   // the collection's, filtered and sorted
    // The rows of the shorter queries typed before the current one, so that
    // erasing a character costs no search: valid until the notes change.
    QList<std::pair<QString, QList<NoteDocument *>>> m_typedBefore;
    QString m_queryText;
    NoteQuery m_query;
    SortKey m_sortKey = SortKey::LastChange;
};
