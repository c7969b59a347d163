// The command line's listing of an archive, compared whole with text written out here.
#include <gtest/gtest.h>

#include "app/ArchiveListing.h"

namespace {

RezEntry Entry(std::uint32_t position, std::uint32_t size, std::uint32_t time, std::uint32_t id,
               const std::string& name) {
    RezEntry entry;
    entry.dataPosition = position;
    entry.size = size;
    entry.time = time;
    entry.identifier = id;
    entry.name = name;
    return entry;
}

TEST(ArchiveListing, FoldersThenTheirEntriesWithSizeTimeIdentifierAndName) {
    FolderList folders;
    RezFolder& root = folders.Append("game", nullptr);
    RezFolder& maps = folders.Append("MAPS", &root);
    folders.Append("EMPTY", &maps);
    root.entries.push_back(Entry(168, 5, 1000000000, 7, "README.TXT"));
    root.entries.push_back(Entry(173, 70000, 0, 4294967295u, "BIG.DAT"));
    // Not saved yet: its name is still its disk path, listed as the file name.
    maps.entries.push_back(Entry(0, 12, 1100000000, 10000000, "/home/me/maps/Level 1.dat"));

    EXPECT_EQ(ListArchive(folders),
              "game\\\n"
              "           5  2001-09-09 01:46:40           7  README.TXT\n"
              "       70000  1970-01-01 00:00:00  4294967295  BIG.DAT\n"
              "game\\MAPS\\\n"
              "          12  2004-11-09 11:33:20    10000000  Level 1.dat\n"
              "game\\MAPS\\EMPTY\\\n"
              "3 files, 70017 bytes\n");
}

TEST(ArchiveListing, AnEmptyArchiveIsItsRootAndNoFiles) {
    FolderList folders;
    folders.Append("Untitled", nullptr);
    EXPECT_EQ(ListArchive(folders), "Untitled\\\n0 files, 0 bytes\n");
}

}  // namespace
