// Tarvex's split of a raw command line, by the C runtime's rules.
#include <gtest/gtest.h>

#include "ShiftJis.h"
#include "app/CommandLineSplit.h"

namespace {

using Words = std::vector<std::string>;

TEST(SplitArguments, BlanksSeparateAndQuotesGroup) {
    EXPECT_EQ(SplitArguments("a b\tc"), (Words{"a", "b", "c"}));
    EXPECT_EQ(SplitArguments("  a   b  "), (Words{"a", "b"}));
    EXPECT_EQ(SplitArguments(""), Words{});
    EXPECT_EQ(SplitArguments(" \t "), Words{});
    EXPECT_EQ(SplitArguments("\"a b\" c"), (Words{"a b", "c"}));
    EXPECT_EQ(SplitArguments("ab\"cd ef\"gh i"), (Words{"abcd efgh", "i"}));
    EXPECT_EQ(SplitArguments("\"\" x \"\""), (Words{"", "x", ""}));
    EXPECT_EQ(SplitArguments("\"unterminated  text"), Words{"unterminated  text"});
}

TEST(SplitArguments, BackslashesCountOnlyBeforeAQuote) {
    EXPECT_EQ(SplitArguments("a\\\\b c\\"), (Words{"a\\\\b", "c\\"}));
    EXPECT_EQ(SplitArguments("a\\\"b"), Words{"a\"b"});
    EXPECT_EQ(SplitArguments("a\\\\\\\"b"), Words{"a\\\"b"});
    EXPECT_EQ(SplitArguments("\"a\\\\\" b"), (Words{"a\\", "b"}));
    EXPECT_EQ(SplitArguments("\"C:\\\\\" \"D:\\\\\""), (Words{"C:\\", "D:\\"}));
    EXPECT_EQ(SplitArguments("a\\\\\\\\\"b c\" d"), (Words{"a\\\\b c", "d"}));
    EXPECT_EQ(SplitArguments("\\\\server\\share"), Words{"\\\\server\\share"});
}

TEST(SplitArguments, DoubledQuoteInsideQuotesIsOneQuote) {
    EXPECT_EQ(SplitArguments("\"a \"\"b\"\" c\" d"), (Words{"a \"b\" c", "d"}));
    EXPECT_EQ(SplitArguments("\"\"\"\""), Words{"\""});
}

TEST(SplitCommandLine, ProgramNameHasNoEscapes) {
    EXPECT_EQ(SplitCommandLine("\"C:\\Program Files\\Tarvex.exe\" /X a"),
              (Words{"C:\\Program Files\\Tarvex.exe", "/X", "a"}));
    EXPECT_EQ(SplitCommandLine("C:\\a\\\"b c\" d"), (Words{"C:\\a\\b c", "d"}));
    EXPECT_EQ(SplitCommandLine("Tarvex.exe"), Words{"Tarvex.exe"});
    EXPECT_EQ(SplitCommandLine(""), Words{""});
}

TEST(SplitArguments, TrailBytesAreNoBackslashes) {
    // <83 5C> is one character; a byte split takes its 0x5C for an escape of the quote.
    EXPECT_EQ(SplitArguments("\"\x83\x5C\" x", ShiftJisLeadByte), (Words{"\x83\x5C", "x"}));
    EXPECT_EQ(SplitArguments("\"\x83\x5C\" x", NoLeadBytes), Words{"\x83\" x"});
    EXPECT_EQ(SplitCommandLine("\"C:\\\x83\x5C\\T.exe\" a", ShiftJisLeadByte),
              (Words{"C:\\\x83\x5C\\T.exe", "a"}));
}

}  // namespace
