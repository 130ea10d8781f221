#include "recycle_file.h"

#include "dialogs.h"
#include "system_services.h"
#include "window_messages.h"

#include <QFileInfo>

RecycleResult recycle_file(Dialogs& dialogs, SystemServices& system, QWidget* parent, const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink()) {
        dialogs.message(parent, kDeleteMissingMessage.arg(path));
        return RecycleResult::Missing;
    }
    if (dialogs.message(parent, kDeleteQuestion.arg(path), MessageButtons::YesNo, MessageIcon::Warning,
                        kDeleteTitle, MessageAnswer::Yes)
        != MessageAnswer::Yes)
        return RecycleResult::Declined;
    QString reason;
    if (!system.move_to_trash(path, &reason)) {
        dialogs.message(parent, with_reason(kDeleteFailedMessage, reason));
        return RecycleResult::Failed;
    }
    return RecycleResult::Moved;
}
