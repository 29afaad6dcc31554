#include "platform/global_shortcut_backends.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <windows.h>

namespace {

using Action = GlobalShortcuts::Action;

UINT virtualKeyOf(Qt::Key key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return UINT(key); // the same codes as the virtual keys
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return UINT(VK_F1 + (key - Qt::Key_F1));
    if (key == Qt::Key_Space)
        return VK_SPACE;
    return 0;
}

UINT modifiersOf(Qt::KeyboardModifiers modifiers)
{
    UINT mask = MOD_NOREPEAT;
    if (modifiers & Qt::ShiftModifier)
        mask |= MOD_SHIFT;
    if (modifiers & Qt::ControlModifier)
        mask |= MOD_CONTROL;
    if (modifiers & Qt::AltModifier)
        mask |= MOD_ALT;
    if (modifiers & Qt::MetaModifier)
        mask |= MOD_WIN;
    return mask;
}

// RegisterHotKey on the thread's queue; WM_HOTKEY carries the action's number.
class WindowsShortcuts final : public GlobalShortcuts, public QAbstractNativeEventFilter
{
public:
    explicit WindowsShortcuts(QObject *parent) : GlobalShortcuts(parent)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~WindowsShortcuts() override
    {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        unregisterAll();
    }

    QString backendName() const override { return tr("Windows hot keys"); }

    void bind(const QList<Binding> &bindings) override
    {
        unregisterAll();
        for (const Binding &b : bindings) {
            if (b.keys.isEmpty())
                continue;
            const QKeyCombination c = b.keys[0];
            const UINT key = virtualKeyOf(c.key());
            if (key && RegisterHotKey(nullptr, int(b.action) + 1, modifiersOf(c.keyboardModifiers()), key)) {
                m_registered.append(b.action);
                Q_EMIT taken(b.action, b.keys);
            } else {
                Q_EMIT refused(b.action, b.keys, QString());
            }
        }
    }

    bool nativeEventFilter(const QByteArray &, void *message, qintptr *) override
    {
        const MSG *msg = static_cast<const MSG *>(message);
        if (msg->message != WM_HOTKEY)
            return false;
        for (const Action a : m_registered)
            if (msg->wParam == WPARAM(int(a) + 1))
                Q_EMIT activated(a);
        return true;
    }

private:
    void unregisterAll()
    {
        for (const Action a : m_registered)
            UnregisterHotKey(nullptr, int(a) + 1);
        m_registered.clear();
    }

    QList<Action> m_registered;
};

} // namespace

std::vector<GlobalShortcutBackends::Maker> GlobalShortcutBackends::inOrder()
{
    return {[](QObject *parent) { return std::unique_ptr<GlobalShortcuts>(new WindowsShortcuts(parent)); }};
}
