#pragma once

// A window manager for end-to-end cases, on the display this test process
// uses (start it after an E2eDisplay of the case's own); stopped by its
// process id when the case ends.

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

    static QString name(Kind kind);
    // Whether the window manager's program is installed (None always is).
    static bool installed(Kind kind);

    // Up when the root window names a live check window that carries the
    // window manager's name (a stale property of an earlier run names none).
    // None is ready at once.
    bool waitUntilReady() const;

private:
    Kind m_kind;
    std::unique_ptr<E2eBus> m_bus;   // xfwm4 reads its settings over a session bus
    QProcess m_process;
};
