// launch_to_map: starts a program and prints how long it took, from just before
// the start to the moment the X server maps the program's first top-level
// window, in milliseconds. The window is then asked to close as a window
// manager would (WM_DELETE_WINDOW), so the program ends as after a user's close.
//
// usage: launch_to_map [--linger MS] PROGRAM [ARGS...]   (DISPLAY must name a
// running server; --linger leaves the window open MS milliseconds before the
// close, e.g. for a first run that is to finish creating the program's data;
// without a window manager, as under Xvfb, a top-level window is a child of the
// root window and its MapNotify arrives on the root.)
//
// Watching from outside keeps the figure honest: nothing in the measured program
// reports its own times.

#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1000.0 + double(t.tv_nsec) / 1e6;
}

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    xcb_intern_atom_reply_t *r = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : XCB_ATOM_NONE;
    free(r);
    return a;
}

// Waits for the child for up to `ms` milliseconds; true when it has ended.
bool waitChild(pid_t child, int ms, int *status)
{
    for (int waited = 0; waited < ms; waited += 10) {
        if (waitpid(child, status, WNOHANG) == child)
            return true;
        usleep(10000);
    }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    int linger = 0;
    if (argc > 2 && std::strcmp(argv[1], "--linger") == 0) {
        linger = std::atoi(argv[2]);
        argv += 2;
        argc -= 2;
    }
    if (argc < 2) {
        std::fputs("usage: launch_to_map [--linger MS] PROGRAM [ARGS...]\n", stderr);
        return 2;
    }
    // A busy server now and then refuses a connection; a moment later it takes it.
    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    for (int attempt = 0; xcb_connection_has_error(c) && attempt < 20; ++attempt) {
        xcb_disconnect(c);
        usleep(50000);
        c = xcb_connect(nullptr, nullptr);
    }
    if (xcb_connection_has_error(c)) {
        std::fputs("launch_to_map: cannot connect to the X server (DISPLAY)\n", stderr);
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    const xcb_atom_t protocols = atom(c, "WM_PROTOCOLS");
    const xcb_atom_t deleteWindow = atom(c, "WM_DELETE_WINDOW");
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); // the event mask is in force

    const double start = nowMs();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("launch_to_map: fork");
        return 2;
    }
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::fprintf(stderr, "launch_to_map: cannot start %s: %s\n", argv[1], strerror(errno));
        _exit(127);
    }

    xcb_window_t mapped = XCB_WINDOW_NONE;
    double mappedAt = 0;
    const int fd = xcb_get_file_descriptor(c);
    const double deadline = start + 30000;
    while (mapped == XCB_WINDOW_NONE && nowMs() < deadline) {
        while (xcb_generic_event_t *e = xcb_poll_for_event(c)) {
            if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto *m = reinterpret_cast<xcb_map_notify_event_t *>(e);
                if (m->event == root && !m->override_redirect && mapped == XCB_WINDOW_NONE) {
                    mappedAt = nowMs();
                    mapped = m->window;
                }
            }
            free(e);
        }
        if (mapped != XCB_WINDOW_NONE)
            break;
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fputs("launch_to_map: the program ended without showing a window\n", stderr);
            return 1;
        }
        fd_set in;
        FD_ZERO(&in);
        FD_SET(fd, &in);
        timeval tick{0, 20000};
        select(fd + 1, &in, nullptr, nullptr, &tick);
        if (xcb_connection_has_error(c))
            return 2;
    }
    if (mapped == XCB_WINDOW_NONE) {
        std::fputs("launch_to_map: no window within 30 s\n", stderr);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        return 1;
    }
    std::printf("%.1f\n", mappedAt - start);
    std::fflush(stdout);

    if (linger > 0)
        usleep(useconds_t(linger) * 1000);
    // Closed the way a window manager closes it, so the program saves and ends normally.
    xcb_client_message_event_t close{};
    close.response_type = XCB_CLIENT_MESSAGE;
    close.format = 32;
    close.window = mapped;
    close.type = protocols;
    close.data.data32[0] = deleteWindow;
    close.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, mapped, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&close));
    xcb_flush(c);
    int status = 0;
    if (!waitChild(child, 10000, &status)) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
    xcb_disconnect(c);
    return 0;
}
