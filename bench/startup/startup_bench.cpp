// Start-up time and peak memory of the filer against a minimal widgets program.
// Runs both alternately (10 runs each by default), prints the medians and the ratios.
// Usage: startup_bench <startup_probe> <minimal_window> [runs]

#include "start_folder_fixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Run {
    double ms;
    long max_rss_kib;
};

Run run_once(const QByteArray& program, const QString& folder)
{
    QElapsedTimer timer;
    timer.start();
    const pid_t pid = fork();
    if (pid == 0) {
        if (chdir(QFile::encodeName(folder).constData()) != 0)
            _exit(126);
        execl(program.constData(), program.constData(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double ms = timer.nsecsElapsed() / 1e6;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::fprintf(stderr, "%s exited abnormally (%d)\n", program.constData(), status);
    return {ms, usage.ru_maxrss};
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <startup_probe> <minimal_window> [runs]\n", argv[0]);
        return 2;
    }
    const QByteArray probe = QFile::encodeName(QDir(QString::fromLocal8Bit(argv[1])).absolutePath());
    const QByteArray minimal = QFile::encodeName(QDir(QString::fromLocal8Bit(argv[2])).absolutePath());
    const int runs = argc > 3 ? std::max(1, atoi(argv[3])) : 10;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QTemporaryDir folder;
    if (!write_start_folder(folder.path()))
        return 1;

    // One warm-up each, so both find the libraries and fonts in the page cache.
    run_once(probe, folder.path());
    run_once(minimal, folder.path());
    std::vector<double> probe_ms, minimal_ms;
    std::vector<long> probe_kib, minimal_kib;
    for (int i = 0; i < runs; ++i) {
        const Run a = run_once(probe, folder.path());
        const Run b = run_once(minimal, folder.path());
        probe_ms.push_back(a.ms);
        probe_kib.push_back(a.max_rss_kib);
        minimal_ms.push_back(b.ms);
        minimal_kib.push_back(b.max_rss_kib);
    }
    const double pm = median(probe_ms), mm = median(minimal_ms);
    const long pk = median(probe_kib), mk = median(minimal_kib);
    std::printf("runs each:            %d (alternating)\n", runs);
    std::printf("filer   start median: %.1f ms, peak RSS %ld KiB\n", pm, pk);
    std::printf("minimal start median: %.1f ms, peak RSS %ld KiB\n", mm, mk);
    std::printf("time ratio:   %.2f (target <= 1.5)\n", pm / mm);
    std::printf("memory ratio: %.2f (target <= 1.3)\n", double(pk) / double(mk));
    return 0;
}
