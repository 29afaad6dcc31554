#pragma once

#include <QObject>
#include <QRect>

class QKeyEvent;
class QWidget;

// Moving or sizing a note with the keyboard, as a window menu's Move and
// Size commands do: the arrows move the note (or its lower right corner) by
// 10 pixels, by 1 with Ctrl; Enter keeps the result, Escape goes back to
// where the note was. The note holds the keyboard meanwhile.
class NoteKeyboardMove final : public QObject
{
    Q_OBJECT
public:
    static constexpr int Step = 10;

    enum class Mode { Move, Size };
    explicit NoteKeyboardMove(QWidget &note);

    bool isActive() const { return m_active; }
    // `fixedHeight`: sizing changes the width only (a rolled-up note).
    void start(Mode mode, bool fixedHeight = false);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void key(const QKeyEvent *event);
    void finish(bool keep);

    QWidget &m_note;
    QRect m_start;
    Mode m_mode = Mode::Move;
    bool m_fixedHeight = false;
    bool m_active = false;
};
