// SPDX-FileCopyrightText: 2026 The irgcalc authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program on $DISPLAY and prints, on one line, the milliseconds from spawning it to
// the map of its first top-level window and to its first drawn frame, then, after a settling
// pause, its peak and current resident memory:
//   map_ms=41.20 frame_ms=55.10 hwm_kb=52344 rss_kb=51980
// Meant for a private Xvfb with a black root (-br) and no window manager, where top-level
// windows are children of the root, are mapped the moment their program asks, and show black
// until their program first draws them.
//
//   map_timer [--settle MS] PROGRAM [ARGS...]

#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

extern char **environ;

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1e3 + double(ts.tv_nsec) / 1e6;
}

long statusKb(pid_t pid, const char *field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    const std::string key = std::string(field) + ":";
    for (std::string line; std::getline(status, line);) {
        if (line.compare(0, key.size(), key) == 0)
            return std::strtol(line.c_str() + key.size(), nullptr, 10);
    }
    return -1;
}

xcb_atom_t internAtom(xcb_connection_t *connection, const char *name)
{
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name),
                              nullptr),
        &std::free);
    return reply ? reply->atom : XCB_ATOM_NONE;
}

// The _NET_WM_PID a window's program set on it, or 0.
pid_t windowPid(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t pidAtom)
{
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1),
            nullptr),
        &std::free);
    if (!reply || xcb_get_property_value_length(reply.get()) != 4)
        return 0;
    return pid_t(*static_cast<uint32_t *>(xcb_get_property_value(reply.get())));
}

// The pixel one in from the window's top-left corner; 0 (black) until the program draws.
uint32_t firstPixel(xcb_connection_t *connection, xcb_window_t window)
{
    std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> reply(
        xcb_get_image_reply(
            connection,
            xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 1, 1, 1, 1, ~0u), nullptr),
        &std::free);
    if (!reply || xcb_get_image_data_length(reply.get()) < 4)
        return 0;
    uint32_t pixel = 0;
    std::memcpy(&pixel, xcb_get_image_data(reply.get()), 4);
    return pixel & 0xffffffu;
}

int fail(const char *what, pid_t child = 0)
{
    std::fprintf(stderr, "map_timer: %s\n", what);
    if (child > 0) {
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
    }
    return 1;
}

} // namespace

int main(int argc, char **argv)
{
    int settleMs = 500;
    int first = 1;
    if (argc > 2 && std::strcmp(argv[1], "--settle") == 0) {
        settleMs = std::atoi(argv[2]);
        first = 3;
    }
    if (first >= argc)
        return fail("usage: map_timer [--settle MS] PROGRAM [ARGS...]");

    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection))
        return fail("cannot open the display");
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    // The reply proves the server has taken the event mask before the program starts.
    const xcb_atom_t pidAtom = internAtom(connection, "_NET_WM_PID");

    pid_t child = 0;
    const double start = nowMs();
    if (posix_spawnp(&child, argv[first], nullptr, nullptr, argv + first, environ) != 0)
        return fail("cannot start the program");

    double mapped = -1;
    xcb_window_t mappedWindow = XCB_WINDOW_NONE;
    const int fd = xcb_get_file_descriptor(connection);
    while (mapped < 0) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const double at = nowMs();
            const auto *map = reinterpret_cast<xcb_map_notify_event_t *>(event);
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && map->event == root
                && !map->override_redirect
                && windowPid(connection, map->window, pidAtom) == child) {
                mapped = at;
                mappedWindow = map->window;
            }
            std::free(event);
            if (mapped >= 0)
                break;
        }
        if (mapped >= 0)
            break;
        if (xcb_connection_has_error(connection))
            return fail("lost the display", child);
        if (waitpid(child, nullptr, WNOHANG) == child)
            return fail("the program ended before mapping a window");
        if (nowMs() - start > 30000)
            return fail("no window within 30 s", child);
        pollfd wait{fd, POLLIN, 0};
        poll(&wait, 1, 20);
    }

    double drawn = -1;
    while (drawn < 0 && nowMs() - mapped < 5000) {
        if (firstPixel(connection, mappedWindow) != 0)
            drawn = nowMs();
        else
            usleep(200);
    }

    // Let it settle before reading its memory.
    usleep(useconds_t(settleMs) * 1000);
    const long hwm = statusKb(child, "VmHWM");
    const long rss = statusKb(child, "VmRSS");
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    std::printf("map_ms=%.2f frame_ms=%.2f hwm_kb=%ld rss_kb=%ld\n", mapped - start,
                drawn < 0 ? -1.0 : drawn - start, hwm, rss);
    return 0;
}
