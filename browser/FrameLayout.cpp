#include "browser/FrameLayout.h"

#include <algorithm>

namespace {

constexpr int kLocationBarGap = 10;

}  // namespace

int LocationComboWidth(int clientWidth, int goButtonWidth, int labelButtonWidth) {
    return std::max(0, clientWidth - goButtonWidth - kLocationBarGap - labelButtonWidth);
}
