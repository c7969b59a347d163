#include "browser/FrameLayout.h"

#include <algorithm>

namespace {

constexpr int kLocationBarGap = 10;

}  // namespace

int LocationComboWidth(int clientWidth, int goButtonWidth, int labelButtonWidth) {
    return std::max(0, clientWidth - goButtonWidth - kLocationBarGap - labelButtonWidth);
}

std::optional<StatusPaneLayout> MenuHelpPane::PopupShowing(const StatusPaneLayout& current,
                                                           unsigned helpStyle) {
    if (saved_ || !menuActive_)
        return std::nullopt;
    saved_ = current;
    return StatusPaneLayout{current.id, helpStyle, kHelpWidth};
}

std::optional<StatusPaneLayout> MenuHelpPane::MenuSelected(bool closed) {
    if (closed && saved_) {
        const StatusPaneLayout restore = *saved_;
        saved_.reset();
        menuActive_ = false;
        return restore;
    }
    menuActive_ = true;
    return std::nullopt;
}
