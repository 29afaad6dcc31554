#pragma once

// Note files and note windows for end-to-end cases.

#include "e2e_session.h"

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>

inline void drag(QPoint from, QPoint to)
{
    E2eSession::run(QStringLiteral("xdotool"),
                    {QStringLiteral("mousemove"), QString::number(from.x()), QString::number(from.y()),
                     QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("mousemove"),
                     QString::number((from.x() + to.x()) / 2), QString::number((from.y() + to.y()) / 2),
                     QStringLiteral("mousemove"), QString::number(to.x()), QString::number(to.y()),
                     QStringLiteral("mouseup"), QStringLiteral("1")});
}

// Settings without the network check, so that nothing reaches out.
inline const QByteArray QuietSettings = "CheckForUpdates=0\r\n";

// Starts the program over one stored note, 1.pnf at (100, 100); 0 when its
// window does not come up.
inline XWindow startWithStoredNote(E2eSession &session, E2eProgram *&app, const QByteArray &title,
                                   const QByteArray &text)
{
    session.seedSettings(QuietSettings);
    session.seedNote(QStringLiteral("1.pnf"), E2eSession::noteFile(100, 100, title, text));
    app = &session.start();
    if (!app->waitForTrayIcon())
        return 0;
    return app->waitForWindow(QString::fromLatin1(title), E2eProgram::ViewableOnly);
}
