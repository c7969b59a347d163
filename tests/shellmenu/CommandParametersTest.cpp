// The parameters Cravel starts Tarvex with, and Tarvex's parser reading them back.
#include <gtest/gtest.h>

#include "ShiftJis.h"
#include "app/CommandLine.h"
#include "app/CommandLineSplit.h"
#include "shellmenu/CommandParameters.h"

namespace {

using Paths = std::vector<std::string>;

TEST(CommandParameters, ExamplesOfTheMenu) {
    EXPECT_EQ(CommandParameters(0, {"C:\\Maps\\Level1.dat", "C:\\Maps\\Sounds"}),
              "/A \"C:\\Maps\\Level1.dat\" \"C:\\Maps\\Sounds\" ");
    EXPECT_EQ(CommandParameters(1, {"C:\\Maps\\Sounds"}),
              "\"C:\\Maps\\Sounds.rez\" /C \"C:\\Maps\\Sounds\" ");
    EXPECT_EQ(CommandParameters(1, {"C:\\Maps\\Old.rez"}),
              "\"C:\\Maps\\Old~.rez\" /C \"C:\\Maps\\Old.rez\" ");
    EXPECT_EQ(CommandParameters(1, {"C:\\Docs\\notes.txt"}),
              "\"C:\\Docs\\notes.rez\" /C \"C:\\Docs\\notes.txt\" ");
    EXPECT_EQ(CommandParameters(2, {"C:\\Game\\Game.rez"}), "\"C:\\Game\\Game.rez\" /E ");
    EXPECT_EQ(CommandParameters(3, {"C:\\Game\\Game.rez"}),
              "\"C:\\Game\\Game.rez\" /X \"C:\\Game\\Game\"");
    EXPECT_EQ(CommandParameters(3, {"C:\\Maps\\Old~.rez"}),
              "\"C:\\Maps\\Old~.rez\" /X \"C:\\Maps\\Old.Rez\"");
}

TEST(CommandParameters, DriveRootKeepsItsBackslash) {
    // "C:\" unquoted-then-quoted would end in \" and swallow the quote.
    EXPECT_EQ(CommandParameters(0, {"C:\\"}), "/A \"C:\\\\\" ");
    EXPECT_EQ(CommandParameters(0, {"C:\\", "D:\\"}), "/A \"C:\\\\\" \"D:\\\\\" ");
}

TEST(CommandParameters, NothingToStart) {
    EXPECT_EQ(CommandParameters(4, {"C:\\x"}), std::nullopt);
    EXPECT_EQ(CommandParameters(0xFFFF, {"C:\\x"}), std::nullopt);
    for (unsigned offset = 0; offset < 4; ++offset) {
        EXPECT_EQ(CommandParameters(offset, {}), std::nullopt) << offset;
        EXPECT_EQ(CommandParameters(offset, {""}), std::nullopt) << offset;
        EXPECT_EQ(CommandParameters(offset, {"C:\\x", ""}), std::nullopt) << offset;
    }
}

TEST(QuoteArgument, BackslashesAndQuotes) {
    EXPECT_EQ(QuoteArgument("C:\\My Maps"), "\"C:\\My Maps\"");
    EXPECT_EQ(QuoteArgument("C:\\dir\\"), "\"C:\\dir\\\\\"");
    EXPECT_EQ(QuoteArgument("\\\\server\\share"), "\"\\\\server\\share\"");
    EXPECT_EQ(QuoteArgument("a\"b"), "\"a\\\"b\"");
    EXPECT_EQ(QuoteArgument("a\\\"b"), "\"a\\\\\\\"b\"");
    EXPECT_EQ(QuoteArgument(""), "\"\"");
    // The trail byte 0x5C before the closing quote is no backslash to double.
    EXPECT_EQ(QuoteArgument("C:\\\x83\x5C", ShiftJisLeadByte), "\"C:\\\x83\x5C\"");
    EXPECT_EQ(QuoteArgument("C:\\\x83\x5C", NoLeadBytes), "\"C:\\\x83\x5C\x5C\"");
}

// What Tarvex makes of Cravel's parameters for offset on selection.
CTarvexCommandLineInfo ReadBack(unsigned offset, const Paths& selection,
                                LeadByteTest isLeadByte = IsLeadByte) {
    const auto parameters = CommandParameters(offset, selection, isLeadByte);
    EXPECT_TRUE(parameters.has_value());
    // Started as a program, the command line has the program's quoted path in front.
    const std::string commandLine =
        "\"C:\\Program Files\\Tarvex\\Tarvex.exe\" " + parameters.value_or("");
    std::vector<std::string> words = SplitCommandLine(commandLine, isLeadByte);
    EXPECT_EQ(words.front(), "C:\\Program Files\\Tarvex\\Tarvex.exe");
    words.erase(words.begin());
    CTarvexCommandLineInfo info;
    ParseCommandLine(info, words, SwitchStyle::Windows);
    return info;
}

struct Selection {
    Paths paths;
    const char* archive;  // what offset 1 packs into
    const char* folder;   // what offset 3 extracts into, for a single archive
};

TEST(CommandParameters, TarvexReadsBackEveryPath) {
    const Selection selections[] = {
        {{"C:\\Maps\\Level1.dat", "C:\\Maps\\Sounds"}, "C:\\Maps\\Level1.rez", nullptr},
        {{"C:\\Maps\\Sounds"}, "C:\\Maps\\Sounds.rez", nullptr},
        {{"C:\\Maps\\Old.rez"}, "C:\\Maps\\Old~.rez", "C:\\Maps\\Old"},
        {{"C:\\Game\\Game.rez"}, "C:\\Game\\Game~.rez", "C:\\Game\\Game"},
        {{"C:\\Maps\\Old~.rez"}, "C:\\Maps\\Old~~.rez", "C:\\Maps\\Old.Rez"},
        {{"C:\\Docs\\notes.txt"}, "C:\\Docs\\notes.rez", nullptr},
        {{"C:\\"}, "C:\\.rez", nullptr},
        {{"C:\\", "D:\\"}, "C:\\.rez", nullptr},
        {{"C:\\My Maps\\Level 1.dat", "C:\\My Maps\\Old Sounds"},
         "C:\\My Maps\\Level 1.rez",
         nullptr},
        {{"C:\\Program Files\\Game\\Main Game.rez"},
         "C:\\Program Files\\Game\\Main Game~.rez",
         "C:\\Program Files\\Game\\Main Game"},
        {{"C:\\  two  blanks \\x"}, "C:\\  two  blanks \\x.rez", nullptr},
        {{"C:\\Tab\there.dat"}, "C:\\Tab\there.rez", nullptr},
        {{"\\\\server\\share\\Maps"}, "\\\\server\\share\\Maps.rez", nullptr},
        {{"C:\\Caf\xE9\\Niveau \xE9t\xE9.rez"},
         "C:\\Caf\xE9\\Niveau \xE9t\xE9~.rez",
         "C:\\Caf\xE9\\Niveau \xE9t\xE9"},
        {{"C:\\-dash\\/slash"}, "C:\\-dash\\/slash.rez", nullptr},
    };
    for (const Selection& s : selections) {
        const std::string& first = s.paths.front();
        SCOPED_TRACE(first);

        const CTarvexCommandLineInfo add = ReadBack(0, s.paths);
        EXPECT_EQ(add.batchCode, BatchAdd);
        EXPECT_FALSE(add.fileNameTaken);
        EXPECT_EQ(add.items, s.paths);

        const CTarvexCommandLineInfo create = ReadBack(1, s.paths);
        EXPECT_EQ(create.batchCode, BatchCreate);
        EXPECT_EQ(create.fileName, s.archive);
        EXPECT_EQ(create.items, s.paths);

        const CTarvexCommandLineInfo ask = ReadBack(2, s.paths);
        EXPECT_EQ(ask.batchCode, BatchExtractAsk);
        EXPECT_EQ(ask.fileName, first);
        EXPECT_TRUE(ask.items.empty());

        if (s.folder) {
            const CTarvexCommandLineInfo extract = ReadBack(3, s.paths);
            EXPECT_EQ(extract.batchCode, BatchExtract);
            EXPECT_EQ(extract.fileName, first);
            EXPECT_EQ(extract.destination, s.folder);
            EXPECT_TRUE(extract.items.empty());
        }
    }
}

TEST(CommandParameters, TarvexReadsBackDoubleBytePaths) {
    // Folder names ending in a character whose trail byte is 0x5C, and one with a trail tilde.
    const Paths paths = {"C:\\\x83\x5C", "C:\\Maps\\\x95\x5C\\\x83\x5C dat", "C:\\\x81\x7E.rez"};
    const CTarvexCommandLineInfo add = ReadBack(0, paths, ShiftJisLeadByte);
    EXPECT_EQ(add.items, paths);
    const CTarvexCommandLineInfo create = ReadBack(1, {paths[0]}, ShiftJisLeadByte);
    EXPECT_EQ(create.fileName, "C:\\\x83\x5C.rez");
    EXPECT_EQ(create.items, Paths{paths[0]});
    const CTarvexCommandLineInfo extract = ReadBack(3, {paths[2]}, ShiftJisLeadByte);
    EXPECT_EQ(extract.fileName, paths[2]);
    EXPECT_EQ(extract.destination, "C:\\\x81\x7E");
}

}  // namespace
