#pragma once
// What both browsing benchmarks share: a main window with silent dialogs and the system
// services that only read (drives and folders), timing, the process's memory figures and a
// child process run to its end.

#include "desktop_services.h"
#include "dialogs.h"

#include <QElapsedTimer>
#include <QFile>
#include <QStringList>

#include <algorithm>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

// Every box answered at once (OK, or No to a question); every file dialog cancelled.
class SilentDialogs final : public Dialogs {
public:
    MessageAnswer message(QWidget*, const QString& text, MessageButtons, MessageIcon, const QString&,
                          MessageAnswer) override
    {
        messages << text;
        return MessageAnswer::No;
    }
    std::optional<QString> save_file(QWidget*, const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> open_file(QWidget*, const FileDialogRequest&) override { return std::nullopt; }
    QStringList messages;
};

class NoServices final : public DesktopServices {
public:
    std::unique_ptr<StartedTask> start_task(const CommandLine&, WindowStyle) override { return nullptr; }
    void wait_task(StartedTask&) override {}
    bool move_to_trash(const QString&, QString*) override { return false; }
    bool open_folder(const QString&) override { return false; }
    QString default_editor() const override { return {}; }
};

inline double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds the function takes.
template <typename F>
double time_ms(F&& run)
{
    QElapsedTimer timer;
    timer.start();
    run();
    return timer.nsecsElapsed() / 1e6;
}

// A figure of /proc/self/status in KiB ("VmRSS", "VmHWM"), 0 where there is none.
inline qint64 status_kib(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key) && line.size() > qsizetype(qstrlen(key)) && line[qstrlen(key)] == ':')
            return line.mid(qstrlen(key) + 1).trimmed().split(' ').first().toLongLong();
    }
    return 0;
}

// Runs a program with its output thrown away and waits for it; false when it failed.
inline bool run_quietly(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
