#include <gtest/gtest.h>

#include "FakeIconImages.h"
#include "browser/FileTypeIcons.h"

namespace {

struct FileTypeIconsTest : ::testing::Test {
    FakeIconImages images;
    FileTypeIcons icons{images};
};

TEST_F(FileTypeIconsTest, StartsWithTheNineDefaultsInOrder) {
    const std::vector<std::string> keys = {"*",    ".rez", ".abc", ".ltb",   ".dat",
                                           ".dtx", ".spr", ".",    ".folder"};
    EXPECT_EQ(icons.Keys(), keys);
    const std::vector<std::string> images9 = {"shell32#0", "res#128",      "res#132",
                                              "res#132",   "res#133",      "res#192",
                                              "res#193",   "shell:folder", "shell:open folder"};
    EXPECT_EQ(images.small, images9);
    EXPECT_EQ(images.large, images9);
    EXPECT_EQ(FileTypeIcons::kDefaults[6].origin, IconOrigin::ResourceDefaultSize);
    EXPECT_EQ(FileTypeIcons::kDefaults[1].origin, IconOrigin::Resource);
    EXPECT_EQ(images.shellRequests, 0);
}

TEST_F(FileTypeIconsTest, KeysMatchInAnyCase) {
    EXPECT_EQ(icons.IconIndexFor(".DTX"), 5);
    EXPECT_EQ(icons.IconIndexFor(".dtx"), 5);
    EXPECT_EQ(icons.IconIndexFor(".Dtx"), 5);
    EXPECT_EQ(icons.IconIndexFor(".REZ"), 1);
    EXPECT_EQ(icons.IconIndexFor(".folder"), 8);
    EXPECT_EQ(icons.Keys().size(), 9u);
    EXPECT_EQ(images.shellRequests, 0);
}

TEST_F(FileTypeIconsTest, AnUnknownKeyCostsOnePairOfShellIconsOnce) {
    EXPECT_EQ(icons.IconIndexFor(".txt"), 9);
    EXPECT_EQ(icons.IconIndexFor(".txt"), 9);
    EXPECT_EQ(icons.IconIndexFor(".TXT"), 9);
    EXPECT_EQ(images.shellRequests, 2);
    ASSERT_EQ(images.small.size(), 10u);
    ASSERT_EQ(images.large.size(), 10u);
    EXPECT_EQ(images.small[9], "shell:.txt");
    EXPECT_EQ(images.large[9], "shell:.txt");
    EXPECT_EQ(icons.Keys().back(), ".txt");

    // The shell is asked with the lower-case key, which is also what is stored.
    EXPECT_EQ(icons.IconIndexFor(".WAV"), 10);
    EXPECT_EQ(images.small[10], "shell:.wav");
    EXPECT_EQ(icons.Keys().back(), ".wav");
}

TEST_F(FileTypeIconsTest, APictureSlotKeepsTheListsInStepAndNoKeyFindsIt) {
    EXPECT_EQ(icons.AddPictureSlot(), 9);
    EXPECT_EQ(images.small.back(), "blank");
    EXPECT_EQ(images.large.back(), "blank");
    EXPECT_EQ(icons.IconIndexFor(FileTypeIcons::kPictureKey), 10);
    EXPECT_EQ(icons.IconIndexFor(".txt"), 11);
    EXPECT_EQ(images.small.size(), 12u);
}

TEST_F(FileTypeIconsTest, TheEmptyKeyIsAKeyLikeAnyOther) {
    EXPECT_EQ(icons.IconIndexFor(""), 9);
    EXPECT_EQ(icons.IconIndexFor(""), 9);
    EXPECT_EQ(images.small.back(), "shell:");
    EXPECT_EQ(icons.Keys().back(), "");
}

TEST_F(FileTypeIconsTest, AMissingIconLeavesAPlaceholderSoIndicesStayInStep) {
    images.shellHasNoIcon = {".xyz"};
    EXPECT_EQ(icons.IconIndexFor(".xyz"), 9);
    EXPECT_EQ(icons.IconIndexFor(".txt"), 10);
    const std::vector<std::string> tail = {"blank", "shell:.txt"};
    EXPECT_EQ(std::vector<std::string>(images.small.end() - 2, images.small.end()), tail);
    EXPECT_EQ(std::vector<std::string>(images.large.end() - 2, images.large.end()), tail);
    EXPECT_EQ(icons.Keys().size(), 11u);
}

TEST(FileTypeIconsReset, AMissingResourceIconStillTakesItsIndex) {
    FakeIconImages images;
    images.missingResources = {132};
    FileTypeIcons icons{images};
    const std::vector<std::string> expected = {"shell32#0", "res#128",      "blank",
                                               "blank",     "res#133",      "res#192",
                                               "res#193",   "shell:folder", "shell:open folder"};
    EXPECT_EQ(images.small, expected);
    EXPECT_EQ(images.large, expected);
    EXPECT_EQ(icons.IconIndexFor(".dat"), 4);

    // Reset starts the lists and the keys over.
    EXPECT_EQ(icons.IconIndexFor(".txt"), 9);
    icons.ResetIcons();
    EXPECT_EQ(images.small.size(), 9u);
    EXPECT_EQ(icons.Keys().size(), 9u);
}

}  // namespace
