#pragma once
// The main window's commands that carry a rule here: their identifiers (the menu, toolbar and
// accelerator resources use the same numbers), when each is enabled or marked, and the keys
// the two panes turn into commands.
#include <optional>

#include "browser/BrowserSettings.h"
#include "browser/NavigationHistory.h"

struct RezFolder;

enum BrowserCommand : int {
    kCommandInsert = 32771,
    kCommandExtract = 32772,
    kCommandDelete = 32773,
    kCommandInsertEmptyFolder = 32781,
    kCommandRename = 32782,
    kCommandUpOneLevel = 32787,
    kCommandHelp = 32791,
    kCommandLocationBar = 32796,
    kCommandBack = 32798,
    kCommandForward = 32799,
    kCommandRefresh = 32803,
    kCommandFirstGoToItem = 32809,  // the history items of the Go To menu, in menu order
    kCommandLastGoToItem = 32824,
    kCommandExtractPictures = 32840,  // Extract as PNG...
    kCommandCopy = 57634,
    kCommandCut = 57635,
    kCommandPaste = 57637,
    kCommandSmallIcons = 59408,
    kCommandLargeIcons = 59409,
    kCommandList = 59410,
    kCommandDetails = 59411,
};

// The popup of the View menu at this index is the Go To menu, rebuilt each time it opens.
inline constexpr int kGoToMenuIndex = 9;

// What the availability rules look at.
struct FrameState {
    const RezFolder* treeSelection = nullptr;  // the tree's selected folder, null for none
    int listSelectedCount = 0;
    bool clipboardHasPayload = false;  // the private format "Tarvex"
    bool clipboardHasFileDrop = false;
    const NavigationHistory* history = nullptr;
    bool listExists = false;
    ViewMode viewMode = ViewMode::Details;  // the list control's current view style
    bool locationBarShown = true;
};

struct CommandAvailability {
    bool enabled = true;
    bool checked = false;  // the check mark, or the radio mark of the view modes
};

// The state of a command the rules above cover; nullopt for any other command.
std::optional<CommandAvailability> AvailabilityOf(int command, const FrameState& state);

std::optional<ViewMode> ViewModeOfCommand(int command);

// Virtual-key codes the panes act on.
inline constexpr int kKeyTab = 0x09;
inline constexpr int kKeyEnter = 0x0D;
inline constexpr int kKeySpace = 0x20;
inline constexpr int kKeyInsert = 0x2D;
inline constexpr int kKeyDelete = 0x2E;
inline constexpr int kKeyF5 = 0x74;

// What a key pressed in a pane does, besides the control's own handling.
struct PaneKeyAction {
    int command = 0;              // a command to run, 0 for none
    bool focusOtherPane = false;  // Tab: the other pane of the splitter gets the focus
};

PaneKeyAction TreeKeyAction(int virtualKey);
PaneKeyAction ListKeyAction(int virtualKey);
