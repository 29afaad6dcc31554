#include "framework/popup_menu.h"

#include "framework/image_list.h"
#include "framework/menu_metrics.h"
#include "framework/tbx_theme.h"
#include "framework/theme_registry.h"

#include <QActionEvent>
#include <QApplication>
#include <QMouseEvent>
#include <QWidgetAction>

namespace {
const char kImageIndexProperty[] = "tbxImageIndex";
}

PopupMenu::PopupMenu(QWidget *parent) : QMenu(parent)
{
    init();
}

PopupMenu::PopupMenu(const QString &title, QWidget *parent) : QMenu(title, parent)
{
    init();
}

PopupMenu::~PopupMenu() = default;

void PopupMenu::init()
{
    if (ThemeRegistry *registry = ThemeRegistry::instance()) {
        setStyle(registry->menuStyle());
        connect(registry, &ThemeRegistry::themeChanged, this, [this] {
            // Sizes depend on the theme's margins.
            QActionEvent relayout(QEvent::ActionChanged, menuAction());
            QCoreApplication::sendEvent(this, &relayout);
            update();
        });
    }
    // Shadow kind 0 asks for none; otherwise the platform's popup shadow.
    if (const TTBXTheme *theme = currentTheme(); theme && theme->GetPopupShadowType() == 0)
        setWindowFlag(Qt::NoDropShadowWindowHint, true);
    setMouseTracking(true);
    connect(this, &QMenu::hovered, this, &PopupMenu::onHovered);
}

void PopupMenu::setImages(ImageList *images)
{
    m_images = images;
    update();
}

ImageList *PopupMenu::images() const
{
    if (m_images)
        return m_images;
    const auto *parentMenu = qobject_cast<const PopupMenu *>(parentWidget());
    return parentMenu ? parentMenu->images() : nullptr;
}

QAction *PopupMenu::addItem(const QString &caption, int imageIndex)
{
    QAction *action = addAction(caption);
    setImageIndex(action, imageIndex);
    return action;
}

PopupMenu *PopupMenu::addSubmenu(const QString &caption, int imageIndex)
{
    auto *submenu = new PopupMenu(caption, this);
    addMenu(submenu);
    setImageIndex(submenu->menuAction(), imageIndex);
    return submenu;
}

void PopupMenu::closeAllMenus()
{
    // Popups stack; closing the top one activates the next.
    for (int guard = 0; guard < 64; ++guard) {
        QWidget *popup = QApplication::activePopupWidget();
        if (!popup || !qobject_cast<QMenu *>(popup))
            break;
        popup->close();
    }
}

void PopupMenu::setImageIndex(QAction *action, int index)
{
    if (action)
        action->setProperty(kImageIndexProperty, index);
}

int PopupMenu::imageIndex(const QAction *action)
{
    if (!action)
        return -1;
    bool ok = false;
    const int index = action->property(kImageIndexProperty).toInt(&ok);
    return ok ? index : -1;
}

int PopupMenu::ImageStripWidth() const
{
    return MenuMetrics::ImageStripWidth(this, images(), currentTheme());
}

bool PopupMenu::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        m_hoverKind = HOVER_KEYBOARD;
        break;
    case QEvent::MouseMove: {
        m_hoverKind = HOVER_MOUSE;
        m_movingPointer = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        const bool handled = QMenu::event(event);
        m_movingPointer.reset();
        return handled;
    }
    case QEvent::Show:
    case QEvent::Hide:
        m_lastHot = nullptr;
        break;
    default:
        break;
    }
    return QMenu::event(event);
}

void PopupMenu::onHovered(QAction *action)
{
    if (action == m_lastHot)
        return;
    const QList<QAction *> list = actions();
    const bool hadPrevious = m_lastHot != nullptr;
    const bool fromAbove = hadPrevious && list.indexOf(m_lastHot) < list.indexOf(action);
    m_lastHot = action;
    Q_EMIT itemEntered(action, hadPrevious, fromAbove);
}
