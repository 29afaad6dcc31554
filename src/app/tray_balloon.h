#pragma once

#include <QIcon>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

// The tray icon's balloon where the desktop has no notification service to
// show it: a light tool-tip window beside the tray icon with an icon, a bold
// title and the text, gone after its time or at a click. Qt's own balloon
// builds a grid of labels and a push button and searches the icon themes
// for its close button, which costs the program most of a megabyte for the
// rest of its life.
class TrayBalloon final : public QWidget
{
    Q_OBJECT
public:
    // anchor: the tray icon's place on the screen (empty: not known). It is
    // asked again for a moment after the start: at start-up the tray host
    // has not taken the icon in yet, and Qt places it at the screen's corner.
    TrayBalloon(const QIcon &icon, const QString &title, const QString &text, std::function<QRect()> anchor,
                int msecs, QWidget *owner = nullptr);

    // Whether Qt hands tray messages to the desktop's own notification
    // service (Windows, macOS, a StatusNotifier tray): those look native and
    // cost nothing here, so this balloon is only for the rest.
    static bool desktopShowsMessages();

    // Where a balloon of this size goes for an icon at anchor on a screen
    // whose free area is available: beside the icon, towards the middle of
    // the screen, never off it.
    static QPoint placeFor(const QSize &size, const QRect &anchor, const QRect &available);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void followAnchor();
    QRect iconRect() const;
    QRect titleRect() const;
    QRect textRect() const;

    QIcon m_icon;
    QString m_title;
    QString m_text;
    QFont m_titleFont;
    std::function<QRect()> m_anchor;
    QRect m_anchoredAt;
    int m_anchorChecks = 0;
    QTimer m_timer;
    QTimer m_anchorTimer;
};
