#pragma once
// The one record of program state, owned by the main window for the whole run.

#include "selection_mode.h"
#include "settings.h"

#include <QString>
#include <array>
#include <cstdint>

inline constexpr int kListCapacity = 64;

// Tunes collected for album play. The first empty entry ends the list for every reader.
struct PlayList {
    std::array<QString, kListCapacity> list_entries;
    std::int16_t list_count = 0;
    std::int16_t list_capacity = kListCapacity;

    // In use when the first entry is not empty (later entries do not count).
    bool in_use() const { return !list_entries[0].isEmpty(); }
};

struct AppState {
    // Program-wide values.
    QString start_dir;
    QString ini_path;
    QString conf_path;
    QString tmp_path;
    QString player_path;
    QString editor_path;
    QString save_position;
    QString conf_text;
    // Every window writes the settings through this, so a failure is told once a run.
    SettingsWrites settings_writes;

    // Main-window values.
    QString target_file;
    QString album_file;
    QString play_switch;
    QString end_switch;
    QString exit_switch;
    QString icon_switch;
    PlayList play_list;
    QString select_mode = kModeSimple;
    QString current_folder;
};
