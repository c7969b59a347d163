// Finding items by wildcards: the matching rule, then which items of a tree are found.
#include <gtest/gtest.h>

#include "app/ItemSearch.h"

namespace {

// Shift-JIS: lead bytes 0x81-0x9F and 0xE0-0xFC.
bool ShiftJisLead(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool NoLead(unsigned char) {
    return false;
}

struct MatchCase {
    const char* pattern;
    const char* text;
    bool ascii;     // without lead bytes
    bool shiftJis;  // with Shift-JIS lead bytes
};

const MatchCase kMatchCases[] = {
    {"*.dtx", "WALL01.DTX", true, true},
    {"w?ll*", "wall01.dtx", true, true},
    {"?.dat", "ab.dat", false, false},
    {"a*b*c", "aXXbYYc", true, true},
    {"a*b", "aXbY", false, false},
    {"*", "", true, true},
    {"", "a", false, false},
    {"**x", "abx", true, true},
    {"worlds/*.dat", "WORLDS\\Multi\\DM.DAT", true, true},
    {"worlds\\multi", "WORLDS\\MULTI", true, true},
    {"worlds/multi", "WORLDSXMULTI", false, false},
    // One double-byte character is one '?', and it is compared byte for byte: its trail byte
    // 0x61 is no 'a'.
    {"?", "\x81\x61", false, true},
    {"\x81\x61", "\x81\x41", true, false},
    {"*\x61", "\x81\x61", true, false},
    {"\x82\xA0?", "\x82\xA0z", true, true},
};

TEST(ItemSearch, WildcardsMatchCaseBlindByCharacter) {
    for (const MatchCase& c : kMatchCases) {
        EXPECT_EQ(WildcardMatch(c.pattern, c.text, NoLead), c.ascii) << c.pattern << " " << c.text;
        EXPECT_EQ(WildcardMatch(c.pattern, c.text, ShiftJisLead), c.shiftJis)
            << c.pattern << " " << c.text;
    }
}

TEST(ItemSearch, ALineOfPatternsSplitsAtSemicolonsAndKeepsInnerBlanks) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"*.dtx", {"*.dtx"}},
        {" *.dtx ; bang 2.wav;;  ", {"*.dtx", "bang 2.wav"}},
        {"", {}},
        {";", {}},
    };
    for (const auto& [typed, patterns] : cases)
        EXPECT_EQ(SplitPatterns(typed), patterns) << typed;
}

RezEntry Entry(const std::string& name, std::uint32_t position = 100) {
    RezEntry entry;
    entry.dataPosition = position;
    entry.name = name;
    return entry;
}

struct FindCase {
    std::vector<std::string> patterns;
    std::vector<std::string> paths;
};

TEST(ItemSearch, FindsFoldersAndEntriesByNameOrPath) {
    FolderList folders;
    RezFolder& root = folders.Append("game", nullptr);
    RezFolder& textures = folders.Append("TEXTURES", &root);
    RezFolder& walls = folders.Append("Walls", &textures);
    RezFolder& worlds = folders.Append("WORLDS", &root);
    root.entries.push_back(Entry("README.TXT"));
    textures.entries.push_back(Entry("SKY.DTX"));
    walls.entries.push_back(Entry("BRICK.DTX"));
    walls.entries.push_back(Entry("WALLS.TXT"));
    // Not saved yet: found by its file name, not by its disk folder.
    worlds.entries.push_back(Entry("/home/me/textures/dm1.dat", 0));

    const FindCase cases[] = {
        {{"*.dtx"}, {"TEXTURES/SKY.DTX", "TEXTURES/Walls/BRICK.DTX"}},
        {{"walls*"}, {"TEXTURES/Walls/", "TEXTURES/Walls/WALLS.TXT"}},
        {{"*.dtx", "sky*"}, {"TEXTURES/SKY.DTX", "TEXTURES/Walls/BRICK.DTX"}},
        {{"textures*"}, {"TEXTURES/"}},
        {{"game"}, {}},
        {{"textures/*.dtx"}, {"TEXTURES/SKY.DTX", "TEXTURES/Walls/BRICK.DTX"}},
        {{"/textures\\walls"}, {"TEXTURES/Walls/"}},
        {{"*s/"}, {"TEXTURES/", "TEXTURES/Walls/", "WORLDS/"}},
        {{"*/readme.txt"}, {}},
        {{"readme.txt", "worlds/d?1.*"}, {"README.TXT", "WORLDS/dm1.dat"}},
    };
    for (const FindCase& c : cases) {
        std::vector<std::string> paths;
        for (const ArchiveItem& item : FindItems(folders, c.patterns, NoLead))
            paths.push_back(FoundItemPath(folders, item, '/'));
        EXPECT_EQ(paths, c.paths) << c.patterns.front();
    }
}

}  // namespace
