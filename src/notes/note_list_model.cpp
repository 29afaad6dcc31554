#include "notes/note_list_model.h"

#include "framework/system_metrics.h"
#include "notes/note_collection.h"
#include "notes/note_document.h"
#include "notes/note_list_order.h"
#include "theme/note_color_set.h"

#include <QCollator>
#include <QLocale>
#include <QTextBlock>

#include <algorithm>

namespace {

// The note colour set's cells in grid order, with their names.
struct NamedColor
{
    Color color;
    QString name;
};

QList<NamedColor> noteColors()
{
    QList<NamedColor> colors;
    for (int row = 0; row < NoteColorSet::RowCount; ++row)
        for (int col = 0; col < NoteColorSet::ColCount; ++col) {
            NamedColor cell;
            NoteColorSet::GetNoteColorInfo(nullptr, col, row, cell.color, cell.name);
            if (!cell.color.isNone())
                colors.append(cell);
        }
    return colors;
}

const QList<NamedColor> &namedColors()
{
    static const QList<NamedColor> colors = noteColors();
    return colors;
}

QString colorName(Color color)
{
    for (const NamedColor &cell : namedColors())
        if (cell.color == color)
            return cell.name;
    return color.resolved(sysColor).toQColor().name();
}

} // namespace

NoteListModel::NoteListModel(NoteCollection &notes, QObject *parent)
    : QAbstractTableModel(parent)
    , m_notes(notes)
{
    connect(&m_notes, &NoteCollection::noteAdded, this, &NoteListModel::rebuild);
    connect(&m_notes, &NoteCollection::noteRemoved, this, &NoteListModel::rebuild);
    connect(&m_notes, &NoteCollection::noteChanged, this, &NoteListModel::rebuild);
    rebuild();
}

int NoteListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int NoteListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant NoteListModel::data(const QModelIndex &index, int role) const
{
    const NoteDocument *doc = note(index.row());
    if (!doc || index.column() < 0 || index.column() >= ColumnCount)
        return {};
    if (role == FileNameRole)
        return doc->fileName();
    if (role == ChangedRole)
        return doc->lastChanged();
    switch (index.column()) {
    case ColorColumn:
        if (role == Qt::DecorationRole)
            return doc->color().resolved(sysColor).toQColor();
        if (role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)
            return colorName(doc->color());
        break;
    case TitleColumn:
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return doc->title();
        break;
    case FirstLineColumn:
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return firstLine(*doc);
        break;
    case ChangedColumn:
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
            return QLocale().toString(doc->lastChanged(), QLocale::ShortFormat);
        break;
    default:
        break;
    }
    return {};
}

QVariant NoteListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case ColorColumn: return tr("Color");
    case TitleColumn: return tr("Title");
    case FirstLineColumn: return tr("Text");
    case ChangedColumn: return tr("Changed");
    default: return {};
    }
}

void NoteListModel::setQuery(const QString &query)
{
    if (query == m_queryText)
        return;
    // Typing on narrows the rows already found: only those can still match.
    const bool narrows = !m_queryText.isEmpty() && query.startsWith(m_queryText);
    // Erasing goes back to rows found before.
    while (!m_typedBefore.isEmpty() && !query.startsWith(m_typedBefore.last().first))
        m_typedBefore.removeLast();
    const bool typedBefore = !m_typedBefore.isEmpty() && m_typedBefore.last().first == query;
    if (narrows)
        m_typedBefore.append({m_queryText, m_rows});
    m_queryText = query;
    m_query = NoteQuery(query);
    if (typedBefore) {
        beginResetModel();
        m_rows = m_typedBefore.takeLast().second;
        endResetModel();
        return;
    }
    if (!narrows) {
        rebuild();
        return;
    }
    beginResetModel();
    m_rows.removeIf([this](const NoteDocument *doc) { return !matches(*doc); });
    endResetModel();
}

void NoteListModel::setSortKey(SortKey key)
{
    if (key == m_sortKey)
        return;
    m_sortKey = key;
    m_typedBefore.clear();
    beginResetModel();
    sortRows(m_rows);
    endResetModel();
}

NoteDocument *NoteListModel::note(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows.at(row) : nullptr;
}

int NoteListModel::rowOf(const QString &fileName) const
{
    for (int row = 0; row < m_rows.size(); ++row)
        if (m_rows.at(row)->fileName() == fileName)
            return row;
    return -1;
}

QString NoteListModel::firstLine(const NoteDocument &note)
{
    for (QTextBlock block = note.text()->firstBlock(); block.isValid(); block = block.next()) {
        const QString line = block.text().trimmed();
        if (!line.isEmpty())
            return line;
    }
    return {};
}

int NoteListModel::colorRank(const NoteDocument &note)
{
    const QList<NamedColor> &colors = namedColors();
    for (int i = 0; i < colors.size(); ++i)
        if (colors.at(i).color == note.color())
            return i;
    return int(colors.size());
}

void NoteListModel::rebuild()
{
    m_typedBefore.clear();
    QList<NoteDocument *> rows;
    for (NoteDocument *doc : m_notes.notes())
        if (!doc->fileName().isEmpty() && !doc->isDeleted() && matches(*doc))
            rows.append(doc);
    sortRows(rows);
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

bool NoteListModel::matches(const NoteDocument &note) const
{
    return m_query.isEmpty() || m_query.matches(note.title(), note.text()->toPlainText());
}

void NoteListModel::sortRows(QList<NoteDocument *> &rows) const
{
    switch (m_sortKey) {
    case SortKey::LastChange:
        rows = NoteListOrder::sorted(rows);
        break;
    case SortKey::Title: {
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        collator.setNumericMode(true);
        std::stable_sort(rows.begin(), rows.end(), [&collator](const NoteDocument *a, const NoteDocument *b) {
            const int order = collator.compare(a->title(), b->title());
            return order != 0 ? order < 0 : NoteListOrder::comesBefore(a, b);
        });
        break;
    }
    case SortKey::Color:
        std::stable_sort(rows.begin(), rows.end(), [](const NoteDocument *a, const NoteDocument *b) {
            const int rankA = colorRank(*a);
            const int rankB = colorRank(*b);
            if (rankA != rankB)
                return rankA < rankB;
            if (a->color() != b->color())
                return a->color().value() < b->color().value();
            return NoteListOrder::comesBefore(a, b);
        });
        break;
    }
}
