// Starts a program and waits, on the X server's own notice rather than by polling, until it
// maps a top-level window whose name begins with NAME; a second later it reads the program's
// resident set and ends it. Prints "KIB MS CPU": the resident set, the time from start to map
// and the processor time all its threads had used by then.
// Polling from a shell costs CPU the program under test then lacks, on two cores a lot of it.
// Usage: StartWatch NAME PROGRAM [ARGUMENTS...]
#include <xcb/xcb.h>

#include <dirent.h>
#include <fcntl.h>
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
#include <strings.h>

extern char** environ;

namespace {

double Milliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

std::string WindowName(xcb_connection_t* x, xcb_window_t window) {
    const xcb_get_property_cookie_t cookie =
        xcb_get_property(x, 0, window, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(x, cookie, nullptr), &std::free);
    if (!reply) return {};
    return {static_cast<const char*>(xcb_get_property_value(reply.get())),
            std::size_t(xcb_get_property_value_length(reply.get()))};
}

long ResidentKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

// Processor time of all threads, from the scheduler's own nanosecond count.
double CpuMilliseconds(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR* dir = opendir(tasks.c_str());
    if (!dir) return -1;
    double total = 0;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') continue;
        std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
        double ns = 0;
        if (stat >> ns) total += ns / 1e6;
    }
    closedir(dir);
    return total;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: StartWatch NAME PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const std::string name = argv[1];
    int screenNumber = 0;
    xcb_connection_t* x = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "StartWatch: no X display\n");
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, screens.data->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const double start = Milliseconds();
    // The program's own output would mix with the result.
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[2], &quiet, nullptr, argv + 2, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0) {
        std::fprintf(stderr, "StartWatch: cannot start %s\n", argv[2]);
        return 1;
    }
    double mapped = -1;
    double cpu = -1;
    while (mapped < 0) {
        pollfd wait{xcb_get_file_descriptor(x), POLLIN, 0};
        poll(&wait, 1, 100);
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            std::fprintf(stderr, "StartWatch: %s ended before it showed a window\n", argv[2]);
            return 1;
        }
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                const double at = Milliseconds();
                const std::string shown = WindowName(x, map->window);
                if (mapped < 0 && shown.size() >= name.size() &&
                    strncasecmp(shown.c_str(), name.c_str(), name.size()) == 0) {
                    mapped = at;
                    cpu = CpuMilliseconds(pid);
                }
            }
            std::free(event);
        }
        if (xcb_connection_has_error(x)) {
            std::fprintf(stderr, "StartWatch: the X connection broke\n");
            kill(pid, SIGTERM);
            return 1;
        }
    }
    sleep(1);
    const long kib = ResidentKib(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(x);
    std::printf("%ld %d %d\n", kib, int(mapped - start + 0.5), int(cpu + 0.5));
    return 0;
}
