// Start-up: the time from starting the real program to its login window ("Login") mapped
// on the X server, and the program's peak memory at that moment, beside a minimal Qt
// Widgets program showing a login-sized window of the same title (`qt`, built with the
// benchmarks; the goal's baseline), and beside the program's own login window written in
// plain Qt (`qtsame`: the same picture, fonts and controls), which shows how much of the
// start is what comes before the login window.
//
// Counters: `peak_MB`, the peak resident memory when the window shows; `cpu_ms`, the
// processor time the program used until then.
//
// `Startup/paired/login_window` starts both programs in each iteration, in alternating
// order, so that both sides of a pair meet the same load from the rest of the machine;
// its counters are the medians of the pairs: `ours_us` and `baseline_us` the processor
// time (the goal's figure), `ratio` the median of the pairs' ratios, and the same of the
// wall clock as `ours_wall_us`, `baseline_wall_us` and `wall_ratio`;
// `Startup/paired/same_login_window` pairs ours with `qtsame` the same way. With
// QUIRA_STARTUP_BEFORE naming another build of the program (an older quira, copied out
// of the build tree before a change), `Startup/paired/before_login_window` pairs ours
// with it the same way.
//
// Needs an X server without a window manager (bench/README.md):
//   xvfb-run -a build/bench/bench_startup [--benchmark_format=json]
#include "Paired.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>
#include <xcb/xcb.h>

extern char** environ;

namespace {

struct XDisplay {
    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t pidAtom = 0;
};

XDisplay& Display()
{
    static XDisplay display = [] {
        XDisplay d;
        int screen = 0;
        d.connection = xcb_connect(nullptr, &screen);
        if (xcb_connection_has_error(d.connection)) {
            std::fprintf(stderr, "bench_startup: no X server (run it under xvfb-run -a)\n");
            std::exit(2);
        }
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(d.connection));
        for (; screen > 0; --screen)
            xcb_screen_next(&it);
        d.root = it.data->root;
        // Top-level windows being mapped are reported to the root's substructure listeners.
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(d.connection, d.root, XCB_CW_EVENT_MASK, &mask);
        auto* reply = xcb_intern_atom_reply(
            d.connection, xcb_intern_atom(d.connection, 0, 11, "_NET_WM_PID"), nullptr);
        d.pidAtom = reply->atom;
        std::free(reply);
        xcb_flush(d.connection);
        return d;
    }();
    return display;
}

std::string WindowProperty(const XDisplay& d, xcb_window_t window, xcb_atom_t property)
{
    auto* reply = xcb_get_property_reply(d.connection,
        xcb_get_property(d.connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 64), nullptr);
    std::string value;
    if (reply)
        value.assign(static_cast<const char*>(xcb_get_property_value(reply)),
            size_t(xcb_get_property_value_length(reply)));
    std::free(reply);
    return value;
}

bool IsWindowOf(const XDisplay& d, xcb_window_t window, pid_t pid, const std::string& title)
{
    const std::string pidValue = WindowProperty(d, window, d.pidAtom);
    return pidValue.size() == 4 && pid_t(*reinterpret_cast<const uint32_t*>(pidValue.data())) == pid
        && WindowProperty(d, window, XCB_ATOM_WM_NAME) == title;
}

// Waits for a normal (not override-redirect) top-level window of `pid` titled `title`
// to be mapped.
bool WaitForWindow(const XDisplay& d, pid_t pid, const std::string& title, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(d.connection)) {
            const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            const bool ours = mapped && !map->override_redirect && IsWindowOf(d, map->window, pid, title);
            std::free(event);
            if (ours) return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd fd { xcb_get_file_descriptor(d.connection), POLLIN, 0 };
        poll(&fd, 1, int(left.count()));
    }
}

// The peak resident memory of a running process, in kilobytes.
long PeakKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
    return 0;
}

std::string BuildDir()
{
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    std::string exe(path, n > 0 ? size_t(n) : 0);
    // build/bench/bench_startup -> build
    return exe.substr(0, exe.rfind('/', exe.rfind('/') - 1));
}

// One start of a program up to its login window. With `timed`, the benchmark's own
// timer stops once the window shows: ending the program is not part of its start.
struct TLaunch {
    bool shown = false;
    double cpuMs = 0;
    double wallMs = 0;
    long peakKb = 0;
};

TLaunch Launch(const std::string& program, benchmark::State* timed = nullptr)
{
    const XDisplay& d = Display();
    TLaunch launch;
    std::string path = program;
    char* argv[] = { path.data(), nullptr };
    pid_t pid = 0;
    const auto start = std::chrono::steady_clock::now();
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) return launch;
    launch.shown = WaitForWindow(d, pid, "Login", 30000);
    launch.wallMs
        = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    if (timed) timed->PauseTiming();
    launch.peakKb = PeakKb(pid);
    kill(pid, SIGKILL);
    rusage usage {};
    wait4(pid, nullptr, 0, &usage);
    // The program's own processor time up to its window (and the moment it takes to be
    // ended), steadier than the wall clock on a busy machine.
    launch.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    if (timed) timed->ResumeTiming();
    return launch;
}

void StartUp(benchmark::State& state, std::string program)
{
    long peak = 0;
    double cpuMs = 0;
    for (auto _ : state) {
        const TLaunch launch = Launch(program, &state);
        peak = std::max(peak, launch.peakKb);
        cpuMs += launch.cpuMs;
        if (!launch.shown) {
            state.SkipWithError(("no window from " + program).c_str());
            return;
        }
    }
    state.counters["peak_MB"] = double(peak) / 1024.0;
    state.counters["cpu_ms"] = benchmark::Counter(cpuMs, benchmark::Counter::kAvgIterations);
}

void PairedStartUp(benchmark::State& state, std::string ours, std::string baseline)
{
    // The processor time is the goal's figure; the wall clock comes beside it.
    TPairedTimes cpu, wall;
    for (auto _ : state) {
        TLaunch pair[2];
        const bool oursFirst = cpu.OursFirst();
        for (int side = 0; side < 2; ++side) {
            const int who = (side == 0) == oursFirst ? 0 : 1;
            pair[who] = Launch(who == 0 ? ours : baseline);
            if (!pair[who].shown) {
                state.SkipWithError(("no window from " + (who == 0 ? ours : baseline)).c_str());
                return;
            }
        }
        state.SetIterationTime((pair[0].wallMs + pair[1].wallMs) / 1e3);
        cpu.Add(pair[0].cpuMs * 1e3, pair[1].cpuMs * 1e3);
        wall.Add(pair[0].wallMs * 1e3, pair[1].wallMs * 1e3);
    }
    cpu.Report(state);
    wall.Report(state, "wall");
}

} // namespace

int main(int argc, char** argv)
{
    const std::string build = BuildDir();
    // The programs show their windows on the X server this program watches, whatever
    // platform the caller's environment names.
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    const std::string ours = build + "/quira";
    const std::string minimal = build + "/bench/bench_minimal_qt";
    const std::string sameWindow = build + "/bench/bench_login_qt";
    // Single runs: `qt` the minimal program (the goal's baseline), `qtsame` the same login
    // window in plain Qt.
    const std::pair<const char*, std::string> single[] = {
        { "Startup/ours/login_window", ours },
        { "Startup/qt/login_window", minimal },
        { "Startup/qtsame/login_window", sameWindow },
    };
    for (const auto& [name, program] : single)
        benchmark::RegisterBenchmark(name, StartUp, program)->Unit(benchmark::kMillisecond)->UseRealTime();
    // Enough pairs per repetition for a steady median.
    constexpr int kPairs = 15;
    std::vector<std::pair<std::string, std::string>> paired = {
        { "Startup/paired/login_window", minimal },
        { "Startup/paired/same_login_window", sameWindow },
    };
    if (const char* before = std::getenv("QUIRA_STARTUP_BEFORE"); before && *before)
        paired.emplace_back("Startup/paired/before_login_window", before);
    for (const auto& [name, baseline] : paired)
        benchmark::RegisterBenchmark(name.c_str(), PairedStartUp, ours, baseline)
            ->Unit(benchmark::kMillisecond)
            ->UseManualTime()
            ->Iterations(kPairs);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
