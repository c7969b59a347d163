#include "browser/BrowserCommands.h"

#include "app/StatusTotals.h"
#include "archive/RezTree.h"

std::optional<CommandAvailability> AvailabilityOf(int command, const FrameState& state) {
    const NavigationHistory* history = state.history;
    switch (command) {
        case kCommandCut:
        case kCommandCopy:
        case kCommandDelete:
        case kCommandRename:
        case kCommandExtract:
        case kCommandExtractPictures:
            return CommandAvailability{
                SelectionCommandsEnabled(state.treeSelection != nullptr, state.listSelectedCount)};
        case kCommandInsert:
        case kCommandInsertEmptyFolder:
        case kCommandHelp:
            return CommandAvailability{};
        case kCommandPaste:
            return CommandAvailability{state.clipboardHasPayload || state.clipboardHasFileDrop};
        case kCommandBack:
            return CommandAvailability{history && history->CanGoBack()};
        case kCommandForward:
            return CommandAvailability{history && history->CanGoForward()};
        case kCommandUpOneLevel:
            return CommandAvailability{state.treeSelection && state.treeSelection->parent};
        case kCommandLocationBar:
            return CommandAvailability{true, state.locationBarShown};
        default:
            break;
    }
    if (const std::optional<ViewMode> mode = ViewModeOfCommand(command))
        return CommandAvailability{state.listExists, state.listExists && *mode == state.viewMode};
    return std::nullopt;
}

std::optional<ViewMode> ViewModeOfCommand(int command) {
    switch (command) {
        case kCommandLargeIcons:
            return ViewMode::LargeIcons;
        case kCommandDetails:
            return ViewMode::Details;
        case kCommandSmallIcons:
            return ViewMode::SmallIcons;
        case kCommandList:
            return ViewMode::List;
        default:
            return std::nullopt;
    }
}

PaneKeyAction TreeKeyAction(int virtualKey) {
    switch (virtualKey) {
        case kKeyTab:
            return {0, true};
        case kKeyEnter:
        case kKeySpace:
            return {kCommandExtract, false};
        case kKeyInsert:
            return {kCommandInsert, false};
        case kKeyDelete:
            return {kCommandDelete, false};
        default:
            return {};
    }
}

PaneKeyAction ListKeyAction(int virtualKey) {
    switch (virtualKey) {
        case kKeyDelete:
            return {kCommandDelete, false};
        case kKeyInsert:
            return {kCommandInsert, false};
        case kKeyEnter:
            return {kCommandExtract, false};
        case kKeyF5:
            return {kCommandRefresh, false};
        case kKeyTab:
            return {0, true};
        default:
            return {};
    }
}
