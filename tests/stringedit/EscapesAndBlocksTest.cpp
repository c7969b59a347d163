#include <gtest/gtest.h>

#include "stringedit/CodePage.h"
#include "stringedit/StringBlock.h"
#include "stringedit/StringEscapes.h"

TEST(StringEscapes, ControlCharactersBecomeTwoCharacterEscapes) {
    EXPECT_EQ(EscapeText("a\ab\bc\fd\ne\rf\tg\vh"), "a\\ab\\bc\\fd\\ne\\rf\\tg\\vh");
    EXPECT_EQ(UnescapeText("a\\ab\\bc\\fd\\ne\\rf\\tg\\vh"), "a\ab\bc\fd\ne\rf\tg\vh");
    EXPECT_EQ(EscapeText("Line one\nLine two"), "Line one\\nLine two");
}

TEST(StringEscapes, BackslashIsShownDoubledAndComesBackUnchanged) {
    const std::string path = "C:\\new\\table";
    EXPECT_EQ(EscapeText(path), "C:\\\\new\\\\table");
    EXPECT_EQ(UnescapeText(EscapeText(path)), path);
    EXPECT_EQ(UnescapeText(EscapeText("\\\\n\\")), "\\\\n\\");
    EXPECT_EQ(UnescapeText(EscapeText("ends with \\\n")), "ends with \\\n");
}

TEST(StringEscapes, TypedTextKeepsUnknownAndTrailingBackslashes) {
    EXPECT_EQ(UnescapeText("50\\% \\x"), "50\\% \\x");
    EXPECT_EQ(UnescapeText("trailing\\"), "trailing\\");
    EXPECT_EQ(UnescapeText("a\\\\nb"), "a\\nb");
}

TEST(StringBlock, EncodesSixteenLengthPrefixedStrings) {
    StringBlock block;
    block[1] = u"Hi";
    std::vector<uint8_t> bytes;
    ASSERT_TRUE(EncodeStringBlock(block, bytes));
    std::vector<uint8_t> expected(36, 0);  // 15 empty lengths and one of 2 with "Hi"
    expected[2] = 2;
    expected[4] = 'H';
    expected[6] = 'i';
    EXPECT_EQ(bytes, expected);

    ASSERT_TRUE(EncodeStringBlock(StringBlock{}, bytes));
    EXPECT_EQ(bytes, std::vector<uint8_t>(32, 0));
    EXPECT_EQ(DecodeStringBlock(expected), block);
}

TEST(StringBlock, DamagedBlocksDecodeWhatLiesInside) {
    // Second entry claims 200 code units but the block ends after three.
    std::vector<uint8_t> bytes = {1, 0, 'A', 0, 200, 0, 'B', 0, 'C', 0, 'D', 0};
    StringBlock block = DecodeStringBlock(bytes);
    EXPECT_EQ(block[0], u"A");
    for (int k = 1; k < kStringsPerBlock; ++k)
        EXPECT_TRUE(block[k].empty()) << k;

    block = DecodeStringBlock({1, 0, 'A'});  // odd size, half a code unit
    EXPECT_TRUE(block[0].empty());
    EXPECT_TRUE(DecodeStringBlock({})[0].empty());
}

TEST(StringBlock, RefusesStringsLongerThanTheLengthField) {
    StringBlock block;
    block[3] = std::u16string(0x10000, u'x');
    std::vector<uint8_t> bytes;
    EXPECT_FALSE(EncodeStringBlock(block, bytes));
    block[3].pop_back();
    EXPECT_TRUE(EncodeStringBlock(block, bytes));
    EXPECT_EQ(DecodeStringBlock(bytes)[3].size(), 0xFFFFu);
}

TEST(Utf8CodePage, ConvertsBothWaysIncludingSurrogatePairs) {
    Utf8CodePage utf8;
    const std::string text =
        "Gr\xC3\xB6\xC3\x9F"
        "e \xE2\x82\xAC \xF0\x9F\x98\x80";
    const std::u16string wide = u"Gr\u00F6\u00DFe \u20AC \U0001F600";
    EXPECT_EQ(utf8.ToUtf16(text), wide);
    EXPECT_EQ(utf8.FromUtf16(wide), text);
}

TEST(Utf8CodePage, MalformedInputBecomesReplacementCharacters) {
    Utf8CodePage utf8;
    EXPECT_EQ(utf8.ToUtf16("a\xC3"), u"a\uFFFD");
    EXPECT_EQ(utf8.ToUtf16("\xC0\x80"), u"\uFFFD");      // overlong NUL
    EXPECT_EQ(utf8.ToUtf16("\xED\xA0\x80"), u"\uFFFD");  // encoded surrogate
    EXPECT_EQ(utf8.FromUtf16(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx");
}
