// Startup time and peak memory of X11 programs, measured from outside the program.
//
//   startup_measure [--runs N] [--warmup N] [--settle-ms MS] [--timeout-ms MS] [--verbose]
//                   NAME=PROGRAM...
//
// On the X server of $DISPLAY it starts each program in turn, without arguments; the order
// rotates every round so that no program always follows the same one. Per run:
// - startup: from just before fork() until the X server reports the first drawing into the
//   program's top-level window after it is mapped (a DAMAGE notification). A Qt window has no
//   background of its own, so mapping it draws nothing; the first drawing is the program's first
//   frame, which Qt flushes whole once the window is exposed;
// - CPU time to that frame: the run time of all the program's threads (/proc/PID/task/*/schedstat),
//   which other load on the machine disturbs less than the startup time;
// - peak memory: VmHWM of /proc/PID/status once the window is painted and a settle time passed,
//   so that work done just after the first frame counts too.
// Then it ends the program (SIGTERM) and, after all rounds, prints per program the medians and
// their ratios to the first program given.
//
// Only one program runs at a time, and no window manager is expected: the first top-level window
// mapped with the program's _NET_WM_PID is taken as its window.

#include <poll.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <csignal>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    int runs = 21;
    int warmup = 1;
    int settleMs = 300;
    int timeoutMs = 20000;
    bool verbose = false;
};

struct Program {
    std::string name;
    std::string path;
};

struct Sample {
    double startupMs = 0;
    double mappedMs = 0;
    double cpuMs = 0;
    double peakMiB = 0;
    bool wholeFirstPaint = false;
    int width = 0;
    int height = 0;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool intersects(const xcb_rectangle_t& r) const {
        return r.x < x + width && x < r.x + r.width && r.y < y + height && y < r.y + r.height;
    }
    bool coveredBy(const xcb_rectangle_t& r) const {
        return r.x <= x && r.y <= y && r.x + r.width >= x + width && r.y + r.height >= y + height;
    }
};

[[noreturn]] void fail(const std::string& what) {
    throw std::runtime_error(what);
}

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }  // xcb hands out malloc'ed replies
};
template <typename T>
using XcbPtr = std::unique_ptr<T, FreeDeleter>;

// The connection, watching the root window for new top-level windows and for drawing anywhere on
// the screen (damage on the root covers its subwindows; no compositing is involved).
class Display {
public:
    Display() {
        int screenNumber = 0;
        conn_ = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(conn_)) {
            fail("cannot connect to the X server of $DISPLAY");
        }
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(conn_));
        for (int i = 0; i < screenNumber; ++i) {
            xcb_screen_next(&it);
        }
        root_ = it.data->root;

        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(conn_, &xcb_damage_id);
        if (!damage || !damage->present) {
            fail("the X server has no DAMAGE extension");
        }
        damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        XcbPtr<xcb_damage_query_version_reply_t> version(xcb_damage_query_version_reply(
            conn_,
            xcb_damage_query_version(conn_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
            nullptr));
        if (!version) {
            fail("DAMAGE version query failed");
        }

        // The software cursor is drawn into the screen too; keep it away from the windows.
        xcb_warp_pointer(conn_, XCB_NONE, root_, 0, 0, 0, 0,
                         static_cast<int16_t>(it.data->width_in_pixels - 1),
                         static_cast<int16_t>(it.data->height_in_pixels - 1));
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(conn_, root_, XCB_CW_EVENT_MASK, &mask);
        damage_ = xcb_generate_id(conn_);
        xcb_damage_create(conn_, damage_, root_, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);

        XcbPtr<xcb_intern_atom_reply_t> atom(xcb_intern_atom_reply(
            conn_, xcb_intern_atom(conn_, 0, std::strlen("_NET_WM_PID"), "_NET_WM_PID"), nullptr));
        if (!atom) {
            fail("cannot intern _NET_WM_PID");
        }
        pidAtom_ = atom->atom;
        sync();
    }
    ~Display() { xcb_disconnect(conn_); }
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    xcb_connection_t* conn() const { return conn_; }
    xcb_window_t root() const { return root_; }
    uint8_t damageEvent() const { return damageEvent_; }
    int fd() const { return xcb_get_file_descriptor(conn_); }

    std::optional<pid_t> pidOf(xcb_window_t window) const {
        XcbPtr<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            conn_, xcb_get_property(conn_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr));
        if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 4) {
            return std::nullopt;
        }
        return static_cast<pid_t>(*static_cast<uint32_t*>(xcb_get_property_value(reply.get())));
    }

    std::optional<Rect> geometryOf(xcb_window_t window) const {
        XcbPtr<xcb_get_geometry_reply_t> reply(
            xcb_get_geometry_reply(conn_, xcb_get_geometry(conn_, window), nullptr));
        if (!reply) {
            return std::nullopt;
        }
        return Rect{reply->x, reply->y, reply->width, reply->height};
    }

    // Forgets the damage so far and waits until the server has answered everything sent before.
    void sync() const {
        xcb_damage_subtract(conn_, damage_, XCB_NONE, XCB_NONE);
        std::free(xcb_get_input_focus_reply(conn_, xcb_get_input_focus(conn_), nullptr));
        if (xcb_connection_has_error(conn_)) {
            fail("the X connection broke");
        }
    }

    XcbPtr<xcb_generic_event_t> nextEvent() const {
        return XcbPtr<xcb_generic_event_t>(xcb_poll_for_event(conn_));
    }

private:
    xcb_connection_t* conn_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    xcb_damage_damage_t damage_ = XCB_NONE;
    xcb_atom_t pidAtom_ = XCB_NONE;
    uint8_t damageEvent_ = 0;
};

uint8_t typeOf(const xcb_generic_event_t& event) {
    return event.response_type & 0x7f;  // without the SendEvent bit
}

// Waits until the X connection has input or the program ends; false on timeout.
bool waitForInput(const Display& display, int pidfd, Clock::time_point deadline, bool& exited) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) {
        return false;
    }
    pollfd fds[2] = {{display.fd(), POLLIN, 0}, {pidfd, POLLIN, 0}};
    const int ready = poll(fds, 2, static_cast<int>(left.count()));
    if (ready < 0 && errno != EINTR) {
        fail(std::string("poll: ") + std::strerror(errno));
    }
    exited = (fds[1].revents & POLLIN) != 0;
    return true;
}

// What the program's threads have run so far; the kernel counts nanoseconds.
double cpuMs(pid_t pid) {
    double total = 0;
    std::error_code error;
    for (const auto& task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        double nanoseconds = 0;
        if (schedstat >> nanoseconds) {
            total += nanoseconds / 1e6;
        }
    }
    return total;
}

double peakMiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with("VmHWM:")) {
            return std::stod(line.substr(6)) / 1024.0;  // the kernel writes kB
        }
    }
    fail("no VmHWM for process " + std::to_string(pid));
}

// Ends the program and waits until its window is gone from the server.
void stop(const Display& display, pid_t pid, int pidfd, xcb_window_t window) {
    kill(pid, SIGTERM);
    pollfd fd{pidfd, POLLIN, 0};
    if (poll(&fd, 1, 3000) <= 0) {
        kill(pid, SIGKILL);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    close(pidfd);

    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(3);
    bool destroyed = window == XCB_NONE;
    while (!destroyed && Clock::now() < deadline) {
        while (auto event = display.nextEvent()) {
            if (typeOf(*event) == XCB_DESTROY_NOTIFY &&
                reinterpret_cast<xcb_destroy_notify_event_t*>(event.get())->window == window) {
                destroyed = true;
            }
        }
        if (!destroyed) {
            pollfd x{display.fd(), POLLIN, 0};
            poll(&x, 1, 50);
        }
    }
    display.sync();
    while (display.nextEvent()) {
    }
}

Sample measure(const Display& display, const Program& program, const Options& options) {
    display.sync();
    while (display.nextEvent()) {
    }

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        fail(std::string("fork: ") + std::strerror(errno));
    }
    if (pid == 0) {
        char* const argv[] = {const_cast<char*>(program.path.c_str()), nullptr};
        execv(program.path.c_str(), argv);
        std::perror(program.path.c_str());
        _exit(127);
    }
    const int pidfd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    if (pidfd < 0) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        fail(std::string("pidfd_open: ") + std::strerror(errno));
    }

    Sample sample;
    xcb_window_t window = XCB_NONE;
    Rect rect;
    std::optional<Clock::time_point> painted;
    const Clock::time_point deadline = start + std::chrono::milliseconds(options.timeoutMs);
    const auto handle = [&](const xcb_generic_event_t& event) {
        const uint8_t type = typeOf(event);
        if (type == XCB_MAP_NOTIFY && window == XCB_NONE) {
            const auto& map = reinterpret_cast<const xcb_map_notify_event_t&>(event);
            if (map.event == display.root() && !map.override_redirect &&
                display.pidOf(map.window) == pid) {
                if (const auto geometry = display.geometryOf(map.window)) {
                    window = map.window;
                    rect = *geometry;
                    sample.mappedMs = msBetween(start, Clock::now());
                    sample.width = rect.width;
                    sample.height = rect.height;
                }
            }
        } else if (type == XCB_CONFIGURE_NOTIFY && window != XCB_NONE) {
            const auto& configure = reinterpret_cast<const xcb_configure_notify_event_t&>(event);
            if (configure.window == window) {
                rect = {configure.x, configure.y, configure.width, configure.height};
            }
        } else if (type == display.damageEvent() && window != XCB_NONE) {
            const auto& damage = reinterpret_cast<const xcb_damage_notify_event_t&>(event);
            if (!rect.intersects(damage.area)) {
                return;
            }
            const Clock::time_point now = Clock::now();
            if (options.verbose) {
                std::fprintf(stderr, "  %s: %.1f ms drawn %dx%d+%d+%d\n", program.name.c_str(),
                             msBetween(start, now), damage.area.width, damage.area.height,
                             damage.area.x, damage.area.y);
            }
            if (!painted) {
                painted = now;
                sample.startupMs = msBetween(start, now);
                sample.cpuMs = cpuMs(pid);
                sample.wholeFirstPaint = rect.coveredBy(damage.area);
            }
        }
    };

    try {
        // Until the first frame, then for the settle time; events keep flowing meanwhile.
        bool settled = false;
        while (!settled) {
            while (auto event = display.nextEvent()) {
                handle(*event);
            }
            if (xcb_connection_has_error(display.conn())) {
                fail("the X connection broke");
            }
            const Clock::time_point until =
                painted ? *painted + std::chrono::milliseconds(options.settleMs) : deadline;
            bool exited = false;
            if (!waitForInput(display, pidfd, until, exited)) {
                if (!painted) {
                    fail(program.name + ": no window painted within " +
                         std::to_string(options.timeoutMs) + " ms");
                }
                settled = true;
            }
            if (exited) {
                fail(program.name + ": the program ended by itself");
            }
        }
        sample.peakMiB = peakMiB(pid);
    } catch (...) {
        stop(display, pid, pidfd, window);
        throw;
    }
    stop(display, pid, pidfd, window);
    return sample;
}

double quantile(std::vector<double> values, double q) {
    std::ranges::sort(values);
    const double position = q * static_cast<double>(values.size() - 1);
    const auto below = static_cast<std::size_t>(position);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    const double fraction = position - static_cast<double>(below);
    return values[below] + fraction * (values[above] - values[below]);
}

int parseCount(std::string_view option, const char* value) {
    char* end = nullptr;
    const long n = std::strtol(value, &end, 10);
    if (*end != '\0' || n < 0 || n > 100000) {
        fail(std::string(option) + " wants a whole number, not \"" + value + "\"");
    }
    return static_cast<int>(n);
}

void usage() {
    std::fprintf(stderr,
                 "usage: startup_measure [--runs N] [--warmup N] [--settle-ms MS] "
                 "[--timeout-ms MS] [--verbose] NAME=PROGRAM...\n"
                 "Ratios are to the first program.\n");
}

int run(int argc, char* argv[]) {
    Options options;
    std::vector<Program> programs;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--runs" && hasValue) {
            options.runs = parseCount(arg, argv[++i]);
        } else if (arg == "--warmup" && hasValue) {
            options.warmup = parseCount(arg, argv[++i]);
        } else if (arg == "--settle-ms" && hasValue) {
            options.settleMs = parseCount(arg, argv[++i]);
        } else if (arg == "--timeout-ms" && hasValue) {
            options.timeoutMs = parseCount(arg, argv[++i]);
        } else if (arg == "--verbose") {
            options.verbose = true;
        } else if (const auto eq = arg.find('='); eq != std::string_view::npos && eq > 0) {
            programs.push_back({std::string(arg.substr(0, eq)), std::string(arg.substr(eq + 1))});
        } else {
            usage();
            return 2;
        }
    }
    if (programs.empty() || options.runs < 1) {
        usage();
        return 2;
    }
    for (const Program& program : programs) {
        if (access(program.path.c_str(), X_OK) != 0) {
            fail(program.path + " is no executable program");
        }
    }

    const Display display;
    std::vector<std::vector<Sample>> samples(programs.size());
    for (int round = -options.warmup; round < options.runs; ++round) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            const std::size_t p =
                (k + static_cast<std::size_t>(round + options.warmup)) % programs.size();
            const Sample sample = measure(display, programs[p], options);
            if (options.verbose) {
                std::fprintf(stderr, "%s run %d: mapped %.1f ms, painted %.1f ms, %.2f MiB\n",
                             programs[p].name.c_str(), round, sample.mappedMs, sample.startupMs,
                             sample.peakMiB);
            }
            if (round >= 0) {
                samples[p].push_back(sample);
            }
        }
    }

    // Median and quartiles of one quantity over a program's runs.
    struct Spread {
        double q1;
        double median;
        double q3;
    };
    const auto spread = [&](std::size_t p, double Sample::*field) {
        std::vector<double> values;
        for (const Sample& s : samples[p]) {
            values.push_back(s.*field);
        }
        return Spread{quantile(values, 0.25), quantile(values, 0.5), quantile(values, 0.75)};
    };
    std::printf("%d runs each; medians, quartiles in brackets\n", options.runs);
    std::printf("%-12s %-22s %-22s %-22s %-8s %s\n", "program", "startup ms", "CPU ms", "peak MiB",
                "window", "whole first paint");
    for (std::size_t p = 0; p < programs.size(); ++p) {
        const auto column = [](Spread s, const char* format) {
            char text[64];
            std::snprintf(text, sizeof text, format, s.median, s.q1, s.q3);
            return std::string(text);
        };
        const auto whole = static_cast<std::size_t>(
            std::ranges::count_if(samples[p], [](const Sample& s) { return s.wholeFirstPaint; }));
        const std::string window = std::to_string(samples[p].back().width) + "x" +
                                   std::to_string(samples[p].back().height);
        std::printf("%-12s %-22s %-22s %-22s %-8s %zu/%zu\n", programs[p].name.c_str(),
                    column(spread(p, &Sample::startupMs), "%.1f (%.0f..%.0f)").c_str(),
                    column(spread(p, &Sample::cpuMs), "%.1f (%.0f..%.0f)").c_str(),
                    column(spread(p, &Sample::peakMiB), "%.2f (%.2f..%.2f)").c_str(),
                    window.c_str(), whole, samples[p].size());
    }
    std::printf("\nratios of the medians to %s\n%-12s %-10s %-10s %s\n", programs[0].name.c_str(),
                "program", "startup", "CPU", "memory");
    for (std::size_t p = 1; p < programs.size(); ++p) {
        const auto ratio = [&](double Sample::*field) {
            return spread(p, field).median / spread(0, field).median;
        };
        std::printf("%-12s %-10.3f %-10.3f %.3f\n", programs[p].name.c_str(),
                    ratio(&Sample::startupMs), ratio(&Sample::cpuMs), ratio(&Sample::peakMiB));
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "startup_measure: %s\n", e.what());
        return 1;
    }
}
