#pragma once

#include <QObject>

#include <memory>

// Whether the desktop shows a system tray now, and word when one comes up:
// an XEmbed tray manager (the owner of the _NET_SYSTEM_TRAY_S<n> selection,
// which announces itself to the root window) or a status-notifier host on
// the session bus. Driven by those announcements only, so an idle program
// stays idle while it waits.
class TrayPresence final : public QObject
{
    Q_OBJECT
public:
    explicit TrayPresence(QObject *parent = nullptr);
    ~TrayPresence() override;

    bool isPresent() const;
    // Which kind is up: an XEmbed tray manager, a status-notifier host.
    bool hasXEmbedTray() const;
    bool hasStatusNotifierHost() const;

Q_SIGNALS:
    // A tray may have come up; isPresent() tells.
    void changed();

private:
    class Watch;
    std::unique_ptr<Watch> m_watch;
};
