#include "desktop_services.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>

#include <algorithm>

namespace {

// Mount points include the kernel's own pseudo file systems.
bool is_real_file_system(const QStorageInfo& volume)
{
    static const QSet<QByteArray> pseudo = {"proc",   "sysfs",     "tmpfs",    "devtmpfs",    "devpts",
                                            "cgroup", "cgroup2",   "overlay",  "squashfs",    "securityfs",
                                            "pstore", "debugfs",   "tracefs",  "configfs",    "fusectl",
                                            "mqueue", "hugetlbfs", "autofs",   "binfmt_misc", "bpf",
                                            "ramfs",  "nsfs",      "efivarfs", "rpc_pipefs",  "selinuxfs"};
    const QByteArray type = volume.fileSystemType();
    return !pseudo.contains(type) && !type.startsWith("fuse.");
}

} // namespace

QStringList DesktopServices::drives()
{
    QStringList roots{QStringLiteral("/")};
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !is_real_file_system(volume))
            continue;
        const QString root = volume.rootPath();
        if (!roots.contains(root))
            roots << root;
    }
    std::sort(roots.begin() + 1, roots.end());
    return roots;
}

bool DesktopServices::drive_available(const QString& root)
{
    const QFileInfo info(root);
    if (!info.exists() || !info.isDir() || !info.isReadable())
        return false;
    const QStorageInfo volume(root);
    // A mount point whose volume has gone is a bare folder of the volume around it.
    return volume.isValid() && volume.isReady()
           && QDir::cleanPath(volume.rootPath()) == QDir::cleanPath(root);
}
