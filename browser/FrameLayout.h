#pragma once
// The main window's layout arithmetic and the message pane's menu-help state.
#include <optional>

// The static splitter's panes at creation.
inline constexpr int kTreePaneWidth = 200;
inline constexpr int kListPaneWidth = 100;
inline constexpr int kPaneHeight = 100;

// The location bar: label, combo box and Go button on one toolbar. The combo box takes what
// the frame's client width leaves, never a negative width.
int LocationComboWidth(int clientWidth, int goButtonWidth, int labelButtonWidth);
// The label sits this far below its button's top.
inline constexpr int kLocationLabelTop = 4;

// One pane of the status bar as the window sets it.
struct StatusPaneLayout {
    unsigned id = 0;
    unsigned style = 0;
    int width = 0;
};

// While a menu is open the message pane spans the whole bar for the items' prompts, and
// afterwards gets its own layout back.
class MenuHelpPane {
  public:
    static constexpr int kHelpWidth = 16384;

    // A popup menu is about to show, with the message pane laid out as current: the layout
    // to give it (helpStyle: stretching, no border), or nullopt to leave it.
    std::optional<StatusPaneLayout> PopupShowing(const StatusPaneLayout& current,
                                                 unsigned helpStyle);
    // A menu-select notification; closed when the menu was closed (item 0xFFFF, no menu).
    // The layout to restore, or nullopt.
    std::optional<StatusPaneLayout> MenuSelected(bool closed);

  private:
    std::optional<StatusPaneLayout> saved_;
    bool menuActive_ = false;
};
