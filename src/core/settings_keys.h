#pragma once
// The keys of the settings file's section "RavFiler", and the fixed values some of them hold.

#include <QString>

// The player and the editor the launches use.
inline const QString kPlayerKey = QStringLiteral("Ravu");
inline const QString kEditorKey = QStringLiteral("Edit");
// Whether the window's frame is restored at start-up: kPositionSaved or kPositionNotSaved.
inline const QString kSavePositionKey = QStringLiteral("SvPosit");
// The folder the lists showed when the program ended.
inline const QString kLastFolderKey = QStringLiteral("Lastpath");
// The outer frame in twips.
inline const QString kTopKey = QStringLiteral("PreTop");
inline const QString kLeftKey = QStringLiteral("PreLeft");
inline const QString kHeightKey = QStringLiteral("PreHeight");
inline const QString kWidthKey = QStringLiteral("PreWidth");
// The four switches: the switch text while its box is ticked, else empty.
inline const QString kPlaySwitchKey = QStringLiteral("PlayOpt");
inline const QString kEndSwitchKey = QStringLiteral("EndOpt");
inline const QString kExitSwitchKey = QStringLiteral("ExitOpt");
inline const QString kIconSwitchKey = QStringLiteral("IconOpt");

inline const QString kPositionSaved = QStringLiteral("1");
inline const QString kPositionNotSaved = QStringLiteral("0");
// The top written for a minimised or a maximised window, so the next start restores neither.
inline const QString kTopMinimised = QStringLiteral("45000");
inline const QString kTopMaximised = QStringLiteral("-60");

// The switch texts handed to the player: play at once, end after playing, end other
// players, start as an icon.
inline const QString kPlaySwitch = QStringLiteral("*P");
inline const QString kEndSwitch = QStringLiteral("*E");
inline const QString kExitSwitch = QStringLiteral("*X");
inline const QString kIconSwitch = QStringLiteral("*I");

// The player's path while no settings name one.
inline const QString kDefaultPlayer = QStringLiteral("ravu.exe");

inline bool position_saved(const QString& save_position) { return save_position == kPositionSaved; }
inline const QString& save_position_value(bool saved) { return saved ? kPositionSaved : kPositionNotSaved; }
// A stored top that marks a frame not to restore.
inline bool frame_not_restored(const QString& top) { return top == kTopMinimised || top == kTopMaximised; }

// The program a Windows player is started through on other systems; "-" starts the player
// itself, an empty or missing key the system's runner.
inline const QString kRunnerKey = QStringLiteral("Runner");
inline const QString kDirectStartRunner = QStringLiteral("-");
inline const QString kDefaultRunner = QStringLiteral("wine");
