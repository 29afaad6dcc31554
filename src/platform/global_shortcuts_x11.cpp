#include "platform/global_shortcut_backends.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>

#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <optional>
#include <vector>

namespace {

using Action = GlobalShortcuts::Action;

// The lock keys must not matter: each grab is made with every combination of them.
constexpr std::array<std::uint16_t, 4> LockVariants = {0, XCB_MOD_MASK_LOCK, XCB_MOD_MASK_2,
                                                       XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2};
constexpr std::uint16_t LockMask = XCB_MOD_MASK_LOCK | XCB_MOD_MASK_2;

std::optional<std::uint32_t> keysymOf(Qt::Key key)
{
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return std::uint32_t('a' + (key - Qt::Key_A));
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return std::uint32_t(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 0xFFBEu + std::uint32_t(key - Qt::Key_F1);
    if (key == Qt::Key_Space)
        return 0x20u;
    return std::nullopt;
}

std::uint16_t modifiersOf(Qt::KeyboardModifiers modifiers)
{
    std::uint16_t mask = 0;
    if (modifiers & Qt::ShiftModifier)
        mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & Qt::AltModifier)
        mask |= XCB_MOD_MASK_1;
    if (modifiers & Qt::MetaModifier)
        mask |= XCB_MOD_MASK_4;
    return mask;
}

template<class T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

class X11Shortcuts final : public GlobalShortcuts, public QAbstractNativeEventFilter
{
public:
    X11Shortcuts(xcb_connection_t *connection, QObject *parent)
        : GlobalShortcuts(parent), m_connection(connection)
        , m_root(xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root)
    {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~X11Shortcuts() override
    {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        ungrabAll();
    }

    QString backendName() const override { return tr("X11 key grab"); }

    void bind(const QList<Binding> &bindings) override
    {
        ungrabAll();
        for (const Binding &b : bindings) {
            if (b.keys.isEmpty())
                continue;
            const QKeyCombination combination = b.keys[0];
            const std::optional<std::uint32_t> keysym = keysymOf(combination.key());
            const std::optional<xcb_keycode_t> code = keysym ? keycodeOf(*keysym) : std::nullopt;
            if (!code) {
                Q_EMIT refused(b.action, b.keys, tr("no such key on this keyboard"));
                continue;
            }
            const Grab grab{b.action, *code, modifiersOf(combination.keyboardModifiers())};
            if (take(grab)) {
                m_grabs.push_back(grab);
                Q_EMIT taken(b.action, b.keys);
            } else {
                // The X server refuses a key another client has grabbed and
                // does not tell which one.
                Q_EMIT refused(b.action, b.keys, QString());
            }
        }
        xcb_flush(m_connection);
    }

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7F) != XCB_KEY_PRESS)
            return false;
        const auto *press = static_cast<const xcb_key_press_event_t *>(message);
        if (press->event != m_root)
            return false;
        for (const Grab &g : m_grabs) {
            if (g.code == press->detail && g.modifiers == (press->state & ~LockMask & 0xFF)) {
                Q_EMIT activated(g.action);
                return true;
            }
        }
        return false;
    }

private:
    struct Grab
    {
        Action action;
        xcb_keycode_t code;
        std::uint16_t modifiers;
    };

    std::optional<xcb_keycode_t> keycodeOf(std::uint32_t keysym) const
    {
        const xcb_setup_t *setup = xcb_get_setup(m_connection);
        const int count = setup->max_keycode - setup->min_keycode + 1;
        const Reply<xcb_get_keyboard_mapping_reply_t> mapping(
            xcb_get_keyboard_mapping_reply(
                m_connection, xcb_get_keyboard_mapping(m_connection, setup->min_keycode, std::uint8_t(count)), nullptr),
            &std::free);
        if (!mapping)
            return std::nullopt;
        const xcb_keysym_t *syms = xcb_get_keyboard_mapping_keysyms(mapping.get());
        const int perCode = mapping->keysyms_per_keycode;
        for (int i = 0; i < count; ++i)
            if (syms[i * perCode] == keysym)
                return xcb_keycode_t(setup->min_keycode + i);
        return std::nullopt;
    }

    bool take(const Grab &grab)
    {
        std::vector<xcb_void_cookie_t> cookies;
        for (const std::uint16_t locks : LockVariants)
            cookies.push_back(xcb_grab_key_checked(m_connection, 1, m_root, grab.modifiers | locks, grab.code,
                                                   XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        bool ok = true;
        for (const xcb_void_cookie_t cookie : cookies) {
            if (xcb_generic_error_t *error = xcb_request_check(m_connection, cookie)) {
                ok = false;
                std::free(error);
            }
        }
        if (!ok)
            release(grab);
        return ok;
    }

    void release(const Grab &grab)
    {
        for (const std::uint16_t locks : LockVariants)
            xcb_ungrab_key(m_connection, grab.code, m_root, grab.modifiers | locks);
    }

    void ungrabAll()
    {
        for (const Grab &g : m_grabs)
            release(g);
        m_grabs.clear();
        xcb_flush(m_connection);
    }

    xcb_connection_t *m_connection;
    xcb_window_t m_root;
    std::vector<Grab> m_grabs;
};

} // namespace

namespace GlobalShortcutBackends {

std::unique_ptr<GlobalShortcuts> x11(QObject *parent)
{
    // Under XWayland a grab sees keys only while an X client has the focus.
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || qgetenv("XDG_SESSION_TYPE") == "wayland")
        return nullptr;
    const auto *native = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = native ? native->connection() : nullptr;
    if (!connection)
        return nullptr;
    return std::make_unique<X11Shortcuts>(connection, parent);
}

} // namespace GlobalShortcutBackends
