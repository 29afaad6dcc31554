#include "notes/note_lock.h"

#include <QAction>
#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTextEdit>

namespace {

constexpr QRgb SignColor = 0x292929;   // the title bar's glyph colour

// A small padlock: a shackle over a body with a keyhole.
QPixmap padlock()
{
    QPixmap pixmap(10, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(SignColor), 1.5));
    painter.drawArc(QRectF(2, 0.75, 6, 7), 0, 180 * 16);
    painter.drawLine(QPointF(2, 4.25), QPointF(2, 6));
    painter.drawLine(QPointF(8, 4.25), QPointF(8, 6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(SignColor));
    painter.drawRect(QRectF(0.5, 5.5, 9, 6.5));
    painter.setBrush(Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.drawRect(QRectF(4.25, 7.5, 1.5, 2.5));
    return pixmap;
}

} // namespace

NoteLock::NoteLock(QWidget &bar, QWidget &titlePanel, QLineEdit &titleEdit, QTextEdit &editor)
    : QObject(&bar), m_bar(bar), m_titlePanel(titlePanel), m_titleEdit(titleEdit), m_editor(editor)
{
    setObjectName(QStringLiteral("noteLock"));
    m_titlePanel.installEventFilter(this);
}

void NoteLock::setLocked(bool locked)
{
    m_locked = locked;
    m_editor.setReadOnly(locked);
    if (locked) {
        // The caret and keyboard selection stay, so the focus can be seen
        // and text can still be copied.
        m_editor.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    m_titleEdit.setReadOnly(locked);
    if (m_delete)
        m_delete->setEnabled(!locked);
    if (locked && !m_sign) {
        m_sign = new QLabel(&m_bar);
        m_sign->setObjectName(QStringLiteral("lockSign"));
        m_sign->setPixmap(padlock());
        m_sign->setFixedWidth(16);
        m_sign->setAlignment(Qt::AlignCenter);
        m_sign->setToolTip(tr("Locked"));
        if (auto *row = qobject_cast<QBoxLayout *>(m_bar.layout()))
            row->insertWidget(0, m_sign);
    }
    if (m_sign)
        m_sign->setVisible(locked);
}

void NoteLock::guardDelete(QAction *deleteItem)
{
    m_delete = deleteItem;
    if (m_delete)
        m_delete->setEnabled(!m_locked);
}

bool NoteLock::eventFilter(QObject *watched, QEvent *event)
{
    // A locked title does not open for editing.
    if (m_locked && watched == &m_titlePanel && event->type() == QEvent::MouseButtonDblClick)
        return true;
    return QObject::eventFilter(watched, event);
}
