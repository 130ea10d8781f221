#include "selection_mode.h"

#include "messages.h"

#include <iterator>

namespace {

const QString kTunePattern = QStringLiteral("*.txt;*.rav");
const QString kAlbumPattern = QStringLiteral("*.alb");
const QString kLaunchCaption = QStringLiteral("ravu起動");
const QString kAlbumPlayCaption = QStringLiteral("アルバム演奏");

// The modes in the order of the options that enter them.
const ModeSettings kModes[] = {
    {kModeSimple, kTunePattern, kLaunchCaption, false, false, false, false, true, true,
     DoubleClickAction::PlayFile},
    {kModeListSelect, kTunePattern, kAlbumPlayCaption, true, true, true, false, false, false,
     DoubleClickAction::AddToList},
    {kModeAlbum, kAlbumPattern, kAlbumPlayCaption, false, false, false, true, false, false,
     DoubleClickAction::LoadAlbum},
};

} // namespace

std::optional<ModeSettings> settings_for_option(int option)
{
    if (option < 0 || option >= int(std::size(kModes)))
        return std::nullopt;
    return kModes[option];
}

std::optional<ModeSettings> settings_for_mode(const QString& mode)
{
    for (const ModeSettings& settings : kModes)
        if (settings.mode == mode)
            return settings;
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
    if (!settings_for_mode(mode))
        return {FolderDecision::Abnormal, kAbnormalState};
    if (mode == kModeSimple || !list_in_use || folder == current_folder)
        return {FolderDecision::Accept, {}};
    return {FolderDecision::Ask, mode == kModeListSelect ? kListSelectFolderQuestion : kAlbumFolderQuestion};
}
