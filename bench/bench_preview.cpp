// Preview of a 1 GiB tune file of short lines, against `head -n 200` of the same file.
// Usage: bench_preview [folder]  (default: a temporary folder; the file is made there once
// as "big.rav" and kept for later runs)

#include "bench_support.h"
#include "file_list.h"
#include "folder_list.h"
#include "main_window.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

constexpr qint64 kFileBytes = qint64(1) << 30;

// Lines of a tune, 20 to 60 bytes each, CR LF ended, up to exactly 1 GiB.
bool make_big_tune(const QString& path)
{
    if (QFileInfo(path).size() == kFileBytes)
        return true;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block;
    for (int i = 0; block.size() < (1 << 20); ++i)
        block += "t120 o4 l8 cdefgab>c<" + QByteArray(i % 40, 'c') + "\r\n";
    block.truncate(1 << 20);
    for (qint64 written = 0; written < kFileBytes; written += block.size())
        if (file.write(block) != block.size())
            return false;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QTemporaryDir temp;
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : temp.path();
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(QStringLiteral("big.rav"));
    if (!make_big_tune(path)) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(path));
        return 1;
    }

    SilentDialogs dialogs;
    NoServices system;
    MainWindow window(folder, dialogs, system, [] {});
    window.show();
    FileList* files = window.controls().File1;
    window.controls().Dir1->set_path(folder);
    const int row = static_cast<int>(files->names().indexOf(QStringLiteral("big.rav")));
    if (row < 0) {
        std::fprintf(stderr, "big.rav is not listed\n");
        return 1;
    }

    const std::string file = path.toStdString();
    constexpr int kRounds = 31;
    std::vector<double> preview_ms;
    std::vector<double> head_ms;
    for (int round = 0; round < kRounds + 1; ++round) {
        files->selectionModel()->clear();
        const double preview = time_ms([&] { files->select_index(row); });
        const double head = time_ms([&] { run_quietly({"head", "-n", "200", file}); });
        if (round == 0)
            continue; // warms the page cache and the fonts
        preview_ms.push_back(preview);
        head_ms.push_back(head);
    }
    // The same with the field drawn once, which lays its lines out.
    std::vector<double> drawn_ms;
    for (int round = 0; round < kRounds; ++round) {
        files->selectionModel()->clear();
        drawn_ms.push_back(time_ms([&] {
            files->select_index(row);
            window.controls().Text1->grab();
        }));
    }
    const int blocks = window.controls().Text1->document()->blockCount();
    const double p = median(preview_ms);
    const double h = median(head_ms);
    std::printf("file: %s (%lld bytes)\n", qPrintable(path), QFileInfo(path).size());
    std::printf("preview lines shown: %d, messages: %lld\n", blocks,
                static_cast<long long>(dialogs.messages.size()));
    std::printf("preview (select -> target and field set), median of %d: %.3f ms\n", kRounds, p);
    std::printf("head -n 200 (process run to its end), median of %d: %.3f ms\n", kRounds, h);
    std::printf("ratio preview / head: %.2f (target <= 2)\n", p / h);
    std::printf("preview with the field drawn once, median of %d: %.3f ms\n", kRounds, median(drawn_ms));

    // The preview's bounds: the slowest files it can meet, each selected and drawn.
    const QList<std::pair<const char*, std::function<void(QFile&)>>> worst = {
        {"1 GiB in one line (sparse, NULs)", [](QFile& f) { f.resize(kFileBytes); }},
        {"200 lines of 64 KiB - 2 (12.8 MB)",
         [](QFile& f) { f.write((QByteArray(64 * 1024 - 2, 'c') + "\r\n").repeated(200)); }},
        {"2 lines of 64 KiB - 2, ASCII (the most the field takes)",
         [](QFile& f) { f.write((QByteArray(64 * 1024 - 2, 'c') + "\r\n").repeated(2)); }},
        {"2 lines of 32,767 CP932 kana (64 KiB - 2 bytes each)",
         [](QFile& f) { f.write((QByteArray("\x82\xa0").repeated(32 * 1024 - 1) + "\r\n").repeated(2)); }},
        {"1 MiB of binary bytes with NULs and CRs",
         [](QFile& f) {
             QByteArray bytes(1 << 20, 0);
             for (int i = 0; i < bytes.size(); ++i)
                 bytes[i] = static_cast<char>((i * 131) % 251);
             f.write(bytes);
         }},
    };
    int index = 0;
    for (const auto& [what, fill] : worst) {
        const QString name = QStringLiteral("worst%1.rav").arg(index++);
        QFile file(QDir(folder).filePath(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 1;
        fill(file);
        file.close();
        files->refresh();
        const int worst_row = static_cast<int>(files->names().indexOf(name));
        std::vector<double> worst_ms;
        for (int round = 0; round < 5; ++round) {
            files->selectionModel()->clear();
            dialogs.messages.clear();
            worst_ms.push_back(time_ms([&] {
                files->select_index(worst_row);
                window.controls().Text1->grab();
            }));
        }
        std::printf("bound: %s -> %s, median of 5: %.1f ms\n", what,
                    dialogs.messages.isEmpty() ? "shown" : qPrintable(dialogs.messages.first()),
                    median(worst_ms));
        file.remove();
    }
    return 0;
}
