#pragma once

// A desktop whose tray is a status-notifier host: xfce4-panel's systray (or
// a watcher that is only a host) on a private session bus, with a recorder
// standing in for the notification service, and folders of its own. Every
// process it starts is stopped by its id when it goes; so are the services
// that its bus started on demand (the panel's settings daemon).
//
// The recorder is the program PAPERLET_E2E_RECORDER names, the watcher the
// one PAPERLET_E2E_WATCHER names (tests/e2e/CMakeLists.txt sets both).

#include "e2e_session.h"

#include <QByteArray>
#include <QDBusConnection>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <memory>

class E2ePanelDesktop final
{
public:
    // root: a folder for the desktop's XDG folders and settings.
    explicit E2ePanelDesktop(const QString &root);
    ~E2ePanelDesktop();
    E2ePanelDesktop(const E2ePanelDesktop &) = delete;
    E2ePanelDesktop &operator=(const E2ePanelDesktop &) = delete;

    bool isUp() const;
    QString busAddress() const { return m_bus.address(); }
    QDBusConnection &bus() { return *m_connection; }

    // xfce4-panel with one panel along the top (32 pixels) holding the systray.
    bool startPanel();
    // A tray that is only a status-notifier host, with no XEmbed side.
    bool startWatcher();

    bool hasService(const QString &prefix);
    bool hostRegistered();
    QStringList items();

    // What the notification service was handed, one "summary|body" a line.
    QByteArray notifications();

private:
    static QProcessEnvironment environment(const QString &root);

    QProcessEnvironment m_env;
    E2eBus m_bus;
    std::unique_ptr<QDBusConnection> m_connection;
    QProcess m_recorder;
    QProcess m_panel;
    QProcess m_watcher;
    QByteArray m_notifications;
};
