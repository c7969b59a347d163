#include <gtest/gtest.h>

#include <ctime>

#include "archive/RezTree.h"
#include "browser/ListTexts.h"

namespace {

TEST(ListTexts, SizesInWholeKilobytesWithOneAsTheLeast) {
    EXPECT_EQ(SizeText(0), "1 Kb");
    EXPECT_EQ(SizeText(1023), "1 Kb");
    EXPECT_EQ(SizeText(1024), "1 Kb");
    EXPECT_EQ(SizeText(2047), "1 Kb");
    EXPECT_EQ(SizeText(2048), "2 Kb");
    EXPECT_EQ(SizeText(1048576), "1024 Kb");
    EXPECT_EQ(SizeText(0xFFFFFFFFu), "4194303 Kb");
}

TEST(ListTexts, ShownNameIsThePartAfterTheLastBackslash) {
    EXPECT_EQ(ShownName("Worlds\\Multi\\map.dat"), "map.dat");
    EXPECT_EQ(ShownName("map.dat"), "map.dat");
    EXPECT_EQ(ShownName("\\map.dat"), "\\map.dat");
    EXPECT_EQ(ShownName("C:\\games\\"), "");
    EXPECT_EQ(ShownName(""), "");
}

// The time of a local calendar date, made without the code under test.
std::uint32_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm date{};
    date.tm_year = year - 1900;
    date.tm_mon = month - 1;
    date.tm_mday = day;
    date.tm_hour = hour;
    date.tm_min = minute;
    date.tm_sec = second;
    date.tm_isdst = -1;
    return static_cast<std::uint32_t>(std::mktime(&date));
}

TEST(ListTexts, ModifiedIsTheLocalTimeInTheWindowsCForm) {
    EXPECT_EQ(ModifiedText(LocalTime(2005, 1, 31, 13, 45, 7)), "01/31/05 13:45:07");
    EXPECT_EQ(ModifiedText(LocalTime(2009, 12, 5, 9, 3, 1)), "12/05/09 09:03:01");
    EXPECT_EQ(ModifiedText(LocalTime(1999, 7, 4, 23, 59, 59)), "07/04/99 23:59:59");
    EXPECT_EQ(ModifiedText(LocalTime(2038, 1, 1, 0, 0, 0)), "01/01/38 00:00:00");
    // Stored times before 1970 read as negative and cannot be converted.
    EXPECT_EQ(ModifiedText(0x80000000u), "");
    EXPECT_EQ(ModifiedText(0xFFFFFFFFu), "");
}

TEST(ListTexts, ExtensionNeedsADotAfterTheFolderAndNotFirst) {
    EXPECT_EQ(NameExtension("map.dat"), "dat");
    EXPECT_EQ(NameExtension("FILE.ABCDE"), "ABCDE");
    EXPECT_EQ(NameExtension("a.b.c"), "c");
    EXPECT_EQ(NameExtension("C:\\my.dir\\README"), "");
    EXPECT_EQ(NameExtension(".hidden"), "");
    EXPECT_EQ(NameExtension("FILE."), "");
    EXPECT_EQ(NameExtension("README"), "");
}

TEST(ListTexts, EntryIconKeys) {
    RezEntry entry;
    entry.name = "ROCK.DTX";
    entry.typeCode = "DTX";
    EXPECT_EQ(EntryIconKey(entry), ".DTX");
    entry.name = "FILE.ABCDE";
    entry.typeCode = "";
    EXPECT_EQ(EntryIconKey(entry), ".ABCDE");
    entry.name = "README";
    EXPECT_EQ(EntryIconKey(entry), "");
    // A trailing dot is no extension: the file does not get the folder icon of key ".".
    entry.name = "NOTES.";
    EXPECT_EQ(EntryIconKey(entry), "");
}

}  // namespace
