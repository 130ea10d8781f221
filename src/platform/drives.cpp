#include "drives.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>

#ifndef Q_OS_WIN
namespace {

// Drive letters need no filter; mount points include the kernel's own pseudo file systems.
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
#endif

QStringList drive_roots()
{
    QStringList roots;
#ifdef Q_OS_WIN
    for (const QFileInfo& drive : QDir::drives())
        roots << QDir::toNativeSeparators(drive.absoluteFilePath());
#else
    roots << QStringLiteral("/");
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !is_real_file_system(volume))
            continue;
        const QString root = volume.rootPath();
        if (!roots.contains(root))
            roots << root;
    }
    std::sort(roots.begin() + 1, roots.end());
#endif
    return roots;
}

QString drive_root_of(const QString& path, const QStringList& roots)
{
    QString best;
    const QString sep = QString(QDir::separator());
    for (const QString& root : roots) {
        const QString prefix = root.endsWith(sep) ? root : root + sep;
#ifdef Q_OS_WIN
        const Qt::CaseSensitivity cs = Qt::CaseInsensitive;
#else
        const Qt::CaseSensitivity cs = Qt::CaseSensitive;
#endif
        const bool inside = path.compare(root, cs) == 0 || path.startsWith(prefix, cs);
        if (inside && root.size() > best.size())
            best = root;
    }
    return best;
}

bool drive_available(const QString& root)
{
    const QFileInfo info(root);
    if (!info.exists() || !info.isDir() || !info.isReadable())
        return false;
    QStorageInfo volume(root);
    if (!volume.isValid() || !volume.isReady())
        return false;
#ifdef Q_OS_WIN
    return true;
#else
    return QDir::cleanPath(volume.rootPath()) == QDir::cleanPath(root);
#endif
}
