// The keys that tell the shell about archives, and the help file found through them.
#include <gtest/gtest.h>

#include "app/ShellFileType.h"

namespace {

TEST(ShellFileType, ExtensionTypeIconAndOpenCommandWithQuotedPaths) {
    const std::vector<ShellKeyValue> keys =
        ShellFileTypeKeys("C:\\Program Files\\Tarvex\\Tarvex.exe");
    ASSERT_EQ(keys.size(), 4u);
    EXPECT_EQ(keys[0].key, ".rez");
    EXPECT_EQ(keys[0].value, "Tarvex.File");
    EXPECT_EQ(keys[1].key, "Tarvex.File");
    EXPECT_EQ(keys[1].value, "Rez File");
    EXPECT_EQ(keys[2].key, "Tarvex.File\\DefaultIcon");
    EXPECT_EQ(keys[2].value, "C:\\Program Files\\Tarvex\\Tarvex.exe,0");
    EXPECT_EQ(keys[3].key, "Tarvex.File\\shell\\open\\command");
    EXPECT_EQ(keys[3].value, "\"C:\\Program Files\\Tarvex\\Tarvex.exe\" /dde \"%1\"");
}

TEST(ShellFileType, OnlyTheShellsOpenCommandHandsItsArchiveOver) {
    EXPECT_EQ(HandOverPath({"/dde", "C:\\My Maps\\a.rez"}), "C:\\My Maps\\a.rez");
    using Args = std::vector<std::string>;
    for (const Args& args :
         {Args{"C:\\a.rez"}, Args{"/dde"}, Args{"/dde", ""}, Args{"/dde", "a.rez", "b.rez"},
          Args{"a.rez", "/dde"}, Args{"/DDE", "a.rez"}, Args{"/X", "a.rez"}}) {
        EXPECT_EQ(HandOverPath(args), std::nullopt) << args.size();
    }
}

TEST(ShellFileType, HelpFileLiesBesideTheProgramTheIconNames) {
    EXPECT_EQ(HelpFileFromIconValue("C:\\Program Files\\Tarvex\\Tarvex.exe,0"),
              "C:\\Program Files\\Tarvex\\Tarvex Studio.chm");
    EXPECT_EQ(HelpFileFromIconValue("\"D:\\Games\\Tarvex.exe\",0"), "D:\\Games\\Tarvex Studio.chm");
    // A drive root keeps its backslash.
    EXPECT_EQ(HelpFileFromIconValue("E:\\Tarvex.exe,0"), "E:\\Tarvex Studio.chm");
    EXPECT_EQ(HelpFileFromIconValue(""), "");
    EXPECT_EQ(HelpFileFromIconValue("Tarvex.exe,0"), "");
    EXPECT_EQ(HelpFileFromIconValue("\\Tarvex.exe,0"), "");
}

}  // namespace
