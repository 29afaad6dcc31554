#pragma once

#include "platform/tray_presence.h"

#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>

class QMenu;
class StatusNotifierItem;

// The program's tray icon on a status-notifier tray (the panels of most
// freedesktop desktops), where Qt's own would fall short: Qt exports no menu
// for an icon whose menu the program opens itself, so a host that draws the
// menu (xfce4-panel) shows its own in its place; during a message Qt swaps
// the icon for the message's; and Qt decides once, when the first tray icon
// is made, whether a host is there, so a panel started later never shows
// Qt's icon. Wherever a status-notifier host is up and Qt's icon is not an
// XEmbed icon with a tray to sit in, this item stands in for it: it carries
// the menu for the host to draw, reports the clicks as Qt's icon does, and
// hands messages to the desktop's notification service.
class StatusNotifierTray final : public QObject
{
    Q_OBJECT
public:
    // Made right after the QSystemTrayIcon, so that both see the same desktop.
    // menu: exported for the host; it must outlive this object.
    StatusNotifierTray(const QIcon &icon, const QString &toolTip, QMenu *menu, QObject *parent = nullptr);
    ~StatusNotifierTray() override;

    // Whether Qt's icon must stay hidden: Qt took the status-notifier path
    // itself, and this item shows instead.
    bool replacesQtIcon() const { return m_qtShowsItem; }
    bool isShown() const { return m_item != nullptr; }

    // A message beside the icon, through the desktop's notification service
    // with the information icon; false where it could not be handed over.
    bool showMessage(const QString &title, const QString &text, int msecs);

Q_SIGNALS:
    void activated(QSystemTrayIcon::ActivationReason reason);

private:
    void trayChanged();

    const QIcon m_icon;
    const QString m_toolTip;
    QMenu *const m_menu;
    TrayPresence m_presence;
    // Qt took the status-notifier path itself.
    bool m_qtShowsItem = false;
    StatusNotifierItem *m_item = nullptr;   // a child while shown
};
