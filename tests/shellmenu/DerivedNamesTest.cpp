#include <gtest/gtest.h>

#include "ShiftJis.h"
#include "shellmenu/AnsiText.h"
#include "shellmenu/DerivedNames.h"
#include "shellmenu/TarvexProgram.h"

namespace {

struct Names {
    const char* path;
    const char* folder;  // D
    const char* base;    // A
    const char* name;    // N
};

TEST(DerivedNames, ExamplesOfTheMenu) {
    const Names examples[] = {
        {"C:\\Maps\\Level1.dat", "C:\\Maps\\Level1", "C:\\Maps\\Level1", "Level1"},
        {"C:\\Maps\\Sounds", "C:\\Maps\\Sounds", "C:\\Maps\\Sounds", "Sounds"},
        {"C:\\Maps\\Old.rez", "C:\\Maps\\Old", "C:\\Maps\\Old~", "Old~"},
        {"C:\\Maps\\Old~.rez", "C:\\Maps\\Old.Rez", "C:\\Maps\\Old~~", "Old~~"},
        {"C:\\Game\\Game.rez", "C:\\Game\\Game", "C:\\Game\\Game~", "Game~"},
        {"C:\\Game\\Game.REZ", "C:\\Game\\Game", "C:\\Game\\Game~", "Game~"},
        {"C:\\Game\\OLD~.Rez", "C:\\Game\\OLD.Rez", "C:\\Game\\OLD~~", "OLD~~"},
        {"C:\\Docs\\notes.txt", "C:\\Docs\\notes", "C:\\Docs\\notes", "notes"},
        {"C:\\Docs\\README", "C:\\Docs\\README", "C:\\Docs\\README", "README"},
        {"C:\\Maps\\Maps.rez", "C:\\Maps\\Maps", "C:\\Maps\\Maps~", "Maps~"},
        {"C:\\", "C:\\", "C:\\", ""},
        {"C:\\My Maps\\Level 1.v2.dat", "C:\\My Maps\\Level 1.v2", "C:\\My Maps\\Level 1.v2",
         "Level 1.v2"},
        {"notes.txt", "notes", "notes", "notes"},
    };
    for (const Names& e : examples) {
        EXPECT_EQ(ExtractFolder(e.path), e.folder) << e.path;
        EXPECT_EQ(ArchiveBase(e.path), e.base) << e.path;
        EXPECT_EQ(ShortName(e.path), e.name) << e.path;
    }
}

TEST(DerivedNames, OnlyTheNamesFullStopCounts) {
    // Packing README must not make C:\My.rez, or the archive would not be the one the menu
    // names.
    EXPECT_EQ(ArchiveBase("C:\\My.Maps\\README"), "C:\\My.Maps\\README");
    EXPECT_EQ(ShortName("C:\\My.Maps\\README"), "README");
    EXPECT_EQ(ExtractFolder("C:\\My.Maps\\README"), "C:\\My.Maps\\README");
    EXPECT_EQ(ArchiveBase("\\\\server\\share.old\\Sounds"), "\\\\server\\share.old\\Sounds");
}

TEST(DerivedNames, ArchiveEndingInAnyCase) {
    EXPECT_TRUE(HasArchiveEnding("a.rez"));
    EXPECT_TRUE(HasArchiveEnding("a.ReZ"));
    EXPECT_TRUE(HasArchiveEnding(".REZ"));
    EXPECT_FALSE(HasArchiveEnding("a.rezz"));
    EXPECT_FALSE(HasArchiveEnding("arez"));
    EXPECT_FALSE(HasArchiveEnding("rez"));
}

TEST(DerivedNames, TrailBytesAreNeitherBackslashNorTildeNorFullStop) {
    // "C:\Maps\<83 5C>": the folder's name is one double-byte character ending in 0x5C.
    const std::string katakana = "C:\\Maps\\\x83\x5C";
    EXPECT_EQ(ShortName(katakana, ShiftJisLeadByte), "\x83\x5C");
    EXPECT_EQ(ShortName(katakana, NoLeadBytes), "");  // what a byte search would make of it

    // "C:\Maps\<81 7E>.rez" ends in the bytes of "~.rez", but its tilde is a trail byte.
    const std::string times = "C:\\Maps\\\x81\x7E.rez";
    EXPECT_EQ(ExtractFolder(times, ShiftJisLeadByte), "C:\\Maps\\\x81\x7E");
    EXPECT_EQ(ExtractFolder(times, NoLeadBytes), "C:\\Maps\\\x81.Rez");
    EXPECT_EQ(ArchiveBase(times, ShiftJisLeadByte), "C:\\Maps\\\x81\x7E~");

    // A trail byte 0x5C right after the drive does not end the folder part.
    EXPECT_EQ(ArchiveBase("C:\\\x95\x5C.dat", ShiftJisLeadByte), "C:\\\x95\x5C");
    EXPECT_EQ(ShortName("C:\\\x95\x5C.dat", ShiftJisLeadByte), "\x95\x5C");
}

TEST(AnsiText, FindsCharactersAndCutsWhole) {
    EXPECT_EQ(FindLastCharacter("a\\b\\c", '\\', NoLeadBytes), 3u);
    EXPECT_EQ(FindLastCharacter("a\\\x83\x5C", '\\', ShiftJisLeadByte), 1u);
    EXPECT_EQ(FindLastCharacter("abc", '.', NoLeadBytes), std::string::npos);
    EXPECT_FALSE(EndsWithNoCase("ab", "abc", NoLeadBytes));
    EXPECT_TRUE(EndsWithNoCase("x~.rez", "~.REZ", NoLeadBytes));

    EXPECT_EQ(CutToBuffer("Extract", 4, NoLeadBytes), "Ext");
    EXPECT_EQ(CutToBuffer("Extract", 8, NoLeadBytes), "Extract");
    EXPECT_EQ(CutToBuffer("Extract", 1, NoLeadBytes), "");
    EXPECT_EQ(CutToBuffer("Extract", 0, NoLeadBytes), "");
    // Never half a character: the double-byte one goes whole or not at all.
    EXPECT_EQ(CutToBuffer("a\x83\x5C"
                          "b",
                          3, ShiftJisLeadByte),
              "a");
    EXPECT_EQ(CutToBuffer("a\x83\x5C"
                          "b",
                          4, ShiftJisLeadByte),
              "a\x83\x5C");
}

TEST(TarvexProgram, BesideTheRegisteredModule) {
    const auto program = TarvexBeside("C:\\Program Files\\Tarvex\\Cravel.dll");
    ASSERT_TRUE(program.has_value());
    EXPECT_EQ(program->path, "C:\\Program Files\\Tarvex\\Tarvex.exe");
    EXPECT_EQ(program->folder, "C:\\Program Files\\Tarvex");

    // The longest path a module can have still names it; one more character cannot be a
    // registered module path.
    const std::string folder = "C:\\" + std::string(245, 'd');
    EXPECT_TRUE(TarvexBeside(folder + "\\Cravel.dll").has_value());  // 259 characters
    EXPECT_FALSE(TarvexBeside(folder + "d\\Cravel.dll").has_value());
    // Without a folder Tarvex.exe would be looked for on the search path.
    EXPECT_FALSE(TarvexBeside("Cravel.dll").has_value());
    EXPECT_FALSE(TarvexBeside("\\Cravel.dll").has_value());
    EXPECT_FALSE(TarvexBeside("").has_value());
    const auto dbcs = TarvexBeside(
        "C:\\\x83\x5C"
        "Cravel.dll",
        ShiftJisLeadByte);
    ASSERT_TRUE(dbcs.has_value());
    EXPECT_EQ(dbcs->folder, "C:");
}

}  // namespace
