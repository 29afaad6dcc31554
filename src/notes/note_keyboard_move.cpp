#include "notes/note_keyboard_move.h"

#include "platform/window_state.h"

#include <QCursor>
#include <QKeyEvent>
#include <QToolTip>
#include <QWidget>

#include <algorithm>

NoteKeyboardMove::NoteKeyboardMove(QWidget &note)
    : QObject(&note), m_note(note)
{
    setObjectName(QStringLiteral("keyboardMove"));
}

void NoteKeyboardMove::start(Mode mode, bool fixedHeight)
{
    if (m_active)
        finish(true);
    m_mode = mode;
    m_fixedHeight = fixedHeight;
    WindowState::settlePosition(&m_note);
    m_start = m_note.geometry();
    m_active = true;
    m_note.installEventFilter(this);
    m_note.grabKeyboard();
    // The pointer shape and a tip say which mode the keys are in.
    m_note.setCursor(mode == Mode::Move ? Qt::SizeAllCursor : Qt::SizeFDiagCursor);
    QToolTip::showText(m_note.mapToGlobal(QPoint(0, m_note.height() / 2)),
                       mode == Mode::Move ? tr("Move with the arrow keys; Enter keeps, Escape cancels")
                                          : tr("Size with the arrow keys; Enter keeps, Escape cancels"),
                       &m_note);
}

bool NoteKeyboardMove::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &m_note || !m_active)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress:
        key(static_cast<QKeyEvent *>(event));
        return true;
    case QEvent::KeyRelease:
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::Hide:
        finish(true);
        return false;
    default:
        return QObject::eventFilter(watched, event);
    }
}

void NoteKeyboardMove::key(const QKeyEvent *event)
{
    const int step = event->modifiers() & Qt::ControlModifier ? 1 : Step;
    QPoint by;
    switch (event->key()) {
    case Qt::Key_Left: by = QPoint(-step, 0); break;
    case Qt::Key_Right: by = QPoint(step, 0); break;
    case Qt::Key_Up: by = QPoint(0, -step); break;
    case Qt::Key_Down: by = QPoint(0, step); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: finish(true); return;
    case Qt::Key_Escape: finish(false); return;
    default: return;
    }
    if (m_mode == Mode::Move) {
        m_note.move(m_note.pos() + by);
        return;
    }
    const QSize min = m_note.minimumSize();
    const int height = m_fixedHeight ? m_note.height() : std::max(min.height(), m_note.height() + by.y());
    m_note.resize(std::max(min.width(), m_note.width() + by.x()), height);
}

void NoteKeyboardMove::finish(bool keep)
{
    m_active = false;
    m_note.removeEventFilter(this);
    m_note.releaseKeyboard();
    m_note.unsetCursor();
    QToolTip::hideText();
    if (!keep)
        m_note.setGeometry(m_start);
}
