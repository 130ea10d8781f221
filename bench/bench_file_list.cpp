// A folder of 100,000 ".rav" files: from setting the folder to the file list being filled,
// against a bare QDirIterator walk of the folder with the same patterns, unsorted; and the
// memory the filled list adds. Then one file added to that folder: re-listed as the window
// follows the disk, against the whole re-read of both lists that "更新" makes.
// Usage: bench_file_list [folder]  (default: a temporary folder; the files are made once)

#include "bench_support.h"
#include "file_list.h"
#include "folder_list.h"
#include "live_view.h"
#include "main_window.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kFiles = 100000;

bool make_files(const QString& folder)
{
    QDir().mkpath(folder);
    const QByteArray base = QFile::encodeName(folder) + '/';
    for (int i = 0; i < kFiles; ++i) {
        const QByteArray name =
            base + "tune_" + QByteArray::number((i * 7919) % kFiles).rightJustified(6, '0') + ".rav";
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT, 0644);
        if (fd < 0)
            return false;
        ::close(fd);
    }
    return true;
}

// Reads the folder once without Qt, so both sides find the entries cached.
void warm(const QString& folder)
{
    if (DIR* dir = opendir(QFile::encodeName(folder).constData())) {
        while (readdir(dir)) {
        }
        closedir(dir);
    }
}

qsizetype bare_walk(const QString& folder)
{
    QStringList names;
    QDirIterator it(folder, {QStringLiteral("*.txt"), QStringLiteral("*.rav")}, QDir::Files);
    while (it.hasNext()) {
        it.next();
        names << it.fileName();
    }
    return names.size();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir temp;
    const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temp.path();
    const QString folder = QDir(root).filePath(QStringLiteral("many"));
    // A marker beside the folder says the files were all made by an earlier run.
    const QString made = folder + QStringLiteral(".made");
    if (!QFile::exists(made) && (!make_files(folder) || !QFile(made).open(QIODevice::WriteOnly))) {
        std::fprintf(stderr, "cannot make the files in %s\n", qPrintable(folder));
        return 1;
    }
    warm(folder);

    SilentDialogs dialogs;
    NoServices system;
    MainWindow window(root, dialogs, system, [] {});
    window.show();
    app.processEvents();
    FileList* files = window.controls().File1;
    FolderList* folders = window.controls().Dir1;

    // Memory first, so that nothing else has raised the peak yet.
    const qint64 rss_before = status_kib("VmRSS");
    const qint64 peak_before = status_kib("VmHWM");
    folders->set_path(folder);
    const qint64 listed = files->names().size();
    const qint64 rss_after = status_kib("VmRSS");
    const qint64 peak_after = status_kib("VmHWM");

    constexpr int kRounds = 21;
    std::vector<double> folder_ms, list_ms, walk_ms;
    qsizetype walked = 0;
    for (int round = 0; round < kRounds; ++round) {
        folders->set_path(root);
        folder_ms.push_back(time_ms([&] { folders->set_path(folder); }));
        list_ms.push_back(time_ms([&] { files->set_path(folder); }));
        walk_ms.push_back(time_ms([&] { walked = bare_walk(folder); }));
    }
    const double f = median(folder_ms);
    const double l = median(list_ms);
    const double w = median(walk_ms);
    std::printf("folder: %s, listed %lld, walked %lld\n", qPrintable(folder), static_cast<long long>(listed),
                static_cast<long long>(walked));
    std::printf("set folder list -> file list filled, median of %d: %.1f ms\n", kRounds, f);
    std::printf("  of which file list alone (read, sort, show): %.1f ms\n", l);
    std::printf("bare QDirIterator walk, same patterns, unsorted: %.1f ms\n", w);
    std::printf("ratio folder/walk: %.2f, file list/walk: %.2f (target <= 2)\n", f / w, l / w);
    std::printf("memory: resident %lld -> %lld KiB (+%lld), peak %lld -> %lld KiB (+%lld) "
                "while filling the list\n",
                rss_before, rss_after, rss_after - rss_before, peak_before, peak_after,
                peak_after - peak_before);

    // One file more each round, re-listed; then taken away again, untimed.
    folders->set_path(folder);
    auto* live = window.findChild<LiveView*>();
    std::vector<double> relist_ms, reread_ms, file_list_ms;
    qsizetype relisted = 0;
    for (int round = 0; round < kRounds; ++round) {
        const QByteArray added = QFile::encodeName(folder) + "/added_" + QByteArray::number(round) + ".rav";
        ::close(::open(added.constData(), O_WRONLY | O_CREAT, 0644));
        while (!live->relist_pending()) // the system's word of it, not the settling
            app.processEvents(QEventLoop::WaitForMoreEvents);
        relist_ms.push_back(time_ms([&] { live->relist(); }));
        relisted = files->names().size();
        ::unlink(added.constData());
        while (!live->relist_pending())
            app.processEvents(QEventLoop::WaitForMoreEvents);
        live->relist();
        reread_ms.push_back(time_ms([&] {
            folders->refresh();
            files->refresh();
        }));
        file_list_ms.push_back(time_ms([&] { files->refresh(); }));
    }
    const double r = median(relist_ms);
    const double full = median(reread_ms);
    std::printf(
        "one file added, re-listed as the window follows the disk (listed %lld), median of %d: %.2f ms\n",
        static_cast<long long>(relisted), kRounds, r);
    std::printf("whole re-read of both lists (更新): %.1f ms, of the file list alone: %.1f ms; "
                "re-list/whole: %.2f\n",
                full, median(file_list_ms), r / full);
    return 0;
}
