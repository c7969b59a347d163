#include <gtest/gtest.h>

#include "browser/BrowserSettings.h"
#include "support/MemorySettings.h"

namespace {

TEST(BrowserSettings, FirstStartPlacesTheWindowAtTheOriginAt600By400) {
    MemorySettings settings;
    const WindowPlacement placement = ReadPlacement(settings);
    EXPECT_EQ(placement.x, 0);
    EXPECT_EQ(placement.y, 0);
    EXPECT_EQ(placement.width, 600);
    EXPECT_EQ(placement.height, 400);
    EXPECT_EQ(ReadViewMode(settings), ViewMode::Details);
}

TEST(BrowserSettings, PlacementRoundTripsUnderItsValueNames) {
    MemorySettings settings;
    WritePlacement(settings, {-8, 20, 1024, 700});
    const std::map<std::pair<std::string, std::string>, int> expected = {
        {{"Settings", "XPos"}, -8},
        {{"Settings", "YPos"}, 20},
        {{"Settings", "Width"}, 1024},
        {{"Settings", "Height"}, 700}};
    EXPECT_EQ(settings.ints, expected);
    const WindowPlacement read = ReadPlacement(settings);
    EXPECT_EQ(read.x, -8);
    EXPECT_EQ(read.y, 20);
    EXPECT_EQ(read.width, 1024);
    EXPECT_EQ(read.height, 700);
}

TEST(BrowserSettings, TheWorkAreasOffsetTurnsItsCoordinatesIntoTheScreensAndBack) {
    // A taskbar 30 pixels high at the top, 40 wide at the left.
    const WindowPlacement screen = ToScreen({10, 20, 600, 400}, {40, 30});
    EXPECT_EQ(screen.x, 50);
    EXPECT_EQ(screen.y, 50);
    EXPECT_EQ(screen.width, 600);
    EXPECT_EQ(screen.height, 400);
    const WindowPlacement back = ToWorkspace({50, 50, 600, 400}, {40, 30});
    EXPECT_EQ(back.x, 10);
    EXPECT_EQ(back.y, 20);
    EXPECT_EQ(back.width, 600);
}

TEST(BrowserSettings, AStoredSizeBelowTheMinimumReadsAsTheMinimum) {
    EXPECT_EQ(kMinimumTrackWidth, 450);
    EXPECT_EQ(kMinimumTrackHeight, 300);
    MemorySettings settings;
    settings.ints[{"Settings", "Width"}] = 100;
    settings.ints[{"Settings", "Height"}] = -5;
    const WindowPlacement read = ReadPlacement(settings);
    EXPECT_EQ(read.width, 450);
    EXPECT_EQ(read.height, 300);
    settings.ints[{"Settings", "Width"}] = 450;
    settings.ints[{"Settings", "Height"}] = 301;
    EXPECT_EQ(ReadPlacement(settings).width, 450);
    EXPECT_EQ(ReadPlacement(settings).height, 301);
}

TEST(BrowserSettings, ViewModeIsTheListStyleNumber) {
    MemorySettings settings;
    WriteViewMode(settings, ViewMode::List);
    EXPECT_EQ((settings.ints[{"Settings", "ViewMode"}]), 3);
    EXPECT_EQ(ReadViewMode(settings), ViewMode::List);
    settings.ints[{"Settings", "ViewMode"}] = 0;
    EXPECT_EQ(ReadViewMode(settings), ViewMode::LargeIcons);
    settings.ints[{"Settings", "ViewMode"}] = 2;
    EXPECT_EQ(ReadViewMode(settings), ViewMode::SmallIcons);
    for (int bad : {4, 7, -1, 0x4000}) {
        settings.ints[{"Settings", "ViewMode"}] = bad;
        EXPECT_EQ(ReadViewMode(settings), ViewMode::Details) << bad;
    }
}

TEST(RecentFiles, MostRecentFirstFourAtMostNoRepeats) {
    RecentFileList recent;
    recent.Add("C:\\a.rez");
    recent.Add("C:\\b.rez");
    recent.Add("C:\\c.rez");
    recent.Add("C:\\A.REZ");  // the same file
    EXPECT_EQ(recent.Paths(), (std::vector<std::string>{"C:\\A.REZ", "C:\\c.rez", "C:\\b.rez"}));
    recent.Add("C:\\d.rez");
    recent.Add("C:\\e.rez");
    EXPECT_EQ(recent.Paths(),
              (std::vector<std::string>{"C:\\e.rez", "C:\\d.rez", "C:\\A.REZ", "C:\\c.rez"}));
    recent.Add("");
    recent.Remove(1);
    recent.Remove(9);
    EXPECT_EQ(recent.Paths(), (std::vector<std::string>{"C:\\e.rez", "C:\\A.REZ", "C:\\c.rez"}));
}

TEST(RecentFiles, KeptAsFile1ToFile4AndUnusedSlotsAbsent) {
    MemorySettings settings;
    settings.strings[{"Recent File List", "File3"}] = "C:\\gone.rez";  // from a longer list
    RecentFileList recent;
    recent.Add("C:\\old.rez");
    recent.Add("C:\\new.rez");
    recent.Write(settings);
    const std::map<std::pair<std::string, std::string>, std::string> expected = {
        {{"Recent File List", "File1"}, "C:\\new.rez"},
        {{"Recent File List", "File2"}, "C:\\old.rez"}};
    EXPECT_EQ(settings.strings, expected);

    settings.strings[{"Recent File List", "File1"}] = "";
    settings.strings[{"Recent File List", "File4"}] = "D:\\x.rez";
    RecentFileList read;
    read.Read(settings);
    EXPECT_EQ(read.Paths(), (std::vector<std::string>{"C:\\old.rez", "D:\\x.rez"}));
}

}  // namespace
