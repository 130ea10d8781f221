#include "recent_folders.h"

#include "regular_file.h"

#include <QDir>
#include <QFileInfo>

// Ten paths at the system's limit each, with room to spare.
constexpr qint64 kMaxFileBytes = 64 * 1024;

QStringList with_recent_folder(QStringList folders, const QString& folder)
{
    if (folder.isEmpty())
        return folders;
    folders.removeAll(folder);
    folders.prepend(folder);
    return folders.mid(0, kRecentFolderCount);
}

QStringList recent_folders_from_text(const QByteArray& text)
{
    QStringList folders;
    for (const QByteArray& line : text.split('\n')) {
        const QString folder = QString::fromUtf8(line.endsWith('\r') ? line.chopped(1) : line);
        if (!folder.trimmed().isEmpty() && !folders.contains(folder) && folders.size() < kRecentFolderCount)
            folders << folder;
    }
    return folders;
}

QByteArray recent_folders_text(const QStringList& folders)
{
    QByteArray text;
    for (const QString& folder : folders)
        text += folder.toUtf8() + '\n';
    return text;
}

QStringList read_recent_folders(const QString& file)
{
    QByteArray bytes;
    if (!read_regular_file(file, kMaxFileBytes, bytes).ok())
        return {};
    return recent_folders_from_text(bytes);
}

bool write_recent_folders(const QString& file, const QStringList& folders)
{
    return QDir().mkpath(QFileInfo(file).absolutePath())
           && write_file_atomically(file, recent_folders_text(folders));
}

QString typed_folder(const QString& text, const QString& home, const QString& shown_folder)
{
    QString folder = text.trimmed();
    if (folder == QStringLiteral("~"))
        folder = home;
    else if (folder.startsWith(QStringLiteral("~/")))
        folder = home + folder.mid(1);
    if (folder.isEmpty())
        return {};
    if (QDir::isRelativePath(folder))
        folder = QDir(shown_folder).filePath(folder);
    return QDir::toNativeSeparators(QDir::cleanPath(folder));
}
