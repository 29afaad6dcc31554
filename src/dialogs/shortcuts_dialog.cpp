#include "dialogs/shortcuts_dialog.h"

#include "framework/guarded.h"

#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int Width = 420;
constexpr int RowHeight = 44;
constexpr int FirstRow = 64;

} // namespace

TFR_SHORTCUTS::TFR_SHORTCUTS(const QList<GlobalShortcuts::Binding> &bindings, const QString &backendName,
                             QWidget *parent)
    : FixedDialog(tr("Keyboard Shortcuts"), QSize(Width, FirstRow + int(bindings.size()) * RowHeight + 40), parent)
{
    setObjectName(QStringLiteral("FR_SHORTCUTS"));
    lbBackend = new QLabel(this);
    lbBackend->setObjectName(QStringLiteral("lbBackend"));
    lbBackend->setWordWrap(true);
    lbBackend->setGeometry(8, 8, Width - 16, 30);
    edCommand = new QLineEdit(newNoteCommand(), this);
    edCommand->setObjectName(QStringLiteral("edCommand"));
    edCommand->setReadOnly(true);
    edCommand->setGeometry(8, 38, 200, 21);
    edCommand->setAccessibleName(tr("Command to bind"));
    if (backendName.isEmpty()) {
        lbBackend->setText(tr("This desktop offers programs no global shortcuts. Bind this command to a key in "
                              "the desktop's own keyboard settings instead:"));
    } else {
        lbBackend->setText(tr("These keys work in every program; they are registered through the %1.")
                               .arg(backendName));
        edCommand->hide();
    }

    int top = FirstRow;
    for (const GlobalShortcuts::Binding &binding : bindings) {
        const QString id = GlobalShortcuts::actionId(binding.action);
        auto *label = addLabel(GlobalShortcuts::actionText(binding.action), this, 8, top + 4);
        auto *edit = new QKeySequenceEdit(binding.keys, this);
        edit->setObjectName(QStringLiteral("ed-") + id);
        edit->setGeometry(170, top, 160, 23);
        edit->setAccessibleName(label->text());
        label->setBuddy(edit);
        auto *remove = new QPushButton(tr("Remove"), this);
        remove->setObjectName(QStringLiteral("bt-") + id);
        remove->setGeometry(Width - 83, top, 75, 23);
        remove->setAutoDefault(false);
        remove->setAccessibleName(tr("Remove the shortcut of %1").arg(label->text()));
        auto *status = new QLabel(this);
        status->setObjectName(QStringLiteral("lb-") + id);
        status->setGeometry(170, top + 24, Width - 178, 16);
        QPalette warning = status->palette();
        warning.setColor(QPalette::WindowText, QColor(176, 0, 0));
        status->setPalette(warning);
        m_rows.insert(binding.action, {edit, remove, status});
        m_told.insert(binding.action, binding.keys);
        m_order.append(binding.action);
        const GlobalShortcuts::Action action = binding.action;
        connect(edit, &QKeySequenceEdit::editingFinished, this, guarded([this, action] { edited(action); }));
        connect(remove, &QPushButton::clicked, this, guarded([this, action, edit] {
                    edit->clear();
                    edited(action);
                }));
        top += RowHeight;
    }

    btClose = new QPushButton(tr("Close"), this);
    btClose->setObjectName(QStringLiteral("btClose"));
    btClose->setGeometry(Width - 83, top + 8, 75, 25);
    btClose->setAutoDefault(false);
    connect(btClose, &QPushButton::clicked, this, &QDialog::accept);
}

QKeySequence TFR_SHORTCUTS::keys(GlobalShortcuts::Action action) const
{
    const auto it = m_rows.constFind(action);
    return it == m_rows.constEnd() ? QKeySequence() : it->edit->keySequence();
}

void TFR_SHORTCUTS::showStatus(GlobalShortcuts::Action action, const QString &problem)
{
    const auto it = m_rows.constFind(action);
    if (it == m_rows.constEnd())
        return;
    it->status->setText(problem);
    it->status->setAccessibleName(problem);
}

void TFR_SHORTCUTS::edited(GlobalShortcuts::Action action)
{
    QKeySequenceEdit *edit = m_rows.value(action).edit;
    QKeySequence keys = edit->keySequence();
    // One key combination: a global shortcut has no second stroke.
    if (keys.count() > 1) {
        keys = QKeySequence(keys[0]);
        edit->setKeySequence(keys);
    }
    // Taken by another of these actions: the newer choice wins, the other is removed.
    for (const GlobalShortcuts::Action other : std::as_const(m_order)) {
        QKeySequenceEdit *otherEdit = m_rows.value(other).edit;
        if (other != action && !keys.isEmpty() && otherEdit->keySequence() == keys) {
            otherEdit->clear();
            showStatus(other, tr("Removed: %1 went to \"%2\".")
                                  .arg(keys.toString(QKeySequence::NativeText), GlobalShortcuts::actionText(action)));
            m_told.insert(other, QKeySequence());
            Q_EMIT bindingChanged(other, QKeySequence());
        }
    }
    showStatus(action, QString());
    if (m_told.value(action) == keys)
        return;
    m_told.insert(action, keys);
    Q_EMIT bindingChanged(action, keys);
}

void TFR_SHORTCUTS::done(int result)
{
    for (const GlobalShortcuts::Action action : std::as_const(m_order)) {
        if (m_rows.value(action).edit->keySequence() != m_told.value(action))
            edited(action);
    }
    FixedDialog::done(result);
}
