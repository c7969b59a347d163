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
    EXPECT_EQ(keys[3].value, "\"C:\\Program Files\\Tarvex\\Tarvex.exe\" \"%1\"");
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
