#pragma once

// openbox for the cases that need a window manager as a desktop has one
// (stacking, focus, window states); stopped by its pid when the case ends.

#include "e2e_session.h"

#include <QProcess>
#include <QRegularExpression>

class E2eWindowManager final
{
public:
    E2eWindowManager() { m_process.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")}); }
    ~E2eWindowManager()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
    E2eWindowManager(const E2eWindowManager &) = delete;
    E2eWindowManager &operator=(const E2eWindowManager &) = delete;

    // Up when the root window names a live check window that calls itself
    // Openbox (a stale property of an earlier run names none).
    bool waitUntilReady() const
    {
        return E2eSession::waitFor([this] {
            if (m_process.state() != QProcess::Running)
                return false;
            const QString check =
                E2eSession::run(QStringLiteral("xprop"), {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")});
            const QString id = QRegularExpression(QStringLiteral("0x[0-9a-fA-F]+")).match(check).captured(0);
            return !id.isEmpty()
                && E2eSession::property(id.toULongLong(nullptr, 16), QStringLiteral("_NET_WM_NAME")).contains(QLatin1String("Openbox"));
        });
    }

private:
    QProcess m_process;
};
