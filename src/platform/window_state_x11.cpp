#include "platform/window_state.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWindow>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <vector>

namespace {

template<typename Reply>
using XcbReply = std::unique_ptr<Reply, decltype(&std::free)>;

constexpr std::uint32_t AllDesktops = 0xFFFFFFFF;
constexpr std::uint32_t FromApplication = 1;   // the source indication of EWMH client messages

xcb_connection_t *connectionOf(const QWidget *window)
{
    const auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 && window ? x11->connection() : nullptr;
}

xcb_window_t rootOf(xcb_connection_t *connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    const xcb_intern_atom_cookie_t cookie = xcb_intern_atom(connection, 0, std::uint16_t(std::strlen(name)), name);
    XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// A mapped window belongs to the window manager, which takes changes of its
// state only as client messages; before mapping the properties are read.
bool isMapped(xcb_connection_t *connection, xcb_window_t id)
{
    XcbReply<xcb_get_window_attributes_reply_t> reply(
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, id), nullptr), &std::free);
    return reply && reply->map_state != XCB_MAP_STATE_UNMAPPED;
}

std::vector<std::uint32_t> cardinals(xcb_connection_t *connection, xcb_window_t id, xcb_atom_t property,
                                     xcb_atom_t type)
{
    std::vector<std::uint32_t> values;
    const xcb_get_property_cookie_t cookie = xcb_get_property(connection, 0, id, property, type, 0, 64);
    XcbReply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (reply && reply->format == 32 && reply->type == type) {
        const auto *data = static_cast<const std::uint32_t *>(xcb_get_property_value(reply.get()));
        values.assign(data, data + reply->value_len);
    }
    return values;
}

void sendToWindowManager(xcb_connection_t *connection, xcb_window_t id, xcb_atom_t type,
                         std::initializer_list<std::uint32_t> data)
{
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = id;
    event.type = type;
    std::copy(data.begin(), data.end(), event.data.data32);
    xcb_send_event(connection, 0, rootOf(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&event));
}

// Adds the named _NET_WM_STATE atoms to the window, or takes them away. The
// property is written in any case (Qt merges it when it maps the window);
// a mapped window also asks its window manager.
void changeStates(QWidget *window, std::initializer_list<const char *> names, bool add)
{
    xcb_connection_t *connection = connectionOf(window);
    if (!connection)
        return;
    const auto id = xcb_window_t(window->winId());
    const xcb_atom_t state = internAtom(connection, "_NET_WM_STATE");
    if (state == XCB_ATOM_NONE)
        return;
    std::vector<xcb_atom_t> wanted;
    for (const char *name : names)
        if (const xcb_atom_t atom = internAtom(connection, name); atom != XCB_ATOM_NONE)
            wanted.push_back(atom);

    std::vector<xcb_atom_t> atoms = cardinals(connection, id, state, XCB_ATOM_ATOM);
    for (const xcb_atom_t atom : wanted) {
        const auto at = std::find(atoms.begin(), atoms.end(), atom);
        if (add && at == atoms.end())
            atoms.push_back(atom);
        else if (!add && at != atoms.end())
            atoms.erase(at);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        std::uint32_t(atoms.size()), atoms.data());

    if (isMapped(connection, id)) {
        for (const xcb_atom_t atom : wanted)
            sendToWindowManager(connection, id, state, {add ? 1u : 0u, atom, 0, FromApplication});
    }
    xcb_flush(connection);
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
    xcb_connection_t *connection = connectionOf(window);
    if (!connection || !window->isVisible() || !window->windowHandle())
        return std::nullopt;
    const xcb_translate_coordinates_cookie_t cookie
        = xcb_translate_coordinates(connection, xcb_window_t(window->winId()), rootOf(connection), 0, 0);
    XcbReply<xcb_translate_coordinates_reply_t> reply(xcb_translate_coordinates_reply(connection, cookie, nullptr),
                                                      &std::free);
    if (!reply)
        return std::nullopt;
    return QPoint(reply->dst_x, reply->dst_y);
}

void skipTaskbar(QWidget *window)
{
    // Qt 6.4 never sets these states, and a frameless tool window still gets
    // a taskbar button.
    changeStates(window, {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}, true);
}

void setKeepAbove(QWidget *window, bool on)
{
    changeStates(window, {"_NET_WM_STATE_ABOVE"}, on);
}

bool setOnAllDesktops(QWidget *window, bool on)
{
    changeStates(window, {"_NET_WM_STATE_STICKY"}, on);
    xcb_connection_t *connection = connectionOf(window);
    if (!connection)
        return false;
    const auto id = xcb_window_t(window->winId());
    const xcb_atom_t desktop = internAtom(connection, "_NET_WM_DESKTOP");
    if (desktop == XCB_ATOM_NONE)
        return false;
    if (isMapped(connection, id)) {
        // Leaving every desktop means staying on the one in front.
        const std::vector<std::uint32_t> current
            = cardinals(connection, rootOf(connection), internAtom(connection, "_NET_CURRENT_DESKTOP"),
                        XCB_ATOM_CARDINAL);
        const std::uint32_t target = on ? AllDesktops : (current.empty() ? 0 : current.front());
        sendToWindowManager(connection, id, desktop, {target, FromApplication});
    } else if (on) {
        const std::uint32_t all = AllDesktops;
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, desktop, XCB_ATOM_CARDINAL, 32, 1, &all);
    } else {
        // Without the property the window manager puts it on the current desktop.
        xcb_delete_property(connection, id, desktop);
    }
    xcb_flush(connection);
    return true;
}

bool canShowOnAllDesktops()
{
    // Virtual desktops are the window manager's; only an X11 display has one to ask.
    return qGuiApp && qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
}

void settlePosition(QWidget *window)
{
    const std::optional<QPoint> place = screenPosition(window);
    if (place && *place != window->pos())
        window->move(*place);
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
