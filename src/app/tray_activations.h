#pragma once

#include <QElapsedTimer>
#include <QObject>

// Turns the tray icon's activations into double clicks. An XEmbed tray
// reports a double click itself (a Trigger, then DoubleClick); a
// status-notifier host reports only activations, so two of them within the
// desktop's double-click interval count as one double click there.
class TrayActivations final : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // A single activation (left click, or the host's Activate).
    void trigger();
    // The platform saw a double click.
    void doubleClicked();

Q_SIGNALS:
    void doubleClick();

private:
    QElapsedTimer m_firstTrigger;
    bool m_pending = false;
};
