// The watches' shared part, and the waiting thread that every Unix has.

#include "child_watch.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace {

// The pipe between the thread and the watch. Closed by whichever of the two lets go last, so
// the thread never writes into a pipe without a reader.
struct EndPipe {
    int fds[2] = {-1, -1};
    EndPipe()
    {
        if (pipe(fds) != 0)
            fds[0] = fds[1] = -1;
        for (int fd : fds)
            if (fd >= 0)
                fcntl(fd, F_SETFD, FD_CLOEXEC); // not inherited by the next program started
    }
    ~EndPipe()
    {
        for (int fd : fds)
            if (fd >= 0)
                close(fd);
    }
    EndPipe(const EndPipe&) = delete;
    EndPipe& operator=(const EndPipe&) = delete;
};

class ThreadChildWatch final : public ChildWatch {
public:
    ThreadChildWatch(pid_t pid, std::shared_ptr<EndPipe> pipe, std::thread thread)
        : ChildWatch(pid, -1), m_pipe(std::move(pipe)), m_thread(std::move(thread))
    {
    }
    ~ThreadChildWatch() override
    {
        if (m_thread.joinable())
            m_thread.detach(); // it reaps the child whenever that ends
    }

    int descriptor() const override { return m_thread.joinable() ? m_pipe->fds[0] : -1; }
    void reap() override
    {
        if (m_thread.joinable())
            m_thread.join(); // the thread has reaped the child and is about to end
    }

private:
    std::shared_ptr<EndPipe> m_pipe;
    std::thread m_thread;
};

void wait_and_reap(pid_t pid)
{
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

} // namespace

ChildWatch::~ChildWatch()
{
    if (m_descriptor >= 0)
        close(m_descriptor);
}

void ChildWatch::reap() { wait_and_reap(m_pid); }

std::unique_ptr<ChildWatch> watch_child_in_thread(pid_t pid)
{
    auto pipe = std::make_shared<EndPipe>();
    std::thread thread;
    try {
        if (pipe->fds[0] >= 0) {
            thread = std::thread([pid, pipe] {
                wait_and_reap(pid);
                const char ended = 1;
                while (write(pipe->fds[1], &ended, 1) < 0 && errno == EINTR) {
                }
            });
        } else {
            // Out of descriptors: not observable, but still reaped once it ends.
            std::thread([pid] { wait_and_reap(pid); }).detach();
        }
    } catch (const std::system_error&) {
        // No thread to be had: the child cannot be observed and stays a zombie until the filer exits.
    }
    return std::make_unique<ThreadChildWatch>(pid, std::move(pipe), std::move(thread));
}
