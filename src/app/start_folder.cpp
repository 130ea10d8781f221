#include "start_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

StartFolders terminal_start_folders()
{
    const QString current = QDir::toNativeSeparators(QDir::currentPath());
    return {current, current, QString()};
}

StartFolders desktop_start_folders()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString folder = QDir(base).filePath(QStringLiteral("ravufiler"));
    if (base.isEmpty() || !QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
        StartFolders fallback = terminal_start_folders();
        fallback.error = QDir::toNativeSeparators(folder) + QStringLiteral("を作成できませんでした。\r")
                         + QStringLiteral("実行時ディレクトリ ") + fallback.start_dir
                         + QStringLiteral(" に設定を保存します。");
        return fallback;
    }
    return {QDir::toNativeSeparators(folder), QDir::toNativeSeparators(QDir::homePath()), QString()};
}
