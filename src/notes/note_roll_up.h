#pragma once

#include <QObject>
#include <QRect>

class QWidget;

// Rolls a note up to its title bar and back down. The window keeps its
// width and place; the height it had is remembered, so that the note's file
// never stores a note as high as its bar. Turning the wheel over the title
// bar rolls up (away from you) and down (towards you).
class NoteRollUp final : public QObject
{
    Q_OBJECT
public:
    // `body` are the widgets below the bar, hidden while rolled up.
    NoteRollUp(QWidget &note, QWidget &bar, QList<QWidget *> body, int normalMinHeight);

    bool isRolled() const { return m_rolled; }
    void setRolled(bool rolled);
    // The note's bounds as they are when rolled down.
    QRect unrolled(const QRect &bounds) const;

Q_SIGNALS:
    // The user rolled with the wheel.
    void rolledByGesture(bool rolled);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int rolledHeight() const;

    QWidget &m_note;
    QWidget &m_bar;
    QList<QWidget *> m_body;
    int m_normalMinHeight;
    int m_unrolledHeight = 0;
    bool m_rolled = false;
};
