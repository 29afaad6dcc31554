#pragma once

#include <QAccessible>
#include <QObject>
#include <QStringList>

class QWidget;

// Tells a screen reader when a note window opens, closes or is deleted. The
// notes that open or close together (at start, Show All, Hide All, exit)
// are told as one message with their number, not one each. A screen reader
// that comes later (or the accessibility bus, which comes up after the
// notes at start) is told which notes are open.
class NoteAnnouncer final : public QObject, public QAccessible::ActivationObserver
{
    Q_OBJECT
public:
    // Watches every note window the application creates from now on.
    explicit NoteAnnouncer(QObject *parent = nullptr);
    ~NoteAnnouncer() override;

    void accessibilityActiveChanged(bool active) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum Change { Opened, Closed, Deleted, ChangeCount };

    void watch(QWidget *form);
    void record(Change change, const QString &title);
    void tell();
    void tellOpenNotes();

    QStringList m_titles[ChangeCount];
    bool m_telling = false;
};
