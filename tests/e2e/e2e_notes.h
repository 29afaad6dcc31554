#pragma once

// Note files and note windows for end-to-end cases.

#include "e2e_session.h"

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>

// The note file format's header for a 200 by 200 note at (left, top).
inline QByteArray noteFile(int left, int top, const QByteArray &title, const QByteArray &text)
{
    const QByteArray header = QStringLiteral("%1%2%3%4%5%6")
                                  .arg(left, 6, 16, QLatin1Char('0'))
                                  .arg(top, 6, 16, QLatin1Char('0'))
                                  .arg(200, 6, 16, QLatin1Char('0'))
                                  .arg(200, 6, 16, QLatin1Char('0'))
                                  .arg(100, 6, 16, QLatin1Char('0'))
                                  .arg(0x99FFFF, 6, 16, QLatin1Char('0'))
                                  .toUpper()
                                  .toLatin1();
    return "\xEF\xBB\xBF" + header + "\r\n" + title + "\r\n" + text + "\r\n";
}

inline void drag(QPoint from, QPoint to)
{
    E2eSession::run(QStringLiteral("xdotool"),
                    {QStringLiteral("mousemove"), QString::number(from.x()), QString::number(from.y()),
                     QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("mousemove"),
                     QString::number((from.x() + to.x()) / 2), QString::number((from.y() + to.y()) / 2),
                     QStringLiteral("mousemove"), QString::number(to.x()), QString::number(to.y()),
                     QStringLiteral("mouseup"), QStringLiteral("1")});
}

// Types into a note: the pointer over its text area gives it the keyboard
// (no window manager), and the focus makes sure.
inline void typeInto(XWindow note, const QString &text)
{
    const QRect g = E2eSession::geometry(note).value_or(QRect());
    E2eSession::click(g.center());
    E2eSession::focus(note);
    E2eSession::type(text);
}

// Settings without the network check, so that nothing reaches out.
inline const QByteArray QuietSettings = "CheckForUpdates=0\r\n";

// Starts the program over one stored note, 1.pnf at (100, 100); 0 when its
// window does not come up.
inline XWindow startWithStoredNote(E2eSession &session, E2eProgram *&app, const QByteArray &title,
                                   const QByteArray &text)
{
    session.seedSettings(QuietSettings);
    session.seedNote(QStringLiteral("1.pnf"), noteFile(100, 100, title, text));
    app = &session.start();
    if (!app->waitForTrayIcon())
        return 0;
    return app->waitForWindow(QString::fromLatin1(title), E2eProgram::ViewableOnly);
}
