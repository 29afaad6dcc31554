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

TTBXPopupMenu::TTBXPopupMenu(QWidget *parent) : QMenu(parent)
{
    init();
}

TTBXPopupMenu::TTBXPopupMenu(const QString &title, QWidget *parent) : QMenu(title, parent)
{
    init();
}

TTBXPopupMenu::~TTBXPopupMenu() = default;

void TTBXPopupMenu::init()
{
    if (TTBXThemeRegistry *registry = TTBXThemeRegistry::Instance()) {
        setStyle(registry->MenuStyle());
        connect(registry, &TTBXThemeRegistry::ThemeChanged, this, [this] {
            // Sizes depend on the theme's margins.
            QActionEvent relayout(QEvent::ActionChanged, menuAction());
            QCoreApplication::sendEvent(this, &relayout);
            update();
        });
    }
    // Shadow kind 0 asks for none; otherwise the platform's popup shadow.
    if (const TTBXTheme *theme = CurrentTheme(); theme && theme->GetPopupShadowType() == 0)
        setWindowFlag(Qt::NoDropShadowWindowHint, true);
    setMouseTracking(true);
    connect(this, &QMenu::hovered, this, &TTBXPopupMenu::onHovered);
}

void TTBXPopupMenu::SetImages(ImageList *images)
{
    m_images = images;
    update();
}

ImageList *TTBXPopupMenu::Images() const
{
    if (m_images)
        return m_images;
    const auto *parentMenu = qobject_cast<const TTBXPopupMenu *>(parentWidget());
    return parentMenu ? parentMenu->Images() : nullptr;
}

QAction *TTBXPopupMenu::AddItem(const QString &caption, int imageIndex)
{
    QAction *action = addAction(caption);
    SetImageIndex(action, imageIndex);
    return action;
}

TTBXPopupMenu *TTBXPopupMenu::AddSubmenu(const QString &caption, int imageIndex)
{
    auto *submenu = new TTBXPopupMenu(caption, this);
    addMenu(submenu);
    SetImageIndex(submenu->menuAction(), imageIndex);
    return submenu;
}

void TTBXPopupMenu::CloseAllMenus()
{
    // Popups stack; closing the top one activates the next.
    for (int guard = 0; guard < 64; ++guard) {
        QWidget *popup = QApplication::activePopupWidget();
        if (!popup || !qobject_cast<QMenu *>(popup))
            break;
        popup->close();
    }
}

void TTBXPopupMenu::SetImageIndex(QAction *action, int index)
{
    if (action)
        action->setProperty(kImageIndexProperty, index);
}

int TTBXPopupMenu::ImageIndex(const QAction *action)
{
    if (!action)
        return -1;
    bool ok = false;
    const int index = action->property(kImageIndexProperty).toInt(&ok);
    return ok ? index : -1;
}

int TTBXPopupMenu::ImageStripWidth() const
{
    return MenuMetrics::ImageStripWidth(this, Images(), CurrentTheme());
}

bool TTBXPopupMenu::event(QEvent *event)
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

void TTBXPopupMenu::onHovered(QAction *action)
{
    if (action == m_lastHot)
        return;
    const QList<QAction *> list = actions();
    const bool hadPrevious = m_lastHot != nullptr;
    const bool fromAbove = hadPrevious && list.indexOf(m_lastHot) < list.indexOf(action);
    m_lastHot = action;
    Q_EMIT ItemEntered(action, hadPrevious, fromAbove);
}
