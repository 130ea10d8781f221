// Start-up on a real X server: the time from starting a program until its window is mapped
// (the server's MapNotify), and its peak memory by then, for the filer against its own
// controls without behaviour (controls_window). Both are run alternately; medians and ratios
// are printed. Needs DISPLAY (for example under Xvfb, see run-startup-xcb).
// Usage: startup_xcb_bench <ravufiler> <controls_window> [runs, default 15]

#include "../startup/start_folder_fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <xcb/xcb.h>

#include <csignal>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

struct Run {
    double ms;
    double cpu_ms; // processor time, which a loaded machine disturbs less than the clock
    long max_rss_kib;
};

double milliseconds(const timeval& time) { return double(time.tv_sec) * 1e3 + double(time.tv_usec) / 1e3; }

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Starts program in folder and waits for the first ordinary top-level window the server maps;
// then ends the program.
std::optional<Run> run_once(xcb_connection_t* x, const QByteArray& program, const QString& folder)
{
    QElapsedTimer timer;
    timer.start();
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(QFile::encodeName(folder).constData()) != 0)
            _exit(126);
        // Quiet: a warning on every start would fill the report.
        if (FILE* null = std::freopen("/dev/null", "w", stderr); !null)
            _exit(126);
        execl(program.constData(), program.constData(), static_cast<char*>(nullptr));
        _exit(127);
    }
    std::optional<double> mapped;
    pollfd wait{xcb_get_file_descriptor(x), POLLIN, 0};
    while (!mapped && poll(&wait, 1, 20000) > 0) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY
                && !reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect && !mapped)
                mapped = timer.nsecsElapsed() / 1e6;
            std::free(event);
        }
    }
    kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    if (!mapped) {
        std::fprintf(stderr, "%s: no window mapped\n", program.constData());
        return std::nullopt;
    }
    return Run{*mapped, milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime), usage.ru_maxrss};
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <ravufiler> <controls_window> [runs]\n", argv[0]);
        return 2;
    }
    const QByteArray filer = QFile::encodeName(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    const QByteArray controls = QFile::encodeName(QDir(QString::fromLocal8Bit(argv[2])).absolutePath());
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 15;
    qputenv("QT_QPA_PLATFORM", "xcb");
    QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X server (DISPLAY)\n");
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    QTemporaryDir folder;
    if (!write_start_folder(folder.path()))
        return 1;

    // One warm-up each, so both find libraries, fonts and themes in the page cache.
    if (!run_once(x, filer, folder.path()) || !run_once(x, controls, folder.path()))
        return 1;
    std::vector<double> filer_ms, controls_ms, filer_cpu, controls_cpu;
    std::vector<long> filer_kib, controls_kib;
    for (int i = 0; i < runs; ++i) {
        const std::optional<Run> a = run_once(x, filer, folder.path());
        const std::optional<Run> b = run_once(x, controls, folder.path());
        if (!a || !b)
            return 1;
        filer_ms.push_back(a->ms);
        filer_cpu.push_back(a->cpu_ms);
        controls_cpu.push_back(b->cpu_ms);
        filer_kib.push_back(a->max_rss_kib);
        controls_ms.push_back(b->ms);
        controls_kib.push_back(b->max_rss_kib);
    }
    const double fm = median(filer_ms), cm = median(controls_ms);
    const double fc = median(filer_cpu), cc = median(controls_cpu);
    const long fk = median(filer_kib), ck = median(controls_kib);
    std::printf("runs each:              %d (alternating), until the window is mapped\n", runs);
    std::printf("filer    start median:  %.1f ms (processor %.1f ms), peak RSS %ld KiB\n", fm, fc, fk);
    std::printf("controls start median:  %.1f ms (processor %.1f ms), peak RSS %ld KiB\n", cm, cc, ck);
    std::printf("time ratio:   %.2f (target <= 1.10), processor time ratio: %.2f\n", fm / cm, fc / cc);
    std::printf("memory ratio: %.2f (target <= 1.05)\n", double(fk) / double(ck));
    xcb_disconnect(x);
    return 0;
}
