#include <gtest/gtest.h>

#include "archive/RezTree.h"
#include "browser/PictureCache.h"

namespace {

constexpr std::size_t kPicture = 4096;

PictureKey Key(std::uint64_t serial, std::uint32_t dataPosition = 1000) {
    return {serial, dataPosition, 64, 7, {}};
}

}  // namespace

TEST(PictureCache, KeepsPicturesOnlyForTheSameData) {
    PictureCache cache(10 * kPicture, kPicture);
    const int slot = cache.Store(Key(1));
    EXPECT_EQ(cache.Find(Key(1)), slot);
    // A save moved the data: the picture is made again.
    EXPECT_EQ(cache.Find(Key(1, 2000)), std::nullopt);
    EXPECT_EQ(cache.Find(Key(1)), std::nullopt);
    EXPECT_EQ(cache.UsedBytes(), 0u);
}

TEST(PictureCache, LeastRecentlyShownGoesFirstAndHandsOnItsSlot) {
    PictureCache cache(3 * kPicture, kPicture);
    const int a = cache.Store(Key(1));
    const int b = cache.Store(Key(2));
    cache.Store(Key(3));
    cache.Find(Key(1));
    EXPECT_EQ(cache.Store(Key(4)), b);
    EXPECT_EQ(cache.Find(Key(2)), std::nullopt);
    EXPECT_EQ(cache.Find(Key(1)), a);
    EXPECT_EQ(cache.SlotCount(), 3);
    EXPECT_EQ(cache.UsedBytes(), 3 * kPicture);
}

TEST(PictureCache, DamagedTexturesAreRememberedWithoutASlot) {
    PictureCache cache(kPicture + PictureCache::kRecordBytes, kPicture);
    cache.StoreDamaged(Key(1));
    EXPECT_EQ(cache.Find(Key(1)), PictureCache::kNoPicture);
    EXPECT_EQ(cache.Store(Key(2)), 0);
    EXPECT_EQ(cache.UsedBytes(), kPicture + PictureCache::kRecordBytes);
}

TEST(PictureCache, ClearedSlotsAreTakenAgain) {
    PictureCache cache(4 * kPicture, kPicture);
    cache.Store(Key(1));
    cache.Store(Key(2));
    cache.Clear();
    EXPECT_EQ(cache.Find(Key(1)), std::nullopt);
    cache.Store(Key(3));
    cache.Store(Key(4));
    EXPECT_EQ(cache.SlotCount(), 2);
    EXPECT_EQ(cache.UsedBytes(), 2 * kPicture);
}

TEST(PictureCache, KeyNamesTheStoredDataOrTheDiskFile) {
    RezEntry stored;
    stored.dataPosition = 500;
    stored.size = 64;
    stored.name = "a.dtx";
    RezEntry added;
    added.name = "/home/u/b.dtx";
    EXPECT_EQ(PictureKeyOf(stored).diskSource, "");
    EXPECT_EQ(PictureKeyOf(stored).dataPosition, 500u);
    EXPECT_EQ(PictureKeyOf(added).diskSource, "/home/u/b.dtx");
    added.diskPath = "/home/u/c.dtx";
    EXPECT_EQ(PictureKeyOf(added).diskSource, "/home/u/c.dtx");
    EXPECT_NE(PictureKeyOf(stored).serial, PictureKeyOf(added).serial);
}
