#pragma once
// Runs a check in a child process without root's privileges, for permission faults that
// root would never meet (tests run as root in CI).

#include <QFile>
#include <QString>
#include <QtGlobal>

#include <optional>

#ifdef Q_OS_UNIX
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

// The exit code of check() run in a child as user and group 65534 (as the user itself when
// not root), or nothing when the child could not be made.
template <typename Check>
std::optional<int> exit_code_unprivileged(Check check)
{
#ifndef Q_OS_UNIX
    // No user switch of this kind here: the caller skips its check.
    Q_UNUSED(check);
    return std::nullopt;
#else
    const pid_t pid = fork();
    if (pid < 0)
        return std::nullopt;
    if (pid == 0) {
        if (geteuid() == 0
            && (setgroups(0, nullptr) != 0 || setresgid(65534, 65534, 65534) != 0
                || setresuid(65534, 65534, 65534) != 0))
            _exit(125);
        _exit(check());
    }
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) == 125)
        return std::nullopt;
    return WEXITSTATUS(status);
#endif
}

// Gives the file at path (not a link's target) to user and group 65534; false where that
// cannot be done (not root, or no such users here).
inline bool give_to_another_user(const QString& path)
{
#ifndef Q_OS_UNIX
    Q_UNUSED(path);
    return false;
#else
    return geteuid() == 0 && lchown(QFile::encodeName(path).constData(), 65534, 65534) == 0;
#endif
}
