#include <gtest/gtest.h>

#include "app/CommandLine.h"

namespace {

CTarvexCommandLineInfo Parse(const std::vector<std::string>& args,
                             SwitchStyle style = SwitchStyle::Windows, bool list = false) {
    CTarvexCommandLineInfo info(list);
    ParseCommandLine(info, args, style);
    return info;
}

TEST(CommandLine, NothingMakesANewDocumentAndAPathOpensIt) {
    EXPECT_EQ(Parse({}).shellCommand, ShellNew);
    const CTarvexCommandLineInfo info = Parse({"game.rez"});
    EXPECT_EQ(info.shellCommand, ShellOpen);
    EXPECT_EQ(info.fileName, "game.rez");
    EXPECT_EQ(info.batchCode, BatchNone);
}

TEST(CommandLine, ExtractTakesArchiveThenDestinationInEitherCase) {
    for (const char* sw : {"/X", "/x", "-X"}) {
        const CTarvexCommandLineInfo info = Parse({sw, "a.rez", "C:\\out", "extra"});
        EXPECT_EQ(info.batchCode, BatchExtract);
        EXPECT_EQ(info.shellCommand, ShellOpen);
        EXPECT_EQ(info.fileName, "a.rez");
        EXPECT_EQ(info.destination, "C:\\out");
        EXPECT_EQ(info.items, std::vector<std::string>{"extra"});
    }
}

TEST(CommandLine, ArchiveBeforeTheSwitchReadsTheSame) {
    const CTarvexCommandLineInfo info = Parse({"a.rez", "/X", "dest"});
    EXPECT_EQ(info.batchCode, BatchExtract);
    EXPECT_EQ(info.fileName, "a.rez");
    EXPECT_EQ(info.destination, "dest");
}

TEST(CommandLine, OnlyASingleLetterIsASwitch) {
    const CTarvexCommandLineInfo info = Parse({"/XY", "a.rez"});
    EXPECT_EQ(info.batchCode, BatchNone);
    EXPECT_EQ(info.shellCommand, ShellOpen);
    EXPECT_EQ(info.fileName, "a.rez");
}

TEST(CommandLine, CreateAndAddCollectItems) {
    const CTarvexCommandLineInfo create = Parse({"/C", "new.rez", "x.txt", "Maps"});
    EXPECT_EQ(create.batchCode, BatchCreate);
    EXPECT_EQ(create.shellCommand, ShellNew);
    EXPECT_EQ(create.fileName, "new.rez");
    EXPECT_EQ(create.items, (std::vector<std::string>{"x.txt", "Maps"}));

    const CTarvexCommandLineInfo add = Parse({"/a", "f1", "f2"});
    EXPECT_EQ(add.batchCode, BatchAdd);
    EXPECT_EQ(add.shellCommand, ShellNew);
    EXPECT_FALSE(add.fileNameTaken);
    EXPECT_EQ(add.items, (std::vector<std::string>{"f1", "f2"}));

    EXPECT_EQ(Parse({"/e", "a.rez"}).batchCode, BatchExtractAsk);
}

TEST(CommandLine, HelpSwitchesAndALaterSwitchWins) {
    for (const char* sw : {"/H", "/h", "/?"})
        EXPECT_EQ(Parse({sw, "x"}).batchCode, BatchUsage);
    EXPECT_EQ(Parse({"/H", "/C", "n.rez"}).batchCode, BatchCreate);
    EXPECT_EQ(Parse({"/Q", "n.rez"}).batchCode, BatchNone);
}

TEST(CommandLine, PosixPathsStartingWithASlashAreNotSwitches) {
    const CTarvexCommandLineInfo info =
        Parse({"/X", "/home/me/a.rez", "/tmp/out"}, SwitchStyle::Posix);
    EXPECT_EQ(info.batchCode, BatchExtract);
    EXPECT_EQ(info.fileName, "/home/me/a.rez");
    EXPECT_EQ(info.destination, "/tmp/out");

    const CTarvexCommandLineInfo path = Parse({"/XY", "a.rez"}, SwitchStyle::Posix);
    EXPECT_EQ(path.fileName, "/XY");
    const CTarvexCommandLineInfo dashed = Parse({"-XY", "a.rez"}, SwitchStyle::Posix);
    EXPECT_EQ(dashed.batchCode, BatchNone);
    EXPECT_EQ(dashed.fileName, "a.rez");
}

TEST(CommandLine, ListSwitchOnlyWhenAccepted) {
    EXPECT_EQ(Parse({"/L", "a.rez"}, SwitchStyle::Posix, true).batchCode, BatchList);
    EXPECT_EQ(Parse({"/L", "a.rez"}, SwitchStyle::Windows, false).batchCode, BatchNone);
    EXPECT_EQ(Parse({"/L", "a.rez"}, SwitchStyle::Posix, false).fileName, "/L");
}

TEST(CommandLine, UsageTextLines) {
    const std::string text = UsageText("Tarvex");
    EXPECT_EQ(text.rfind("Tarvex - version: 3.0.1 - ", 0), 0u);
    const std::string body =
        "\n-----------------------------------------------------------------------------\n"
        "Tarvex /X <RezFilename.Rez> <Destination Path>\n"
        "        - Extracts a rez file to a destination path.\n\n"
        "Tarvex /C <RezFilename.Rez> <item1> <item2>...<itemN>\n"
        "        - Creates a rez file adding all items.\n"
        "    NOTE: An Item can either be a FILE or FOLDER name!\n\n"
        "Tarvex /E <RezFilename.Rez>\n"
        "        - Extracts a rez file and asks for a destination path.\n\n"
        "Tarvex /A <item1> <item2>...<itemN>\n"
        "        - Adds all items and asks for a new Rez filename to save.\n"
        "\n\n";
    ASSERT_GE(text.size(), body.size());
    EXPECT_EQ(text.substr(text.size() - body.size()), body);
}

}  // namespace
