// Unix: each program is started as the filer's own child (posix_spawn, in a session of its
// own so it outlives the filer and its terminal) and watched from that moment. Being our
// child, it stays a zombie until we reap it, so its id cannot be reused while it is watched.
// A child nobody waits for is reaped by the event loop once it ends.

#include "child_watch.h"
#include "desktop_services.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QScopeGuard>
#include <QSocketNotifier>

#include <csignal>
#include <new>
#include <poll.h>
#include <spawn.h>
#include <unistd.h>
#include <vector>

extern char** environ; // NOLINT: declared by no header on some systems

namespace {

bool has_ended(const ChildWatch& watch)
{
    if (watch.descriptor() < 0)
        return true; // cannot be observed
    pollfd probe{watch.descriptor(), POLLIN, 0};
    return poll(&probe, 1, 0) > 0;
}

// Reaps a dropped child once it ends; the notifier is owned by the application, so a child
// still running at the filer's exit is simply left to the system.
void reap_when_ended(const std::shared_ptr<ChildWatch>& watch)
{
    auto* notifier = new (std::nothrow)
        QSocketNotifier(watch->descriptor(), QSocketNotifier::Read, QCoreApplication::instance());
    if (!notifier)
        return;
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [notifier, watch] {
        notifier->setEnabled(false);
        watch->reap();
        notifier->deleteLater();
    });
}

class UnixChild final : public StartedTask {
public:
    UnixChild(pid_t pid, std::unique_ptr<ChildWatch> watch) : StartedTask(pid), m_watch(std::move(watch)) {}
    ~UnixChild() override
    {
        if (m_ended)
            return;
        if (has_ended(*m_watch))
            m_watch->reap();
        else if (QCoreApplication::instance())
            reap_when_ended(std::move(m_watch));
    }

    void wait()
    {
        if (m_ended)
            return;
        if (!has_ended(*m_watch)) {
            QEventLoop loop;
            QSocketNotifier notifier(m_watch->descriptor(), QSocketNotifier::Read);
            QObject::connect(&notifier, &QSocketNotifier::activated, &loop, [&notifier, &loop] {
                // The descriptor stays readable: without this, a wait nested inside this one
                // would see the notifier fire over and over.
                notifier.setEnabled(false);
                loop.quit();
            });
            loop.exec();
            if (!has_ended(*m_watch))
                return; // the application is ending; the child runs on
        }
        m_watch->reap();
        m_ended = true;
    }

private:
    std::unique_ptr<ChildWatch> m_watch;
    bool m_ended = false;
};

// A relative path with a folder in it names a program below the filer's current folder,
// also when the program is started in another folder.
QString program_to_start(const QString& program)
{
    if (program.contains(QLatin1Char('/')) && QDir::isRelativePath(program))
        return QDir::current().absoluteFilePath(program);
    return program;
}

} // namespace

std::unique_ptr<StartedTask> DesktopServices::start_task(const CommandLine& command, WindowStyle style)
{
    Q_UNUSED(style); // no window system setting to pass on
    if (command.program.isEmpty())
        return nullptr;
    const QByteArray program = QFile::encodeName(program_to_start(command.program));
    std::vector<QByteArray> arguments{program};
    for (const QString& argument : command.arguments)
        arguments.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (QByteArray& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions{};
    posix_spawnattr_t attributes{};
    posix_spawn_file_actions_init(&actions);
    posix_spawnattr_init(&attributes);
    const auto release = qScopeGuard([&] {
        posix_spawn_file_actions_destroy(&actions);
        posix_spawnattr_destroy(&attributes);
    });
    const QByteArray folder = QFile::encodeName(command.working_folder);
    if (!folder.isEmpty() && posix_spawn_file_actions_addchdir_np(&actions, folder.constData()) != 0)
        return nullptr;
    // Every signal at its default and none blocked, whatever the filer does with them; a
    // session of its own, so the terminal's interrupt or hang-up does not reach the program.
    sigset_t none;
    sigemptyset(&none);
    sigset_t all;
    sigfillset(&all);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setsigdefault(&attributes, &all);
    short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
#ifdef POSIX_SPAWN_SETSID
    flags |= POSIX_SPAWN_SETSID;
#else
    flags |= POSIX_SPAWN_SETPGROUP; // at least out of the terminal's foreground group
#endif
    posix_spawnattr_setflags(&attributes, flags);

    // A missing program, one that is not executable or a folder that cannot be entered is
    // reported here, by the child's failed exec.
    pid_t pid = 0;
    const int error =
        program.contains('/')
            ? posix_spawn(&pid, program.constData(), &actions, &attributes, argv.data(), environ)
            : posix_spawnp(&pid, program.constData(), &actions, &attributes, argv.data(), environ);
    if (error != 0)
        return nullptr;
    return std::make_unique<UnixChild>(pid, watch_child(pid));
}

void DesktopServices::wait_task(StartedTask& task)
{
    if (auto* child = dynamic_cast<UnixChild*>(&task))
        child->wait();
}
