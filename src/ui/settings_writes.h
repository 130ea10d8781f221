#pragma once
// Settings writes from the windows: the run's first failed write is shown in a box, with
// the file's path and the reason; later failures are not.

#include "app_state.h"
#include "dialogs.h"

inline void store_setting(AppState& state, Dialogs& dialogs, QWidget* parent, const QString& key,
                          const QString& value)
{
    if (const std::optional<QString> message = state.settings_writes.write(state.ini_path, key, value))
        dialogs.message(parent, *message);
}
