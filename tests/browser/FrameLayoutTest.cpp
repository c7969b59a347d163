#include <gtest/gtest.h>

#include "browser/FrameLayout.h"
#include "browser/SortHeaderLayout.h"

namespace {

TEST(LocationBar, TheComboTakesWhatTheButtonsLeave) {
    EXPECT_EQ(LocationComboWidth(800, 46, 46), 698);
    EXPECT_EQ(LocationComboWidth(102, 46, 46), 0);
    EXPECT_EQ(LocationComboWidth(103, 46, 46), 1);
    EXPECT_EQ(LocationComboWidth(0, 46, 46), 0);
}

TEST(SortHeader, TitleRectangleLeavesRoomForTheArrow) {
    const HeaderRect item{0, 0, 150, 20};
    const HeaderItemLayout plain = LayoutHeaderItem(item, 4, false, true, false);
    EXPECT_EQ(plain.text, (HeaderRect{8, 0, 142, 20}));
    EXPECT_TRUE(plain.drawText);
    EXPECT_TRUE(plain.highlight.empty());
    EXPECT_TRUE(plain.shadow.empty());

    const HeaderItemLayout sorted = LayoutHeaderItem(item, 4, true, true, false);
    EXPECT_EQ(sorted.text, (HeaderRect{8, 0, 118, 20}));
    const HeaderItemLayout pressed = LayoutHeaderItem(item, 4, false, true, true);
    EXPECT_EQ(pressed.text, (HeaderRect{9, 2, 143, 22}));

    const HeaderItemLayout narrow = LayoutHeaderItem({300, 0, 330, 20}, 4, true, true, false);
    EXPECT_FALSE(narrow.drawText);
    EXPECT_FALSE(LayoutHeaderItem({300, 0, 316, 20}, 4, false, true, false).drawText);
    EXPECT_TRUE(LayoutHeaderItem({300, 0, 317, 20}, 4, false, true, false).drawText);
}

TEST(SortHeader, ArrowPointsUpAscendingAndDownDescending) {
    const HeaderRect item{150, 0, 300, 20};
    const HeaderItemLayout up = LayoutHeaderItem(item, 4, true, true, false);
    EXPECT_EQ(up.highlight, (std::vector<HeaderPoint>{{284, 7}, {288, 12}, {278, 12}}));
    EXPECT_EQ(up.shadow, (std::vector<HeaderPoint>{{279, 11}, {284, 6}}));
    const HeaderItemLayout down = LayoutHeaderItem(item, 4, true, false, false);
    EXPECT_EQ(down.highlight, (std::vector<HeaderPoint>{{288, 7}, {283, 13}}));
    EXPECT_EQ(down.shadow, (std::vector<HeaderPoint>{{283, 12}, {279, 7}, {288, 7}}));
}

}  // namespace
