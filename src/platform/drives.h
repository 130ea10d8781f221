#pragma once
// The drives a user can pick: drive letters on Windows, mounted real file systems elsewhere.

#include <QStringList>

class QStorageInfo;

// Roots of the usable drives, in display order ("/" first elsewhere than Windows).
QStringList drive_roots();

// True when the volume is the one mounted at root (not the volume around a bare mount point).
bool is_mounted_at(const QStorageInfo& volume, const QString& root);

// True when the drive is mounted and its root can be listed. A mount point whose volume
// has gone (the bare folder left behind on the parent volume) is not available.
bool drive_available(const QString& root);
