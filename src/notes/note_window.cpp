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
#include "notes/note_collection.h"
#include "notes/note_discard.h"
#include "notes/note_editor.h"
#include "notes/note_keys.h"
#include "notes/note_menu.h"
#include "notes/note_reminders.h"
#include "notes/note_state_control.h"
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
#include <QLocale>
#include <QMouseEvent>
#include <QPainterPath>
#include <QPainter>
#include <QScreen>
#include <QWindow>
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
constexpr int BellSize = 14;
constexpr int FlashIntervalMs = 250;
const QColor FlashColor(255, 140, 0);

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

// How a repeat reads, as the reminder dialog offers it.
QString repeatCaption(Reminder::Repeat repeat)
{
    switch (repeat) {
    case Reminder::Repeat::Never: return QCoreApplication::translate("TFR_REMINDER", "Never");
    case Reminder::Repeat::Daily: return QCoreApplication::translate("TFR_REMINDER", "Daily");
    case Reminder::Repeat::Weekdays: return QCoreApplication::translate("TFR_REMINDER", "Weekdays");
    case Reminder::Repeat::Weekly: return QCoreApplication::translate("TFR_REMINDER", "Weekly");
    case Reminder::Repeat::Monthly: return QCoreApplication::translate("TFR_REMINDER", "Monthly");
    case Reminder::Repeat::Yearly: return QCoreApplication::translate("TFR_REMINDER", "Yearly");
    }
    return QString();
}

// The bell a note with a reminder shows in its bar.
QPixmap bellPixmap()
{
    QPixmap pixmap(BellSize, BellSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(GlyphColor.toQColor(), 1.2));
    painter.setBrush(GlyphColor.toQColor());
    QPainterPath bell;
    bell.moveTo(2.5, 10.5);
    bell.cubicTo(4, 9, 3.5, 3, 7, 3);
    bell.cubicTo(10.5, 3, 10, 9, 11.5, 10.5);
    bell.closeSubpath();
    painter.drawPath(bell);
    painter.drawEllipse(QPointF(7, 12), 1.3, 1.3);
    painter.drawLine(QPointF(7, 1.2), QPointF(7, 3));
    painter.end();
    return pixmap;
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
    : TFR_NOTE(host, *host.noteCollection().create(), parent)
{
}

TFR_NOTE::TFR_NOTE(NoteHost &host, NoteDocument &document, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::Tool), m_host(host), m_doc(&document)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumSize(MinSize, MinSize);
    setFont(QFont(FontFace, 8));
    AccessibleRoles::set(this, QAccessible::Window);
    buildGui();
    m_doc->setView(this);
    reEdit->bindDocument(m_doc->text());
    m_states = new NoteStateControl(*this, {pnBar, pnTitlePanel, edTitle, reEdit, pnBottom, MinSize});
    connect(m_states, &NoteStateControl::changed, this, [this] {
        if (!m_showing)
            m_doc->setNoteState(m_states->state());
    });
    m_keys = new NoteKeys(*this, *m_states);
    connect(m_keys, &NoteKeys::menuRequested, this, guarded(this, &TFR_NOTE::sbPopupClick));
    connect(m_keys, &NoteKeys::titleEditRequested, this, guarded(this, &TFR_NOTE::pnTitlePanelDblClick));
    connect(m_keys, &NoteKeys::commandRequested, this, guarded([this](const QString &item) {
                if (auto *command = settingsMenu()->findChild<QAction *>(item))
                    command->trigger();
            }));

    tmCloseTimer = new QTimer(this);
    tmCloseTimer->setObjectName(QStringLiteral("tmCloseTimer"));
    tmCloseTimer->setInterval(FadeIntervalMs);
    connect(tmCloseTimer, &QTimer::timeout, this, guarded(this, &TFR_NOTE::tmCloseTimerTimer));
    connect(m_doc, &NoteDocument::reloaded, this, guarded(this, &TFR_NOTE::showDocument));
    // Set elsewhere too: a reminder from the command line, a synced copy.
    connect(m_doc, &NoteDocument::noteStateChanged, this, guarded(this, &TFR_NOTE::showNoteState));
    connect(m_doc, &NoteDocument::opacityChanged, this, &TFR_NOTE::opacityChanged);
    connect(m_doc, &NoteDocument::removedElsewhere, this, [this] {
        // Removed on purpose (here or on another computer): it closes at once.
        FadeOnClose = false;
        close();
    });

    if (m_doc->isReady() || m_doc->isTooLarge()) {
        // A note opened again (or one too large to open, which says so): it
        // shows where and as it was.
        setAttribute(Qt::WA_ShowWithoutActivating);
        showDocument();
    } else {
        ApplyColor(DesignColor);
        setOpacity(100);
    }
}

TFR_NOTE::~TFR_NOTE()
{
    if (!m_doc)
        return;
    m_doc->setView(nullptr);
    if (!m_doc->isReady() && !m_doc->isDeleted()) {
        // Never became a note (its file did not load): nothing to keep.
        m_doc->deleteLater();
        return;
    }
    if (m_persisted)
        return;
    try {
        syncPlace();
        m_doc->persist();
    } catch (const PaperletError &error) {
        m_doc->rescue(error.message());
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
    setOpacity(settings.DefaultOpacity);
    ApplyColor(settings.DefaultColor);
    reEdit->setDefaultFormat(FontStyle::fromSettings(settings), plainColor(settings.DefaultFontColor).toQColor());

    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale;
    if (const auto title = NoteNaming::titleFor(settings.DefaultTitle, now, locale))
        setTitle(*title);

    resize(NewNoteSize, NewNoteSize);
    move(NotePlacement::newNotePosition(primaryScreenGeometry(), size(), ProgramRandom::shared()));

    m_host.ensureNotesFolder();
    syncPlace();
    m_doc->startNew();
}

void TFR_NOTE::LoadNote(const QString &fileName)
{
    m_doc->load(fileName);
    // Stored notes open in numbers at start-up; none of them should take the focus.
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void TFR_NOTE::showDocument()
{
    // What the document says is no change to it.
    m_showing = true;
    ApplyColor(m_doc->color());
    setTitle(m_doc->title());
    setGeometry(NotePlacement::restoredBounds(m_doc->bounds(), monitorGeometries()));
    showNoteState();
    setAlpha(m_doc->opacity());
    m_showing = false;
    Q_EMIT opacityChanged(m_doc->opacity());
    // Where it really is now is what the file says.
    m_doc->placed(m_states->storedBounds(placeNow()));
}

void TFR_NOTE::showNoteState()
{
    const bool showing = std::exchange(m_showing, true);
    m_states->setState(m_doc->noteState());
    // A note too large to open says so and takes no typing; one that came
    // back under the limits takes it again, unless it is locked.
    reEdit->setReadOnly(m_doc->isTooLarge() || m_states->isOn(NoteStateControl::LockedKey));
    const std::optional<Reminder> reminder = NoteReminders::reminderOf(*m_doc);
    if (reminder) {
        const QString when = QLocale().toString(reminder->dueInstant().toLocalTime(), QLocale::ShortFormat);
        const QString tip = reminder->repeat() == Reminder::Repeat::Never
            ? tr("Reminder: %1").arg(when)
            : tr("Reminder: %1 (%2)").arg(when, repeatCaption(reminder->repeat()));
        bell()->setToolTip(tip);
        bell()->setAccessibleName(tip);
    }
    if (imReminder)
        imReminder->setVisible(reminder.has_value());
    m_showing = showing;
}

void TFR_NOTE::pasteFromClipboard()
{
    reEdit->paste();
}

QLabel *TFR_NOTE::bell()
{
    // Made for the notes that have a reminder only: a thousand notes
    // without one would each carry a hidden widget.
    if (!imReminder) {
        imReminder = new QLabel(pnBar);
        imReminder->setObjectName(QStringLiteral("imReminder"));
        imReminder->setPixmap(bellPixmap());
        imReminder->setFixedWidth(BellSize + 4);
        imReminder->setAlignment(Qt::AlignCenter);
        // Between the title and the buttons.
        static_cast<QBoxLayout *>(pnBar->layout())->insertWidget(1, imReminder);
    }
    return imReminder;
}

void TFR_NOTE::flashBar(int times)
{
    m_flashesLeft = 2 * std::max(times, 0);
    pnBar->setAutoFillBackground(false);
    if (m_flashesLeft > 0 && !tmFlash) {
        tmFlash = new QTimer(this);
        tmFlash->setObjectName(QStringLiteral("tmFlash"));
        tmFlash->setInterval(FlashIntervalMs);
        connect(tmFlash, &QTimer::timeout, this, &TFR_NOTE::flashTick);
    }
    if (m_flashesLeft > 0)
        tmFlash->start();
    flashTick();
}

bool TFR_NOTE::isFlashing() const
{
    return tmFlash && tmFlash->isActive();
}

void TFR_NOTE::flashTick()
{
    if (m_flashesLeft <= 0) {
        if (tmFlash)
            tmFlash->stop();
        pnBar->setAutoFillBackground(false);
        pnBar->update();
        return;
    }
    --m_flashesLeft;
    // The bar's own colour shows through while it fills nothing itself.
    const bool lit = !pnBar->autoFillBackground();
    if (lit) {
        QPalette palette = pnBar->palette();
        palette.setColor(QPalette::Window, FlashColor);
        pnBar->setPalette(palette);
    }
    pnBar->setAutoFillBackground(lit);
    pnBar->update();
}

QRect TFR_NOTE::placeNow() const
{
    // A frameless window's outer size is its own size. Qt's frame margins
    // are not asked: under some window managers they go stale (negative,
    // from a frame measured before it was sized), which made untouched notes
    // 1 by 1 pixels.
    QRect place = geometry();
    if (const std::optional<QPoint> corner = WindowState::screenPosition(this))
        place.moveTopLeft(*corner);
    return place;
}

QString TFR_NOTE::fileName() const
{
    return m_doc->fileName();
}

QString TFR_NOTE::filePath() const
{
    return m_doc->filePath();
}

bool TFR_NOTE::loadFailed() const
{
    return m_doc->loadFailed();
}

void TFR_NOTE::markDeleted()
{
    m_doc->markDeleted();
}

bool TFR_NOTE::isDeleted() const
{
    return m_doc->isDeleted();
}

void TFR_NOTE::SaveNote()
{
    // Positions left of or above the primary display are not kept.
    if (x() < 0 || y() < 0)
        move(std::max(0, x()), std::max(0, y()));
    syncPlace();
    m_doc->save();
}

bool TFR_NOTE::hasText() const
{
    return m_doc->hasText();
}

void TFR_NOTE::ApplyColor(Color c)
{
    const Color color = plainColor(c);
    const QColor bar = color.shifted(-5).toQColor();
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
    bottom.setColor(QPalette::Window, color.toQColor());
    pnBottom->setPalette(bottom);

    reEdit->setBackgroundColor(color.toQColor());
    PaintGrip(color);
    if (!m_showing)
        m_doc->setColor(color);
}

Color TFR_NOTE::noteColor() const
{
    return m_doc->color();
}

void TFR_NOTE::PaintGrip(Color c)
{
    imSize->setPixmap(QPixmap::fromImage(NoteColors::gripImage(c)));
}

void TFR_NOTE::setOpacity(int percent)
{
    setAlpha(percent);
    // The document tells the menu (opacityChanged).
    m_doc->setOpacity(percent);
}

int TFR_NOTE::opacity() const
{
    return m_doc->opacity();
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
    setOpacity(item->data().toInt());
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
    if (!m_showing)
        m_doc->setTitle(title);
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
        QAction *endOfStates = m_states->addTo(*pmSettings);
        auto *reminder = new QAction(tr("Reminder..."), pmSettings);
        reminder->setObjectName(QStringLiteral("tbReminder"));
        connect(reminder, &QAction::triggered, this, &TFR_NOTE::reminderRequested);
        pmSettings->insertAction(endOfStates, reminder);
        m_keys->addTo(*pmSettings, endOfStates);
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
    m_fadeStep = std::max(1, opacity() / 20);
    m_fadeLevel = opacity();
    tmCloseTimer->start();
}

void TFR_NOTE::tmCloseTimerTimer()
{
    m_fadeLevel -= m_fadeStep;
    if (m_fadeLevel > 0) {
        setAlpha(m_fadeLevel);
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
    if (m_keys->handle(event))
        return true;
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
        const QRect target(pointer - m_dragOffset, size());
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
        syncPlace();
        m_doc->persist();
    } catch (const PaperletError &error) {
        // The text stays on screen rather than being lost with the window.
        event->ignore();
        setAlpha(opacity());
        Application::reportLater(error.message() + tr("\nThe note stays open so that its text is not lost."));
        return;
    }
    m_persisted = true;
    event->accept();
}

void TFR_NOTE::keyPressEvent(QKeyEvent *event)
{
    // Keys that no part took: a rolled-up note has no text to hold the
    // focus, and its keys come here.
    bool handled = false;
    Application::runGuarded([&] { handled = FormKeyDown(event); });
    if (!handled)
        QWidget::keyPressEvent(event);
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

void TFR_NOTE::syncPlace()
{
    // A hidden window gets its move and resize events only when shown.
    if (!isVisible())
        m_doc->moveTo(m_states->storedBounds(geometry()));
}

void TFR_NOTE::geometryChanged(bool ours)
{
    if (m_showing || !m_doc)
        return;
    if (ours || !isVisible()) {
        m_doc->moveTo(m_states->storedBounds(geometry()));
        return;
    }
    // Where the window manager puts a window as it maps it (on the screen,
    // clear of its panels) is its placement, not the user's move: the file
    // keeps its own place until the user changes the note.
    if (!windowHandle() || !windowHandle()->isExposed()) {
        m_doc->placed(m_states->storedBounds(placeNow()));
        return;
    }
    m_doc->movedByWindowManager(m_states->storedBounds(placeNow()));
}
