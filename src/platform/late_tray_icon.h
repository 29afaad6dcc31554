#pragma once

#include "platform/tray_presence.h"

#include <QIcon>
#include <QObject>
#include <QSystemTrayIcon>

class StatusNotifierItem;

// Qt decides once, when the program's first tray icon is made, whether it
// shows it as a status-notifier item or as an XEmbed icon, and keeps that
// for the rest of the run. Where the only tray is a status-notifier host that
// comes up later (a panel started after the program), Qt's icon would never
// show: this one stands in there and reports its clicks as Qt's icon does.
// Wherever an XEmbed tray is up, Qt's icon shows itself and this one stays away.
class LateTrayIcon final : public QObject
{
    Q_OBJECT
public:
    // Made together with the QSystemTrayIcon, so that both see the same desktop.
    LateTrayIcon(const QIcon &icon, const QString &toolTip, QObject *parent = nullptr);
    ~LateTrayIcon() override;

    bool isShown() const { return m_item != nullptr; }

Q_SIGNALS:
    void activated(QSystemTrayIcon::ActivationReason reason);

private:
    void trayChanged();

    const QIcon m_icon;
    const QString m_toolTip;
    TrayPresence m_presence;
    // Qt took the status-notifier path itself.
    bool m_qtShowsItem = false;
    StatusNotifierItem *m_item = nullptr;   // a child while shown
};
