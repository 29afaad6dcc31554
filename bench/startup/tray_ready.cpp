// tray_ready PROGRAM [ARGUMENT...]
// Starts PROGRAM and prints the milliseconds from just before the fork until
// the tray host has embedded a window of that process (its tray icon is then
// registered), then ends the program with SIGTERM and waits for it. Exit code
// 0 on success, 1 on a timeout (10 s) or an error.

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(std::strlen(name)), name), nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

long windowPid(xcb_connection_t *c, xcb_window_t window, xcb_atom_t pidAtom)
{
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr),
        &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 4)
        return -1;
    return long(*static_cast<const uint32_t *>(xcb_get_property_value(reply.get())));
}

void stop(pid_t child)
{
    ::kill(child, SIGTERM);
    int status = 0;
    ::waitpid(child, &status, 0);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: tray_ready PROGRAM [ARGUMENT...]\n");
        return 1;
    }
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "tray_ready: no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_atom_t pidAtom = atom(c, "_NET_WM_PID");
    // Embedding reparents the icon's window away from the root window.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(xcb_get_file_descriptor(c));
        ::execvp(argv[1], argv + 1);
        std::_Exit(127);
    }
    const auto deadline = start + std::chrono::seconds(10);
    while (Clock::now() < deadline) {
        pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
        ::poll(&fd, 1, 50);
        while (xcb_generic_event_t *event = xcb_poll_for_event(c)) {
            std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
            if ((event->response_type & 0x7F) != XCB_REPARENT_NOTIFY)
                continue;
            const auto *reparent = reinterpret_cast<xcb_reparent_notify_event_t *>(event);
            if (reparent->parent == root || windowPid(c, reparent->window, pidAtom) != child)
                continue;
            const auto ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            std::printf("%.1f\n", ms);
            stop(child);
            xcb_disconnect(c);
            return 0;
        }
        if (xcb_connection_has_error(c))
            break;
    }
    std::fprintf(stderr, "tray_ready: no tray icon from %s\n", argv[1]);
    stop(child);
    xcb_disconnect(c);
    return 1;
}
