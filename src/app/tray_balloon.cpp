#include "app/tray_balloon.h"

#include "platform/desktop_notifications.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {

constexpr int Margin = 10;
constexpr int IconSize = 18;
constexpr int Gap = 8;          // between the icon and the words, and the title and the text
// The tray icon is asked for its place this often, this many times.
constexpr int AnchorCheckMs = 100;
constexpr int AnchorChecks = 10;
const QColor Background(0xFF, 0xFF, 0xE1);
const QColor Border(0x76, 0x76, 0x76);

} // namespace

TrayBalloon::TrayBalloon(const QIcon &icon, const QString &title, const QString &text,
                         std::function<QRect()> anchor, int msecs, QWidget *owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint)
    , m_icon(icon)
    , m_title(title)
    , m_text(text)
    , m_titleFont(font())
    , m_anchor(std::move(anchor))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_titleFont.setBold(true);

    const QFontMetrics titleMetrics(m_titleFont);
    const QFontMetrics textMetrics(font());
    const int words = std::max(titleMetrics.horizontalAdvance(m_title), textMetrics.horizontalAdvance(m_text));
    const int height = std::max(IconSize, titleMetrics.height() + Gap + textMetrics.height());
    resize(Margin + IconSize + Gap + words + Margin, Margin + height + Margin);

    m_anchoredAt = m_anchor();
    followAnchor();
    m_anchorTimer.setInterval(AnchorCheckMs);
    connect(&m_anchorTimer, &QTimer::timeout, this, [this] {
        if (++m_anchorChecks >= AnchorChecks)
            m_anchorTimer.stop();
        const QRect anchor = m_anchor();
        if (anchor != m_anchoredAt) {
            m_anchoredAt = anchor;
            followAnchor();
        }
    });
    m_anchorTimer.start();

    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::close);
    m_timer.start(msecs);
}

void TrayBalloon::followAnchor()
{
    const QRect &anchor = m_anchoredAt;
    const QScreen *screen = anchor.isEmpty() ? nullptr : QGuiApplication::screenAt(anchor.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        move(placeFor(size(), anchor, screen->availableGeometry()));
}

bool TrayBalloon::desktopShowsMessages()
{
    return desktopShowsTrayMessages();
}

QPoint TrayBalloon::placeFor(const QSize &size, const QRect &anchor, const QRect &available)
{
    // Without a known icon: the corner where trays usually are.
    if (anchor.isEmpty())
        return available.bottomRight() - QPoint(size.width(), size.height()) + QPoint(1, 1) - QPoint(Gap, Gap);
    const bool iconLow = anchor.center().y() > available.center().y();
    const bool iconRight = anchor.center().x() > available.center().x();
    int x = iconRight ? anchor.center().x() - size.width() + Margin : anchor.center().x() - Margin;
    int y = iconLow ? anchor.top() - size.height() - 2 : anchor.bottom() + 3;
    x = std::clamp(x, available.left(), std::max(available.left(), available.right() + 1 - size.width()));
    y = std::clamp(y, available.top(), std::max(available.top(), available.bottom() + 1 - size.height()));
    return {x, y};
}

QRect TrayBalloon::iconRect() const
{
    return {Margin, Margin, IconSize, IconSize};
}

QRect TrayBalloon::titleRect() const
{
    const int left = Margin + IconSize + Gap;
    return {left, Margin, width() - left - Margin, QFontMetrics(m_titleFont).height()};
}

QRect TrayBalloon::textRect() const
{
    const QRect title = titleRect();
    return {title.left(), title.bottom() + 1 + Gap, title.width(), fontMetrics().height()};
}

void TrayBalloon::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Background);
    painter.setPen(Border);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    m_icon.paint(&painter, iconRect());
    painter.setPen(Qt::black);
    painter.setFont(m_titleFont);
    painter.drawText(titleRect(), Qt::AlignLeft | Qt::AlignVCenter, m_title);
    painter.setFont(font());
    painter.drawText(textRect(), Qt::AlignLeft | Qt::AlignVCenter, m_text);
}

void TrayBalloon::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    close();
}
