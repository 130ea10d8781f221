#include "recycle_file.h"

#include "dialogs.h"
#include "system_services.h"

#include <QFileInfo>

RecycleResult recycle_file(Dialogs& dialogs, SystemServices& system, QWidget* parent, const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        dialogs.message(parent, QStringLiteral("「") + path + QStringLiteral("」が見つかりません。"));
        return RecycleResult::Missing;
    }
    const QString question = QStringLiteral("「") + path + QStringLiteral("」を") + QLatin1Char('\r')
                             + QStringLiteral("ごみ箱に移動しますか？");
    if (dialogs.message(parent, question, MessageButtons::YesNo, MessageIcon::Warning,
                        QStringLiteral("ファイルの削除"), MessageAnswer::Yes)
        != MessageAnswer::Yes)
        return RecycleResult::Declined;
    QString reason;
    if (!system.move_to_trash(path, &reason)) {
        QString text = QStringLiteral("ごみ箱に移動できませんでした。");
        if (!reason.isEmpty())
            text += QLatin1Char('\r') + reason;
        dialogs.message(parent, text);
        return RecycleResult::Failed;
    }
    return RecycleResult::Moved;
}
