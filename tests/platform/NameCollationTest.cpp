#include <gtest/gtest.h>

#include "platform/NameCollation.h"

namespace {

void ExpectAsciiOrder(const NameCollation& collation) {
    EXPECT_EQ(collation.CompareNoCase("MAPS", "maps"), 0);
    EXPECT_LT(collation.CompareNoCase("art", "Maps"), 0);
    EXPECT_GT(collation.CompareNoCase("b.dtx", "A.abc"), 0);
    EXPECT_LT(collation.CompareNoCase("ab", "ABC"), 0);
    EXPECT_GT(collation.CompareNoCase("abc", "AB"), 0);
    EXPECT_EQ(collation.CompareNoCase("", ""), 0);
    EXPECT_LT(collation.CompareNoCase("", "a"), 0);
    // Folded to lower case, as the C runtime's case-blind compares do: '_' sorts before
    // the letters.
    EXPECT_LT(collation.CompareNoCase("_x", "B"), 0);
    EXPECT_LT(collation.CompareNoCase("_x", "b"), 0);
    EXPECT_EQ(collation.LowerCase(".DTX"), ".dtx");
    EXPECT_EQ(collation.LowerCase("Mixed_Case.Txt"), "mixed_case.txt");
    EXPECT_EQ(collation.LowerCase(""), "");
}

TEST(NameCollation, AsciiFoldsLettersOnly) {
    const AsciiNameCollation ascii;
    ExpectAsciiOrder(ascii);
    EXPECT_EQ(ascii.LowerCase("\xC4\xD6"), "\xC4\xD6");
}

TEST(NameCollation, ThePlatformsAgreesOnAsciiNames) {
    ExpectAsciiOrder(PlatformNameCollation());
}

}  // namespace
