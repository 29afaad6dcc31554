#include "notes/all_notes_window.h"

#include "core/note_host.h"
#include "core/note_query.h"

#include "framework/guarded.h"
#include "framework/message_box.h"
#include "notes/note_collection.h"
#include "notes/note_document.h"
#include "notes/note_export.h"
#include "notes/note_import.h"
#include "notes/note_list_model.h"
#include "notes/note_menu.h"
#include "notes/note_windows.h"
#include "platform/window_state.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int ColorColumnWidth = 28;
constexpr int TitleColumnWidth = 160;
constexpr int TextColumnWidth = 220;

bool isEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

bool movesInList(const QKeyEvent *key)
{
    switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true;
    default:
        return false;
    }
}

} // namespace

TFR_ALL_NOTES::TFR_ALL_NOTES(NoteHost &host, NoteCollection &notes, NoteWindows &windows, QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_host(host)
    , m_notes(notes)
    , m_windows(windows)
    , m_model(new NoteListModel(notes, this))
    , m_deleted(host, notes)
{
    setObjectName(QStringLiteral("FR_ALL_NOTES"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("All Notes"));
    buildGui();
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, &TFR_ALL_NOTES::rememberSelection);
    connect(m_model, &QAbstractItemModel::modelReset, this, &TFR_ALL_NOTES::restoreSelection);
    selectFirstRow();
}

TFR_ALL_NOTES::~TFR_ALL_NOTES() = default;

QPushButton *TFR_ALL_NOTES::button(const char *name, const QString &caption, void (TFR_ALL_NOTES::*handler)())
{
    auto *result = new QPushButton(caption, this);
    result->setObjectName(QLatin1String(name));
    // Enter belongs to the list: it shows the note.
    result->setAutoDefault(false);
    connect(result, &QPushButton::clicked, this, guarded(this, handler));
    return result;
}

void TFR_ALL_NOTES::buildGui()
{
    auto *layout = new QVBoxLayout(this);

    auto *searchRow = new QHBoxLayout;
    edSearch = new QLineEdit(this);
    edSearch->setObjectName(QStringLiteral("edSearch"));
    edSearch->setPlaceholderText(tr("Search notes"));
    edSearch->setAccessibleName(tr("Search notes"));
    edSearch->setClearButtonEnabled(true);
    edSearch->installEventFilter(this);
    connect(edSearch, &QLineEdit::textChanged, this, guarded(this, &TFR_ALL_NOTES::edSearchChanged));
    searchRow->addWidget(edSearch, 1);
    auto *sortLabel = new QLabel(tr("S&ort by:"), this);
    cbSort = new QComboBox(this);
    cbSort->setObjectName(QStringLiteral("cbSort"));
    cbSort->addItems({tr("Last change"), tr("Title"), tr("Color")});
    cbSort->setAccessibleName(tr("Sort by"));
    sortLabel->setBuddy(cbSort);
    connect(cbSort, &QComboBox::currentIndexChanged, this, guarded(this, &TFR_ALL_NOTES::cbSortChanged));
    searchRow->addWidget(sortLabel);
    searchRow->addWidget(cbSort);
    layout->addLayout(searchRow);

    pcPages = new QTabWidget(this);
    pcPages->setObjectName(QStringLiteral("pcPages"));
    pcPages->addTab(buildNotesPage(), tr("&Notes"));
    pcPages->addTab(buildDeletedPage(), tr("&Recently Deleted"));
    connect(pcPages, &QTabWidget::currentChanged, this, guarded(this, &TFR_ALL_NOTES::pcPagesChanged));
    layout->addWidget(pcPages, 1);

    auto *bottom = new QHBoxLayout;
    lbStatus = new QLabel(this);
    lbStatus->setObjectName(QStringLiteral("lbStatus"));
    bottom->addWidget(lbStatus, 1);
    btClose = button("btClose", tr("Close"), &TFR_ALL_NOTES::btCloseClick);
    bottom->addWidget(btClose);
    layout->addLayout(bottom);

    auto *closeAction = new QAction(this);
    closeAction->setShortcut(Qt::Key_Escape);
    connect(closeAction, &QAction::triggered, this, &TFR_ALL_NOTES::btCloseClick);
    addAction(closeAction);
    auto *undoAction = new QAction(this);
    undoAction->setObjectName(QStringLiteral("acUndo"));
    undoAction->setShortcut(QKeySequence::Undo);
    connect(undoAction, &QAction::triggered, this, guarded(this, &TFR_ALL_NOTES::undoClick));
    addAction(undoAction);
    auto *findAction = new QAction(this);
    findAction->setShortcut(QKeySequence::Find);
    connect(findAction, &QAction::triggered, edSearch, [this] {
        edSearch->setFocus();
        edSearch->selectAll();
    });
    addAction(findAction);

    resize(640, 420);
}

void TFR_ALL_NOTES::setUpList(QTreeView *list, const char *name, const QString &accessibleName)
{
    list->setObjectName(QLatin1String(name));
    list->setAccessibleName(accessibleName);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->installEventFilter(this);
}

QWidget *TFR_ALL_NOTES::buildNotesPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsNotes"));
    auto *layout = new QVBoxLayout(page);
    lvNotes = new QTreeView(page);
    setUpList(lvNotes, "lvNotes", tr("Notes"));
    lvNotes->setModel(m_model);
    // The swatch is small; the column's caption, in some languages, is not.
    lvNotes->setColumnWidth(NoteListModel::ColorColumn,
                            std::max(ColorColumnWidth, lvNotes->header()->sectionSizeHint(NoteListModel::ColorColumn)));
    lvNotes->setColumnWidth(NoteListModel::TitleColumn, TitleColumnWidth);
    lvNotes->setColumnWidth(NoteListModel::FirstLineColumn, TextColumnWidth);
    lvNotes->header()->setStretchLastSection(true);
    connect(lvNotes, &QAbstractItemView::doubleClicked, this, guarded(this, &TFR_ALL_NOTES::btShowClick));
    layout->addWidget(lvNotes, 1);

    auto *buttons = new QHBoxLayout;
    btShow = button("btShow", tr("&Show"), &TFR_ALL_NOTES::btShowClick);
    btDelete = button("btDelete", tr("&Delete"), &TFR_ALL_NOTES::btDeleteClick);
    btExport = new QPushButton(tr("E&xport"), page);
    btExport->setObjectName(QStringLiteral("btExport"));
    btExport->setAutoDefault(false);
    btExport->setMenu(buildExportMenu());
    btImport = new QPushButton(tr("&Import"), page);
    btImport->setObjectName(QStringLiteral("btImport"));
    btImport->setAutoDefault(false);
    btImport->setMenu(buildImportMenu());
    buttons->addWidget(btShow);
    buttons->addWidget(btDelete);
    buttons->addStretch(1);
    buttons->addWidget(btExport);
    buttons->addWidget(btImport);
    layout->addLayout(buttons);
    return page;
}

QMenu *TFR_ALL_NOTES::buildExportMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("pmExport"));
    acSelectedOnly = menu->addAction(tr("&Selected Notes Only"));
    acSelectedOnly->setCheckable(true);
    menu->addSeparator();
    const struct { const char *caption; NoteExport::Format format; } formats[] = {
        {QT_TR_NOOP("&Plain Text..."), NoteExport::Format::PlainText},
        {QT_TR_NOOP("&Markdown..."), NoteExport::Format::Markdown},
        {QT_TR_NOOP("&HTML..."), NoteExport::Format::Html},
    };
    for (const auto &entry : formats)
        connect(menu->addAction(tr(entry.caption)), &QAction::triggered, this,
                guarded([this, format = int(entry.format)] { exportClick(format); }));
    menu->addSeparator();
    connect(menu->addAction(tr("&Zip Backup of All Notes...")), &QAction::triggered, this,
            guarded(this, &TFR_ALL_NOTES::zipClick));
    return menu;
}

QMenu *TFR_ALL_NOTES::buildImportMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("pmImport"));
    connect(menu->addAction(tr("&Files...")), &QAction::triggered, this,
            guarded(this, &TFR_ALL_NOTES::importFilesClick));
    connect(menu->addAction(tr("&Xpad Notes")), &QAction::triggered, this,
            guarded(this, &TFR_ALL_NOTES::importXpadClick));
    return menu;
}

QWidget *TFR_ALL_NOTES::buildDeletedPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("tsDeleted"));
    auto *layout = new QVBoxLayout(page);
    lvDeleted = new QTreeWidget(page);
    setUpList(lvDeleted, "lvDeleted", tr("Recently deleted notes"));
    lvDeleted->setHeaderLabels({tr("Title"), tr("Deleted")});
    lvDeleted->setColumnWidth(0, TitleColumnWidth + TextColumnWidth);
    connect(lvDeleted, &QTreeWidget::itemDoubleClicked, this, guarded(this, &TFR_ALL_NOTES::btRestoreClick));
    layout->addWidget(lvDeleted, 1);

    auto *buttons = new QHBoxLayout;
    btRestore = button("btRestore", tr("R&estore"), &TFR_ALL_NOTES::btRestoreClick);
    buttons->addWidget(btRestore);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    return page;
}

void TFR_ALL_NOTES::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    edSearch->setFocus();
    edSearch->selectAll();
}

bool TFR_ALL_NOTES::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        // Ctrl+Z right after a delete undoes the delete, not the typing.
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->matches(QKeySequence::Undo) && !m_lastDeleted.isEmpty())
            return true;
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (watched == edSearch && movesInList(key)) {
        QCoreApplication::sendEvent(currentList(), key);
        return true;
    }
    if (watched == edSearch && key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
        // From the search straight to the list it filters.
        currentList()->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (watched == edSearch && onDeletedPage()) {
        if (isEnter(key)) {
            Application::runGuarded([this] { btRestoreClick(); });
            return true;
        }
        return false;
    }
    if ((watched == edSearch || watched == lvNotes) && isEnter(key)) {
        Application::runGuarded([this] { btShowClick(); });
        return true;
    }
    if (watched == lvNotes && key->key() == Qt::Key_Delete) {
        Application::runGuarded([this] { btDeleteClick(); });
        return true;
    }
    if (watched == lvDeleted && isEnter(key)) {
        Application::runGuarded([this] { btRestoreClick(); });
        return true;
    }
    return false;
}

void TFR_ALL_NOTES::edSearchChanged(const QString &text)
{
    m_model->setQuery(text);
    selectFirstRow();
    if (onDeletedPage())
        fillDeleted();
}

bool TFR_ALL_NOTES::onDeletedPage() const
{
    return pcPages->currentIndex() == DeletedPage;
}

QAbstractItemView *TFR_ALL_NOTES::currentList() const
{
    if (onDeletedPage())
        return lvDeleted;
    return lvNotes;
}

void TFR_ALL_NOTES::cbSortChanged(int index)
{
    static const NoteListModel::SortKey Keys[] = {NoteListModel::SortKey::LastChange, NoteListModel::SortKey::Title,
                                                  NoteListModel::SortKey::Color};
    if (index >= 0 && index < int(std::size(Keys)))
        m_model->setSortKey(Keys[index]);
}

void TFR_ALL_NOTES::selectFirstRow()
{
    if (m_model->rowCount() == 0)
        return;
    lvNotes->setCurrentIndex(m_model->index(0, NoteListModel::TitleColumn));
}

void TFR_ALL_NOTES::rememberSelection()
{
    m_selection.clear();
    for (const NoteDocument *note : selectedNotes())
        m_selection.append(note->fileName());
    const NoteDocument *current = m_model->note(lvNotes->currentIndex().row());
    m_current = current ? current->fileName() : QString();
}

void TFR_ALL_NOTES::restoreSelection()
{
    QItemSelection selection;
    for (const QString &name : std::as_const(m_selection)) {
        const int row = m_model->rowOf(name);
        if (row >= 0)
            selection.select(m_model->index(row, 0), m_model->index(row, NoteListModel::ColumnCount - 1));
    }
    const int current = m_model->rowOf(m_current);
    if (current >= 0)
        lvNotes->selectionModel()->setCurrentIndex(m_model->index(current, NoteListModel::TitleColumn),
                                                   QItemSelectionModel::NoUpdate);
    lvNotes->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

QList<NoteDocument *> TFR_ALL_NOTES::selectedNotes() const
{
    QList<NoteDocument *> notes;
    const QModelIndexList rows = lvNotes->selectionModel()->selectedRows();
    for (const QModelIndex &row : rows)
        if (NoteDocument *note = m_model->note(row.row()))
            notes.append(note);
    if (notes.isEmpty())
        if (NoteDocument *current = m_model->note(lvNotes->currentIndex().row()))
            notes.append(current);
    return notes;
}

void TFR_ALL_NOTES::btShowClick()
{
    const QModelIndex current = lvNotes->currentIndex();
    NoteDocument *note = m_model->note(current.row());
    if (!note)
        return;
    m_windows.present(*note);
}

void TFR_ALL_NOTES::btDeleteClick()
{
    const QList<NoteDocument *> notes = selectedNotes();
    if (notes.isEmpty())
        return;
    const auto answer = Messages::exec({QMessageBox::Question, NoteMenu::DeleteCaption(), NoteMenu::DeleteQuestion(),
                                        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes},
                                       this);
    if (answer != QMessageBox::Yes)
        return;
    QStringList paths;
    // By name: removing one note resets the list and may delete documents.
    QStringList names;
    for (const NoteDocument *note : notes)
        names.append(note->fileName());
    for (const QString &name : std::as_const(names)) {
        NoteDocument *note = m_notes.note(name);
        if (!note)
            continue;
        paths.append(note->filePath());
        m_windows.remove(*note);
    }
    m_lastDeleted = paths;
    say(tr("Notes deleted: %1. Ctrl+Z takes them back.").arg(paths.size()));
    WindowState::bringForward(this);
}

void TFR_ALL_NOTES::undoClick()
{
    if (m_lastDeleted.isEmpty())
        return;
    const QStringList paths = std::exchange(m_lastDeleted, {});
    const QList<NoteDocument *> restored = m_deleted.restoreLatest(paths);
    say(tr("Notes restored: %1.").arg(restored.size()));
    if (onDeletedPage())
        readDeleted();
    Q_EMIT notesArrived(int(restored.size()));
}

void TFR_ALL_NOTES::pcPagesChanged(int index)
{
    if (index == DeletedPage)
        readDeleted();
    if (!edSearch->hasFocus())
        currentList()->setFocus(Qt::OtherFocusReason);
}

void TFR_ALL_NOTES::readDeleted()
{
    m_inTrash = m_deleted.list();
    fillDeleted();
}

void TFR_ALL_NOTES::fillDeleted()
{
    lvDeleted->clear();
    m_trashed = m_inTrash;
    // The search finds deleted notes as it finds the others, by title and text.
    const NoteQuery query(edSearch->text());
    m_trashed.removeIf([&query](const DeletedNotes::Entry &entry) { return !query.matches(entry.title, entry.text); });
    const QLocale locale;
    for (int i = 0; i < m_trashed.size(); ++i) {
        const DeletedNotes::Entry &entry = m_trashed.at(i);
        auto *item = new QTreeWidgetItem(lvDeleted);
        item->setText(0, entry.title.isEmpty() ? QFileInfo(entry.file.originalPath).fileName() : entry.title);
        item->setText(1, locale.toString(entry.file.deleted, QLocale::ShortFormat));
        item->setData(0, Qt::UserRole, i);
    }
    if (lvDeleted->topLevelItemCount() > 0)
        lvDeleted->setCurrentItem(lvDeleted->topLevelItem(0));
}

void TFR_ALL_NOTES::btRestoreClick()
{
    QList<TrashedFile> files;
    for (const QTreeWidgetItem *item : lvDeleted->selectedItems()) {
        const int i = item->data(0, Qt::UserRole).toInt();
        if (i >= 0 && i < m_trashed.size())
            files.append(m_trashed.at(i).file);
    }
    if (files.isEmpty())
        return;
    NoteDocument *last = nullptr;
    for (const TrashedFile &file : std::as_const(files))
        last = m_deleted.restore(file);
    readDeleted();
    say(tr("Notes restored: %1.").arg(files.size()));
    if (last)
        m_windows.present(*last);
    Q_EMIT notesArrived(int(files.size()));
}

void TFR_ALL_NOTES::exportClick(int format)
{
    QList<NoteDocument *> notes;
    if (acSelectedOnly->isChecked()) {
        notes = selectedNotes();
    } else {
        for (int row = 0; row < m_model->rowCount(); ++row)
            notes.append(m_model->note(row));
    }
    if (notes.isEmpty())
        return;
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Export Notes To"), QDir::homePath());
    if (folder.isEmpty())
        return;
    const QStringList written = NoteExport::write(notes, folder, NoteExport::Format(format));
    say(tr("Notes exported to %1: %2.").arg(QDir::toNativeSeparators(folder)).arg(written.size()));
}

void TFR_ALL_NOTES::zipClick()
{
    const QString suggested = QDir::home().filePath(
        tr("Paperlet notes %1.zip").arg(QDate::currentDate().toString(Qt::ISODate)));
    const QString path = QFileDialog::getSaveFileName(this, tr("Zip Backup"), suggested, tr("Zip archives (*.zip)"));
    if (path.isEmpty())
        return;
    NoteExport::writeZip(m_notes, m_host.notesFolder(), path);
    say(tr("The notes are backed up in %1.").arg(QDir::toNativeSeparators(path)));
}

void TFR_ALL_NOTES::importFilesClick()
{
    const QStringList paths = QFileDialog::getOpenFileNames(
        this, tr("Import Notes"), QDir::homePath(), tr("Notes and text (*.pnf *.txt *.md);;All files (*)"));
    if (paths.isEmpty())
        return;
    imported(NoteImport(m_host, m_notes, importArea()).importFiles(paths));
}

void TFR_ALL_NOTES::importXpadClick()
{
    imported(NoteImport(m_host, m_notes, importArea()).importXpad(NoteImport::xpadFolder()));
}

QRect TFR_ALL_NOTES::importArea() const
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 800, 600);
}

void TFR_ALL_NOTES::imported(const QList<NoteDocument *> &notes)
{
    say(tr("Notes imported: %1.").arg(notes.size()));
    Q_EMIT notesArrived(int(notes.size()));
}

void TFR_ALL_NOTES::btCloseClick()
{
    close();
}

void TFR_ALL_NOTES::say(const QString &text)
{
    lbStatus->setText(text);
}
