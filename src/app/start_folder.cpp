#include "start_folder.h"

#include <QDir>
#include <QFileInfo>

namespace {

// The user's configuration or state folder from its variable; unset, empty or relative
// (which the base folder rules tell to ignore): the default below the home folder.
QString base_folder(const char* variable, const QString& default_below_home)
{
    const QString value = qEnvironmentVariable(variable);
    if (!value.isEmpty() && QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir(QDir::homePath()).filePath(default_below_home);
}

} // namespace

QString recent_folders_file()
{
    return QDir(base_folder("XDG_STATE_HOME", QStringLiteral(".local/state")))
        .filePath(QStringLiteral("ravufiler/recent-folders"));
}

StartFolders terminal_start_folders()
{
    const QString current = QDir::toNativeSeparators(QDir::currentPath());
    return {current, current, QString()};
}

StartFolders desktop_start_folders()
{
    const QString folder =
        QDir(base_folder("XDG_CONFIG_HOME", QStringLiteral(".config"))).filePath(QStringLiteral("ravufiler"));
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
        StartFolders fallback = terminal_start_folders();
        fallback.error =
            QStringLiteral("%1を作成できませんでした。\r実行時ディレクトリ %2 に設定を保存します。")
                .arg(QDir::toNativeSeparators(folder), fallback.start_dir);
        return fallback;
    }
    return {QDir::toNativeSeparators(folder), QDir::toNativeSeparators(QDir::homePath()), QString()};
}
