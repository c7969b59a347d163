#include "platform/layout/SplitterLayout.h"

#include <algorithm>

SplitterLayout::SplitterLayout(int leftWidth, int leftMinimum, int rightMinimum, int barWidth)
    : preferredLeft_(std::max(0, leftWidth)),
      leftMinimum_(std::max(0, leftMinimum)),
      rightMinimum_(std::max(0, rightMinimum)),
      barWidth_(std::max(0, barWidth)) {}

void SplitterLayout::SetPreferredLeft(int leftWidth) {
    preferredLeft_ = std::max(0, leftWidth);
}

int SplitterLayout::FittingLeft(int leftWidth, int width) const {
    const int room = std::max(0, width - barWidth_);
    int left = std::min(leftWidth, room - rightMinimum_);
    left = std::max(left, leftMinimum_);
    return std::clamp(left, 0, room);
}

SplitColumns SplitterLayout::Split(int width) const {
    SplitColumns columns;
    columns.leftWidth = FittingLeft(preferredLeft_, width);
    columns.rightLeft = columns.leftWidth + barWidth_;
    columns.rightWidth = std::max(0, width - columns.rightLeft);
    return columns;
}

bool SplitterLayout::OnBar(int x, int width) const {
    const int barLeft = Split(width).leftWidth;
    return x >= barLeft && x < barLeft + barWidth_;
}

bool SplitterLayout::BeginDrag(int x, int width) {
    if (!OnBar(x, width))
        return false;
    dragging_ = true;
    grabOffset_ = x - Split(width).leftWidth;
    return true;
}

bool SplitterLayout::DragTo(int x, int width) {
    if (!dragging_)
        return false;
    const int before = Split(width).leftWidth;
    // What is stored is what is shown, so that the bar never lags behind the pointer.
    preferredLeft_ = FittingLeft(x - grabOffset_, width);
    return preferredLeft_ != before;
}
