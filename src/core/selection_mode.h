#pragma once
// The three selection modes: which option enters which mode, how each mode sets up the
// main window, and the decisions of the mode change and the folder rule.

#include <QString>
#include <optional>

inline const QString kModeSimple = QStringLiteral("simple");
inline const QString kModeListSelect = QStringLiteral("lselect");
inline const QString kModeAlbum = QStringLiteral("ledit");

enum class DoubleClickAction { PlayFile, AddToList, LoadAlbum };

// What entering a mode does to the controls, and what a double-click on a file does in it.
struct ModeSettings {
    QString mode;              // the word kept in select_mode
    QString file_pattern;      // File1
    QString launch_caption;    // Command1
    bool add_enabled;          // Command5 リスト選択
    bool clear_enabled;        // Command6 リストクリア
    bool save_enabled;         // Command4 alb保存
    bool load_enabled;         // Command7 alb読込
    bool play_at_once_enabled; // Check1
    bool quit_after_enabled;   // Check2
    DoubleClickAction double_click;
};

// The mode that option 0, 1 or 2 enters; nothing for any other index.
std::optional<ModeSettings> settings_for_option(int option);
// The settings of a mode word; nothing when the word is none of the three.
std::optional<ModeSettings> settings_for_mode(const QString& mode);

// A change to `option` that would drop a play list in use must be confirmed first: the
// option to select again when the user declines. Nothing when no question is needed.
std::optional<int> option_to_keep(const QString& current_mode, int option, bool list_in_use);

enum class FolderDecision { Accept, Ask, Abnormal };

struct FolderRuleResult {
    FolderDecision decision;
    QString question; // for Ask
};

// What the folder list moving to `folder` leads to in `mode`. Folders compare as exact text.
FolderRuleResult folder_rule_decision(const QString& mode, const QString& folder,
                                      const QString& current_folder, bool list_in_use);
