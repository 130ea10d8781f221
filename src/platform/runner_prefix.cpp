#include "runner_prefix.h"

#include "desktop_services.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

QString runner_prefix()
{
    const QString prefix = qEnvironmentVariable("WINEPREFIX");
    if (!prefix.isEmpty() && QDir::isAbsolutePath(prefix))
        return QDir::cleanPath(prefix);
    return QDir(QDir::homePath()).filePath(QStringLiteral(".wine"));
}

QList<DriveLink> prefix_drives(const QString& prefix)
{
    const QDir devices(QDir(prefix).filePath(QStringLiteral("dosdevices")));
    if (!devices.exists())
        return {{QLatin1Char('Z'), QStringLiteral("/")}};
    static const QRegularExpression drive_name(QStringLiteral("^[A-Za-z]:$"));
    QList<DriveLink> drives;
    // Sorted by name, so of two drives for one folder the first letter wins.
    const QFileInfoList links = devices.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot,
                                                      QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& link : links) {
        if (!link.isSymLink() || !drive_name.match(link.fileName()).hasMatch())
            continue;
        // symLinkTarget() makes a relative target absolute against the link's folder.
        const QString target = QDir::cleanPath(link.symLinkTarget());
        if (!target.isEmpty())
            drives.append({link.fileName().at(0).toUpper(), target});
    }
    return drives;
}

QString DesktopServices::runner_program(const QString& runner)
{
    if (runner.contains(QLatin1Char('/'))) {
        const QFileInfo file(runner);
        return file.isFile() && file.isExecutable() ? runner : QString();
    }
    return QStandardPaths::findExecutable(runner);
}

QList<DriveLink> DesktopServices::runner_drives() { return prefix_drives(runner_prefix()); }
