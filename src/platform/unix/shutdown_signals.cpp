// The three signals through a pipe that the event loop reads.

#include "shutdown_requests.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};
// The pipe the handler writes to, and whether a signal waits to be taken.
int g_pipe[2] = {-1, -1};
volatile std::sig_atomic_t g_pending = 0;

extern "C" void on_signal(int number)
{
    if (g_pending) {
        // The event loop has not come for the first one: end as the signal would have.
        std::signal(number, SIG_DFL);
        std::raise(number);
        return;
    }
    g_pending = 1;
    const int saved = errno;
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = write(g_pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

void ShutdownRequests::take_signals()
{
    if (g_pipe[0] < 0) {
        if (pipe(g_pipe) != 0) {
            g_pipe[0] = g_pipe[1] = -1;
            return;
        }
        for (const int fd : g_pipe) {
            fcntl(fd, F_SETFD, FD_CLOEXEC);
            fcntl(fd, F_SETFL, O_NONBLOCK);
        }
    }
    m_notifier = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { take_signal(); });
    struct sigaction action {};
    action.sa_handler = on_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kSignals)
        sigaction(number, &action, nullptr);
}

ShutdownRequests::~ShutdownRequests()
{
    if (!m_notifier)
        return;
    for (const int number : kSignals)
        std::signal(number, SIG_DFL);
    g_pending = 0;
}

void ShutdownRequests::take_signal()
{
    char bytes[16];
    while (read(g_pipe[0], bytes, sizeof bytes) > 0) {
    }
    g_pending = 0;
    emit end_requested();
}
