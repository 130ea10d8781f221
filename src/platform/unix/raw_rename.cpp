#include "desktop_services.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Where the file system cannot rename without replacing: a link under the new name (which
// fails when the name is taken) and the old name removed; without links, a look first.
bool rename_without_replacing(int dir_fd, const char* from, const char* to)
{
    if (linkat(dir_fd, from, dir_fd, to, 0) == 0) {
        if (unlinkat(dir_fd, from, 0) == 0)
            return true;
        unlinkat(dir_fd, to, 0); // the old name stays: take the new one back
        return false;
    }
    if (errno != EPERM && errno != EOPNOTSUPP)
        return false;
    struct stat info {};
    if (fstatat(dir_fd, to, &info, AT_SYMLINK_NOFOLLOW) == 0 || errno != ENOENT)
        return false;
    return renameat(dir_fd, from, dir_fd, to) == 0;
}

} // namespace

bool DesktopServices::rename_raw_name(const QString& folder, const QByteArray& raw_name,
                                      const QString& new_name)
{
    const QByteArray to = QFile::encodeName(new_name);
    if (raw_name.isEmpty() || to.isEmpty() || raw_name.contains('/') || to.contains('/'))
        return false;
    const int dir_fd = open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir_fd < 0)
        return false;
#ifdef RENAME_NOREPLACE // Linux: a rename that never replaces
    bool renamed = renameat2(dir_fd, raw_name.constData(), dir_fd, to.constData(), RENAME_NOREPLACE) == 0;
#else
    bool renamed = false;
    errno = ENOSYS;
#endif
    if (!renamed && (errno == EINVAL || errno == ENOSYS))
        renamed = rename_without_replacing(dir_fd, raw_name.constData(), to.constData());
    close(dir_fd);
    return renamed;
}
