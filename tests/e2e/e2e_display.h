#pragma once

// A private X server for the cases that need a screen layout of their own
// (several monitors, a primary away from the origin). While it lives, DISPLAY
// in this process names it, so E2eSession and its helpers use it; the
// destructor stops the server by its PID and gives DISPLAY back.
//
//     E2eDisplay display(QSize(2560, 800));
//     QVERIFY2(display.isUp(), qPrintable(display.error()));
//     QVERIFY2(display.setMonitors({QRect(0, 0, 1280, 800), QRect(1280, 0, 1280, 800)}, 1),
//              qPrintable(display.error()));
//     E2eSession session;   // after the display: it takes DISPLAY from here

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>

class E2eDisplay final
{
public:
    explicit E2eDisplay(QSize screen);
    ~E2eDisplay();
    E2eDisplay(const E2eDisplay &) = delete;
    E2eDisplay &operator=(const E2eDisplay &) = delete;

    // Whether the tools exist at all: cases skip, rather than fail, without them.
    static bool available();

    bool isUp() const { return !m_display.isEmpty(); }
    QString error() const { return m_error; }

    // Splits the screen into these monitors; `primary` indexes the list.
    // True once the server reports exactly them.
    bool setMonitors(const QList<QRect> &monitors, int primary);

private:
    QProcess m_server;
    QString m_display;
    QString m_error;
    QByteArray m_previousDisplay;
    bool m_hadDisplay = false;
};
