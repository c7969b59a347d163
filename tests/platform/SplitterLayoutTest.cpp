#include "platform/layout/SplitterLayout.h"

#include <gtest/gtest.h>

namespace {

void ExpectColumns(const SplitColumns& columns, int left, int rightLeft, int rightWidth) {
    EXPECT_EQ(columns.leftWidth, left);
    EXPECT_EQ(columns.rightLeft, rightLeft);
    EXPECT_EQ(columns.rightWidth, rightWidth);
}

TEST(SplitterLayout, ResizingKeepsTheLeftWidthAndTheRightPaneTakesTheRest) {
    SplitterLayout layout(200, 30, 40, 5);
    ExpectColumns(layout.Split(600), 200, 205, 395);
    ExpectColumns(layout.Split(1000), 200, 205, 795);
    // Too narrow for 200 + bar + 40: the left pane gives way to the right one's minimum...
    ExpectColumns(layout.Split(220), 175, 180, 40);
    // ...until it reaches its own minimum; then the right pane gets what is left.
    ExpectColumns(layout.Split(60), 30, 35, 25);
    ExpectColumns(layout.Split(20), 15, 20, 0);
    ExpectColumns(layout.Split(3), 0, 5, 0);
    ExpectColumns(layout.Split(0), 0, 5, 0);
    // Growing again brings the chosen width back.
    ExpectColumns(layout.Split(700), 200, 205, 495);
    EXPECT_EQ(layout.PreferredLeft(), 200);
}

TEST(SplitterLayout, BarIsFoundOnlyWhereItIsDrawn) {
    SplitterLayout layout(200, 0, 0, 5);
    EXPECT_FALSE(layout.OnBar(199, 600));
    EXPECT_TRUE(layout.OnBar(200, 600));
    EXPECT_TRUE(layout.OnBar(204, 600));
    EXPECT_FALSE(layout.OnBar(205, 600));
    // In a narrow window the bar moves with the clamped left pane.
    EXPECT_TRUE(layout.OnBar(100, 105));
    EXPECT_FALSE(layout.OnBar(200, 105));
}

TEST(SplitterLayout, DragKeepsTheGrabPointUnderThePointer) {
    SplitterLayout layout(200, 30, 40, 5);
    EXPECT_FALSE(layout.BeginDrag(150, 600));  // not on the bar
    EXPECT_FALSE(layout.Dragging());
    EXPECT_FALSE(layout.DragTo(300, 600));
    EXPECT_EQ(layout.PreferredLeft(), 200);

    ASSERT_TRUE(layout.BeginDrag(203, 600));  // taken 3 pixels into the bar
    EXPECT_TRUE(layout.Dragging());
    EXPECT_TRUE(layout.DragTo(303, 600));
    EXPECT_EQ(layout.PreferredLeft(), 300);
    EXPECT_FALSE(layout.DragTo(303, 600));  // nothing moved
    // Past the minimums the bar stops at the edge of what fits.
    EXPECT_TRUE(layout.DragTo(590, 600));
    EXPECT_EQ(layout.PreferredLeft(), 555);
    EXPECT_TRUE(layout.DragTo(-50, 600));
    EXPECT_EQ(layout.PreferredLeft(), 30);
    layout.EndDrag();
    EXPECT_FALSE(layout.Dragging());
    EXPECT_FALSE(layout.DragTo(400, 600));
    ExpectColumns(layout.Split(600), 30, 35, 565);
}

TEST(SplitterLayout, WidthsSetInCodeAreKeptButNeverNegative) {
    SplitterLayout layout(-20);
    EXPECT_EQ(layout.PreferredLeft(), 0);
    layout.SetPreferredLeft(900);
    EXPECT_EQ(layout.PreferredLeft(), 900);
    ExpectColumns(layout.Split(400), 395, 400, 0);
    layout.SetPreferredLeft(-1);
    EXPECT_EQ(layout.PreferredLeft(), 0);
}

}  // namespace
