// Menu items made from paths: their ampersands are the names', not mnemonics.
#include <gtest/gtest.h>

#include "browser/MenuTexts.h"

namespace {

TEST(MenuTexts, AmpersandsOfNamesAreDoubled) {
    EXPECT_EQ(MenuItemText("Maps\\Rock & Roll"), "Maps\\Rock && Roll");
    EXPECT_EQ(MenuItemText("&&"), "&&&&");
    EXPECT_EQ(MenuItemText("Untitled"), "Untitled");
    EXPECT_EQ(MenuItemText(""), "");
}

TEST(MenuTexts, RecentFilesAreNumberedFromOne) {
    EXPECT_EQ(RecentFileMenuText(0, "C:\\Maps\\pack.rez"), "&1 C:\\Maps\\pack.rez");
    EXPECT_EQ(RecentFileMenuText(3, "C:\\R&D\\x.rez"), "&4 C:\\R&&D\\x.rez");
}

}  // namespace
