#include "platform/win32/ui/WindowPositions.h"

#include <algorithm>

namespace {

constexpr UINT kMoveFlags = SWP_NOZORDER | SWP_NOACTIVATE;

int Extent(LONG from, LONG to) {
    return std::max(0, static_cast<int>(to - from));
}

}  // namespace

WindowPositions::WindowPositions(int count) : pass_(BeginDeferWindowPos(count)) {
    moves_.reserve(count);
}

WindowPositions::~WindowPositions() {
    if (pass_ != nullptr && EndDeferWindowPos(pass_))
        return;
    for (const auto& [window, bounds] : moves_) {
        SetWindowPos(window, nullptr, bounds.left, bounds.top, Extent(bounds.left, bounds.right),
                     Extent(bounds.top, bounds.bottom), kMoveFlags);
    }
}

void WindowPositions::Move(HWND window, const RECT& bounds) {
    moves_.emplace_back(window, bounds);
    if (pass_ != nullptr) {
        pass_ = DeferWindowPos(pass_, window, nullptr, bounds.left, bounds.top,
                               Extent(bounds.left, bounds.right), Extent(bounds.top, bounds.bottom),
                               kMoveFlags);
    }
}
