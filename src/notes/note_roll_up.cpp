#include "notes/note_roll_up.h"

#include "platform/window_state.h"

#include <QEvent>
#include <QWheelEvent>
#include <QWidget>

#include <utility>

NoteRollUp::NoteRollUp(QWidget &note, QWidget &bar, QList<QWidget *> body, int normalMinHeight)
    : QObject(&note), m_note(note), m_bar(bar), m_body(std::move(body)), m_normalMinHeight(normalMinHeight)
{
    setObjectName(QStringLiteral("rollUp"));
    m_bar.installEventFilter(this);
    for (QWidget *child : m_bar.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        child->installEventFilter(this);
}

int NoteRollUp::rolledHeight() const
{
    // The bar and the one-pixel frame above and below it.
    return m_bar.height() + 2;
}

void NoteRollUp::setRolled(bool rolled)
{
    if (rolled == m_rolled)
        return;
    m_rolled = rolled;
    WindowState::settlePosition(&m_note);
    if (rolled) {
        m_unrolledHeight = m_note.height();
        for (QWidget *w : std::as_const(m_body))
            w->hide();
        m_note.setMinimumHeight(rolledHeight());
        m_note.resize(m_note.width(), rolledHeight());
    } else {
        for (QWidget *w : std::as_const(m_body))
            w->show();
        m_note.setMinimumHeight(m_normalMinHeight);
        m_note.resize(m_note.width(), std::max(m_unrolledHeight, m_normalMinHeight));
    }
}

QRect NoteRollUp::unrolled(const QRect &bounds) const
{
    if (!m_rolled)
        return bounds;
    return QRect(bounds.topLeft(), QSize(bounds.width(), m_unrolledHeight));
}

bool NoteRollUp::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Wheel)
        return QObject::eventFilter(watched, event);
    const int delta = static_cast<QWheelEvent *>(event)->angleDelta().y();
    const bool up = delta > 0;
    if (delta != 0 && up != m_rolled) {
        setRolled(up);
        Q_EMIT rolledByGesture(up);
    }
    return true;
}
