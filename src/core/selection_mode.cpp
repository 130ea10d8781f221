#include "selection_mode.h"

#include "messages.h"

namespace {

const QString kTunePattern = QStringLiteral("*.txt;*.rav");
const QString kAlbumPattern = QStringLiteral("*.alb");
const QString kLaunchCaption = QStringLiteral("ravu起動");
const QString kAlbumPlayCaption = QStringLiteral("アルバム演奏");

ModeSettings simple_settings()
{
    return {kModeSimple, kTunePattern, kLaunchCaption, false, false,
            false,       false,        true,           true,  DoubleClickAction::PlayFile};
}

ModeSettings list_select_settings()
{
    return {kModeListSelect, kTunePattern, kAlbumPlayCaption,           true, true, true, false,
            false,           false,        DoubleClickAction::AddToList};
}

ModeSettings album_settings()
{
    return {kModeAlbum, kAlbumPattern, kAlbumPlayCaption,           false, false, false, true,
            false,      false,         DoubleClickAction::LoadAlbum};
}

} // namespace

std::optional<ModeSettings> settings_for_option(int option)
{
    switch (option) {
    case 0:
        return simple_settings();
    case 1:
        return list_select_settings();
    case 2:
        return album_settings();
    default:
        return std::nullopt;
    }
}

std::optional<ModeSettings> settings_for_mode(const QString& mode)
{
    if (mode == kModeSimple)
        return simple_settings();
    if (mode == kModeListSelect)
        return list_select_settings();
    if (mode == kModeAlbum)
        return album_settings();
    return std::nullopt;
}

std::optional<int> option_to_keep(const QString& current_mode, int option, bool list_in_use)
{
    if (!list_in_use)
        return std::nullopt;
    if (current_mode == kModeListSelect && option != 1)
        return 1;
    if (current_mode == kModeAlbum && option != 2)
        return 2;
    return std::nullopt;
}

FolderRuleResult folder_rule_decision(const QString& mode, const QString& folder,
                                      const QString& current_folder, bool list_in_use)
{
    const bool leaving_list = list_in_use && folder != current_folder;
    if (mode == kModeSimple)
        return {FolderDecision::Accept, {}};
    if (mode == kModeListSelect)
        return leaving_list ? FolderRuleResult{FolderDecision::Ask, kListSelectFolderQuestion}
                            : FolderRuleResult{FolderDecision::Accept, {}};
    if (mode == kModeAlbum)
        return leaving_list ? FolderRuleResult{FolderDecision::Ask, kAlbumFolderQuestion}
                            : FolderRuleResult{FolderDecision::Accept, {}};
    return {FolderDecision::Abnormal, kAbnormalState};
}
