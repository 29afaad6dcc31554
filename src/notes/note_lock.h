#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QLabel;
class QLineEdit;
class QTextEdit;
class QWidget;

// Guards a note against accidental edits: while locked, its text and its
// title cannot be changed and Delete is disabled; a padlock in the title bar
// shows it. Moving, colour and opacity are not touched.
class NoteLock final : public QObject
{
    Q_OBJECT
public:
    NoteLock(QWidget &bar, QWidget &titlePanel, QLineEdit &titleEdit, QTextEdit &editor);

    bool isLocked() const { return m_locked; }
    void setLocked(bool locked);
    // The note menu's Delete item, once the menu exists.
    void guardDelete(QAction *deleteItem);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &m_bar;
    QWidget &m_titlePanel;
    QLineEdit &m_titleEdit;
    QTextEdit &m_editor;
    QLabel *m_sign = nullptr;   // made on first lock
    QPointer<QAction> m_delete;
    bool m_locked = false;
};
