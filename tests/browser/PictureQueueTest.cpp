#include <gtest/gtest.h>

#include "archive/RezTree.h"
#include "browser/PictureQueue.h"

namespace {

PictureJob JobAt(int row, std::uint64_t serial = 0) {
    PictureJob job;
    job.row = row;
    job.key.serial = serial ? serial : static_cast<std::uint64_t>(row) + 1;
    return job;
}

std::vector<int> TakeAll(PictureQueue& queue) {
    std::vector<int> rows;
    while (auto job = queue.TakeNext())
        rows.push_back(job->row);
    return rows;
}

}  // namespace

TEST(PictureQueue, RowsOnScreenFirstThenTheNearest) {
    PictureQueue queue;
    queue.SetVisibleRows(10, 14);
    for (int row : {17, 12, 8, 10, 20, 9})
        queue.Add(JobAt(row));
    EXPECT_EQ(TakeAll(queue), (std::vector<int>{10, 12, 9, 8, 17, 20}));
}

TEST(PictureQueue, ScrollingAwayDropsTheFarRows) {
    PictureQueue queue;
    for (int row : {0, 1, 2, 40})
        queue.Add(JobAt(row));
    queue.SetVisibleRows(36, 39);
    EXPECT_EQ(TakeAll(queue), (std::vector<int>{40}));
}

TEST(PictureQueue, AnEntryWaitsOnceAtItsLatestRow) {
    PictureQueue queue;
    queue.Add(JobAt(3, 7));
    queue.Add(JobAt(5, 7));
    EXPECT_EQ(TakeAll(queue), (std::vector<int>{5}));
}

TEST(PictureQueue, IconGridShowsTheLinesInTheWindow) {
    // Four cells a line; lines 2 to 5 are in sight.
    const RowSpan span = IconGridRows(150, 400, 300, 100, 75, 100);
    EXPECT_EQ(span.first, 8);
    EXPECT_EQ(span.last, 23);
    EXPECT_EQ(IconGridRows(150, 400, 300, 100, 75, 20).last, 19);
    EXPECT_LT(IconGridRows(0, 400, 300, 0, 75, 20).last, 0);
}

TEST(PictureQueue, JobReadsTheArchiveOrTheDiskFile) {
    RezEntry stored;
    stored.dataPosition = 500;
    stored.size = 64;
    stored.name = "a.dtx";
    const PictureJob fromArchive = PictureJobOf(stored, 2, "/x/pack.rez");
    EXPECT_EQ(fromArchive.path, "/x/pack.rez");
    EXPECT_EQ(fromArchive.offset, 500u);
    EXPECT_EQ(fromArchive.length, 64u);
    EXPECT_EQ(fromArchive.row, 2);

    RezEntry added;
    added.size = 80;
    added.name = "/home/u/b.dtx";
    const PictureJob fromDisk = PictureJobOf(added, 3, "/x/pack.rez");
    EXPECT_EQ(fromDisk.path, "/home/u/b.dtx");
    EXPECT_EQ(fromDisk.offset, 0u);
    EXPECT_EQ(fromDisk.length, 80u);
}

TEST(PictureQueue, TexturesAreTheDtxKeyInAnyCase) {
    for (const char* key : {".dtx", ".DTX", ".Dtx"})
        EXPECT_TRUE(IsTextureKey(key)) << key;
    for (const char* key : {".spr", ".dtxx", "dtx", ""})
        EXPECT_FALSE(IsTextureKey(key)) << key;
}
