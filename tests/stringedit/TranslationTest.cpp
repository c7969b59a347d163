#include <gtest/gtest.h>

#include <sstream>

#include "stringedit/MemoryResourceModule.h"
#include "stringedit/QuilletCommandLine.h"
#include "stringedit/TranslationFile.h"
#include "support/ScratchFolder.h"
#include "support/WholeFile.h"

namespace {

using support::ReadWholeFile;
using support::WriteWholeFile;

class TranslationTest : public ::testing::Test {
  protected:
    TranslationTest() {
        module.AddStrings("game.dll", kEnglishUnitedStates,
                          {{300, u"C:\\new"}, {2, u"two\r\nlines"}, {1, u"\tone"}});
    }

    std::optional<int> Run(std::vector<std::string> args) {
        err.str("");
        return RunQuilletBatch(args, doc, err);
    }

    MemoryResourceModule module;
    Utf8CodePage codePage;
    CQuilletDoc doc{module, codePage};
    std::ostringstream err;
    support::ScratchFolder scratch{"quillet"};
    const std::string txt = scratch.Path("strings.txt");
};

TEST_F(TranslationTest, ExportWritesOneCrLfLinePerStringInIdentifierOrder) {
    ASSERT_EQ(Run({"/export", "game.dll", txt}), 0);
    EXPECT_EQ(ReadWholeFile(txt), "1\t\\tone\r\n2\ttwo\\r\\nlines\r\n300\tC:\\\\new\r\n");
}

TEST_F(TranslationTest, ExportOfAMissingModuleFails) {
    EXPECT_EQ(Run({"/EXPORT", "missing.dll", txt}), 1);
    EXPECT_EQ(err.str(), "Error loading DLL\n");
}

TEST_F(TranslationTest, ImportReplacesTheTableAndRoundTrips) {
    WriteWholeFile(txt, "7\tseven\\n\\\\\r\n\r\n3\tthree\twith tab\n65534\tlast");
    ASSERT_EQ(Run({"/import", txt, "game.dll"}), 0) << err.str();
    EXPECT_EQ(module.StringOf("game.dll", kEnglishUnitedStates, 7), u"seven\n\\");
    EXPECT_EQ(module.StringOf("game.dll", kEnglishUnitedStates, 3), u"three\twith tab");
    EXPECT_EQ(module.StringOf("game.dll", kEnglishUnitedStates, 65534), u"last");
    EXPECT_TRUE(module.StringOf("game.dll", kEnglishUnitedStates, 300).empty());

    ASSERT_EQ(Run({"/export", "game.dll", txt}), 0);
    EXPECT_EQ(ReadWholeFile(txt), "3\tthree\\twith tab\r\n7\tseven\\n\\\\\r\n65534\tlast\r\n");
}

TEST_F(TranslationTest, BadLinesAreRefusedWithTheirNumberAndNothingIsWritten) {
    const auto before = module.files;
    const std::pair<std::string, std::string> cases[] = {
        {"1\tok\r\nno tab here\r\n", "Line 2: expected <identifier><TAB><text>"},
        {"1\tok\r\n\r\nx1\tbad\r\n", "Line 3: expected <identifier><TAB><text>"},
        {"-1\tneg\r\n", "Line 1: expected <identifier><TAB><text>"},
        {"5\t\r\n", "Line 1: expected <identifier><TAB><text>"},
        {"1\tok\r\n65535\tbeyond\r\n", "Line 2: identifier 65535 is outside 0 to 65534"},
        {"99999999999999\tbeyond\r\n", "Line 1: identifier 99999999999999 is outside 0 to 65534"},
        {"4\ta\r\n5\tb\r\n4\tc\r\n", "Line 3: duplicate identifier 4"},
    };
    for (const auto& [file, message] : cases) {
        WriteWholeFile(txt, file);
        EXPECT_EQ(Run({"/import", txt, "game.dll"}), 1) << file;
        EXPECT_EQ(err.str(), txt + ": " + message + "\n");
    }
    EXPECT_EQ(module.files, before);
}

TEST_F(TranslationTest, ImportIntoAModuleThatCannotBeUpdatedFails) {
    WriteWholeFile(txt, "1\tone\r\n");
    module.locked.insert("game.dll");
    EXPECT_EQ(Run({"/import", txt, "game.dll"}), 1);
    EXPECT_EQ(err.str(), "Error Saving DLL\n");
    EXPECT_EQ(Run({"/import", txt + ".missing", "game.dll"}), 1);
    EXPECT_EQ(err.str(), "Cannot read " + txt + ".missing\n");
}

TEST_F(TranslationTest, OtherArgumentsLeaveTheWindowToStart) {
    EXPECT_EQ(Run({}), std::nullopt);
    EXPECT_EQ(Run({"game.dll"}), std::nullopt);
    EXPECT_EQ(Run({"/export", "game.dll"}), 2);
    EXPECT_EQ(err.str(),
              "Usage: Quillet.exe /export <file.dll> <strings.txt>\n"
              "       Quillet.exe /import <strings.txt> <file.dll>\n");
    EXPECT_EQ(Run({"/import", "a.txt", "game.dll", "extra"}), 2);
    EXPECT_EQ(module.StringOf("game.dll", kEnglishUnitedStates, 1), u"\tone");
}

}  // namespace
