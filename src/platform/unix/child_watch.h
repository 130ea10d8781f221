#pragma once
// The end of one child process of the filer, watched from its start on (Unix).

#include <memory>
#include <sys/types.h>

// A watch through a descriptor of the system's own (a pidfd, a kqueue), closed with the watch.
class ChildWatch {
public:
    ChildWatch(pid_t pid, int descriptor) : m_pid(pid), m_descriptor(descriptor) {}
    virtual ~ChildWatch();
    ChildWatch(const ChildWatch&) = delete;
    ChildWatch& operator=(const ChildWatch&) = delete;

    // Becomes readable once the child has ended; -1 when the child cannot be observed.
    virtual int descriptor() const { return m_descriptor; }
    // Once the descriptor is readable: collects the child's exit, so no zombie remains.
    virtual void reap();

private:
    pid_t m_pid;
    int m_descriptor;
};

// The best watch this system has, for a child of ours that has not been reaped (so its id
// cannot have been reused). Never null.
std::unique_ptr<ChildWatch> watch_child(pid_t pid);

// The watch every Unix has: a thread that waits for the child, reaps it and then makes the
// descriptor readable. Never null.
std::unique_ptr<ChildWatch> watch_child_in_thread(pid_t pid);
