#pragma once

// A window manager on the test's display, for the cases that need stacking
// and focus as a desktop has them. Started by the case and stopped by its
// process id when the case ends; None starts nothing.

#include <QProcess>
#include <QString>

#include <memory>

class E2eBus;

class E2eWindowManager final
{
public:
    enum Kind { None, Openbox, Xfwm4 };

    explicit E2eWindowManager(Kind kind);
    ~E2eWindowManager();
    E2eWindowManager(const E2eWindowManager &) = delete;
    E2eWindowManager &operator=(const E2eWindowManager &) = delete;

    // Up when the root window names a live check window with this manager's
    // name (a stale property of an earlier run names none). None is always up.
    bool waitUntilReady() const;

    // The window that holds the keyboard focus, as the X server says.
    static quint64 focusedWindow();

    // The program's name, as scripts/setup.sh installs it; empty for None.
    static QString program(Kind kind);
    // What the manager calls itself; "none" for None.
    static QString name(Kind kind);
    // Whether the window manager's program is installed (None always is).
    static bool installed(Kind kind);

private:
    const Kind m_kind;
    // xfwm4 reads its settings over a session bus: a private one, which
    // takes the settings daemon it starts with it.
    std::unique_ptr<E2eBus> m_bus;
    QProcess m_process;
};
