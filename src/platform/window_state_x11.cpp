#include "platform/window_state.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWindow>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <vector>

namespace {

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

xcb_connection_t *x11Connection()
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// Whether a window manager runs: the root window names its live check window.
bool windowManagerRuns(xcb_connection_t *connection, xcb_window_t root)
{
    const xcb_atom_t check = internAtom(connection, "_NET_SUPPORTING_WM_CHECK");
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, root, check, XCB_ATOM_WINDOW, 0, 1), nullptr),
        &std::free);
    if (!reply || reply->format != 32 || reply->value_len != 1)
        return false;
    const xcb_window_t window = *static_cast<const xcb_window_t *>(xcb_get_property_value(reply.get()));
    // A manager that ended leaves the property naming a window that is gone.
    std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> attributes(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr), &std::free);
    return attributes != nullptr;
}

// The request with the current server time: Qt sends the time of the last
// event it saw, and the X server ignores a focus change older than the last.
void activateNow(xcb_window_t id)
{
    xcb_connection_t *connection = x11Connection();
    if (!connection)
        return;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    if (windowManagerRuns(connection, root)) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = id;
        event.type = internAtom(connection, "_NET_ACTIVE_WINDOW");
        event.data.data32[0] = 2;   // on the user's direct request
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char *>(&event));
    } else {
        const uint32_t above = XCB_STACK_MODE_ABOVE;
        xcb_configure_window(connection, id, XCB_CONFIG_WINDOW_STACK_MODE, &above);
        xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, id, XCB_CURRENT_TIME);
    }
    xcb_flush(connection);
}

// Activates a window once it is first on screen, then goes.
class ActivateWhenExposed final : public QObject
{
public:
    explicit ActivateWhenExposed(QWindow *window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWindow *>(watched);
        if (event->type() == QEvent::Expose && window->isExposed()) {
            window->removeEventFilter(this);
            activateNow(xcb_window_t(window->winId()));
            deleteLater();
        }
        return false;
    }
};

} // namespace

namespace WindowState {

std::optional<QPoint> screenPosition(const QWidget *window)
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection || !window || !window->isVisible() || !window->windowHandle())
        return std::nullopt;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_translate_coordinates_cookie_t cookie
        = xcb_translate_coordinates(connection, xcb_window_t(window->winId()), root, 0, 0);
    std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> reply(
        xcb_translate_coordinates_reply(connection, cookie, nullptr), &std::free);
    if (!reply)
        return std::nullopt;
    return QPoint(reply->dst_x, reply->dst_y);
}

void skipTaskbar(QWidget *window)
{
    // Qt 6.4 never sets these states, and a frameless tool window still gets
    // a taskbar button; Qt merges what we add here when it maps the window.
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection || !window)
        return;
    const auto id = xcb_window_t(window->winId());
    const xcb_atom_t state = internAtom(connection, "_NET_WM_STATE");
    const std::array<xcb_atom_t, 2> wanted{internAtom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                           internAtom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    if (state == XCB_ATOM_NONE)
        return;

    std::vector<xcb_atom_t> atoms;
    const xcb_get_property_cookie_t cookie = xcb_get_property(connection, 0, id, state, XCB_ATOM_ATOM, 0, 64);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (reply && reply->format == 32 && reply->type == XCB_ATOM_ATOM) {
        const auto *data = static_cast<const xcb_atom_t *>(xcb_get_property_value(reply.get()));
        atoms.assign(data, data + reply->value_len);
    }
    for (const xcb_atom_t atom : wanted)
        if (atom != XCB_ATOM_NONE && std::find(atoms.begin(), atoms.end(), atom) == atoms.end())
            atoms.push_back(atom);
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        std::uint32_t(atoms.size()), atoms.data());

    // A window that is already mapped belongs to the window manager, which
    // takes changes only as client messages.
    if (window->isVisible() && window->windowHandle() && window->windowHandle()->isExposed()) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
        for (const xcb_atom_t atom : wanted) {
            xcb_client_message_event_t event{};
            event.response_type = XCB_CLIENT_MESSAGE;
            event.format = 32;
            event.window = id;
            event.type = state;
            event.data.data32[0] = 1; // _NET_WM_STATE_ADD
            event.data.data32[1] = atom;
            event.data.data32[3] = 1; // from a normal application
            xcb_send_event(connection, 0, root,
                           XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                           reinterpret_cast<const char *>(&event));
        }
    }
    xcb_flush(connection);
}

void bringForward(QWidget *window)
{
    window->raise();
    QWindow *handle = window->windowHandle();
    if (!x11Connection() || !handle) {
        window->activateWindow();
        return;
    }
    if (handle->isExposed())
        activateNow(xcb_window_t(handle->winId()));
    else
        new ActivateWhenExposed(handle);
}

} // namespace WindowState
