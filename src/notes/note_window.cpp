#include "notes/note_window.h"

#include "core/error.h"
#include "core/note_colors.h"
#include "core/note_host.h"
#include "core/note_naming.h"
#include "core/note_placement.h"
#include "core/rtf/rtf.h"
#include "framework/accessible_roles.h"
#include "framework/application.h"
#include "framework/guarded.h"
#include "framework/font_style.h"
#include "framework/system_metrics.h"
#include "framework/tbx_types.h"
#include "notes/note_discard.h"
#include "notes/note_editor.h"
#include "notes/note_menu.h"
#include "notes/rescue_log.h"
#include "platform/window_state.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char *const DesignTitle = QT_TRANSLATE_NOOP("TFR_NOTE", "Notes");
const char *const TitleHint = QT_TRANSLATE_NOOP("TFR_NOTE", "Double click to edit title");
const char *const BlankTitle = QT_TRANSLATE_NOOP("TFR_NOTE", "No Name");
const QString FontFace = QStringLiteral("Tahoma");
constexpr Color DesignColor = Color::fromValue(0x99FFFF);
constexpr Color TitleTextColor = Color::fromValue(0x3F3F3F);
constexpr Color GlyphColor = Color::fromValue(0x292929);
constexpr int ButtonSize = 18;
constexpr int GripSize = 10;

enum class Glyph { Chevron, Cross };

// The plain colour a stored value stands for now: system colours resolved,
// the top byte dropped.
Color plainColor(Color stored)
{
    return Color::fromValue(stored.resolved(sysColor).value() & NoteFile::MaxFieldValue);
}

// The two title-bar glyphs, drawn rather than shipped as images.
QIcon glyphIcon(Glyph glyph)
{
    const QSize size = glyph == Glyph::Chevron ? QSize(10, 8) : QSize(11, 11);
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(GlyphColor.toQColor(), 2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    if (glyph == Glyph::Chevron) {
        painter.drawPolyline(QPolygonF({QPointF(1, 2), QPointF(5, 6), QPointF(9, 2)}));
    } else {
        painter.drawLine(QPointF(1, 1), QPointF(10, 10));
        painter.drawLine(QPointF(10, 1), QPointF(1, 10));
    }
    painter.end();
    return QIcon(pixmap);
}

QToolButton *flatButton(QWidget *parent, const QString &name, int left, Glyph glyph, const QString &hint)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(left, 5, ButtonSize, ButtonSize);
    button->setIcon(glyphIcon(glyph));
    button->setIconSize(glyph == Glyph::Chevron ? QSize(10, 8) : QSize(11, 11));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    return button;
}

QFont defaultNoteFont(const ProgramSettings &settings)
{
    QFont font(settings.DefaultFontName);
    font.setPointSize(settings.DefaultFontSize > 0 ? settings.DefaultFontSize : 10);
    FontStyle::apply(font, settings.DefaultFontStyle);
    return font;
}

// The edit's own context menu takes the focus only for as long as it is open;
// any other popup, or any other reason, is a real loss of focus.
bool isOwnPopupOpening(const QWidget *edit, const QFocusEvent *event)
{
    if (event->reason() != Qt::PopupFocusReason)
        return false;
    for (const QWidget *w = QApplication::activePopupWidget(); w; w = w->parentWidget()) {
        if (w == edit)
            return true;
    }
    return false;
}

QRect primaryScreenGeometry()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

// Every monitor's place on the whole desktop, the primary first.
QList<QRect> monitorGeometries()
{
    QList<QRect> monitors{primaryScreenGeometry()};
    const QScreen *primary = QGuiApplication::primaryScreen();
    for (const QScreen *screen : QGuiApplication::screens()) {
        if (screen != primary)
            monitors.append(screen->geometry());
    }
    return monitors;
}

} // namespace

TFR_NOTE::TFR_NOTE(NoteHost &host, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::Tool), m_host(host)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(MinSize, MinSize);
    setFont(QFont(FontFace, 8));
    AccessibleRoles::set(this, QAccessible::Window);
    buildGui();

    tmCloseTimer = new QTimer(this);
    tmCloseTimer->setObjectName(QStringLiteral("tmCloseTimer"));
    tmCloseTimer->setInterval(FadeIntervalMs);
    connect(tmCloseTimer, &QTimer::timeout, this, guarded(this, &TFR_NOTE::tmCloseTimerTimer));
    // Debounced: idle notes cause no wake-ups at all.
    m_autosave.setSingleShot(true);
    m_autosave.setInterval(AutosaveDelayMs);
    connect(&m_autosave, &QTimer::timeout, this, guarded(this, &TFR_NOTE::autosave));
    connect(reEdit->document(), &QTextDocument::contentsChanged, this, guarded(this, &TFR_NOTE::scheduleAutosave));

    ApplyColor(DesignColor);
    SetOpacity(100);
}

TFR_NOTE::~TFR_NOTE()
{
    if (m_persisted)
        return;
    try {
        persist();
    } catch (const PaperletError &error) {
        rescue(error.message());
    }
}

void TFR_NOTE::buildGui()
{
    auto *layout = new QVBoxLayout(this);
    // The 1-pixel frame is the window's own colour showing around the bars.
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    buildTitleBar();
    reEdit = new NoteEditor(this);
    reEdit->setObjectName(QStringLiteral("reEdit"));
    reEdit->installEventFilter(this);
    reEdit->setAccessibleName(tr("Note text"));
    buildBottomBar();
    layout->addWidget(pnBar);
    layout->addWidget(reEdit, 1);
    layout->addWidget(pnBottom);
}

void TFR_NOTE::buildTitleBar()
{
    pnBar = new QWidget(this);
    pnBar->setObjectName(QStringLiteral("pnBar"));
    pnBar->setFixedHeight(BarHeight);
    QFont bold(FontFace, 8);
    bold.setBold(true);
    pnBar->setFont(bold);
    pnBar->installEventFilter(this);
    AccessibleRoles::set(pnBar, QAccessible::TitleBar);

    pnTitlePanel = new QLabel(tr(DesignTitle), pnBar);
    pnTitlePanel->setObjectName(QStringLiteral("pnTitlePanel"));
    pnTitlePanel->setTextFormat(Qt::PlainText);
    pnTitlePanel->setAlignment(Qt::AlignCenter);
    pnTitlePanel->setMargin(3);
    pnTitlePanel->setToolTip(tr(TitleHint));
    // A long title must not widen the note.
    pnTitlePanel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    pnTitlePanel->installEventFilter(this);

    edTitle = new QLineEdit(pnTitlePanel);
    edTitle->setObjectName(QStringLiteral("edTitle"));
    edTitle->hide();
    edTitle->setFrame(false);
    edTitle->setAlignment(Qt::AlignCenter);
    edTitle->setAutoFillBackground(true);
    edTitle->installEventFilter(this);
    edTitle->setAccessibleName(tr("Title"));

    pnButtons = new QWidget(pnBar);
    pnButtons->setObjectName(QStringLiteral("pnButtons"));
    pnButtons->setFixedWidth(ButtonsWidth);
    sbPopup = flatButton(pnButtons, QStringLiteral("sbPopup"), 1, Glyph::Chevron, tr("Menu"));
    sbClose = flatButton(pnButtons, QStringLiteral("sbClose"), 20, Glyph::Cross, tr("Close"));
    connect(sbPopup, &QToolButton::clicked, this, guarded(this, &TFR_NOTE::sbPopupClick));
    connect(sbClose, &QToolButton::clicked, this, guarded(this, &TFR_NOTE::sbCloseClick));

    auto *row = new QHBoxLayout(pnBar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(pnTitlePanel, 1);
    row->addWidget(pnButtons);
}

void TFR_NOTE::buildBottomBar()
{
    pnBottom = new QWidget(this);
    pnBottom->setObjectName(QStringLiteral("pnBottom"));
    pnBottom->setFixedHeight(BottomHeight);
    pnBottom->setAutoFillBackground(true);
    pnBottom->installEventFilter(this);
    imSize = new QLabel(pnBottom);
    imSize->setObjectName(QStringLiteral("imSize"));
    imSize->setFixedSize(GripSize, GripSize);
    imSize->setCursor(Qt::SizeAllCursor);
    imSize->installEventFilter(this);
    AccessibleRoles::set(imSize, QAccessible::Grip);
    imSize->setAccessibleName(tr("Resize"));
    pnBottomResize();
}

void TFR_NOTE::InitNewNote()
{
    const ProgramSettings &settings = m_host.settings();
    SetOpacity(settings.DefaultOpacity);
    ApplyColor(settings.DefaultColor);
    reEdit->setDefaultFormat(defaultNoteFont(settings), plainColor(settings.DefaultFontColor).toQColor());

    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    if (const auto title = NoteNaming::titleFor(settings.DefaultTitle, now, locale))
        setTitle(*title);

    resize(NewNoteSize, NewNoteSize);
    move(NotePlacement::newNotePosition(primaryScreenGeometry(), size(), ProgramRandom::shared()));

    m_host.EnsureNotesFolder();
    FileName = freshFileName(now);
    m_fingerprint = FileFingerprint();
    m_loadFailed = false;
    m_ready = true;
}

QString TFR_NOTE::freshFileName(const QDateTime &moment) const
{
    const QString folder = m_host.NotesFolder();
    const auto taken = [this, &folder](const QString &name) {
        if (QFileInfo::exists(folder + name))
            return true;
        const auto notes = Application::instance()->formsOf<TFR_NOTE>();
        return std::any_of(notes.begin(), notes.end(),
                           [this, &name](const TFR_NOTE *note) { return note != this && note->FileName == name; });
    };
    return NoteNaming::uniqueFileName(NoteNaming::fileNameFor(moment, QLocale()), taken);
}

void TFR_NOTE::LoadNote(const QString &fileName)
{
    FileName = fileName;
    // Until the whole file is read, this window must never touch the file.
    m_loadFailed = true;
    m_ready = false;
    const QString path = filePath();
    NoteRecord record;
    FileFingerprint print;
    try {
        const QByteArray bytes = NoteFile::readAll(path);
        print = FileFingerprint::of(path, bytes);
        record = NoteFile::decode(bytes);
    } catch (const PaperletError &error) {
        throw PaperletError(tr("Cannot load the note file \"%1\": %2")
                                .arg(QDir::toNativeSeparators(path), error.message()));
    }
    // Stored notes open in numbers at start-up; none of them should take the focus.
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_loadFailed = false;
    reloadFrom(record, print);
}

void TFR_NOTE::reloadFrom(const NoteRecord &record, const FileFingerprint &print)
{
    m_autosave.stop();
    applyRecord(record);
    m_fingerprint = print;
    m_lastWritten.clear();
}

void TFR_NOTE::applyRecord(const NoteRecord &record)
{
    // What the file says is no change to save.
    m_ready = false;
    ApplyColor(record.color);
    setTitle(record.title);
    setGeometry(NotePlacement::restoredBounds(record.bounds, monitorGeometries()));
    SetOpacity(record.opacity);
    Rtf::load(*reEdit->document(), record.content);
    reEdit->document()->clearUndoRedoStacks();
    m_savedGeometry = frameGeometry();
    m_dirty = false;
    m_ready = true;
}

bool TFR_NOTE::hasUnsavedChanges() const
{
    return m_dirty || !isPlaceSaved();
}

void TFR_NOTE::fileRemovedElsewhere()
{
    if (m_loadFailed || Deleted)
        return;
    if (hasUnsavedChanges() && hasText()) {
        SaveNote();
        return;
    }
    // Removed on purpose (here or on another computer): it stays removed.
    m_removedElsewhere = true;
    m_autosave.stop();
    FadeOnClose = false;
    close();
}

QRect TFR_NOTE::placeNow() const
{
    QRect place = frameGeometry();
    if (const std::optional<QPoint> corner = WindowState::screenPosition(this))
        place.moveTopLeft(*corner);
    return place;
}

QString TFR_NOTE::filePath() const
{
    return m_host.NotesFolder() + FileName;
}

NoteRecord TFR_NOTE::currentRecord() const
{
    NoteRecord record;
    record.bounds = placeNow();
    record.opacity = m_opacity;
    record.color = m_color;
    record.title = title();
    record.content = QString::fromLatin1(Rtf::save(*reEdit->document()));
    return record;
}

void TFR_NOTE::writeFile(const QByteArray &bytes)
{
    // A Notes folder removed behind our back comes back rather than losing the note.
    m_host.EnsureNotesFolder();
    keepOthersVersion();
    NoteFile::writeAtomically(filePath(), bytes);
    m_fingerprint = FileFingerprint::of(filePath(), bytes);
    m_lastWritten = bytes;
    m_savedGeometry = placeNow();
    m_dirty = false;
    Q_EMIT saved();
}

void TFR_NOTE::keepOthersVersion()
{
    const QString path = filePath();
    // A file removed elsewhere while this note changed is written back;
    // something other than a file in its place is no version of it.
    if (!QFileInfo(path).isFile() || m_fingerprint.matchesFile(path))
        return;
    const QString theirs = FileName;
    FileName = freshFileName(QDateTime::currentDateTime());
    m_fingerprint = FileFingerprint();
    m_lastWritten.clear();
    Q_EMIT forkedFrom(theirs);
}

void TFR_NOTE::SaveNote()
{
    // Positions left of or above the primary display are not kept.
    if (x() < 0 || y() < 0)
        move(std::max(0, x()), std::max(0, y()));
    m_autosave.stop();
    writeFile(NoteFile::encode(currentRecord()));
}

bool TFR_NOTE::hasText() const
{
    return !NoteFile::trimControls(reEdit->toPlainText()).isEmpty();
}

void TFR_NOTE::persist()
{
    if (m_loadFailed || m_removedElsewhere || FileName.isEmpty())
        return;
    if (!Deleted && hasText()) {
        // An untouched note's file already says all of it; rewriting
        // hundreds of them would only slow the exit down. An untouched note
        // whose file was removed elsewhere stays removed.
        if (hasUnsavedChanges() || !m_fingerprint.exists())
            SaveNote();
        return;
    }
    m_autosave.stop();
    // Someone else's newer version is not ours to remove. Not being able to
    // remove the file is not worth a message: it only means an empty or
    // deleted note comes back.
    if (m_fingerprint.matchesFile(filePath()))
        NoteFile::discard(filePath());
}

void TFR_NOTE::rescue(const QString &reason)
{
    const QString folder = RescueLog::folder();
    const QString copy = folder + FileName;
    try {
        if (!QDir().mkpath(folder))
            throw PaperletError(tr("Cannot create \"%1\".").arg(QDir::toNativeSeparators(folder)));
        NoteFile::writeAtomically(copy, NoteFile::encode(currentRecord()));
        RescueLog::add(copy, reason);
        qCritical("%s\nA copy of the note was saved as \"%s\".", qPrintable(reason),
                  qPrintable(QDir::toNativeSeparators(copy)));
    } catch (const PaperletError &error) {
        qCritical("%s\nThe note could not be rescued either: %s", qPrintable(reason), qPrintable(error.message()));
    }
}

void TFR_NOTE::scheduleAutosave()
{
    if (!m_ready || m_loadFailed || Deleted)
        return;
    m_dirty = true;
    m_autosave.start();
}

void TFR_NOTE::autosave()
{
    // An emptied note keeps its last file until it is closed: the destruction
    // rule decides about removal.
    if (!m_ready || m_loadFailed || Deleted || !hasText() || (!m_dirty && isPlaceSaved()))
        return;
    try {
        const QByteArray bytes = NoteFile::encode(currentRecord());
        if (bytes != m_lastWritten)
            writeFile(bytes);
        m_autosaveErrorShown = false;
    } catch (const PaperletError &error) {
        // Once per failing stretch, not at every keystroke.
        if (!m_autosaveErrorShown)
            Application::reportLater(error.message());
        m_autosaveErrorShown = true;
    }
}

void TFR_NOTE::ApplyColor(Color c)
{
    m_color = plainColor(c);
    const QColor bar = m_color.shifted(-5).toQColor();
    const QColor title = TitleTextColor.toQColor();

    // The window colour is the frame's and the title bar's; the panels on the
    // bar show it through.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, bar);
    pal.setColor(QPalette::WindowText, title);
    setPalette(pal);

    QPalette edit = edTitle->palette();
    edit.setColor(QPalette::Base, bar);
    edit.setColor(QPalette::Window, bar);
    edit.setColor(QPalette::Text, title);
    edTitle->setPalette(edit);

    QPalette bottom = pnBottom->palette();
    bottom.setColor(QPalette::Window, m_color.toQColor());
    pnBottom->setPalette(bottom);

    reEdit->setBackgroundColor(m_color.toQColor());
    PaintGrip(m_color);
    scheduleAutosave();
}

void TFR_NOTE::PaintGrip(Color c)
{
    imSize->setPixmap(QPixmap::fromImage(NoteColors::gripImage(c)));
}

void TFR_NOTE::SetOpacity(int percent)
{
    m_opacity = percent;
    setAlpha(percent);
    Q_EMIT opacityChanged(percent);
    scheduleAutosave();
}

void TFR_NOTE::setAlpha(int percent)
{
    const int alpha = std::clamp(percent * 255 / 100, 0, 255);
    setWindowOpacity(alpha / 255.0);
}

int TFR_NOTE::opacityMenuValue(int percent)
{
    if (percent == 25)
        return 30;
    if (percent == 75)
        return 80;
    return percent;
}

void TFR_NOTE::OpacityClick(QAction *item)
{
    SetOpacity(item->data().toInt());
}

QString TFR_NOTE::title() const
{
    return pnTitlePanel->text();
}

void TFR_NOTE::setTitle(const QString &title)
{
    pnTitlePanel->setText(NoteFile::singleLine(title));
    // Pagers and window lists show it too.
    setWindowTitle(pnTitlePanel->text());
    scheduleAutosave();
}

QPoint TFR_NOTE::menuPoint() const
{
    return QPoint(x() + pnButtons->x(), y() + sbPopup->y() + sbPopup->height());
}

QMenu *TFR_NOTE::settingsMenu()
{
    if (!pmSettings) {
        auto *menu = new NoteMenu(*this, *reEdit, m_host);   // owned by this window
        connect(menu, &NoteMenu::opacityPicked, this, guarded(this, &TFR_NOTE::OpacityClick));
        pmSettings = menu->settingsMenu();
    }
    return pmSettings;
}

void TFR_NOTE::sbPopupClick()
{
    reEdit->setFocus();
    settingsMenu();
    pmSettings->popup(menuPoint());
}

void TFR_NOTE::sbCloseClick()
{
    reEdit->setFocus();
    CloseFading();
}

void TFR_NOTE::CloseFading()
{
    if (!FadeOnClose) {
        close();
        return;
    }
    // Below 20 % the step would be 0 and the note would never go.
    FadeStep = std::max(1, m_opacity / 20);
    FadeLevel = m_opacity;
    tmCloseTimer->start();
}

void TFR_NOTE::tmCloseTimerTimer()
{
    FadeLevel -= FadeStep;
    if (FadeLevel > 0) {
        setAlpha(FadeLevel);
        return;
    }
    tmCloseTimer->stop();
    close();
}

void TFR_NOTE::pnTitlePanelDblClick()
{
    m_editingTitle = true;
    pnTitlePanel->setToolTip(QString());
    edTitle->setText(title());
    edTitle->setGeometry(pnTitlePanel->rect());
    edTitle->show();
    edTitle->setFocus();
    edTitle->selectAll();
}

void TFR_NOTE::edTitleExit()
{
    if (!m_editingTitle)
        return;
    m_editingTitle = false;
    pnTitlePanel->setToolTip(tr(TitleHint));
    QString text = edTitle->text();
    if (NoteFile::trimControls(text).isEmpty())
        text = tr(BlankTitle);
    setTitle(text);
    edTitle->hide();
}

void TFR_NOTE::edTitleKeyDown(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        edTitleExit();
        reEdit->setFocus();
    }
}

bool TFR_NOTE::FormKeyDown(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape)
        return false;
    // The edited title is the one that is kept.
    edTitleExit();
    close();
    return true;
}

void TFR_NOTE::pnBottomResize()
{
    imSize->move(pnBottom->width() - imSize->width() - 2, 2);
}

bool TFR_NOTE::barMouseEvent(QEvent *event)
{
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint pointer = mouse->globalPosition().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_dragOffset = pointer - pos();
        m_dragging = true;
        return true;
    case QEvent::MouseMove: {
        if (!m_dragging)
            return false;
        const QScreen *screen = QGuiApplication::screenAt(pointer);
        if (!screen)
            screen = this->screen();
        const QRect target(pointer - m_dragOffset, frameGeometry().size());
        move(screen ? NotePlacement::snapToArea(target, screen->availableGeometry()) : target.topLeft());
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_dragging = false;
        return true;
    default:
        return false;
    }
}

bool TFR_NOTE::gripMouseEvent(QEvent *event)
{
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint pointer = mouse->globalPosition().toPoint();
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_sizing = true;
        m_sizeOffset = pointer - QPoint(width(), height());
        return true;
    case QEvent::MouseMove:
        if (!m_sizing)
            return false;
        resize(std::max(MinSize, pointer.x() - m_sizeOffset.x()), std::max(MinSize, pointer.y() - m_sizeOffset.y()));
        return true;
    case QEvent::MouseButtonRelease:
        m_sizing = false;
        return true;
    default:
        return false;
    }
}

bool TFR_NOTE::eventFilter(QObject *watched, QEvent *event)
{
    // Keys and the mouse reach the note's commands from here: what they
    // throw is shown here, not passed back into Qt.
    bool filtered = false;
    Application::runGuarded([&] { filtered = filterChildEvent(watched, event); });
    return filtered;
}

bool TFR_NOTE::filterChildEvent(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseMove
        || type == QEvent::MouseButtonRelease;
    if (type == QEvent::KeyPress && (watched == reEdit || watched == edTitle)) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (FormKeyDown(key))
            return true;
        if (watched == edTitle)
            edTitleKeyDown(key);
    } else if (watched == pnTitlePanel && type == QEvent::MouseButtonDblClick) {
        pnTitlePanelDblClick();
        return true;
    } else if (mouse && (watched == pnBar || watched == pnTitlePanel)) {
        return barMouseEvent(event);
    } else if (mouse && watched == imSize) {
        return gripMouseEvent(event);
    } else if (watched == edTitle && type == QEvent::FocusOut) {
        if (!isOwnPopupOpening(edTitle, static_cast<QFocusEvent *>(event)))
            edTitleExit();
    } else if (watched == pnBottom && type == QEvent::Resize) {
        pnBottomResize();
    } else if (watched == pnTitlePanel && type == QEvent::Resize) {
        edTitle->setGeometry(pnTitlePanel->rect());
    }
    return QWidget::eventFilter(watched, event);
}

void TFR_NOTE::closeEvent(QCloseEvent *event)
{
    edTitleExit();
    reEdit->setFocus();
    tmCloseTimer->stop();
    try {
        persist();
    } catch (const PaperletError &error) {
        // The text stays on screen rather than being lost with the window.
        event->ignore();
        setAlpha(m_opacity);
        Application::reportLater(error.message() + tr("\nThe note stays open so that its text is not lost."));
        return;
    }
    m_persisted = true;
    event->accept();
}

void TFR_NOTE::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    WindowState::skipTaskbar(this);
    reEdit->setFocus();
}

void TFR_NOTE::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    geometryChanged(!event->spontaneous());
}

void TFR_NOTE::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    geometryChanged(!event->spontaneous());
}

void TFR_NOTE::geometryChanged(bool ours)
{
    if (!isVisible() || !m_ready || m_loadFailed || Deleted)
        return;
    if (ours) {
        scheduleAutosave();
        return;
    }
    // The window manager's moves count only where the window ends up: a busy
    // one reports passing places while it settles hundreds of windows at
    // start-up, and those must not rewrite the files. The autosave looks
    // again when it runs.
    if (!isPlaceSaved())
        m_autosave.start();
}
